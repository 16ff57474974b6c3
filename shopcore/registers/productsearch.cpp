#include "productsearch.h"

#include "entryvalues.h"
#include "shopcore/foundation/money.h"
#include "shopcore/foundation/prompter.h"
#include "shopcore/foundation/storeerror.h"

void ProductSearchModel::setRows(QList<ProductStore::Row> rows, const OpenMovements* movements) {
    beginResetModel();
    m_rows = std::move(rows);
    m_movements = movements;
    endResetModel();
}

double ProductSearchModel::onHand(int r) const {
    const ProductStore::Row& p = m_rows.at(r);
    return m_movements ? m_movements->onHand(p.code, p.storedBalance) : p.storedBalance;
}

int ProductSearchModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ProductSearchModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProductSearchModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const int c = index.column();
    if (role == Qt::TextAlignmentRole)
        return c == OnHand || c == Cost || c == Price ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const ProductStore::Row& p = m_rows.at(index.row());
    switch (c) {
    case Code:
        return p.code;
    case Name:
        return p.name;
    case OnHand:
        return EntryValues::formatNumber(onHand(index.row()));
    case Unit:
        return p.unit;
    case Cost:
        return Money::fromDouble(p.cost).format(2);
    case Price:
        return Money::fromDouble(p.price).format(2);
    case Group:
        return p.group;
    case LastBuy:
        return p.lastBuy;
    case LastSale:
        return p.lastSale;
    default:
        return {};
    }
}

QVariant ProductSearchModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList captions = {
        QStringLiteral("รหัส / อะไหล่"), QStringLiteral("ชื่อ / อะไหล่"), QStringLiteral("จำนวนคงเหลือ"),
        QStringLiteral("หน่วยนับ"),      QStringLiteral("ราคาทุน"),     QStringLiteral("ราคาขาย"),
        QStringLiteral("กลุ่ม"),         QStringLiteral("ซื้อครั้งสุดท้าย"), QStringLiteral("ขายครั้งสุดท้าย")};
    return captions.value(section);
}

QStringList ProductSearch::modeCaptions() {
    return {QStringLiteral("1. ชื่อ"),  QStringLiteral("2. ส่วนของชื่อ"),
            QStringLiteral("3. รหัส"), QStringLiteral("4. ส่วนของรหัส"),
            QStringLiteral("5. กลุ่ม"), QStringLiteral("6. ทั้งหมด")};
}

QStringList ProductSearch::sortCaptions() {
    return {QStringLiteral("ชื่อสินค้า"), QStringLiteral("รหัสสินค้า")};
}

QString ProductSearch::labelOf(Mode mode) {
    switch (mode) {
    case Mode::Name:
        return QStringLiteral("ชื่อสินค้า ที่ต้องการค้นหา");
    case Mode::PartOfName:
        return QStringLiteral("ส่วนหนึ่งของชื่อสินค้า ที่ต้องการค้นหา");
    case Mode::Code:
        return QStringLiteral("รหัสสินค้า ที่ต้องการค้นหา");
    case Mode::PartOfCode:
        return QStringLiteral("ส่วนหนึ่งของรหัสสินค้า ที่ต้องการค้นหา");
    case Mode::Group:
        return QStringLiteral("กลุ่มสินค้า ที่ต้องการค้นหา");
    case Mode::All:
        return QStringLiteral("สินค้าทั้งหมด");
    }
    return {};
}

ProductSearch::ProductSearch(const QSqlDatabase& db, Prompter& prompter, QObject* parent)
    : QObject(parent), m_db(db), m_prompter(prompter), m_movements(OpenMovements::read(db)) {}

void ProductSearch::activate() {
    m_mode = Mode::Name;
    m_modeChosen = true;
    emit modeChanged();
    run();
    emit focusEntry();
}

void ProductSearch::setMode(Mode mode) {
    m_mode = mode;
    m_modeChosen = true;
    emit modeChanged();
    run();
}

void ProductSearch::setSort(Sort sort) {
    m_sort = sort;
    run();
}

void ProductSearch::run() {
    try {
        m_model.setRows(ProductStore::search(m_db, m_mode, m_text, m_sort), &m_movements);
    } catch (const StoreError& e) {
        m_prompter.information(e.message());
    }
}

void ProductSearch::cellClicked(int row, int column) {
    if (row < 0 || row >= m_model.rowCount())
        return;
    const ProductStore::Row& p = m_model.row(row);
    m_text = column == ProductSearchModel::Name    ? p.name
             : column == ProductSearchModel::Group ? p.group
                                                   : p.code;
    emit textChanged(m_text);
}

void ProductSearch::rowDoubleClicked(int row) {
    if (row < 0 || row >= m_model.rowCount())
        return;
    m_text = m_model.row(row).name;
    emit textChanged(m_text);
    run();
}
