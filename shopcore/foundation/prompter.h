#pragma once

#include <QString>
#include <optional>

// Every question or message a workflow puts to the user goes through a Prompter, so that
// screens show real message boxes and tests answer from a script.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    // Information box with one OK button.
    virtual void information(const QString& text) = 0;
    // Yes/No box; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> input(const QString& title, const QString& prompt,
                                         const QString& initial) = 0;
};
