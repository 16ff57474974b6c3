#pragma once

#include "shopcore/documents/documentrecords.h"

#include <QAbstractTableModel>

// The lines of the sale being rung up, as the till's grid shows them.
class PosLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Counter, Code, Name, Quantity, Unit, UnitPrice, Discount, Amount, ColumnCount };

    explicit PosLinesModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    const QList<DocumentLine>& lines() const { return m_lines; }
    QList<Money> prices() const;
    void append(const DocumentLine& line);
    void removeAt(int row);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<DocumentLine> m_lines;
};

// A quantity or stock figure in its shortest decimal form: 3, 2.5, -1.
QString ShortNumberText(double value);
