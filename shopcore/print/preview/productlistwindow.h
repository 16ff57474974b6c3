#pragma once

#include "shopcore/foundation/alias.h"
#include "shopcore/print/printdocumentstore.h"

#include <QWidget>

class Prompter;
class QPushButton;
class QRadioButton;

// " รายชื่อสินค้า": the printed product list, sorted by code or by name, previewed by
// "รายงาน". It opens its connection for each report. The prompter must outlive the window.
class ProductListWindow : public QWidget {
public:
    ProductListWindow(const AliasEntry& alias, Prompter& prompter, QWidget* parent = nullptr);

    ProductListOrder order() const;
    void report();

private:
    AliasEntry m_alias;
    Prompter& m_prompter;
    QRadioButton* m_byCode = nullptr;
    QRadioButton* m_byName = nullptr;
    QPushButton* m_report = nullptr;
};
