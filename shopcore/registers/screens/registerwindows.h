#pragma once

#include "shopcore/registers/registers.h"

class AliasEntry;
class Prompter;
class QWidget;

// The register windows as the programs' menus open them: each on its own connection to the
// alias, shown at once, freed when closed. nullptr (after the engine's message through the
// prompter) when the data cannot be reached. The prompter must outlive the window.
QWidget* openProductRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
QWidget* openCustomerRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                              ProgramKind program = ProgramKind::Retail);
QWidget* openSupplierRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
QWidget* openSalespersonRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
QWidget* openProductSearch(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
