#include "entryfactory.h"

#include <QComboBox>
#include <QLineEdit>

namespace EntryFactory {

QWidget* create(const RegisterEntry& entry, int maxLength, QWidget* parent) {
    QWidget* w = nullptr;
    if (entry.kind == EntryKind::Choice) {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(entry.choices);
        if (maxLength > 0)
            box->lineEdit()->setMaxLength(maxLength);
        w = box;
    } else {
        auto* line = new QLineEdit(parent);
        if (entry.kind == EntryKind::DateText)
            line->setInputMask(QStringLiteral("99/99/9999; ")); // blank: "  /  /    "
        else if (maxLength > 0)
            line->setMaxLength(maxLength);
        if (entry.kind == EntryKind::Number)
            line->setAlignment(Qt::AlignRight);
        w = line;
    }
    w->setObjectName(entry.field);
    return w;
}

QLineEdit* lineOf(QWidget* entry) {
    if (auto* box = qobject_cast<QComboBox*>(entry))
        return box->lineEdit();
    return qobject_cast<QLineEdit*>(entry);
}

QString text(QWidget* entry) {
    QLineEdit* line = lineOf(entry);
    if (!line)
        return {};
    // A masked entry keeps its blanks: "  /  /    " is the empty date text.
    return line->inputMask().isEmpty() ? line->text() : line->displayText();
}

void setText(QWidget* entry, const QString& text, int maxLength) {
    QLineEdit* line = lineOf(entry);
    if (!line)
        return;
    // A stored text longer than what may be typed (written by another program) is shown
    // whole, never cut: cutting a code would change the record's key on the next save.
    if (maxLength > 0 && line->inputMask().isEmpty())
        line->setMaxLength(qMax(maxLength, int(text.size())));
    if (auto* box = qobject_cast<QComboBox*>(entry)) {
        box->setCurrentIndex(box->findText(text));
        box->setEditText(text);
    } else {
        line->setText(text);
    }
}

void setEditable(QWidget* entry, bool editable) {
    if (auto* box = qobject_cast<QComboBox*>(entry))
        box->setEnabled(editable);
    else if (QLineEdit* line = lineOf(entry))
        line->setReadOnly(!editable);
}

} // namespace EntryFactory
