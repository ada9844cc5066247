#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cstring>

namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

QString description(Command command)
{
    switch (command) {
    case Command::List:
        return Tr::tr("Print the schedule, one entry a line: its number, time, status, frequency, event and "
                      "next run (ISO 8601), separated by tabs.");
    case Command::Next:
        return Tr::tr("Print the next run: when (ISO 8601), its event, the seconds left, its entry's number "
                      "and the tooltip's line, separated by tabs.");
    case Command::Add:
        return Tr::tr("Add an entry \"TIME [FREQUENCY [EVENT [WEEKDAY]]]\", e.g. \"23:45 Daily PowerOff\"; "
                      "TIME as hh:mm:ss AM or HH:MM[:SS].");
    case Command::AddIn:
        return Tr::tr("Add a Once entry MINUTES from now, for the event that follows (Shutdown if none).");
    case Command::Delete:
        return Tr::tr("Delete entry N, as --list numbers it.");
    case Command::Enable:
        return Tr::tr("Enable entry N.");
    case Command::Disable:
        return Tr::tr("Disable entry N.");
    case Command::Postpone:
        return Tr::tr("Postpone the next run by MINUTES.");
    case Command::SkipNext:
        return Tr::tr("Skip the next run.");
    case Command::Start:
        return Tr::tr("Start the scheduler; start Lullwick if it is not running.");
    case Command::Stop:
        return Tr::tr("Stop the scheduler: no entry runs until it is started again.");
    case Command::Show:
        return Tr::tr("Show Lullwick's window; start Lullwick if it is not running.");
    case Command::Quit:
        return Tr::tr("End Lullwick as its Exit button does.");
    }
    return {};
}

std::optional<uint> wholeNumber(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    return digits.match(text).hasMatch() ? std::optional(text.toUInt()) : std::nullopt;
}

} // namespace

bool asksForCommand(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strncmp(a, "--", 2) == 0 || !std::strcmp(a, "-h") || !std::strcmp(a, "-?") ||
            !std::strcmp(a, "-v"))
            return true;
    }
    return false;
}

ParsedCommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Tr::tr("Shuts down, powers off, reboots, logs off, suspends, hibernates or locks the computer at the "
               "times of day you schedule. Without a command, Lullwick starts in the notification area."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    std::vector<std::pair<const CommandInfo*, QCommandLineOption>> options;
    for (const CommandInfo& info : commandInfos()) {
        options.emplace_back(&info,
                             QCommandLineOption(QString::fromLatin1(info.option), description(info.command),
                                                QString::fromLatin1(info.valueName ? info.valueName : "")));
        parser.addOption(options.back().second);
    }
    parser.addPositionalArgument(QStringLiteral("WORDS"),
                                 Tr::tr("With --add, more words of the entry; with --in, the event."),
                                 QStringLiteral("[WORDS...]"));
    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText()};
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();

    QStringList given;
    const CommandInfo* chosen = nullptr;
    QString value;
    for (const auto& [info, option] : options) {
        if (parser.isSet(option)) {
            given << QLatin1String("--") + QLatin1String(info->option);
            chosen = info;
            value = info->valueName ? parser.value(option) : QString();
        }
    }
    if (given.size() != 1)
        return {std::nullopt, given.isEmpty()
                                  ? Tr::tr("No command given: see lullwick --help.")
                                  : Tr::tr("One command at a time, not %1.").arg(given.join(u' '))};
    const QStringList words = parser.positionalArguments();
    const Command command = chosen->command;
    if (!words.isEmpty() && command != Command::Add && command != Command::AddIn)
        return {std::nullopt,
                Tr::tr("Unexpected \"%1\" after --%2.").arg(words.first(), QLatin1String(chosen->option))};
    ControlRequest request{command, {}};
    if (command == Command::Add) {
        request.arguments = {(QStringList{value} + words).join(u' ')};
    } else if (chosen->valueName) {
        const auto number = wholeNumber(value);
        if (!number)
            return {
                std::nullopt,
                Tr::tr("--%1 takes a whole number, not \"%2\".").arg(QLatin1String(chosen->option), value)};
        request.arguments = {*number};
        if (command == Command::AddIn) {
            if (words.size() > 1)
                return {std::nullopt, Tr::tr("Unexpected \"%1\" after the event.").arg(words.at(1))};
            request.arguments << words.value(0);
        }
    }
    return {request, {}};
}
