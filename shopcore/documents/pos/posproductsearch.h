#pragma once

#include "posstore.h"

#include <QAbstractTableModel>

// The product search panel of the till: "ค้นหาโดย" code or name, a search field and a grid
// of products with their stock on hand. The grid shows a window of the register around the
// current product, so that a register of 100,000 products moves without reading them all.
class PosProductSearch : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class By { Code, Name };
    enum Column { Code, Name, OnHand, Cost, Price, ColumnCount };
    static constexpr int RowsBefore = 8;
    static constexpr int RowsAfter = 24;

    PosProductSearch(const PosStore& store, QObject* parent = nullptr);

    // Opens on the first product by code with an empty search field.
    void open();
    By by() const { return m_by; }
    // "รหัสสินค้า " or "ชื่อสินค้า ".
    QString label() const;
    QString text() const { return m_text; }
    int currentRow() const { return m_current; }
    std::optional<PosProduct> current() const;

    // Switches the order the grid follows; the current product stays current.
    void setBy(By by);
    // Typing: by code the grid moves to the exact code only, by name to the nearest name.
    void type(const QString& text);
    // A click copies the row's code or name (by the order) into the field and makes it current.
    void clickRow(int row);
    // Enter by name: the field takes the current product's full name.
    void takeFullName();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void showAround(const PosProduct& product);
    RegisterOrder order() const {
        return m_by == By::Code ? RegisterOrder::Code : RegisterOrder::Name;
    }

    const PosStore& m_store;
    By m_by = By::Code;
    QString m_text;
    QList<PosProduct> m_rows;
    QList<double> m_onHand;
    int m_current = -1;
};
