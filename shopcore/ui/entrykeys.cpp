#include "entrykeys.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace {

// Watches one widget's events and hands them to a function; lives as long as the widget.
class Hook : public QObject {
public:
    Hook(QWidget* widget, std::function<bool(QEvent*)> handle)
        : QObject(widget), m_handle(std::move(handle)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override { return m_handle(event); }

private:
    std::function<bool(QEvent*)> m_handle;
};

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

namespace EntryKeys {

void onEnter(QWidget* widget, std::function<void()> action) {
    new Hook(widget, [action = std::move(action)](QEvent* event) {
        if (!isEnter(event))
            return false;
        action();
        return true;
    });
}

void chain(const QList<QWidget*>& widgets, bool wrap) {
    for (int i = 0; i < widgets.size(); ++i) {
        const bool last = i + 1 == widgets.size();
        if (last && !wrap)
            break;
        QPointer<QWidget> next = widgets[last ? 0 : i + 1];
        onEnter(widgets[i], [next] {
            if (next)
                next->setFocus(Qt::TabFocusReason);
        });
    }
}

void onLeave(QLineEdit* entry, std::function<bool()> accept) {
    auto busy = std::make_shared<bool>(false);
    QPointer<QLineEdit> guarded = entry;
    new Hook(entry, [guarded, busy, accept = std::move(accept)](QEvent* event) {
        if (event->type() != QEvent::FocusOut || *busy)
            return false;
        // Switching to another program or opening a menu is not leaving the entry.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        *busy = true;
        const bool ok = accept();
        *busy = false;
        if (!ok)
            QTimer::singleShot(0, guarded, [guarded] {
                if (guarded)
                    guarded->setFocus(Qt::OtherFocusReason);
            });
        return false;
    });
}

void onClick(QWidget* widget, std::function<void()> action) {
    new Hook(widget, [action = std::move(action)](QEvent* event) {
        if (event->type() != QEvent::MouseButtonRelease ||
            static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        action();
        return true;
    });
}

} // namespace EntryKeys
