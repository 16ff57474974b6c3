#include "retaillevels.h"

namespace {

using C = RetailCommand;

// One row per command: levels 1, 2, 3, 4, 5 and then "0 or other"; '1' on, '0' off,
// '-' left as it is. The sales entry is a placeholder for the edition's sales menu.
struct Row {
    RetailCommand id;
    const char* states;
};

constexpr C SalesEntry = C::None;

const Row rows[] = {
    {C::Login, "111111"},       {C::Exit, "111111"},          {C::Transactions, "111110"},
    {SalesEntry, "111110"},     {C::PurchaseMenu, "111100"},  {C::PurchaseOrder, "111100"},
    {C::BillingNote, "111000"}, {C::ReceivedBills, "111000"}, {C::Quotation, "11110-"},
    {C::CashDrawer, "100010"},  {C::References, "111100"},    {C::Reports, "110000"},
    {C::Tools, "100000"},
};

} // namespace

namespace RetailLevels {

std::optional<bool> stateAt(RetailCommand id, int level, RetailCommand salesMenu) {
    const int column = (level >= 1 && level <= 5) ? level - 1 : 5;
    for (const Row& row : rows) {
        const RetailCommand rowId = row.id == SalesEntry ? salesMenu : row.id;
        if (rowId != id)
            continue;
        switch (row.states[column]) {
        case '1':
            return true;
        case '0':
            return false;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

QList<RetailCommand> commands(RetailCommand salesMenu) {
    QList<RetailCommand> out;
    for (const Row& row : rows)
        out << (row.id == SalesEntry ? salesMenu : row.id);
    return out;
}

} // namespace RetailLevels
