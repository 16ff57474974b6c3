#include "schema.h"

namespace Schema {

QList<TableDef> rentalTables() {
    return {};
}

} // namespace Schema
