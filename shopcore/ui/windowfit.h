#pragma once

class QWidget;

// Resizes a window (or the frame it sits in inside a main window) to what its contents need
// now, after panels were shown or hidden.
void fitToContents(QWidget* window);
