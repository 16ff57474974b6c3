#include "alias.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

QString AliasEntry::describe() const {
    if (driver == Driver::Sqlite)
        return QStringLiteral("sqlite %1").arg(folder);
    return QStringLiteral("postgres %1@%2:%3/%4%5")
        .arg(user, host)
        .arg(port)
        .arg(database, schema.isEmpty() ? QString() : QStringLiteral(" schema ") + schema);
}

QString AliasEntry::sqliteFile() const {
    return QDir(folder).filePath(name + QStringLiteral(".sqlite"));
}

namespace Alias {

QString filePath() {
    const QString overridden = qEnvironmentVariable("TEKVO_ALIASES");
    if (!overridden.isEmpty())
        return overridden;
    return QDir::homePath() + QStringLiteral("/.config/tekvo/aliases.ini");
}

QString defaultFolder() {
    return QDir::homePath() + QStringLiteral("/.local/share/tekvo/") + DefaultName;
}

std::optional<QString> fileProblem() {
    const QFileInfo file(filePath());
    if (!file.exists())
        return std::nullopt;
    const QString problem = QStringLiteral("แฟ้มกำหนดฐานข้อมูล %1 เสียหายหรืออ่านไม่ได้ กรุณาตรวจสอบ")
                                .arg(file.absoluteFilePath());
    if (!file.isFile() || !file.isReadable())
        return problem;
    QSettings ini(file.absoluteFilePath(), QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return problem;
    return std::nullopt;
}

std::optional<AliasEntry> read(const QString& name) {
    if (!QFileInfo::exists(filePath()))
        return std::nullopt;
    QSettings ini(filePath(), QSettings::IniFormat);
    if (!ini.childGroups().contains(name))
        return std::nullopt;
    ini.beginGroup(name);
    AliasEntry e;
    e.name = name;
    const QString driver = ini.value(QStringLiteral("driver"), QStringLiteral("sqlite")).toString();
    e.driver = driver.compare(QStringLiteral("postgres"), Qt::CaseInsensitive) == 0
                   ? AliasEntry::Driver::Postgres
                   : AliasEntry::Driver::Sqlite;
    e.folder = ini.value(QStringLiteral("folder")).toString();
    e.host = ini.value(QStringLiteral("host"), QStringLiteral("localhost")).toString();
    e.port = ini.value(QStringLiteral("port"), 5432).toInt();
    e.database = ini.value(QStringLiteral("database"), name).toString();
    e.user = ini.value(QStringLiteral("user")).toString();
    e.password = ini.value(QStringLiteral("password")).toString();
    e.schema = ini.value(QStringLiteral("schema")).toString();
    e.com1 = ini.value(QStringLiteral("com1"), e.com1).toString();
    e.com2 = ini.value(QStringLiteral("com2"), e.com2).toString();
    return e;
}

AliasEntry resolve(const QString& name) {
    if (auto e = read(name))
        return *e;
    AliasEntry e;
    e.name = name;
    e.folder = defaultFolder();
    e.embeddedDefault = true;
    return e;
}

bool write(const AliasEntry& e, QString* error) {
    const QFileInfo file(filePath());
    if (!QDir().mkpath(file.absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(file.absolutePath());
        return false;
    }
    QSettings ini(file.absoluteFilePath(), QSettings::IniFormat);
    ini.remove(e.name);
    ini.beginGroup(e.name);
    if (e.driver == AliasEntry::Driver::Sqlite) {
        ini.setValue(QStringLiteral("driver"), QStringLiteral("sqlite"));
        ini.setValue(QStringLiteral("folder"), e.folder);
    } else {
        ini.setValue(QStringLiteral("driver"), QStringLiteral("postgres"));
        ini.setValue(QStringLiteral("host"), e.host);
        ini.setValue(QStringLiteral("port"), e.port);
        ini.setValue(QStringLiteral("database"), e.database);
        ini.setValue(QStringLiteral("user"), e.user);
        if (!e.password.isEmpty())
            ini.setValue(QStringLiteral("password"), e.password);
        if (!e.schema.isEmpty())
            ini.setValue(QStringLiteral("schema"), e.schema);
    }
    ini.setValue(QStringLiteral("com1"), e.com1);
    ini.setValue(QStringLiteral("com2"), e.com2);
    ini.endGroup();
    ini.sync();
    if (ini.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(file.absoluteFilePath());
        return false;
    }
    return true;
}

} // namespace Alias
