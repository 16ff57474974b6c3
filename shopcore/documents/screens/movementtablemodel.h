#pragma once

#include "shopcore/documents/stockmovements.h"

#include <QAbstractTableModel>

// A read-only grid of movement lines: "รหัสสินค้า", "จำนวน", "สถานะ" (the stock code).
class MovementTableModel : public QAbstractTableModel {
public:
    explicit MovementTableModel(const QList<Movement>& lines, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_lines(lines) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The lines were read again or changed.
    void reload();

private:
    const QList<Movement>& m_lines;
};
