#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// Gives a test its own home: XDG config, data and runtime folders and the working folder
// all lie in a fresh temporary folder, so every file the program touches is the test's own.
// Message boxes, questions and the program's end are caught and recorded instead of happening.
class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    QString root() const { return m_dir.path(); }

    // The texts and captions of the message boxes shown so far, in order.
    QStringList messages;
    QStringList captions;
    // The questions asked so far, and the answer every one of them gets.
    QStringList questions;
    bool questionAnswer = false;
    // How many times the program asked to end.
    int programEnds = 0;

private:
    QTemporaryDir m_dir;
    QString m_previousWorkingDir;
};
