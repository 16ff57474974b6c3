#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A pair of connected pseudo-terminals made by socat: what is written to one end can be read
// from the other, as from a cash drawer's cable. Names are unique per process, since the
// serial port takes a lock file by name.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();

    bool ready() const { return m_ready; }
    QString drawerEnd() const { return m_drawer; }
    QString shopEnd() const { return m_shop; }

    // Everything that reaches the shop end within the wait.
    QByteArray received(int waitMs = 300);

private:
    QTemporaryDir m_dir;
    QProcess m_socat;
    QString m_drawer;
    QString m_shop;
    int m_readFd = -1;
    bool m_ready = false;
};
