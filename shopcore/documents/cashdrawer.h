#pragma once

#include "shopcore/foundation/alias.h"

#include <QString>
#include <memory>
#include <optional>

class QSerialPort;

// The cash drawer on a serial port: 9600 baud, 8 data bits, no parity, 1 stop bit, buffers of
// 4096 bytes, 100 ms to write; it opens on the byte 0x30.
inline constexpr char DrawerOpeningByte = 0x30;

// The three places that open the drawer read the setting COM_PORT in their own way.
enum class DrawerPlace {
    DrawerWindow,  // "1" COM1, "2" COM2, anything else no drawer
    DocumentEntry, // as a number: 0 or less no drawer, 2 COM2, 1 or more COM1
    Till,          // "0" no drawer, "2" COM2, anything else COM1
};
// The COM port number (1 or 2) a place uses for the setting; nullopt: no drawer.
std::optional<int> DrawerPortNumber(DrawerPlace place, const QString& comPort);
// Software flow control on the till and the drawer window, none on the document-entry screen.
bool DrawerUsesSoftwareFlow(DrawerPlace place);

// One drawer port. Failures come back as a Thai message naming the port and the cause; they
// never throw, so a sale or document is never lost because of the drawer.
class CashDrawer {
public:
    // COM1 or COM2 of the alias (com1=, com2= in the alias file; /dev/ttyS0 and /dev/ttyS1).
    CashDrawer(const AliasEntry& alias, int comNumber, bool softwareFlow);
    ~CashDrawer();
    CashDrawer(const CashDrawer&) = delete;
    CashDrawer& operator=(const CashDrawer&) = delete;

    QString portName() const;   // "COM1"
    QString devicePath() const; // "/dev/ttyS0"

    // Opens the port; the till keeps it open for its life. nullopt, or the message.
    std::optional<QString> open();
    bool isOpen() const;
    // Writes the opening byte; writing to a port that is not open does nothing.
    std::optional<QString> kick();
    void close();

    // Open, write, close: the drawer window and the document-entry screen.
    std::optional<QString> openWriteClose();

private:
    QString failure(const QString& cause) const;

    int m_com;
    QString m_path;
    bool m_softwareFlow;
    std::unique_ptr<QSerialPort> m_port;
};

// Opens the drawer from a place for the setting COM_PORT: nothing when the setting names no
// drawer; otherwise open, write, close. nullopt, or the message for the user.
std::optional<QString> OpenDrawerOnce(DrawerPlace place, const QString& comPort,
                                      const AliasEntry& alias);
