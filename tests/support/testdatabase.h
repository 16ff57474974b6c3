#pragma once

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/connection.h"

#include <QTemporaryDir>
#include <memory>

// A fresh store for one test, on the engine the run is for (TEKVO_TEST_BACKEND): an SQLite file
// in a temporary folder, or a schema of its own in the PostgreSQL database of TEKVO_TEST_PG.
// The alias file of the test names it as "tekvo30", so code that resolves the alias finds it.
class TestDatabase {
public:
    enum class Start { Installed, Empty };

    explicit TestDatabase(Start start = Start::Installed);
    ~TestDatabase();

    static bool onPostgres();
    const AliasEntry& alias() const { return m_alias; }
    std::unique_ptr<Connection> connect(const QString& purpose = QStringLiteral("test")) const;
    // The connection the test itself reads and writes through.
    const Connection& main() const { return *m_main; }
    QSqlDatabase db() const { return m_main->db(); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    AliasEntry m_alias;
    std::unique_ptr<Connection> m_main;
};
