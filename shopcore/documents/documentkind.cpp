#include "documentkind.h"

#include <array>
#include <stdexcept>

namespace {

const std::array<DocumentKind, 6>& kinds() {
    static const std::array<DocumentKind, 6> all = {{
        {1, QStringLiteral("Invoice"), QStringLiteral("Invoice1"), QStringLiteral("Customer"), 1,
         false, QStringLiteral("QUE_INV_N")},
        {2, QStringLiteral("Invoice"), QStringLiteral("Invoice1"), QStringLiteral("Customer"), 1,
         true, QStringLiteral("QUE_INV_V")},
        {3, QStringLiteral("Order0"), QStringLiteral("Order1"), QStringLiteral("Supply"), 2, false,
         QStringLiteral("QUE_ORD_N")},
        {4, QStringLiteral("Order0"), QStringLiteral("Order1"), QStringLiteral("Supply"), 2, true,
         QStringLiteral("QUE_ORD_V")},
        {5, QStringLiteral("Tmpord"), QStringLiteral("Tmpord1"), QStringLiteral("Supply"), 3, false,
         QStringLiteral("QUE_QUO_N")},
        {6, QStringLiteral("Quotation"), QStringLiteral("Quotation1"), QStringLiteral("Customer"),
         4, false, QString()},
    }};
    return all;
}

} // namespace

std::optional<DocumentKind> DocumentKind::of(int digit) {
    if (digit < 1 || digit > 6)
        return std::nullopt;
    return kinds()[digit - 1];
}

const DocumentKind& DocumentKind::get(int digit) {
    if (digit < 1 || digit > 6)
        throw std::invalid_argument("document kind must be 1 to 6");
    return kinds()[digit - 1];
}
