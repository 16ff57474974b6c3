#pragma once

#include "shopcore/foundation/money.h"

#include <QString>

// The value of a text that IsNumberText accepted: "1,234.50", "2.5", "1e3". Zero otherwise.
double NumberOfText(const QString& text);
Money MoneyOfText(const QString& text);
