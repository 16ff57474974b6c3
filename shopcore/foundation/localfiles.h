#pragma once

#include <QStringList>

// Files that ship beside the programs (skins, help pages) are named relative to where the
// program runs, as "../mxskin35.skn". They are looked up in the working folder first and then
// in the program's own folder, so that a program started from elsewhere still finds them.
class LocalFiles {
public:
    explicit LocalFiles(QStringList baseFolders) : m_bases(std::move(baseFolders)) {}
    // The working folder, then the folder of the running program.
    static LocalFiles standard();

    // The first base under which the file exists; the name under the first base otherwise,
    // so that whoever opens it reports it missing in its own way.
    QString resolve(const QString& relativeName) const;

private:
    QStringList m_bases;
};
