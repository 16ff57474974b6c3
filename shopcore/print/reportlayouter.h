#pragma once

#include "shopcore/print/laidoutreport.h"

// Lays a report out on pages: runs the report's and the bands' before-print hooks, places the
// page header on every page, the title once, the column header above the details of each page,
// group headers and footers where the group field changes, one detail per row, the summary
// after the last row and the page footer at the foot of every page. A band that does not fit
// above the page footer starts a new page. Invisible elements leave no item.
LaidOutReport layoutReport(const Report& report);
