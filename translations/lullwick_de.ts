<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Application</name>
    <message>
        <source>Program Already Running</source>
        <translation>Programm läuft bereits</translation>
    </message>
    <message>
        <source>&amp;Show Lullwick</source>
        <translation>Lullwick &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Postpone Next by %1 Minutes</source>
        <translation>Nächstes um %1 Minuten &amp;verschieben</translation>
    </message>
    <message>
        <source>S&amp;kip Next</source>
        <translation>Nächstes übe&amp;rspringen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>Anha&amp;lten</translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Postpone %1 min</source>
        <translation>Um %1 Min. verschieben</translation>
    </message>
    <message>
        <source>Skip this time</source>
        <translation>Diesmal überspringen</translation>
    </message>
    <message>
        <source>%1

Exit without saving the schedule?</source>
        <translation>%1

Ohne Speichern des Zeitplans beenden?</translation>
    </message>
    <message>
        <source>&amp;Exit Without Saving</source>
        <translation>&amp;Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Nicht beenden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the schedule, one entry a line: its number, time, status, frequency, event and next run (ISO 8601), separated by tabs.</source>
        <translation>Gibt den Zeitplan aus, einen Eintrag je Zeile: seine Nummer, Uhrzeit, Zustand, Häufigkeit, Ereignis und nächste Ausführung (ISO 8601), durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Print the next run: when (ISO 8601), its event, the seconds left, its entry&apos;s number and the tooltip&apos;s line, separated by tabs.</source>
        <translation>Gibt die nächste Ausführung aus: wann (ISO 8601), ihr Ereignis, die verbleibenden Sekunden, die Nummer ihres Eintrags und die Zeile des Tooltips, durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>Add an entry &quot;TIME [FREQUENCY [EVENT [WEEKDAY]]]&quot;, e.g. &quot;23:45 Daily PowerOff&quot;; TIME as hh:mm:ss AM or HH:MM[:SS].</source>
        <translation>Fügt einen Eintrag „TIME [FREQUENCY [EVENT [WEEKDAY]]]“ hinzu, z.&#xa0;B. „23:45 Daily PowerOff“; TIME als hh:mm:ss AM oder HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Add a Once entry MINUTES from now, for the event that follows (Shutdown if none).</source>
        <translation>Fügt einen Once-Eintrag in MINUTES Minuten hinzu, für das folgende Ereignis (ohne Angabe Shutdown).</translation>
    </message>
    <message>
        <source>Delete entry N, as --list numbers it.</source>
        <translation>Löscht den Eintrag N, nummeriert wie bei --list.</translation>
    </message>
    <message>
        <source>Enable entry N.</source>
        <translation>Aktiviert den Eintrag N.</translation>
    </message>
    <message>
        <source>Disable entry N.</source>
        <translation>Deaktiviert den Eintrag N.</translation>
    </message>
    <message>
        <source>Postpone the next run by MINUTES.</source>
        <translation>Verschiebt die nächste Ausführung um MINUTES Minuten.</translation>
    </message>
    <message>
        <source>Skip the next run.</source>
        <translation>Überspringt die nächste Ausführung.</translation>
    </message>
    <message>
        <source>Start the scheduler; start Lullwick if it is not running.</source>
        <translation>Startet die Zeitplanung; startet Lullwick, falls es nicht läuft.</translation>
    </message>
    <message>
        <source>Stop the scheduler: no entry runs until it is started again.</source>
        <translation>Hält die Zeitplanung an: kein Eintrag wird ausgeführt, bis sie wieder gestartet wird.</translation>
    </message>
    <message>
        <source>Show Lullwick&apos;s window; start Lullwick if it is not running.</source>
        <translation>Zeigt das Fenster von Lullwick; startet Lullwick, falls es nicht läuft.</translation>
    </message>
    <message>
        <source>End Lullwick as its Exit button does.</source>
        <translation>Beendet Lullwick wie dessen Schaltfläche „Beenden“.</translation>
    </message>
    <message>
        <source>Shuts down, powers off, reboots, logs off, suspends, hibernates or locks the computer at the times of day you schedule. Without a command, Lullwick starts in the notification area.</source>
        <translation>Fährt den Computer zu den geplanten Uhrzeiten herunter, schaltet ihn aus, startet ihn neu, meldet Sie ab, versetzt ihn in Bereitschaft oder Ruhezustand oder sperrt ihn. Ohne Befehl startet Lullwick im Benachrichtigungsbereich.</translation>
    </message>
    <message>
        <source>With --add, more words of the entry; with --in, the event.</source>
        <translation>Bei --add weitere Wörter des Eintrags; bei --in das Ereignis.</translation>
    </message>
    <message>
        <source>No command given: see lullwick --help.</source>
        <translation>Kein Befehl angegeben: siehe lullwick --help.</translation>
    </message>
    <message>
        <source>One command at a time, not %1.</source>
        <translation>Nur ein Befehl auf einmal, nicht %1.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after --%2.</source>
        <translation>Unerwartetes „%1“ nach --%2.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &quot;%2&quot;.</source>
        <translation>--%1 erwartet eine ganze Zahl, nicht „%2“.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the event.</source>
        <translation>Unerwartetes „%1“ nach dem Ereignis.</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation>Lullwick läuft nicht.</translation>
    </message>
    <message>
        <source>Lullwick is running but does not answer: %1</source>
        <translation>Lullwick läuft, antwortet aber nicht: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation>Lullwick läuft nicht.</translation>
    </message>
    <message>
        <source>There is no entry %1: the schedule is empty.</source>
        <translation>Es gibt keinen Eintrag %1: der Zeitplan ist leer.</translation>
    </message>
    <message>
        <source>There is no entry %1: the entries are 1 to %2.</source>
        <translation>Es gibt keinen Eintrag %1: die Einträge sind 1 bis %2.</translation>
    </message>
    <message>
        <source>Bad number of minutes %1: a whole number from 1 to %2.</source>
        <translation>Ungültige Minutenzahl %1: eine ganze Zahl von 1 bis %2.</translation>
    </message>
