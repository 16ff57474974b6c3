#include "movementtablemodel.h"

int MovementTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

int MovementTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant MovementTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const Movement& line = m_lines[index.row()];
    if (role == Qt::TextAlignmentRole && index.column() > 0)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return line.code;
    case 1:
        return QString::number(line.quantity);
    case 2:
        return QString::number(line.stockCode);
    }
    return {};
}

QVariant MovementTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case 0:
        return QStringLiteral("รหัสสินค้า");
    case 1:
        return QStringLiteral("จำนวน");
    case 2:
        return QStringLiteral("สถานะ");
    }
    return {};
}

void MovementTableModel::reload() {
    beginResetModel();
    endResetModel();
}
