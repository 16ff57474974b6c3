#include "poslinesmodel.h"

#include <QLocale>

QString ShortNumberText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QList<Money> PosLinesModel::prices() const {
    QList<Money> out;
    out.reserve(m_lines.size());
    for (const DocumentLine& line : m_lines)
        out << line.price;
    return out;
}

void PosLinesModel::append(const DocumentLine& line) {
    const int row = int(m_lines.size());
    beginInsertRows({}, row, row);
    m_lines << line;
    endInsertRows();
}

void PosLinesModel::removeAt(int row) {
    if (row < 0 || row >= m_lines.size())
        return;
    beginRemoveRows({}, row, row);
    m_lines.removeAt(row);
    endRemoveRows();
    // The counter column numbers the rows that follow afresh.
    if (row < m_lines.size())
        emit dataChanged(index(row, Counter), index(int(m_lines.size()) - 1, Counter));
}

void PosLinesModel::clear() {
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int PosLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size());
}

int PosLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PosLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const DocumentLine& line = m_lines.at(index.row());
    if (role == Qt::TextAlignmentRole) {
        switch (index.column()) {
        case Counter:
        case Quantity:
        case UnitPrice:
        case Discount:
        case Amount:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Counter:
        return index.row() + 1;
    case Code:
        return line.proNo;
    case Name:
        return line.proName;
    case Quantity:
        return ShortNumberText(line.proQty);
    case Unit:
        return line.pBill.value_or(QString());
    case UnitPrice:
        return line.unitPrice ? line.unitPrice->format() : QString();
    case Discount:
        return ShortNumberText(line.discount);
    case Amount:
        return line.price.format();
    default:
        return {};
    }
}

QVariant PosLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions = {QStringLiteral("###"),      QStringLiteral("รหัสสินค้า"),
                                         QStringLiteral("ชื่อสินค้า"),   QStringLiteral("จำนวน"),
                                         QStringLiteral("หน่วยเรียก"), QStringLiteral("ราคา"),
                                         QStringLiteral("ลด%"),      QStringLiteral("เป็นเงิน")};
    return captions.value(section);
}
