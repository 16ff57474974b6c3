#include "scriptedprompter.h"

#include <gtest/gtest.h>

QString ScriptedPrompter::next(const QString& kind, const QString& text) {
    m_asked.append({kind, text});
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected " << kind.toStdString() << ": " << text.toStdString();
        return QStringLiteral("cancel");
    }
    QString a = m_script.front();
    m_script.pop_front();
    return a;
}

void ScriptedPrompter::information(const QString& text) {
    m_asked.append({QStringLiteral("information"), text});
}

bool ScriptedPrompter::askYesNo(const QString& text) {
    return next(QStringLiteral("yesno"), text) == QLatin1String("yes");
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& text) {
    const QString a = next(QStringLiteral("yesnocancel"), text);
    if (a == QLatin1String("yes"))
        return Answer::Yes;
    if (a == QLatin1String("no"))
        return Answer::No;
    return Answer::Cancel;
}

std::optional<QString> ScriptedPrompter::input(const QString&, const QString& prompt,
                                               const QString&) {
    const QString a = next(QStringLiteral("input"), prompt);
    if (a.startsWith(QLatin1String("text:")))
        return a.mid(5);
    return std::nullopt;
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Asked& a : m_asked)
        out << a.text;
    return out;
}
