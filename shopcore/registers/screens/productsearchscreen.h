#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class Connection;
class Prompter;
class ProductSearch;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QSqlDatabase;
class QTableView;

// The product search window (" ค้นหาอะไหล่"): modes, sorts, the entry and the result grid
// with each product's stock on hand. Its behaviour is ProductSearch's.
class ProductSearchScreen : public QWidget {
    Q_OBJECT
public:
    ProductSearchScreen(const QSqlDatabase& db, Prompter& prompter, QWidget* parent = nullptr);
    ~ProductSearchScreen() override;

    void adoptConnection(std::unique_ptr<Connection> connection);
    ProductSearch& search() { return *m_search; }
    // The report engine's preview of the found list; the print button stays disabled until
    // one is given.
    void setListPrinter(std::function<void(const ProductSearch&)> print);

private:
    void followMode();

    std::unique_ptr<Connection> m_connection; // declared first: closed after the search
    std::unique_ptr<ProductSearch> m_search;
    QButtonGroup* m_modes = nullptr;
    QButtonGroup* m_sorts = nullptr;
    QLabel* m_label = nullptr;
    QLineEdit* m_entry = nullptr;
    QTableView* m_grid = nullptr;
    QPushButton* m_print = nullptr;
    std::function<void(const ProductSearch&)> m_printer;
};
