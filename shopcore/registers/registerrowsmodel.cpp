#include "registerrowsmodel.h"

#include "shopcore/foundation/sql.h"
#include "shopcore/foundation/storeerror.h"

#include <algorithm>

RegisterRowsModel::RegisterRowsModel(const RegisterStore& store, QString codeCaption,
                                     QString nameCaption, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_codeCaption(std::move(codeCaption)),
      m_nameCaption(std::move(nameCaption)) {}

void RegisterRowsModel::reload(RegisterOrder order, const std::optional<QVariantMap>& around) {
    beginResetModel();
    m_order = order;
    m_rows.clear();
    m_current = -1;
    m_more = false;
    if (around) {
        m_rows = m_store.preceding(order, *around, RowsBefore);
        std::reverse(m_rows.begin(), m_rows.end());
        m_current = int(m_rows.size());
        m_rows << *around;
        const QList<QVariantMap> after = m_store.following(order, *around, PageRows);
        m_rows += after;
        m_more = after.size() == PageRows;
    }
    endResetModel();
}

int RegisterRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RegisterRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant RegisterRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const QVariantMap& r = m_rows.at(index.row());
    return textOf(r.value(index.column() == 0 ? m_store.codeField() : m_store.nameField()));
}

QVariant RegisterRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? m_codeCaption : m_nameCaption;
}

bool RegisterRowsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && m_more;
}

void RegisterRowsModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !m_more || m_rows.isEmpty())
        return;
    QList<QVariantMap> more;
    try {
        more = m_store.following(m_order, m_rows.last(), PageRows);
    } catch (const StoreError&) {
        // Called from painting: the rows read so far stay; the next search reads again.
        m_more = false;
        return;
    }
    m_more = more.size() == PageRows;
    if (more.isEmpty())
        return;
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + more.size()) - 1);
    m_rows += more;
    endInsertRows();
}
