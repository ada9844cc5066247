<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Application</name>
    <message>
        <source>Program Already Running</source>
        <translation>Le programme est déjà lancé</translation>
    </message>
    <message>
        <source>&amp;Show Lullwick</source>
        <translation>&amp;Afficher Lullwick</translation>
    </message>
    <message>
        <source>&amp;Postpone Next by %1 Minutes</source>
        <translation>&amp;Reporter le prochain de %1 minutes</translation>
    </message>
    <message>
        <source>S&amp;kip Next</source>
        <translation>&amp;Ignorer le prochain</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation>Dé&amp;marrer</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Reporter</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Postpone %1 min</source>
        <translation>Reporter de %1 min</translation>
    </message>
    <message>
        <source>Skip this time</source>
        <translation>Ignorer cette fois</translation>
    </message>
    <message>
        <source>%1

Exit without saving the schedule?</source>
        <translation>%1

Quitter sans enregistrer la planification&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Exit Without Saving</source>
        <translation>&amp;Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;Rester</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the schedule, one entry a line: its number, time, status, frequency, event and next run (ISO 8601), separated by tabs.</source>
        <translation>Affiche la planification, une entrée par ligne&#xa0;: son numéro, son heure, son état, sa fréquence, son événement et sa prochaine exécution (ISO 8601), séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Print the next run: when (ISO 8601), its event, the seconds left, its entry&apos;s number and the tooltip&apos;s line, separated by tabs.</source>
        <translation>Affiche la prochaine exécution&#xa0;: quand (ISO 8601), son événement, les secondes restantes, le numéro de son entrée et la ligne de l&apos;infobulle, séparés par des tabulations.</translation>
    </message>
    <message>
        <source>Add an entry &quot;TIME [FREQUENCY [EVENT [WEEKDAY]]]&quot;, e.g. &quot;23:45 Daily PowerOff&quot;; TIME as hh:mm:ss AM or HH:MM[:SS].</source>
        <translation>Ajoute une entrée «&#xa0;TIME [FREQUENCY [EVENT [WEEKDAY]]]&#xa0;», par exemple «&#xa0;23:45 Daily PowerOff&#xa0;»&#xa0;; TIME sous la forme hh:mm:ss AM ou HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Add a Once entry MINUTES from now, for the event that follows (Shutdown if none).</source>
        <translation>Ajoute une entrée Once dans MINUTES minutes, pour l&apos;événement qui suit (Shutdown s&apos;il n&apos;y en a pas).</translation>
    </message>
    <message>
        <source>Delete entry N, as --list numbers it.</source>
        <translation>Supprime l&apos;entrée N, numérotée comme dans --list.</translation>
    </message>
    <message>
        <source>Enable entry N.</source>
        <translation>Active l&apos;entrée N.</translation>
    </message>
    <message>
        <source>Disable entry N.</source>
        <translation>Désactive l&apos;entrée N.</translation>
    </message>
    <message>
        <source>Postpone the next run by MINUTES.</source>
        <translation>Reporte la prochaine exécution de MINUTES minutes.</translation>
    </message>
    <message>
        <source>Skip the next run.</source>
        <translation>Ignore la prochaine exécution.</translation>
    </message>
    <message>
        <source>Start the scheduler; start Lullwick if it is not running.</source>
        <translation>Active la planification&#xa0;; lance Lullwick s&apos;il n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Stop the scheduler: no entry runs until it is started again.</source>
        <translation>Désactive la planification&#xa0;: aucune entrée n&apos;est exécutée jusqu&apos;à ce qu&apos;elle soit réactivée.</translation>
    </message>
    <message>
        <source>Show Lullwick&apos;s window; start Lullwick if it is not running.</source>
        <translation>Affiche la fenêtre de Lullwick&#xa0;; lance Lullwick s&apos;il n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>End Lullwick as its Exit button does.</source>
        <translation>Ferme Lullwick comme son bouton «&#xa0;Quitter&#xa0;».</translation>
    </message>
    <message>
        <source>Shuts down, powers off, reboots, logs off, suspends, hibernates or locks the computer at the times of day you schedule. Without a command, Lullwick starts in the notification area.</source>
        <translation>Arrête, éteint, redémarre, met en veille ou en hibernation l&apos;ordinateur, vous déconnecte ou verrouille l&apos;écran aux heures que vous planifiez. Sans commande, Lullwick démarre dans la zone de notification.</translation>
    </message>
    <message>
        <source>With --add, more words of the entry; with --in, the event.</source>
        <translation>Avec --add, d&apos;autres mots de l&apos;entrée&#xa0;; avec --in, l&apos;événement.</translation>
    </message>
    <message>
        <source>No command given: see lullwick --help.</source>
        <translation>Aucune commande indiquée&#xa0;: voir lullwick --help.</translation>
    </message>
    <message>
        <source>One command at a time, not %1.</source>
        <translation>Une seule commande à la fois, pas %1.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after --%2.</source>
        <translation>«&#xa0;%1&#xa0;» inattendu après --%2.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &quot;%2&quot;.</source>
        <translation>--%1 attend un nombre entier, pas «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the event.</source>
        <translation>«&#xa0;%1&#xa0;» inattendu après l&apos;événement.</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation>Lullwick n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Lullwick is running but does not answer: %1</source>
        <translation>Lullwick est en cours d&apos;exécution mais ne répond pas&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation>Lullwick n&apos;est pas en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>There is no entry %1: the schedule is empty.</source>
        <translation>Il n&apos;y a pas d&apos;entrée %1&#xa0;: la planification est vide.</translation>
    </message>
    <message>
        <source>There is no entry %1: the entries are 1 to %2.</source>
        <translation>Il n&apos;y a pas d&apos;entrée %1&#xa0;: les entrées vont de 1 à %2.</translation>
    </message>
    <message>
        <source>Bad number of minutes %1: a whole number from 1 to %2.</source>
        <translation>Nombre de minutes incorrect %1&#xa0;: un nombre entier de 1 à %2.</translation>
    </message>
