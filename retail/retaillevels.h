#pragma once

#include "retailmenu.h"

#include <QList>
#include <optional>

// Which retail commands each access level may use after a login.
namespace RetailLevels {

// On, off, or left as it is, for `id` at `level` (levels other than 1..5 count as 0).
// `salesMenu` is the edition's sales menu, which the table names as "the sales entry".
std::optional<bool> stateAt(RetailCommand id, int level, RetailCommand salesMenu);

// The commands the table switches, for the given edition's sales menu.
QList<RetailCommand> commands(RetailCommand salesMenu);

} // namespace RetailLevels
