#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <span>

// The commands that the command line and the D-Bus interface give the program, each with the
// name of its D-Bus method and of its command-line option.
enum class Command {
    List,
    Next,
    Add,
    AddIn,
    Delete,
    Enable,
    Disable,
    Postpone,
    SkipNext,
    Start,
    Stop,
    Show,
    Quit
};

// What a command does when no instance of the program runs.
enum class WithoutInstance {
    ReadsStore,    // answers from the settings file
    ChangesStore,  // changes the settings file, which the next start finds
    StartsProgram, // the program starts as it would without arguments
    NeedsInstance, // is refused: there is nothing to act on
};

struct CommandInfo {
    Command command;
    const char* method;    // the D-Bus method
    const char* option;    // the command-line option
    const char* valueName; // the option's value, or nullptr when it takes none
    WithoutInstance withoutInstance;
};

std::span<const CommandInfo> commandInfos();
const CommandInfo& infoOf(Command command);

// A command with its arguments as its D-Bus method takes them: numbers as uint, texts as QString.
struct ControlRequest {
    Command command = Command::List;
    QVariantList arguments;
};

// What a command gave: lines of output, or why it was refused.
struct ControlReply {
    enum class Error {
        None,
        InvalidArgument, // a bad time, event, frequency, day, number or position
        Refused,         // the program could not do it now: a full schedule, nothing to postpone...
    };
    Error error = Error::None;
    QString message; // why, in words for the user, when refused
    QStringList lines;

    static ControlReply refused(Error error, const QString& message) { return {error, message, {}}; }
};
