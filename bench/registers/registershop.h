#pragma once

#include <QSqlDatabase>

// A shop of the size the registers must stay quick with: products with Thai names and open
// (not yet folded) purchase and sale lines spread over them. Deterministic for a given size.
struct RegisterShopSize {
    int products = 100000;
    int openLines = 1000000; // half purchase lines (Order1), half sale lines (Invoice1)
};

// Writes the shop into an installed, empty store in one transaction.
void generateRegisterShop(const QSqlDatabase& db, const RegisterShopSize& size);
// The code and name of the n-th product generated.
QString productCode(int n);
QString productName(int n);
