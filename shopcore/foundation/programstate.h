#pragma once

#include <QString>

// What a program's windows share for one run: the edition it was built as, who is logged in,
// and what the main window hands to a document window when it creates one. Owned by the
// program's start-up and passed to the windows that read or change it; never stored.
struct ProgramState {
    QString edition;      // "Ortiga", "Pellun" ("Vossik" is treated like "Ortiga")
    int accessLevel = 0;  // 0 while nobody is logged in or after a wrong password
    QString loginName;    // the last successful login; written on every till sale
    int documentKind = 0; // 1..6, read by the document or till window when it is created
    bool documentWindowOpen = false;
    bool posWindowOpen = false;

    bool isPellun() const { return edition == QLatin1String("Pellun"); }
};
