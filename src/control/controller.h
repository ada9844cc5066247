#pragma once

#include "controlrequest.h"

#include <QObject>
#include <functional>

class Scheduler;

// What only a running instance does: show its window, end as the Exit button ends it.
struct InstanceActions {
    std::function<void()> show;
    std::function<void()> quit;
};

// Carries out the commands of the command line and the D-Bus interface on a scheduler: the
// running instance's, or one loaded from the settings file while none runs. It decides
// nothing the scheduler decides; it reads the words and numbers it is given, tells what is
// wrong with them, and writes what the scheduler shows as lines a script can read:
//  - an entry: "N<tab>TIME<tab>STATUS<tab>FREQUENCY<tab>EVENT<tab>NEXT", as the table shows it,
//    N its position from 1 and NEXT its next run in ISO 8601 with the UTC offset, or empty;
//  - the next run: "WHEN<tab>EVENT<tab>SECONDS<tab>N<tab>STATUS", WHEN in ISO 8601, SECONDS
//    left until then, N the entry's position, STATUS the tooltip's line; all but STATUS empty
//    when no entry will run.
class Controller : public QObject {
    Q_OBJECT

public:
    // Without `actions` (no instance runs) Show and Quit are refused.
    explicit Controller(Scheduler& scheduler, InstanceActions actions = {}, QObject* parent = nullptr);

    ControlReply execute(const ControlRequest& request);
    Scheduler& scheduler() const { return m_scheduler; }

    QString entryLine(int position) const;
    QString nextLine() const;

private:
    ControlReply add(const QString& words);
    ControlReply addIn(uint minutes, const QString& event);
    // The position from 1 as given, from 0 when it names an entry, or -1.
    int positionOf(uint entry) const;
    ControlReply badPosition(uint entry) const;
    static ControlReply badMinutes(uint minutes);
    ControlReply added(const QString& refusal) const;

    Scheduler& m_scheduler;
    InstanceActions m_actions;
};
