#include "skinchoice.h"

SkinChoice SkinChoice::forSetting(const QString& value) {
    const QString v = value.trimmed();
    if (v == QLatin1String("0"))
        return {Kind::Off, {}};
    if (v == QLatin1String("1"))
        return {Kind::File, QStringLiteral("../mxskin35.skn")};
    if (v == QLatin1String("2"))
        return {Kind::File, QStringLiteral("../mxskin49.skn")};
    return {};
}
