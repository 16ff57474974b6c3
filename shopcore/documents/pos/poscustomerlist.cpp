#include "poscustomerlist.h"

void PosCustomerList::setCustomers(QList<PosCustomer> customers) {
    beginResetModel();
    m_customers = std::move(customers);
    endResetModel();
}

QString PosCustomerList::codeAt(int row) const {
    return row >= 0 && row < m_customers.size() ? m_customers.at(row).code : QString();
}

int PosCustomerList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_customers.size());
}

int PosCustomerList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant PosCustomerList::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_customers.size())
        return {};
    const PosCustomer& c = m_customers.at(index.row());
    return index.column() == 0 ? c.code : c.name;
}

QVariant PosCustomerList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? QStringLiteral("รหัส") : QStringLiteral("ชื่อลูกค้า");
}
