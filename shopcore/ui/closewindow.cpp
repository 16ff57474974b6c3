#include "closewindow.h"

#include <QMdiSubWindow>

void closeWindowOf(QWidget* screen) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
        sub->close();
    else
        screen->close();
}
