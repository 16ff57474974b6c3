#include "documentlayouts.h"

QString entryLayoutName(int kind, const QString& template5, PrintVariant variant) {
    if (kind == 5)
        return QStringLiteral("TPrnORD3");
    if (kind == 6)
        return QStringLiteral("TPrnQUO3");
    if (variant == PrintVariant::DocumentSet)
        return QStringLiteral("TPrnDO8");
    const QString t = template5.trimmed();
    if (t == QLatin1String("0"))
        return QStringLiteral("TPrnDO9s");
    if (t == QLatin1String("2"))
        return QStringLiteral("TPrnDO4s");
    if (t == QLatin1String("3"))
        return QStringLiteral("TPrnDO9");
    return QStringLiteral("TPrnDO8");
}

QString posLayoutName(const QString& template5) {
    const QString t = template5.trimmed();
    if (t == QLatin1String("0"))
        return QStringLiteral("TPosDO4s");
    if (t == QLatin1String("2"))
        return QStringLiteral("tPos_Slip3");
    if (t == QLatin1String("3"))
        return QStringLiteral("tPos_Slip4");
    return QStringLiteral("TPosDO8");
}

std::unique_ptr<DocumentLayout> documentLayout(const QString& name) {
    std::unique_ptr<DocumentLayout> all[] = {
        std::make_unique<TPrnDO8>(),   std::make_unique<TPrnDO9>(),  std::make_unique<TPrnDO4s>(),
        std::make_unique<TPrnDO9s>(),  std::make_unique<TPrnORD3>(), std::make_unique<TPrnQUO3>(),
        std::make_unique<TPosDO8>(),   std::make_unique<TPosDO4s>(), std::make_unique<tPos_Slip3>(),
        std::make_unique<tPos_Slip4>()};
    for (auto& layout : all)
        if (layout->name() == name)
            return std::move(layout);
    return nullptr;
}

QStringList documentLayoutNames() {
    return {QStringLiteral("TPrnDO8"),   QStringLiteral("TPrnDO9"),  QStringLiteral("TPrnDO4s"),
            QStringLiteral("TPrnDO9s"),  QStringLiteral("TPrnORD3"), QStringLiteral("TPrnQUO3"),
            QStringLiteral("TPosDO8"),   QStringLiteral("TPosDO4s"), QStringLiteral("tPos_Slip3"),
            QStringLiteral("tPos_Slip4")};
}
