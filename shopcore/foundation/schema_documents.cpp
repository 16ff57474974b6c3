#include "schema.h"

namespace Schema {

QList<TableDef> documentTables() {
    return {};
}

} // namespace Schema
