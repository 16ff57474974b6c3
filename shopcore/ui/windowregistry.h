#pragma once

#include "windowcontext.h"

#include <QMap>
#include <QWidget>
#include <functional>

// The windows a main window can open, by screen. Each screen plugs its factory in; a command
// whose screen has no factory opens nothing.
template <class Screen> class WindowRegistry {
public:
    using Factory = std::function<QWidget*(const WindowContext&)>;

    void add(Screen screen, Factory factory) { m_factories.insert(screen, std::move(factory)); }
    bool has(Screen screen) const { return m_factories.contains(screen); }
    // A new window, or nullptr when the screen has no factory.
    QWidget* create(Screen screen, const WindowContext& context) const {
        const auto it = m_factories.constFind(screen);
        return it == m_factories.cend() ? nullptr : (*it)(context);
    }

private:
    QMap<Screen, Factory> m_factories;
};