</context>
<context>
    <name>EditWindow</name>
    <message>
        <source>Edit Window</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>Edit Settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation>Stu&amp;nde</translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation>M&amp;inute</translation>
    </message>
    <message>
        <source>Seco&amp;nds</source>
        <translation>Se&amp;kunden</translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>Z&amp;ustand</translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation>Erei&amp;gnis</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>Häu&amp;figkeit</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Wochentag</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>EntryWords</name>
    <message>
        <source>Unknown event &quot;%1&quot;: one of %2.</source>
        <translation>Unbekanntes Ereignis „%1“: eines von %2.</translation>
    </message>
    <message>
        <source>Bad time &quot;%1&quot;: write it as hh:mm:ss AM or as HH:MM[:SS].</source>
        <translation>Ungültige Uhrzeit „%1“: schreiben Sie sie als hh:mm:ss AM oder als HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Unknown frequency &quot;%1&quot;: one of %2.</source>
        <translation>Unbekannte Häufigkeit „%1“: eine von %2.</translation>
    </message>
    <message>
        <source>Unknown day of the week &quot;%1&quot;: Monday to Sunday, or Mon to Sun.</source>
        <translation>Unbekannter Wochentag „%1“: Monday bis Sunday oder Mon bis Sun (englisch).</translation>
    </message>
    <message>
        <source>A day of the week &quot;%1&quot; goes only with Weekly.</source>
        <translation>Ein Wochentag „%1“ passt nur zu Weekly.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the day of the week.</source>
        <translation>Unerwartetes „%1“ nach dem Wochentag.</translation>
    </message>
</context>
<context>
    <name>EventAction</name>
    <message>
        <source>shut down the computer</source>
        <translation>den Computer herunterzufahren</translation>
    </message>
    <message>
        <source>log you off</source>
        <translation>Sie abzumelden</translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation>den Computer neu zu starten</translation>
    </message>
    <message>
        <source>power off the computer</source>
        <translation>den Computer auszuschalten</translation>
    </message>
    <message>
        <source>suspend the computer</source>
        <translation>den Computer in Bereitschaft zu versetzen</translation>
    </message>
    <message>
        <source>hibernate the computer</source>
        <translation>den Computer in den Ruhezustand zu versetzen</translation>
    </message>
    <message>
        <source>lock the screen</source>
        <translation>den Bildschirm zu sperren</translation>
    </message>
    <message>
        <source>carry out &quot;%1&quot;</source>
        <translation>„%1“ auszuführen</translation>
    </message>
