#pragma once

#include "shopcore/print/printdocumentstore.h"

#include <QSqlDatabase>
#include <QWidget>

class Prompter;
class QPushButton;
class QRadioButton;

// " รายชื่อสินค้า": the printed product list, sorted by code or by name, previewed by
// "รายงาน". The prompter must outlive the window.
class ProductListWindow : public QWidget {
public:
    ProductListWindow(const QSqlDatabase& db, Prompter& prompter, QWidget* parent = nullptr);

    ProductListOrder order() const;
    void report();

private:
    QSqlDatabase m_db;
    Prompter& m_prompter;
    QRadioButton* m_byCode = nullptr;
    QRadioButton* m_byName = nullptr;
    QPushButton* m_report = nullptr;
};
