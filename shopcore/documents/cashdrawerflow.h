#pragma once

#include "shopcore/foundation/alias.h"

#include <memory>

class Connection;
class Prompter;

// The drawer window "เปิดลิ้นชัก": its button reads COM_PORT from the settings table and, for
// "1" or "2", opens that port, writes the opening byte and closes it again. A port that cannot
// be opened is reported with a message naming the port and the cause.
class CashDrawerFlow {
public:
    // settingsTable: Kelmsys (retail, rental) or Sevrsys (repair service).
    CashDrawerFlow(const AliasEntry& alias, QString settingsTable, Prompter& prompter);
    ~CashDrawerFlow();

    // The window's own connection; false after the engine's message when it cannot be had.
    bool open();
    // The button. True when the byte was sent, false when there is no drawer or it failed.
    bool openDrawer();

private:
    AliasEntry m_alias;
    QString m_settingsTable;
    Prompter& m_prompter;
    std::unique_ptr<Connection> m_connection;
};
