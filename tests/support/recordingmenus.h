#pragma once

#include "shopcore/foundation/accessmenus.h"

#include <QStringList>

// A program's menus as the tests see them: records what the login applied.
class RecordingMenus : public AccessMenus {
public:
    void applyAccessLevel(int level) override { applied << QStringLiteral("level %1").arg(level); }
    void applyLoggedOut() override { applied << QStringLiteral("logged out"); }

    QStringList applied;
};