</context>
<context>
    <name>EditWindow</name>
    <message>
        <source>Edit Window</source>
        <translation>Modifier l&apos;entrée</translation>
    </message>
    <message>
        <source>Edit Settings</source>
        <translation>Modifier les réglages</translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation>M&amp;inute</translation>
    </message>
    <message>
        <source>Seco&amp;nds</source>
        <translation>S&amp;econdes</translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>&amp;AM/PM</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>É&amp;tat</translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation>É&amp;vénement</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>&amp;Fréquence</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>E&amp;nregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
</context>
<context>
    <name>EntryWords</name>
    <message>
        <source>Unknown event &quot;%1&quot;: one of %2.</source>
        <translation>Événement inconnu «&#xa0;%1&#xa0;»&#xa0;: l&apos;un de %2.</translation>
    </message>
    <message>
        <source>Bad time &quot;%1&quot;: write it as hh:mm:ss AM or as HH:MM[:SS].</source>
        <translation>Heure incorrecte «&#xa0;%1&#xa0;»&#xa0;: écrivez-la sous la forme hh:mm:ss AM ou HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Unknown frequency &quot;%1&quot;: one of %2.</source>
        <translation>Fréquence inconnue «&#xa0;%1&#xa0;»&#xa0;: l&apos;une de %2.</translation>
    </message>
    <message>
        <source>Unknown day of the week &quot;%1&quot;: Monday to Sunday, or Mon to Sun.</source>
        <translation>Jour de la semaine inconnu «&#xa0;%1&#xa0;»&#xa0;: Monday à Sunday, ou Mon à Sun (en anglais).</translation>
    </message>
    <message>
        <source>A day of the week &quot;%1&quot; goes only with Weekly.</source>
        <translation>Un jour de la semaine «&#xa0;%1&#xa0;» ne va qu&apos;avec Weekly.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the day of the week.</source>
        <translation>«&#xa0;%1&#xa0;» inattendu après le jour de la semaine.</translation>
    </message>