</context>
<context>
    <name>IniStore</name>
    <message>
        <source>Could not save the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not read the settings file %1: %2</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>LogViewer</name>
    <message>
        <source>… (line cut: %L1 characters)</source>
        <translation>… (Zeile gekürzt: %L1 Zeichen)</translation>
    </message>
    <message>
        <source>Log File Viewer</source>
        <translation>Protokollanzeige</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Protokolldatei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No LogFile exits...</source>
        <translation>Es gibt noch keine Protokolldatei.</translation>
    </message>
    <message>
        <source>The log file %1 cannot be shown: %2</source>
        <translation>Die Protokolldatei %1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %L1 lines.)</source>
        <translation>(Nur das Ende des Protokolls wird angezeigt: die letzten %L1 Zeilen.)</translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %1 MB.)</source>
        <translation>(Nur das Ende des Protokolls wird angezeigt: die letzten %1 MB.)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>Be&amp;im Anmelden starten</translation>
    </message>
    <message>
        <source>&amp;Load on Windows Startup</source>
        <translation>M&amp;it Windows starten</translation>
    </message>
    <message>
        <source>Shut down, power off, reboot or log off computer at scheduled time.Warning sound and countdown during any scheduled Event. Log file to keep track of all the events.

Written by the Lullwick developers. Your feedback is always welcome</source>
        <translation>Fährt den Computer zur geplanten Zeit herunter, schaltet ihn aus, startet ihn neu oder meldet Sie ab. Warnton und Countdown vor jedem geplanten Ereignis. Eine Protokolldatei hält alle Ereignisse fest.

Geschrieben von den Lullwick-Entwicklern. Ihre Rückmeldung ist jederzeit willkommen.</translation>
    </message>
    <message>
        <source>Misc Settin&amp;gs</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>S&amp;chedule</source>
        <translation>&amp;Zeitplan</translation>
    </message>
    <message>
        <source>Abo&amp;ut</source>
        <translation>Übe&amp;r</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation>Stu&amp;nde</translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation>M&amp;inute</translation>
    </message>
    <message>
        <source>Seco&amp;nd</source>
        <translation>Se&amp;kunde</translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>AM/&amp;PM</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>Z&amp;ustand</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>Häu&amp;figkeit</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Wochentag</translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation>Erei&amp;gnis</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Disa&amp;ble</source>
        <translation>Anha&amp;lten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Been&amp;den</translation>
    </message>
    <message>
        <source>Minutes from no&amp;w</source>
        <translation>&amp;Minuten ab jetzt</translation>
    </message>
    <message>
        <source>Add &amp;Timer</source>
        <translation>&amp;Timer hinzufügen</translation>
    </message>
    <message>
        <source>Enable Ab&amp;ort Button</source>
        <translation>Abbreche&amp;n erlauben</translation>
    </message>
    <message>
        <source>Count Do&amp;wn Timer</source>
        <translation>C&amp;ountdown-Dauer</translation>
    </message>
    <message>
        <source>Enable &amp;Sound on Event</source>
        <translation>&amp;Warnton abspielen</translation>
    </message>
    <message>
        <source>Log &amp;File</source>
        <translation>&amp;Protokolldatei</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Minimi&amp;ze on Startup</source>
        <translation>&amp;Minimiert starten</translation>
    </message>
    <message>
        <source>&amp;Notify before an event</source>
        <translation>&amp;Vor einem Ereignis benachrichtigen</translation>
    </message>
    <message>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Lullwick v1.0</source>
        <translation>Lullwick v1.0</translation>
    </message>
    <message>
        <source>Nothing to Edit</source>
        <translation>Nichts zu bearbeiten</translation>
    </message>
    <message>
        <source>Nothing to Delete</source>
        <translation>Nichts zu löschen</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>the system&apos;s power service did not answer</source>
        <translation>der Energiedienst des Systems hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the system&apos;s power service does not offer this</source>
        <translation>der Energiedienst des Systems bietet dies nicht an</translation>
    </message>
    <message>
        <source>the system asked for a password</source>
        <translation>das System hat nach einem Passwort gefragt</translation>
    </message>
    <message>
        <source>you are not allowed to do this</source>
        <translation>Sie dürfen das nicht</translation>
    </message>
    <message>
        <source>the system refused</source>
        <translation>das System hat es abgelehnt</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ScheduleList</name>
    <message>
        <source>the event &quot;%1&quot; is not one Lullwick knows</source>
        <translation>Lullwick kennt das Ereignis „%1“ nicht</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not one Lullwick knows</source>
        <translation>Lullwick kennt die Häufigkeit „%1“ nicht</translation>
    </message>
    <message>
        <source>its time &quot;%1&quot; cannot be read</source>
        <translation>seine Uhrzeit „%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Nächste Ausführung</translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>%1

Lullwick will not write over it while it runs, so changes made now are not saved.</source>
        <translation>%1

