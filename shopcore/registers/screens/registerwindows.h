#pragma once

#include "shopcore/registers/registers.h"

struct AliasEntry;
struct WindowContext;
class Prompter;
class QWidget;

// The register windows as the programs' menus open them, each on a connection of its own to
// the alias, closed with the window. When the data cannot be reached the engine's message goes
// through the prompter and there is no window (nullptr). The prompter must outlive the window.
//
// create...: for a main window's registry; the window is not shown yet (a main window puts it
// in its workspace). open...: a window of its own over `parent`, shown at once, freed when
// closed.
QWidget* createProductRegister(const WindowContext& context);
QWidget* createCustomerRegister(const WindowContext& context,
                                ProgramKind program = ProgramKind::Retail);
QWidget* createSupplierRegister(const WindowContext& context);
QWidget* createSalespersonRegister(const WindowContext& context);
QWidget* createProductSearch(const WindowContext& context);

QWidget* openProductRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
QWidget* openCustomerRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter,
                              ProgramKind program = ProgramKind::Retail);
QWidget* openSupplierRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
QWidget* openSalespersonRegister(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
QWidget* openProductSearch(QWidget* parent, const AliasEntry& alias, Prompter& prompter);
