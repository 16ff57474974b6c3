#include "passwordhash.h"
#include "storeerror.h"

#include <sodium.h>

namespace {

void ensureSodium() {
    if (sodium_init() < 0)
        throw StoreError(StoreError::Kind::Engine, QStringLiteral("PasswordHash"),
                         QStringLiteral("ไม่สามารถเริ่มระบบเข้ารหัสผ่านได้"));
}

} // namespace

namespace PasswordHash {

QString hash(const QString& typed) {
    ensureSodium();
    const QByteArray bytes = typed.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw StoreError(StoreError::Kind::Engine, QStringLiteral("PasswordHash::hash"),
                         QStringLiteral("หน่วยความจำไม่พอสำหรับเข้ารหัสผ่าน"));
    return QString::fromLatin1(out);
}

bool isHash(const QString& stored) {
    return stored.startsWith(QLatin1String("$argon2id$")) ||
           stored.startsWith(QLatin1String("$argon2i$"));
}

bool matches(const QString& stored, const QString& typed) {
    if (!isHash(stored))
        return stored == typed;
    ensureSodium();
    const QByteArray hashText = stored.toLatin1();
    const QByteArray bytes = typed.toUtf8();
    return crypto_pwhash_str_verify(hashText.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

} // namespace PasswordHash
