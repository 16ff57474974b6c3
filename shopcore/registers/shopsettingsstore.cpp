#include "shopsettingsstore.h"

#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"

namespace ShopSettingsStore {

const QStringList& editedFields() {
    static const QStringList fields = {
        QStringLiteral("OF_NAME"),       QStringLiteral("OF_TAXID"), QStringLiteral("OF_ADD1"),
        QStringLiteral("OF_ADD2"),       QStringLiteral("OF_ADD4"),  QStringLiteral("OF_ZIP"),
        QStringLiteral("OF_TEL"),        QStringLiteral("OF_FAX"),   QStringLiteral("OF_EMAIL"),
        QStringLiteral("OF_LOGO"),       QStringLiteral("LINE1"),    QStringLiteral("LINE5"),
        QStringLiteral("PREFIX1"),       QStringLiteral("PREFIX2"),  QStringLiteral("PREFIX3"),
        QStringLiteral("PREFIX4"),       QStringLiteral("LINE4"),    QStringLiteral("VIEW1"),
        QStringLiteral("COM_PORT"),      QStringLiteral("PRN_TOP"),  QStringLiteral("PRN_LEFT"),
        QStringLiteral("SKIN_BUSINESS"),
    };
    return fields;
}

QVariantMap read(const QSqlDatabase& db) {
    const QString sql =
        QStringLiteral("SELECT %1 FROM kelmsys").arg(editedFields().join(QStringLiteral(", ")));
    QSqlQuery q = runSql(db, sql, "ShopSettingsStore::read");
    QVariantMap out;
    const bool found = q.next();
    const QVariantMap row = found ? rowOf(q) : QVariantMap();
    for (const QString& f : editedFields()) {
        const QVariant v = row.value(f);
        if (f == QLatin1String("OF_LOGO"))
            out.insert(f, v.isNull() ? QByteArray() : v.toByteArray());
        else if (f.startsWith(QLatin1String("PRN_")))
            out.insert(f, v.isNull() ? QVariant() : QVariant(v.toDouble()));
        else
            out.insert(f, textOf(v));
    }
    return out;
}

void write(const QSqlDatabase& db, const QVariantMap& values) {
    QVariantMap clean;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.key() == QLatin1String("OF_LOGO")) {
            const QByteArray bytes = it.value().toByteArray();
            clean.insert(it.key(), bytes.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray))
                                                   : QVariant(bytes));
        } else {
            clean.insert(it.key(), it.value());
        }
    }
    Records::updateSingle(db, QStringLiteral("Kelmsys"), clean, "ShopSettingsStore::write");
}

QString skinSetting(const QSqlDatabase& db) {
    return textOf(scalar(db, QStringLiteral("select skin_business from kelmsys"), {},
                         "ShopSettingsStore::skinSetting"));
}

} // namespace ShopSettingsStore
