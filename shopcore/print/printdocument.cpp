#include "printdocument.h"

int PrintDocument::kind() const {
    QString digit = header.kind.trimmed();
    if (digit.isEmpty() && header.number.size() >= 5)
        digit = header.number.mid(4, 1);
    bool ok = false;
    const int k = digit.toInt(&ok);
    return ok && k >= 1 && k <= 6 ? k : 0;
}
