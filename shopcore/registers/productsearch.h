#pragma once

#include "productstore.h"

#include "shopcore/documents/stockonhand.h"

#include <QAbstractTableModel>
#include <QObject>

class Prompter;

// The found products with their stock on hand (stored balance plus the open movements read
// once for the window).
class ProductSearchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Code, Name, OnHand, Unit, Cost, Price, Group, LastBuy, LastSale, ColumnCount };

    explicit ProductSearchModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setRows(QList<ProductStore::Row> rows, const OpenMovements* movements);
    const ProductStore::Row& row(int r) const { return m_rows.at(r); }
    double onHand(int r) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<ProductStore::Row> m_rows;
    const OpenMovements* m_movements = nullptr;
};

// The product search window's behaviour: six modes, two sorts, a search on Enter and on every
// change of mode or sort, and the click rules of the result grid.
class ProductSearch : public QObject {
    Q_OBJECT
public:
    using Mode = ProductStore::SearchMode;
    using Sort = ProductStore::SearchSort;

    static QStringList modeCaptions(); // "1. ชื่อ" ... "6. ทั้งหมด"
    static QStringList sortCaptions(); // name, code
    static QString labelOf(Mode mode); // the entry's caption in a mode

    // Reads the grouped sums of the open movements once, as the window is created.
    ProductSearch(const QSqlDatabase& db, Prompter& prompter, QObject* parent = nullptr);

    // First activation: mode 1, cursor in the entry.
    void activate();

    Mode mode() const { return m_mode; }
    Sort sort() const { return m_sort; }
    QString text() const { return m_text; }
    QString entryLabel() const { return labelOf(m_mode); }
    bool modeChosen() const { return m_modeChosen; }
    ProductSearchModel* model() { return &m_model; }
    const ProductSearchModel* model() const { return &m_model; }

    void setMode(Mode mode);
    void setSort(Sort sort);
    void setText(const QString& text) { m_text = text; }
    void enter() { run(); }
    void run();
    // A click copies the name (name column), the group (group column) or else the code.
    void cellClicked(int row, int column);
    // A double click copies the name and searches again in the current mode.
    void rowDoubleClicked(int row);

signals:
    void modeChanged();
    void textChanged(const QString& text); // the entry filled by a click
    void focusEntry();

private:
    QSqlDatabase m_db;
    Prompter& m_prompter;
    OpenMovements m_movements;
    ProductSearchModel m_model;
    Mode m_mode = Mode::Name;
    Sort m_sort = Sort::ByName;
    QString m_text;
    bool m_modeChosen = false;
};
