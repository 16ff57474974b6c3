#pragma once

#include "shopcore/foundation/alias.h"
#include "shopcore/foundation/localfiles.h"

#include <functional>

class AccessMenus;
class Prompter;
struct ProgramState;

// What a program's main window hands to every window it opens.
struct WindowContext {
    AliasEntry alias;
    Prompter* prompter = nullptr;
    ProgramState* state = nullptr;
    AccessMenus* menus = nullptr; // the program's own table of levels and menus
    LocalFiles files = LocalFiles::standard();
    QString programName; // "Mervand", shown in the captions of shared windows
    // Applies a stored skin setting to the running program at once.
    std::function<void(const QString& skinValue)> applySkin;
};
