#include "ptypair.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

PtyPair::PtyPair() {
    static int serial = 0;
    const QString stem =
        QStringLiteral("drawer%1x%2").arg(QCoreApplication::applicationPid()).arg(++serial);
    m_drawer = m_dir.filePath(stem + QStringLiteral("a"));
    m_shop = m_dir.filePath(stem + QStringLiteral("b"));
    m_socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + m_drawer,
                                            QStringLiteral("pty,raw,echo=0,link=") + m_shop});
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !(QFileInfo::exists(m_drawer) && QFileInfo::exists(m_shop)))
        QThread::msleep(20);
    if (!QFileInfo::exists(m_shop))
        return;
    m_readFd = ::open(m_shop.toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    m_ready = m_readFd >= 0;
}

PtyPair::~PtyPair() {
    if (m_readFd >= 0)
        ::close(m_readFd);
    m_socat.terminate();
    if (!m_socat.waitForFinished(2000))
        m_socat.kill();
    m_socat.waitForFinished(2000);
}

QByteArray PtyPair::received(int waitMs) {
    QByteArray out;
    QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired()) {
        pollfd p{m_readFd, POLLIN, 0};
        if (::poll(&p, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0)
            break;
        char buffer[256];
        const ssize_t n = ::read(m_readFd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, n);
    }
    return out;
}
