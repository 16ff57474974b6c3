#pragma once

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/connection.h"

#include <QTemporaryDir>
#include <memory>

// A fresh, installed SQLite store in a temporary folder, removed afterwards.
class BenchStore {
public:
    BenchStore();
    const AliasEntry& alias() const { return m_alias; }
    QSqlDatabase db() const { return m_connection->db(); }

private:
    QTemporaryDir m_dir;
    AliasEntry m_alias;
    std::unique_ptr<Connection> m_connection;
};

// Creates and installs the alias's SQLite store in its folder.
void InstallSqliteStore(const AliasEntry& alias);
