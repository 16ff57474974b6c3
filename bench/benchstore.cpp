#include "benchstore.h"

#include "shopcore/foundation/installer.h"

#include <QDir>

void InstallSqliteStore(const AliasEntry& alias) {
    QDir().mkpath(alias.folder);
    Connection c = Connection::forInstall(alias);
    Installer::install(c.db());
}

BenchStore::BenchStore() {
    m_alias.name = Alias::DefaultName;
    m_alias.driver = AliasEntry::Driver::Sqlite;
    m_alias.folder = m_dir.path();
    InstallSqliteStore(m_alias);
    m_connection = std::make_unique<Connection>(m_alias, QStringLiteral("bench"));
}
