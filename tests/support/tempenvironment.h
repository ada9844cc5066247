#pragma once

#include <QStringList>
#include <QTemporaryDir>

// Gives a test a home of its own: XDG config, data and runtime folders and the working folder
// lie in a fresh temporary folder. Message boxes, questions and the program's end are
// recorded instead of happening.
class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    QString root() const { return m_dir.path(); }

    QStringList messages, captions; // of the message boxes shown, in order
    QStringList questions;          // asked so far; each gets questionAnswer
    bool questionAnswer = false;
    int programEnds = 0;

private:
    QTemporaryDir m_dir;
    QString m_previousWorkingDir;
};
