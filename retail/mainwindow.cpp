#include "mainwindow.h"

TMAIN::TMAIN(const AliasEntry& alias, QWidget* parent) : QMainWindow(parent), m_alias(alias) {
    setWindowTitle(QStringLiteral("  Teskel tekvo  < ซื้อมา - ขายไป Mervand >"));
}
