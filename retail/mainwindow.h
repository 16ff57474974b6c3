#pragma once

#include "shopcore/foundation/alias.h"

#include <QMainWindow>

// The retail program's main window.
class TMAIN : public QMainWindow {
    Q_OBJECT
public:
    explicit TMAIN(const AliasEntry& alias, QWidget* parent = nullptr);

private:
    AliasEntry m_alias;
};