</context>
<context>
    <name>EventAction</name>
    <message>
        <source>shut down the computer</source>
        <translation>arrêter l&apos;ordinateur</translation>
    </message>
    <message>
        <source>log you off</source>
        <translation>vous déconnecter</translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation>redémarrer l&apos;ordinateur</translation>
    </message>
    <message>
        <source>power off the computer</source>
        <translation>éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>suspend the computer</source>
        <translation>mettre l&apos;ordinateur en veille</translation>
    </message>
    <message>
        <source>hibernate the computer</source>
        <translation>mettre l&apos;ordinateur en hibernation</translation>
    </message>
    <message>
        <source>lock the screen</source>
        <translation>verrouiller l&apos;écran</translation>
    </message>
    <message>
        <source>carry out &quot;%1&quot;</source>
        <translation>exécuter «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>IniStore</name>
    <message>
        <source>Could not save the settings file %1: %2</source>
        <translation>Impossible d&apos;enregistrer le fichier de réglages %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not read the settings file %1: %2</source>
        <translation>Impossible de lire le fichier de réglages %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>LogViewer</name>
    <message>
        <source>… (line cut: %L1 characters)</source>
        <translation>… (ligne coupée&#xa0;: %L1 caractères)</translation>
    </message>
    <message>
        <source>Log File Viewer</source>
        <translation>Visionneuse du journal</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Fichier journal</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No LogFile exits...</source>
        <translation>Aucun fichier journal n&apos;existe encore.</translation>
    </message>
    <message>
        <source>The log file %1 cannot be shown: %2</source>
        <translation>Le fichier journal %1 ne peut pas être affiché&#xa0;: %2</translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %L1 lines.)</source>
        <translation>(Seule la fin du journal est affichée&#xa0;: les %L1 dernières lignes.)</translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %1 MB.)</source>
        <translation>(Seule la fin du journal est affichée&#xa0;: les %1 derniers Mo.)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>La&amp;ncer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>&amp;Load on Windows Startup</source>
        <translation>La&amp;ncer au démarrage de Windows</translation>
    </message>
    <message>
        <source>Shut down, power off, reboot or log off computer at scheduled time.Warning sound and countdown during any scheduled Event. Log file to keep track of all the events.

Written by the Lullwick developers. Your feedback is always welcome</source>
        <translation>Arrête, éteint ou redémarre l&apos;ordinateur, ou ferme votre session, à l&apos;heure planifiée. Son d&apos;avertissement et compte à rebours avant chaque événement planifié. Un fichier journal garde la trace de tous les événements.

Écrit par les développeurs de Lullwick. Vos remarques sont toujours les bienvenues.</translation>
    </message>
    <message>
        <source>Misc Settin&amp;gs</source>
        <translation>Ré&amp;glages</translation>
    </message>
    <message>
        <source>S&amp;chedule</source>
        <translation>P&amp;lanification</translation>
    </message>
    <message>
        <source>Abo&amp;ut</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Planification</translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation>M&amp;inute</translation>
    </message>
    <message>
        <source>Seco&amp;nd</source>
        <translation>S&amp;econde</translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>&amp;AM/PM</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>É&amp;tat</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>&amp;Fréquence</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Jour</translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation>É&amp;vénement</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aj&amp;outer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation>Déma&amp;rrer</translation>
    </message>
    <message>
        <source>Disa&amp;ble</source>
        <translation>&amp;Désactiver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Minutes from no&amp;w</source>
        <translation>Mi&amp;nutes à partir de maintenant</translation>
    </message>
    <message>
        <source>Add &amp;Timer</source>
        <translation>Ajouter &amp;un minuteur</translation>
    </message>
    <message>
        <source>Enable Ab&amp;ort Button</source>
        <translation>&amp;Autoriser l&apos;annulation</translation>
    </message>
    <message>
        <source>Count Do&amp;wn Timer</source>
        <translation>Durée du comp&amp;te à rebours</translation>
    </message>
    <message>
        <source>Enable &amp;Sound on Event</source>
        <translation>&amp;Jouer un son d&apos;avertissement</translation>
    </message>
    <message>
        <source>Log &amp;File</source>
        <translation>&amp;Fichier journal</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>Affi&amp;cher</translation>
    </message>
    <message>
        <source>Minimi&amp;ze on Startup</source>
        <translation>Rédu&amp;ire au démarrage</translation>
    </message>
    <message>
        <source>&amp;Notify before an event</source>
        <translation>Pré&amp;venir avant un événement</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Lullwick v1.0</source>
        <translation>Lullwick v1.0</translation>
    </message>
    <message>
        <source>Nothing to Edit</source>
        <translation>Rien à modifier</translation>
    </message>
    <message>
        <source>Nothing to Delete</source>
        <translation>Rien à supprimer</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>the system&apos;s power service did not answer</source>
        <translation>le service d&apos;alimentation du système n&apos;a pas répondu</translation>
    </message>
    <message>
        <source>the system&apos;s power service does not offer this</source>
        <translation>le service d&apos;alimentation du système ne le propose pas</translation>
    </message>
    <message>
        <source>the system asked for a password</source>
        <translation>le système a demandé un mot de passe</translation>
    </message>
    <message>
        <source>you are not allowed to do this</source>
        <translation>vous n&apos;y êtes pas autorisé</translation>
    </message>
    <message>
        <source>the system refused</source>
        <translation>le système a refusé</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ScheduleList</name>
    <message>
        <source>the event &quot;%1&quot; is not one Lullwick knows</source>
        <translation>Lullwick ne connaît pas l&apos;événement «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not one Lullwick knows</source>
        <translation>Lullwick ne connaît pas la fréquence «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>its time &quot;%1&quot; cannot be read</source>
        <translation>son heure «&#xa0;%1&#xa0;» est illisible</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Prochaine exécution</translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation>Le fichier de réglages %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>%1

Lullwick will not write over it while it runs, so changes made now are not saved.</source>
        <translation>%1

Lullwick ne l&apos;écrasera pas tant qu&apos;il fonctionne&#xa0;: les modifications faites maintenant ne seront donc pas enregistrées.</translation>
    </message>
    <message>
        <source>Entry %1 (%2, %3, %4): %5</source>
        <translation>Entrée %1 (%2, %3, %4)&#xa0;: %5</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>et %n autre.</numerusform>
            <numerusform>et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries are kept as they are, but they will never run:

%1</source>
        <translation>Ces entrées sont conservées telles quelles, mais ne seront jamais exécutées&#xa0;:

%1</translation>
    </message>
    <message>
        <source>The schedule is full: it holds at most %1 entries.</source>
        <translation>La planification est pleine&#xa0;: elle contient au plus %1 entrées.</translation>
    </message>
    <message>
        <source>The minutes must be a whole number from 1 to %1.</source>
        <translation>Les minutes doivent être un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be carried out here.</source>
        <translation>L&apos;événement «&#xa0;%1&#xa0;» ne peut pas être exécuté ici.</translation>
    </message>
    <message>
        <source>There is no entry %1 in the schedule.</source>
        <translation>Il n&apos;y a pas d&apos;entrée %1 dans la planification.</translation>
    </message>
    <message>
        <source>The entry is no longer in the schedule: it has been carried out or deleted.</source>
        <translation>L&apos;entrée n&apos;est plus dans la planification&#xa0;: elle a été exécutée ou supprimée.</translation>
    </message>
    <message>
        <source>The countdown can no longer be stopped.</source>
        <translation>Le compte à rebours ne peut plus être annulé.</translation>
    </message>
    <message>
        <source>No entry will run.</source>
        <translation>Aucune entrée ne sera exécutée.</translation>
    </message>
    <message>
        <source>Scheduler stopped: no entry will run</source>
        <translation>Planification désactivée&#xa0;: aucune entrée ne sera exécutée</translation>
    </message>
    <message>
        <source>Nothing scheduled</source>
        <translation>Rien de planifié</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Next: %1 %2 at %3 (%4)</source>
        <translation>Prochain&#xa0;: %1, %2 à %3 (%4)</translation>
    </message>
    <message>
        <source>%1
The schedule is not saved over a file that could not be read.</source>
        <translation>%1
La planification n&apos;est pas enregistrée par-dessus un fichier qui n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Lullwick could not %1: %2.</source>
        <translation>Lullwick n&apos;a pas pu %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unable to change the start-at-login entry &apos;%1&apos;: %2</source>
        <translation>Impossible de modifier l&apos;entrée de démarrage automatique «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>in less than a minute</source>
        <translation>dans moins d&apos;une minute</translation>
    </message>
    <message>
        <source>in %1 min</source>
        <translation>dans %1&#xa0;min</translation>
    </message>
    <message>
        <source>in %1 h</source>
        <translation>dans %1&#xa0;h</translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation>dans %1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>dans 1 jour</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>dans %1 jours</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Enabled</source>
        <translation>Activée</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>WeekDays</source>
        <translation>En semaine</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Mise en veille</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernation</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
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
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&amp;Postpone %1 min</source>
        <translation>&amp;Reporter de %1 min</translation>
    </message>
    <message>
        <source>Computer is Going to Shutdown</source>
        <translation>L&apos;ordinateur va s&apos;arrêter</translation>
    </message>
    <message>
        <source>Computer is Going to Logoff</source>
        <translation>Vous allez être déconnecté</translation>
    </message>
    <message>
        <source>Computer is Going to Reboot</source>
        <translation>L&apos;ordinateur va redémarrer</translation>
    </message>
    <message>
        <source>Computer is Going to PowerOff</source>
        <translation>L&apos;ordinateur va s&apos;éteindre</translation>
    </message>
    <message>
        <source>Computer is Going to Suspend</source>
        <translation>L&apos;ordinateur va se mettre en veille</translation>
    </message>
    <message>
        <source>Computer is Going to Hibernate</source>
        <translation>L&apos;ordinateur va passer en hibernation</translation>
    </message>
    <message>
        <source>Computer is Going to Lock</source>
        <translation>L&apos;écran va être verrouillé</translation>
    </message>
    <message>
        <source>Computer is Going to %1</source>
        <translation>L&apos;ordinateur va exécuter&#xa0;: %1</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>1 seconde restante</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>%1 secondes restantes</translation>
    </message>
    <message>
        <source>&amp;Abort (%1)</source>
        <translation>&amp;Annuler (%1)</translation>
    </message>
</context>
</TS>
