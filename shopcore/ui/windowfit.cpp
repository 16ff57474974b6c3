#include "windowfit.h"

#include <QMdiSubWindow>

void fitToContents(QWidget* window) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->adjustSize();
    else
        window->adjustSize();
}
