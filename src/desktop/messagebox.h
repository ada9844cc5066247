#pragma once

#include <QString>
#include <functional>

class QWidget;

// Shows text in a modal box with an OK button only, no icon and the caption "Lullwick",
// and returns when the user has dismissed it.
void showMessage(QWidget* parent, const QString& text);
// The same with a warning icon, for what went wrong.
void showWarning(QWidget* parent, const QString& text);

// Replaces the box for tests: the hook receives text and caption instead, and nothing is
// shown. An empty hook restores the real box.
using MessageBoxHook = std::function<void(const QString& text, const QString& caption)>;
void setMessageBoxHook(MessageBoxHook hook);

// Asks a question in a modal box with two buttons, no icon and the caption "Lullwick";
// returns true when the user chose `accept`. `reject` is the default and what Esc chooses.
bool askQuestion(QWidget* parent, const QString& text, const QString& accept, const QString& reject);

// Replaces the box for tests: the hook receives text and caption, and its result is the answer.
// An empty hook restores the real box.
using QuestionHook = std::function<bool(const QString& text, const QString& caption)>;
void setQuestionHook(QuestionHook hook);
