#include "tempenvironment.h"

#include "desktop/messagebox.h"
#include "desktop/programend.h"

#include <QDir>
#include <gtest/gtest.h>

TempEnvironment::TempEnvironment()
{
    EXPECT_TRUE(m_dir.isValid());
    const QString base = m_dir.path();
    for (const char* folder : {"config", "data", "runtime", "cwd"})
        QDir(base).mkpath(QLatin1String(folder));
    QFile::setPermissions(base + QStringLiteral("/runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", base.toUtf8());
    qputenv("XDG_CONFIG_HOME", (base + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (base + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", (base + QStringLiteral("/runtime")).toUtf8());
    m_previousWorkingDir = QDir::currentPath();
    QDir::setCurrent(base + QStringLiteral("/cwd"));
    setMessageBoxHook([this](const QString& text, const QString& caption) {
        messages << text;
        captions << caption;
    });
    setQuestionHook([this](const QString& text, const QString&) {
        questions << text;
        return questionAnswer;
    });
    setProgramEndHook([this] { ++programEnds; });
}

TempEnvironment::~TempEnvironment()
{
    setMessageBoxHook({});
    setQuestionHook({});
    setProgramEndHook({});
    QDir::setCurrent(m_previousWorkingDir);
}
