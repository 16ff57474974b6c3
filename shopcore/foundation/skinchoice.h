#pragma once

#include <QString>

// What a stored skin setting asks of the window skin: "0" off, "1" and "2" one of the two
// skin files (switched on if it was off); any other value leaves the skin as it is.
struct SkinChoice {
    enum class Kind { Off, File, Unchanged };
    Kind kind = Kind::Unchanged;
    QString file; // relative to where the program runs, for Kind::File

    static SkinChoice forSetting(const QString& value);
};
