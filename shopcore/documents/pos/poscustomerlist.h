#pragma once

#include "posstore.h"

#include <QAbstractTableModel>

// The customer list panel of the till: every customer with "รหัส" and "ชื่อลูกค้า".
class PosCustomerList : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PosCustomerList(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setCustomers(QList<PosCustomer> customers);
    const QList<PosCustomer>& customers() const { return m_customers; }
    // The code of a row; empty outside the list.
    QString codeAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<PosCustomer> m_customers;
};
