#pragma once

#include <QSqlDatabase>
#include <QString>

// COM_PORT of a settings table: the shop record Kelmsys, or Sevrsys in the repair program.
QString ReadDrawerSetting(const QSqlDatabase& db, const QString& settingsTable);
