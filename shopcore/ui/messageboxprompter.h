#pragma once

#include "shopcore/foundation/prompter.h"

class QWidget;

// The Prompter of the screens: message boxes and input boxes over the given window.
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void information(const QString& text) override;
    bool askYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    std::optional<QString> input(const QString& title, const QString& prompt,
                                 const QString& initial) override;

private:
    QWidget* m_parent;
};
