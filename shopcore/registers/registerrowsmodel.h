#pragma once

#include "registerstore.h"

#include <QAbstractTableModel>

// The search panel's grid: code and name of the records around the current one, in the
// panel's order. Only a window of rows is read (a few before, a page after, more pages as the
// view scrolls down), so a keystroke never reads the whole table.
class RegisterRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int RowsBefore = 5;
    static constexpr int PageRows = 50;

    RegisterRowsModel(const RegisterStore& store, QString codeCaption, QString nameCaption,
                      QObject* parent = nullptr);

    // Reads the window around the record (none: the grid is emptied).
    void reload(RegisterOrder order, const std::optional<QVariantMap>& around);
    int currentRow() const { return m_current; }
    const QVariantMap& record(int row) const { return m_rows.at(row); }
    void setCurrentRow(int row) { m_current = row; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    const RegisterStore& m_store;
    QString m_codeCaption;
    QString m_nameCaption;
    RegisterOrder m_order = RegisterOrder::Code;
    QList<QVariantMap> m_rows;
    int m_current = -1;
    bool m_more = false;
};
