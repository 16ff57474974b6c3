#include "cashdrawer.h"

#include <QSerialPort>

namespace {

constexpr int BufferSize = 4096;
constexpr int WriteTimeoutMs = 100;

QString causeOf(const QSerialPort& port) {
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return QStringLiteral("ไม่พบพอร์ตนี้ในเครื่อง");
    case QSerialPort::PermissionError:
        return QStringLiteral("พอร์ตถูกโปรแกรมอื่นใช้อยู่ หรือไม่มีสิทธิ์ใช้พอร์ตนี้");
    case QSerialPort::TimeoutError:
        return QStringLiteral("ลิ้นชักไม่รับข้อมูลภายในเวลาที่กำหนด");
    default:
        return port.errorString();
    }
}

} // namespace

std::optional<int> DrawerPortNumber(DrawerPlace place, const QString& comPort) {
    const QString s = comPort.trimmed();
    switch (place) {
    case DrawerPlace::DrawerWindow:
        if (s == QLatin1String("1"))
            return 1;
        if (s == QLatin1String("2"))
            return 2;
        return std::nullopt;
    case DrawerPlace::DocumentEntry: {
        bool ok = false;
        const int n = s.toInt(&ok);
        if (!ok || n <= 0)
            return std::nullopt;
        return n == 2 ? 2 : 1;
    }
    case DrawerPlace::Till:
        if (s == QLatin1String("0"))
            return std::nullopt;
        return s == QLatin1String("2") ? 2 : 1;
    }
    return std::nullopt;
}

bool DrawerUsesSoftwareFlow(DrawerPlace place) {
    return place != DrawerPlace::DocumentEntry;
}

CashDrawer::CashDrawer(const AliasEntry& alias, int comNumber, bool softwareFlow)
    : m_com(comNumber), m_path(comNumber == 2 ? alias.com2 : alias.com1),
      m_softwareFlow(softwareFlow) {}

CashDrawer::~CashDrawer() {
    close();
}

QString CashDrawer::portName() const {
    return QStringLiteral("COM%1").arg(m_com);
}

QString CashDrawer::devicePath() const {
    return m_path;
}

QString CashDrawer::failure(const QString& cause) const {
    return QStringLiteral("เปิดลิ้นชักเก็บเงินที่ %1 (%2) ไม่ได้ : %3").arg(portName(), m_path, cause);
}

std::optional<QString> CashDrawer::open() {
    if (isOpen())
        return std::nullopt;
    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(m_path);
    m_port->setReadBufferSize(BufferSize);
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QString message = failure(causeOf(*m_port));
        m_port.reset();
        return message;
    }
    const bool configured =
        m_port->setBaudRate(QSerialPort::Baud9600) && m_port->setDataBits(QSerialPort::Data8) &&
        m_port->setParity(QSerialPort::NoParity) && m_port->setStopBits(QSerialPort::OneStop) &&
        m_port->setFlowControl(m_softwareFlow ? QSerialPort::SoftwareControl
                                              : QSerialPort::NoFlowControl);
    if (!configured) {
        const QString message = failure(causeOf(*m_port));
        close();
        return message;
    }
    return std::nullopt;
}

bool CashDrawer::isOpen() const {
    return m_port && m_port->isOpen();
}

std::optional<QString> CashDrawer::kick() {
    if (!isOpen())
        return std::nullopt;
    const char byte = DrawerOpeningByte;
    if (m_port->write(&byte, 1) != 1 || !m_port->waitForBytesWritten(WriteTimeoutMs))
        return failure(causeOf(*m_port));
    return std::nullopt;
}

void CashDrawer::close() {
    if (m_port) {
        if (m_port->isOpen())
            m_port->close();
        m_port.reset();
    }
}

std::optional<QString> CashDrawer::openWriteClose() {
    if (auto error = open())
        return error;
    auto error = kick();
    close();
    return error;
}

std::optional<QString> OpenDrawerOnce(DrawerPlace place, const QString& comPort,
                                      const AliasEntry& alias) {
    const std::optional<int> com = DrawerPortNumber(place, comPort);
    if (!com)
        return std::nullopt;
    CashDrawer drawer(alias, *com, DrawerUsesSoftwareFlow(place));
    return drawer.openWriteClose();
}
