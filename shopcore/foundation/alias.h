#pragma once

#include <QString>
#include <optional>

// Where the alias "tekvo30" (or another name) keeps its tables: an SQLite folder or a
// PostgreSQL database. Read from an INI file, ~/.config/tekvo/aliases.ini or $TEKVO_ALIASES.
struct AliasEntry {
    enum class Driver { Sqlite, Postgres };

    QString name;
    Driver driver = Driver::Sqlite;
    QString folder; // sqlite: the data folder holding tekvo30.sqlite
    QString host;   // postgres
    int port = 5432;
    QString database;
    QString user;
    QString password;
    QString schema; // postgres: optional schema searched first (tests use one each)
    QString com1 = QStringLiteral("/dev/ttyS0");
    QString com2 = QStringLiteral("/dev/ttyS1");
    bool embeddedDefault =
        false; // no alias file entry: the default folder, installed on first start

    QString describe() const;
    // The file of an SQLite store.
    QString sqliteFile() const;
};

namespace Alias {
inline const QString DefaultName = QStringLiteral("tekvo30");

QString filePath();
QString defaultFolder();
// A Thai message naming the alias file when it exists but cannot be read or is not a valid
// alias file; nullopt when it is fine or absent.
std::optional<QString> fileProblem();
// The entry of the alias file, or the embedded default when there is no entry of that name.
AliasEntry resolve(const QString& name = DefaultName);
// Only what the file says; nullopt when the file has no such section.
std::optional<AliasEntry> read(const QString& name);
// Writes (or replaces) the entry's section in the alias file; false with a reason when it cannot.
bool write(const AliasEntry& entry, QString* error = nullptr);
} // namespace Alias
