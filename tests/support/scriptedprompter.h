#pragma once

#include "shopcore/foundation/prompter.h"

#include <QList>
#include <QStringList>
#include <deque>

// Answers the questions of a workflow from a script and records everything it was asked.
// An information box needs no answer; a question with no answer left fails the test.
class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        QString kind; // "information", "yesno", "yesnocancel", "input"
        QString text;
    };

    ScriptedPrompter& yes() { return push(QStringLiteral("yes")); }
    ScriptedPrompter& no() { return push(QStringLiteral("no")); }
    ScriptedPrompter& cancel() { return push(QStringLiteral("cancel")); }
    // An input box answered with text (OK) ...
    ScriptedPrompter& type(const QString& text) { return push(QStringLiteral("text:") + text); }
    // ... or cancelled: use cancel().

    void information(const QString& text) override;
    bool askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> input(const QString& title, const QString& prompt,
                                 const QString& initial) override;

    const QList<Asked>& asked() const { return m_asked; }
    QStringList texts() const;
    QString last() const { return m_asked.isEmpty() ? QString() : m_asked.last().text; }
    bool scriptDone() const { return m_script.empty(); }
    void clear() { m_asked.clear(); m_script.clear(); }

private:
    ScriptedPrompter& push(const QString& answer) {
        m_script.push_back(answer);
        return *this;
    }
    QString next(const QString& kind, const QString& text);

    std::deque<QString> m_script;
    QList<Asked> m_asked;
};
