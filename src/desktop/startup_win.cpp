#include "desktop/registry/runvalue.h"
#include "startup.h"

#include <QCoreApplication>
#include <QDir>

const char* const StartAtLoginCaption = QT_TRANSLATE_NOOP("MainWindow", "&Load on Windows Startup");

namespace {

// The Run value in the Windows registry; the work and its error messages are the registry
// library's, converted between the ANSI code page and QString here.
class RunValueStartup final : public StartupRegistration {
public:
    QString SetStartupEntry() override
    {
        const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
        const auto registry = modRegistry::createPlatformRegistryBackend({});
        return QString::fromLocal8Bit(
            modRegistry::SetRunValue(*registry, executable.toLocal8Bit().toStdString()));
    }

    QString ClearStartupEntry() override
    {
        const auto registry = modRegistry::createPlatformRegistryBackend({});
        return QString::fromLocal8Bit(modRegistry::ClearRunValue(*registry));
    }
};

} // namespace

std::unique_ptr<StartupRegistration> createStartupRegistration()
{
    return std::make_unique<RunValueStartup>();
}
