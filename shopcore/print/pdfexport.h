#pragma once

#include "shopcore/print/laidoutreport.h"

#include <QByteArray>

// The report as a PDF document, with Thai text that copies and searches as typed.
QByteArray pdfOf(const LaidOutReport& report);

// Writes the report to a PDF file. Returns an empty text on success, otherwise a Thai message
// for the user naming the file.
QString writePdf(const LaidOutReport& report, const QString& path);
