#pragma once

#include <QString>

// What carrying out `event` does, in the user's language, as words that complete "Lullwick
// could not …": "power off the computer", "log you off", "lock the screen". An event this
// version does not know gives `carry out "<event>"`.
QString eventActionText(const QString& event);

// A refusal's reason as the power actions give it, in English words with the system's own
// message in parentheses ("the system asked for a password (…)"), with the words in the
// user's language.
QString refusalInUserWords(const QString& reason);
