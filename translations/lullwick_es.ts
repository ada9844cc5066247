<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Application</name>
    <message>
        <source>Program Already Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Lullwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Postpone Next by %1 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;kip Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip this time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Exit without saving the schedule?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the schedule, one entry a line: its number, time, status, frequency, event and next run (ISO 8601), separated by tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the next run: when (ISO 8601), its event, the seconds left, its entry&apos;s number and the tooltip&apos;s line, separated by tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an entry &quot;TIME [FREQUENCY [EVENT [WEEKDAY]]]&quot;, e.g. &quot;23:45 Daily PowerOff&quot;; TIME as hh:mm:ss AM or HH:MM[:SS].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Once entry MINUTES from now, for the event that follows (Shutdown if none).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete entry N, as --list numbers it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable entry N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable entry N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone the next run by MINUTES.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the next run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the scheduler; start Lullwick if it is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the scheduler: no entry runs until it is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Lullwick&apos;s window; start Lullwick if it is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Lullwick as its Exit button does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuts down, powers off, reboots, logs off, suspends, hibernates or locks the computer at the times of day you schedule. Without a command, Lullwick starts in the notification area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --add, more words of the entry; with --in, the event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No command given: see lullwick --help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One command at a time, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after --%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the event.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lullwick is running but does not answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry %1: the schedule is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry %1: the entries are 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad number of minutes %1: a whole number from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditWindow</name>
    <message>
        <source>Edit Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seco&amp;nds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryWords</name>
    <message>
        <source>Unknown event &quot;%1&quot;: one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad time &quot;%1&quot;: write it as hh:mm:ss AM or as HH:MM[:SS].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown frequency &quot;%1&quot;: one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown day of the week &quot;%1&quot;: Monday to Sunday, or Mon to Sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A day of the week &quot;%1&quot; goes only with Weekly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the day of the week.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventAction</name>
    <message>
        <source>shut down the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>log you off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power off the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>suspend the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibernate the computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lock the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carry out &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniStore</name>
    <message>
        <source>Could not save the settings file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the settings file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogViewer</name>
    <message>
        <source>… (line cut: %L1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log File Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No LogFile exits...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file %1 cannot be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %L1 lines.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %1 MB.)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Load on Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load on Windows Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down, power off, reboot or log off computer at scheduled time.Warning sound and countdown during any scheduled Event. Log file to keep track of all the events.

Written by the Lullwick developers. Your feedback is always welcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc Settin&amp;gs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;chedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abo&amp;ut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seco&amp;nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disa&amp;ble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from no&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Ab&amp;ort Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count Do&amp;wn Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable &amp;Sound on Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimi&amp;ze on Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notify before an event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lullwick v1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>the system&apos;s power service did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system&apos;s power service does not offer this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system asked for a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you are not allowed to do this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system refused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleList</name>
    <message>
        <source>the event &quot;%1&quot; is not one Lullwick knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not one Lullwick knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its time &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>%1

Lullwick will not write over it while it runs, so changes made now are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1 (%2, %3, %4): %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>These entries are kept as they are, but they will never run:

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule is full: it holds at most %1 entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The minutes must be a whole number from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be carried out here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no entry %1 in the schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry is no longer in the schedule: it has been carried out or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The countdown can no longer be stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No entry will run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduler stopped: no entry will run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing scheduled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next: %1 %2 at %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The schedule is not saved over a file that could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lullwick could not %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WeekDays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Postpone %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to Logoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to Reboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to PowerOff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to Suspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to Hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer is Going to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Abort (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
