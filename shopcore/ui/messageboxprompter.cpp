#include "messageboxprompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QString title() {
    return QApplication::applicationDisplayName();
}
} // namespace

void MessageBoxPrompter::information(const QString& text) {
    QMessageBox::information(m_parent, title(), text);
}

bool MessageBoxPrompter::askYesNo(const QString& text) {
    return QMessageBox::question(m_parent, title(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

Prompter::Answer MessageBoxPrompter::askYesNoCancel(const QString& text) {
    switch (QMessageBox::question(m_parent, title(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> MessageBoxPrompter::input(const QString& caption, const QString& prompt,
                                                 const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
