#pragma once

#include "scriptedprompter.h"
#include "shopcore/foundation/records.h"
#include "shopcore/foundation/sql.h"
#include "shopcore/registers/registers.h"
#include "shopcore/registers/registerworkflow.h"
#include "testdatabase.h"

#include <QStringList>
#include <memory>
#include <ostream>

// Readable texts in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Small builders of register data for the tests.
inline void put(const TestDatabase& t, const QString& table, const QVariantMap& values) {
    Records::insert(t.db(), table, values, "test");
}

inline void product(const TestDatabase& t, const QString& code, const QString& name,
                    QVariantMap more = {}) {
    more.insert(QStringLiteral("PRO_NO"), code);
    more.insert(QStringLiteral("PRO_NAME"), name);
    put(t, QStringLiteral("Product"), more);
}

// An open (not yet folded) movement line of a product.
inline void line(const TestDatabase& t, const QString& table, const QString& code, double qty,
                 int post) {
    if (table.compare(QStringLiteral("Service1"), Qt::CaseInsensitive) == 0)
        put(t, table,
            {{QStringLiteral("SPR_NO"), code},
             {QStringLiteral("QTY"), qty},
             {QStringLiteral("STK_POST"), double(post)}});
    else
        put(t, table,
            {{QStringLiteral("PRO_NO"), code},
             {QStringLiteral("PRO_QTY"), qty},
             {QStringLiteral("STK_POST"), double(post)}});
}

inline QVariant stored(const TestDatabase& t, const QString& sql, const QVariantMap& binds = {}) {
    return scalar(t.db(), sql, binds, "test");
}

// A register workflow on a fresh database, recording where it asks the focus to go.
struct RegisterFixture {
    TestDatabase t;
    ScriptedPrompter prompter;
    std::unique_ptr<RegisterWorkflow> w;
    QStringList focus;
    bool searchButtonFocused = false;

    void open(RegisterConfig config) {
        w = std::make_unique<RegisterWorkflow>(std::move(config), t.db(), prompter);
        QObject::connect(w.get(), &RegisterWorkflow::focusRequested,
                         [this](const QString& f) { focus << f; });
        QObject::connect(w.get(), &RegisterWorkflow::searchFocusRequested,
                         [this](bool button) { searchButtonFocused = button; });
        w->open();
    }
    QString code() const {
        return w->record() ? textOf(w->record()->value(w->config().codeField)) : QString();
    }
    QString lastFocus() const { return focus.isEmpty() ? QString() : focus.last(); }
    // Types into an entry and presses Enter there.
    void type(const QString& field, const QString& text) { w->setText(field, text); }
    void typeEnter(const QString& field, const QString& text) {
        w->setText(field, text);
        w->enter(field);
    }
};
