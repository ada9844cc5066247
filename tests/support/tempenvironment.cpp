#include "tempenvironment.h"

#include "desktop/messagebox.h"
#include "desktop/programend.h"

#include <QDir>
#include <gtest/gtest.h>

TempEnvironment::TempEnvironment() : m_previousWorkingDir(QDir::currentPath())
{
    EXPECT_TRUE(m_dir.isValid());
    for (const char* folder : {"config", "data", "runtime", "cwd"})
        QDir(root()).mkpath(folder);
    qputenv("HOME", root().toUtf8());
    qputenv("XDG_CONFIG_HOME", (root() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (root() + "/data").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (root() + "/runtime").toUtf8());
    QFile::setPermissions(root() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir::setCurrent(root() + "/cwd");
    setMessageBoxHook([this](const QString& text, const QString&) { messages << text; });
    setQuestionHook(
        [this](const QString& text, const QString&) { return questions << text, questionAnswer; });
    setProgramEndHook([this] { ++programEnds; });
}

TempEnvironment::~TempEnvironment()
{
    setMessageBoxHook({});
    setQuestionHook({});
    setProgramEndHook({});
    QDir::setCurrent(m_previousWorkingDir);
}
