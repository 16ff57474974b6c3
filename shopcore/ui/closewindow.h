#pragma once

class QWidget;

// Closes the window a screen is shown in: the workspace's sub-window around it when a main
// window holds it, else the screen's own window.
void closeWindowOf(QWidget* screen);
