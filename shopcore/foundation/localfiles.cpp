#include "localfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

LocalFiles LocalFiles::standard() {
    return LocalFiles({QDir::currentPath(), QCoreApplication::applicationDirPath()});
}

QString LocalFiles::resolve(const QString& relativeName) const {
    for (const QString& base : m_bases) {
        const QString path = QDir::cleanPath(QDir(base).filePath(relativeName));
        if (QFileInfo::exists(path))
            return path;
    }
    const QString first = m_bases.isEmpty() ? QDir::currentPath() : m_bases.first();
    return QDir::cleanPath(QDir(first).filePath(relativeName));
}
