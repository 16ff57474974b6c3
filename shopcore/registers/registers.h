#pragma once

#include "registerconfig.h"

// The registers of the shared master tables, as configurations of the register pattern.
// The rental and service programs carry the customer register with the supplier register's
// search panel; the service program's panel also chooses code or name.
enum class ProgramKind { Retail, Rental, Service };

RegisterConfig productRegister();
RegisterConfig customerRegister(ProgramKind program = ProgramKind::Retail);
RegisterConfig supplierRegister();
RegisterConfig salespersonRegister();