Lullwick überschreibt sie nicht, solange es läuft; jetzt vorgenommene Änderungen werden daher nicht gespeichert.</translation>
    </message>
    <message>
        <source>Entry %1 (%2, %3, %4): %5</source>
        <translation>Eintrag %1 (%2, %3, %4): %5</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>und %n weiterer.</numerusform>
            <numerusform>und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries are kept as they are, but they will never run:

%1</source>
        <translation>Diese Einträge bleiben, wie sie sind, werden aber nie ausgeführt:

%1</translation>
    </message>
    <message>
        <source>The schedule is full: it holds at most %1 entries.</source>
        <translation>Der Zeitplan ist voll: er fasst höchstens %1 Einträge.</translation>
    </message>
    <message>
        <source>The minutes must be a whole number from 1 to %1.</source>
        <translation>Die Minuten müssen eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be carried out here.</source>
        <translation>Das Ereignis „%1“ kann hier nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>There is no entry %1 in the schedule.</source>
        <translation>Im Zeitplan gibt es keinen Eintrag %1.</translation>
    </message>
    <message>
        <source>The entry is no longer in the schedule: it has been carried out or deleted.</source>
        <translation>Der Eintrag ist nicht mehr im Zeitplan: er wurde ausgeführt oder gelöscht.</translation>
    </message>
    <message>
        <source>The countdown can no longer be stopped.</source>
        <translation>Der Countdown lässt sich nicht mehr abbrechen.</translation>
    </message>
    <message>
        <source>No entry will run.</source>
        <translation>Kein Eintrag wird ausgeführt.</translation>
    </message>
    <message>
        <source>Scheduler stopped: no entry will run</source>
        <translation>Zeitplan angehalten: kein Eintrag wird ausgeführt</translation>
    </message>
    <message>
        <source>Nothing scheduled</source>
        <translation>Nichts geplant</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>morgen</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>am %1</translation>
    </message>
    <message>
        <source>Next: %1 %2 at %3 (%4)</source>
        <translation>Als Nächstes: %1, %2 um %3 (%4)</translation>
    </message>
    <message>
        <source>%1
The schedule is not saved over a file that could not be read.</source>
        <translation>%1
Der Zeitplan wird nicht über eine Datei gespeichert, die nicht gelesen werden konnte.</translation>
    </message>
    <message>
        <source>Lullwick could not %1: %2.</source>
        <translation>Es ist Lullwick nicht gelungen, %1: %2.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unable to change the start-at-login entry &apos;%1&apos;: %2</source>
        <translation>Der Autostart-Eintrag „%1“ kann nicht geändert werden: %2</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>in less than a minute</source>
        <translation>in weniger als einer Minute</translation>
    </message>
    <message>
        <source>in %1 min</source>
        <translation>in %1 Min.</translation>
    </message>
    <message>
        <source>in %1 h</source>
        <translation>in %1 Std.</translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation>in %1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>in 1 Tag</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>in %1 Tagen</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Einmal</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>WeekDays</source>
        <translation>Wochentags</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Bereitschaft</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
</context>
<context>
    <name>WarningWindow</name>
    <message>
        <source>Warning....</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;Postpone %1 min</source>
        <translation>Um %1 Min. &amp;verschieben</translation>
    </message>
    <message>
        <source>Computer is Going to Shutdown</source>
        <translation>Der Computer wird heruntergefahren</translation>
    </message>
    <message>
        <source>Computer is Going to Logoff</source>
        <translation>Sie werden abgemeldet</translation>
    </message>
    <message>
        <source>Computer is Going to Reboot</source>
        <translation>Der Computer wird neu gestartet</translation>
    </message>
    <message>
        <source>Computer is Going to PowerOff</source>
        <translation>Der Computer wird ausgeschaltet</translation>
    </message>
    <message>
        <source>Computer is Going to Suspend</source>
        <translation>Der Computer wechselt in Bereitschaft</translation>
    </message>
    <message>
        <source>Computer is Going to Hibernate</source>
        <translation>Der Computer wechselt in den Ruhezustand</translation>
    </message>
    <message>
        <source>Computer is Going to Lock</source>
        <translation>Der Bildschirm wird gesperrt</translation>
    </message>
    <message>
        <source>Computer is Going to %1</source>
        <translation>Der Computer führt aus: %1</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>Noch 1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>Noch %1 Sekunden</translation>
    </message>
    <message>
        <source>&amp;Abort (%1)</source>
        <translation>&amp;Abbrechen (%1)</translation>
    </message>
</context>
</TS>
