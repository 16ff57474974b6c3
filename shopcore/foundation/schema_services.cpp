#include "schema.h"

namespace Schema {

QList<TableDef> serviceTables() {
    return {};
}

} // namespace Schema
