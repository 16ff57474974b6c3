#pragma once

#include <QList>
#include <functional>

class QLineEdit;
class QWidget;

// The keyboard and mouse habits of the entry forms: Enter moves on in a fixed order, leaving an
// entry may be refused, a picture or label may react to a click.
namespace EntryKeys {

// Enter in each widget moves the cursor to the next; with `wrap` the last moves to the first.
void chain(const QList<QWidget*>& widgets, bool wrap);
// Enter in `widget` runs `action`; the key goes no further.
void onEnter(QWidget* widget, std::function<void()> action);
// Leaving `entry` (by key or mouse) runs `accept`; when it answers false the cursor goes back.
void onLeave(QLineEdit* entry, std::function<bool()> accept);
// A left click on `widget` runs `action`.
void onClick(QWidget* widget, std::function<void()> action);

} // namespace EntryKeys
