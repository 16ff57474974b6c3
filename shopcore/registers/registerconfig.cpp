#include "registerconfig.h"

const RegisterEntry* RegisterConfig::entry(const QString& field) const {
    const int i = indexOf(field);
    return i < 0 ? nullptr : &entries.at(i);
}

int RegisterConfig::indexOf(const QString& field) const {
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
