#pragma once

#include <QSqlDatabase>
#include <QStringList>

class Prompter;

// The price-levels window without its widgets: five quantity entries on the single record,
// the buttons following whether the record is being edited.
class PriceLevelsWorkflow {
public:
    struct Buttons {
        bool edit, cancel, save, close, refresh;
    };

    PriceLevelsWorkflow(const QSqlDatabase& db, Prompter& prompter);

    // Reads the record; false (after the engine's message) when it cannot be read.
    bool open();
    // The entries' texts, level 1 first.
    QStringList quantities() const { return m_texts; }
    bool isEditing() const { return m_editing; }
    Buttons buttons() const;

    // "แ&ก้ไข ".
    void edit();
    // Typing into an entry: starts editing if it was not.
    void type(int level, const QString& text);
    // Leaving an entry: a text that is not a number is refused with a message.
    bool leave(int level);
    // "บัน&ทึก": refused with a message while an entry is empty or not a number.
    bool save();
    // "&ยกเลิก": the stored quantities again.
    void cancel();
    // "Refresh".
    void refresh();

    static QString incompleteMessage();

private:
    void read();

    QSqlDatabase m_db;
    Prompter& m_prompter;
    QStringList m_texts;
    bool m_editing = false;
};
