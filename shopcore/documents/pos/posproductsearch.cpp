#include "posproductsearch.h"
#include "poslinesmodel.h"

PosProductSearch::PosProductSearch(const PosStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {}

void PosProductSearch::open() {
    m_by = By::Code;
    m_text.clear();
    if (const auto first = m_store.first(RegisterOrder::Code)) {
        showAround(*first);
    } else {
        beginResetModel();
        m_rows.clear();
        m_onHand.clear();
        m_current = -1;
        endResetModel();
    }
}

QString PosProductSearch::label() const {
    return m_by == By::Code ? QStringLiteral("รหัสสินค้า ") : QStringLiteral("ชื่อสินค้า ");
}

std::optional<PosProduct> PosProductSearch::current() const {
    if (m_current < 0 || m_current >= m_rows.size())
        return std::nullopt;
    return m_rows.at(m_current);
}

void PosProductSearch::setBy(By by) {
    m_by = by;
    if (const auto product = current())
        showAround(*product);
}

void PosProductSearch::type(const QString& text) {
    m_text = text;
    if (m_by == By::Code) {
        if (const auto product = m_store.product(text))
            showAround(*product);
        return;
    }
    if (const auto product = m_store.nearestName(text))
        showAround(*product);
}

void PosProductSearch::clickRow(int row) {
    if (row < 0 || row >= m_rows.size())
        return;
    m_current = row;
    const PosProduct& p = m_rows.at(row);
    m_text = m_by == By::Code ? p.code : p.name;
}

void PosProductSearch::takeFullName() {
    if (const auto product = current())
        m_text = product->name;
}

void PosProductSearch::showAround(const PosProduct& product) {
    QList<PosProduct> before = m_store.preceding(order(), product, RowsBefore);
    QList<PosProduct> rows;
    rows.reserve(before.size() + 1 + RowsAfter);
    for (auto it = before.crbegin(); it != before.crend(); ++it)
        rows << *it;
    const int current = int(rows.size());
    rows << product;
    rows += m_store.following(order(), product, RowsAfter);

    QList<double> onHand;
    onHand.reserve(rows.size());
    for (const PosProduct& p : std::as_const(rows))
        onHand << m_store.onHand(p.code);

    beginResetModel();
    m_rows = std::move(rows);
    m_onHand = std::move(onHand);
    m_current = current;
    endResetModel();
}

int PosProductSearch::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PosProductSearch::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PosProductSearch::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= OnHand ? int(Qt::AlignRight | Qt::AlignVCenter)
                                        : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const PosProduct& p = m_rows.at(index.row());
    switch (index.column()) {
    case Code:
        return p.code;
    case Name:
        return p.name;
    case OnHand:
        return ShortNumberText(m_onHand.value(index.row()));
    case Cost:
        return p.cost.format();
    case Price:
        return p.prices.price[0].format();
    default:
        return {};
    }
}

QVariant PosProductSearch::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions = {QStringLiteral("รหัสสินค้า"), QStringLiteral("ชื่อสินค้า"),
                                         QStringLiteral("คงเหลือ"), QStringLiteral("ราคาซื้อ"),
                                         QStringLiteral("ราคาขาย")};
    return captions.value(section);
}
