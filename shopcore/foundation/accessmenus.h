#pragma once

// A program's menus as the login sees them: each program applies its own table of which
// commands a level may use. The users window calls these after "Login" and "Logout".
class AccessMenus {
public:
    virtual ~AccessMenus() = default;
    // After every press of "Login": the level is the one now current (possibly unchanged).
    virtual void applyAccessLevel(int level) = 0;
    // After "Logout".
    virtual void applyLoggedOut() = 0;
};
