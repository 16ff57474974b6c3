#pragma once

#include "registerstore.h"

#include <QHash>
#include <QSqlDatabase>
#include <QStringList>
#include <functional>

// What a register screen is made of, declared as data: the entries in their Enter order, the
// save checks, the search panel and the extra commands. The workflow and the screen read it;
// a new register is a new RegisterConfig, not new screen code.

enum class EntryKind {
    Text,     // free text, at most the field's width
    Number,   // a float field; text that is not a number is refused on leaving the entry
    Choice,   // a list to choose from, typing allowed (credit and warranty terms)
    DateText, // a dd/mm/yyyy date text in an entry mask
};

struct RegisterEntry {
    QString field; // field of the table, upper case
    QString label; // caption before the entry
    EntryKind kind = EntryKind::Text;
    int maxLength = 0; // characters that can be typed; 0: the field's width in the schema
    QString hint; // small text after the entry, e.g. "( ไม่เกิน 5 หลัก )"
    QStringList choices;
    // Save refuses a text that is not one of the choices with this message (empty: no check).
    QString notAChoiceMessage;
    QString onAdd;       // text a new record starts with ("0" for the prices)
    bool copied = false; // taken from the shown record by "add a copy"; else onAdd
    // Enter while adding copies a non-empty text into these fields (selling price -> levels).
    QStringList fillOnEnterWhileAdding;
    QString echoOf; // the text beside the entry repeats this field's entry (unit word)

    static RegisterEntry of(const QString& field, const QString& label,
                            EntryKind kind = EntryKind::Text) {
        RegisterEntry e;
        e.field = field;
        e.label = label;
        e.kind = kind;
        return e;
    }
};

// The three search panels of the registers.
struct SearchPanelStyle {
    enum class OnEnter {
        LocateThenBack, // code equal ignoring case / name beginning with; cursor to the button
        Finish,         // close the panel on the record shown
    };
    bool modeChoice = true; // "ค้นหาโดย" "รหัส" / "ชื่อ" shown
    RegisterOrder initialMode = RegisterOrder::Name;
    bool nearestWhileTyping = true; // every change moves to the nearest record
    OnEnter onEnter = OnEnter::Finish;
    bool clickCopiesByMode = false; // a clicked row gives its code or name by the mode
    QString codeModeLabel;          // the entry's caption in code mode ...
    QString nameModeLabel;          // ... and in name mode
    QString finishCaption;          // "กลับ" or "ตกลง"
    QString codeColumn;             // grid captions
    QString nameColumn;
};

struct RegisterConfig {
    QString title;          // window title
    QString connectionName; // the window's own connection, e.g. "ref_part"
    QString table;
    QString codeField;
    QString nameField;
    QList<RegisterEntry> entries; // in Enter order; Enter in the last goes back to the first

    QString missingCodeMessage; // save with an empty code
    QStringList zeroWhenEmpty;  // float fields set to 0 on save when empty

    SearchPanelStyle search;

    bool copyCommand = false;    // "เพิ่ม Copy ข้อมูล"
    bool barcodeCommand = false; // "พิมพ์บาร์โค๊ด": 13-character codes only
    bool envelopeCommand = false; // "ซอง จม."

    // "คงเหลือ" for the record shown while browsing; not shown when unset.
    QString balanceLabel;
    std::function<double(const QSqlDatabase&, const QVariantMap& record)> balance;
    // Texts beside entries read when the window opens (field -> text), e.g. "x 12".
    std::function<QHash<QString, QString>(const QSqlDatabase&)> besideTexts;

    const RegisterEntry* entry(const QString& field) const;
    int indexOf(const QString& field) const;
};
