#pragma once

#include "shopcore/print/laidoutreport.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

// Draws laid-out pages. Nothing is decided here: every place, text and size comes from the
// layout; the painter converts millimetres to the device's dots.

// Sets the device to the report's paper, portrait, with the origin at the sheet's corner.
void setPaperOf(const LaidOutReport& report, QPagedPaintDevice& device);
void setPaperOf(const LaidOutReport& report, QPrinter& printer);

// Draws one page with `painter` already active on a device.
void paintPage(QPainter& painter, const LaidOutPage& page);

// Draws every page on the device (a printer or a PDF writer), one sheet per page. False when
// the device cannot be painted on (no printer, a file that cannot be written).
bool paintReport(const LaidOutReport& report, QPagedPaintDevice& device);
