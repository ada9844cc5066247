<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Application</name>
    <message>
        <source>Program Already Running</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
    <message>
        <source>&amp;Show Lullwick</source>
        <translation>&amp;Mostrar Lullwick</translation>
    </message>
    <message>
        <source>&amp;Postpone Next by %1 Minutes</source>
        <translation>&amp;Posponer el próximo %1 minutos</translation>
    </message>
    <message>
        <source>S&amp;kip Next</source>
        <translation>&amp;Omitir el próximo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Postpone</source>
        <translation>Posponer</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>Postpone %1 min</source>
        <translation>Posponer %1 min</translation>
    </message>
    <message>
        <source>Skip this time</source>
        <translation>Omitir esta vez</translation>
    </message>
    <message>
        <source>%1

Exit without saving the schedule?</source>
        <translation>%1

¿Salir sin guardar la programación?</translation>
    </message>
    <message>
        <source>&amp;Exit Without Saving</source>
        <translation>&amp;Salir sin guardar</translation>
    </message>
    <message>
        <source>&amp;Stay</source>
        <translation>&amp;No salir</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Print the schedule, one entry a line: its number, time, status, frequency, event and next run (ISO 8601), separated by tabs.</source>
        <translation>Muestra la programación, una entrada por línea: su número, hora, estado, frecuencia, evento y próxima ejecución (ISO 8601), separados por tabuladores.</translation>
    </message>
    <message>
        <source>Print the next run: when (ISO 8601), its event, the seconds left, its entry&apos;s number and the tooltip&apos;s line, separated by tabs.</source>
        <translation>Muestra la próxima ejecución: cuándo (ISO 8601), su evento, los segundos que faltan, el número de su entrada y la línea de la descripción emergente, separados por tabuladores.</translation>
    </message>
    <message>
        <source>Add an entry &quot;TIME [FREQUENCY [EVENT [WEEKDAY]]]&quot;, e.g. &quot;23:45 Daily PowerOff&quot;; TIME as hh:mm:ss AM or HH:MM[:SS].</source>
        <translation>Añade una entrada «TIME [FREQUENCY [EVENT [WEEKDAY]]]», por ejemplo «23:45 Daily PowerOff»; TIME como hh:mm:ss AM o HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Add a Once entry MINUTES from now, for the event that follows (Shutdown if none).</source>
        <translation>Añade una entrada Once dentro de MINUTES minutos, para el evento que sigue (Shutdown si no hay ninguno).</translation>
    </message>
    <message>
        <source>Delete entry N, as --list numbers it.</source>
        <translation>Elimina la entrada N, numerada como en --list.</translation>
    </message>
    <message>
        <source>Enable entry N.</source>
        <translation>Activa la entrada N.</translation>
    </message>
    <message>
        <source>Disable entry N.</source>
        <translation>Desactiva la entrada N.</translation>
    </message>
    <message>
        <source>Postpone the next run by MINUTES.</source>
        <translation>Pospone la próxima ejecución MINUTES minutos.</translation>
    </message>
    <message>
        <source>Skip the next run.</source>
        <translation>Omite la próxima ejecución.</translation>
    </message>
    <message>
        <source>Start the scheduler; start Lullwick if it is not running.</source>
        <translation>Inicia la programación; inicia Lullwick si no se está ejecutando.</translation>
    </message>
    <message>
        <source>Stop the scheduler: no entry runs until it is started again.</source>
        <translation>Detiene la programación: no se ejecuta ninguna entrada hasta que se vuelva a iniciar.</translation>
    </message>
    <message>
        <source>Show Lullwick&apos;s window; start Lullwick if it is not running.</source>
        <translation>Muestra la ventana de Lullwick; inicia Lullwick si no se está ejecutando.</translation>
    </message>
    <message>
        <source>End Lullwick as its Exit button does.</source>
        <translation>Cierra Lullwick como su botón «Salir».</translation>
    </message>
    <message>
        <source>Shuts down, powers off, reboots, logs off, suspends, hibernates or locks the computer at the times of day you schedule. Without a command, Lullwick starts in the notification area.</source>
        <translation>Apaga, reinicia, suspende, hiberna o bloquea el equipo, o cierra la sesión, a las horas que programe. Sin ninguna orden, Lullwick se inicia en el área de notificación.</translation>
    </message>
    <message>
        <source>With --add, more words of the entry; with --in, the event.</source>
        <translation>Con --add, más palabras de la entrada; con --in, el evento.</translation>
    </message>
    <message>
        <source>No command given: see lullwick --help.</source>
        <translation>No se ha indicado ninguna orden: consulte lullwick --help.</translation>
    </message>
    <message>
        <source>One command at a time, not %1.</source>
        <translation>Una sola orden cada vez, no %1.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after --%2.</source>
        <translation>«%1» inesperado después de --%2.</translation>
    </message>
    <message>
        <source>--%1 takes a whole number, not &quot;%2&quot;.</source>
        <translation>--%1 espera un número entero, no «%2».</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the event.</source>
        <translation>«%1» inesperado después del evento.</translation>
    </message>
</context>
<context>
    <name>CommandRun</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation>Lullwick no se está ejecutando.</translation>
    </message>
    <message>
        <source>Lullwick is running but does not answer: %1</source>
        <translation>Lullwick se está ejecutando pero no responde: %1</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Lullwick is not running.</source>
        <translation>Lullwick no se está ejecutando.</translation>
    </message>
    <message>
        <source>There is no entry %1: the schedule is empty.</source>
        <translation>No existe la entrada %1: la programación está vacía.</translation>
    </message>
    <message>
        <source>There is no entry %1: the entries are 1 to %2.</source>
        <translation>No existe la entrada %1: las entradas van de la 1 a la %2.</translation>
    </message>
    <message>
        <source>Bad number of minutes %1: a whole number from 1 to %2.</source>
        <translation>Número de minutos incorrecto %1: un número entero de 1 a %2.</translation>
    </message>
</context>
<context>
    <name>EditWindow</name>
    <message>
        <source>Edit Window</source>
        <translation>Editar entrada</translation>
    </message>
    <message>
        <source>Edit Settings</source>
        <translation>Editar ajustes</translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation>&amp;Minuto</translation>
    </message>
    <message>
        <source>Seco&amp;nds</source>
        <translation>Se&amp;gundos</translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>&amp;AM/PM</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>Estad&amp;o</translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation>Eve&amp;nto</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>&amp;Frecuencia</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Día</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Gua&amp;rdar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>EntryWords</name>
    <message>
        <source>Unknown event &quot;%1&quot;: one of %2.</source>
        <translation>Evento desconocido «%1»: uno de %2.</translation>
    </message>
    <message>
        <source>Bad time &quot;%1&quot;: write it as hh:mm:ss AM or as HH:MM[:SS].</source>
        <translation>Hora incorrecta «%1»: escríbala como hh:mm:ss AM o como HH:MM[:SS].</translation>
    </message>
    <message>
        <source>Unknown frequency &quot;%1&quot;: one of %2.</source>
        <translation>Frecuencia desconocida «%1»: una de %2.</translation>
    </message>
    <message>
        <source>Unknown day of the week &quot;%1&quot;: Monday to Sunday, or Mon to Sun.</source>
        <translation>Día de la semana desconocido «%1»: Monday a Sunday, o Mon a Sun (en inglés).</translation>
    </message>
    <message>
        <source>A day of the week &quot;%1&quot; goes only with Weekly.</source>
        <translation>Un día de la semana «%1» solo va con Weekly.</translation>
    </message>
    <message>
        <source>Unexpected &quot;%1&quot; after the day of the week.</source>
        <translation>«%1» inesperado después del día de la semana.</translation>
    </message>
</context>
<context>
    <name>EventAction</name>
    <message>
        <source>shut down the computer</source>
        <translation>apagar el equipo</translation>
    </message>
    <message>
        <source>log you off</source>
        <translation>cerrar su sesión</translation>
    </message>
    <message>
        <source>restart the computer</source>
        <translation>reiniciar el equipo</translation>
    </message>
    <message>
        <source>power off the computer</source>
        <translation>apagar el equipo por completo</translation>
    </message>
    <message>
        <source>suspend the computer</source>
        <translation>suspender el equipo</translation>
    </message>
    <message>
        <source>hibernate the computer</source>
        <translation>hibernar el equipo</translation>
    </message>
    <message>
        <source>lock the screen</source>
        <translation>bloquear la pantalla</translation>
    </message>
    <message>
        <source>carry out &quot;%1&quot;</source>
        <translation>ejecutar «%1»</translation>
    </message>
</context>
<context>
    <name>IniStore</name>
    <message>
        <source>Could not save the settings file %1: %2</source>
        <translation>No se pudo guardar el archivo de ajustes %1: %2</translation>
    </message>
    <message>
        <source>Could not read the settings file %1: %2</source>
        <translation>No se pudo leer el archivo de ajustes %1: %2</translation>
    </message>
</context>
<context>
    <name>LogViewer</name>
    <message>
        <source>… (line cut: %L1 characters)</source>
        <translation>… (línea cortada: %L1 caracteres)</translation>
    </message>
    <message>
        <source>Log File Viewer</source>
        <translation>Visor del registro</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>Archivo de registro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>No LogFile exits...</source>
        <translation>Todavía no existe ningún archivo de registro.</translation>
    </message>
    <message>
        <source>The log file %1 cannot be shown: %2</source>
        <translation>No se puede mostrar el archivo de registro %1: %2</translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %L1 lines.)</source>
        <translation>(Solo se muestra el final del registro: las últimas %L1 líneas.)</translation>
    </message>
    <message>
        <source>(Only the end of the log is shown: the last %1 MB.)</source>
        <translation>(Solo se muestra el final del registro: los últimos %1 MB.)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Load on Startup</source>
        <translation>Car&amp;gar al iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Load on Windows Startup</source>
        <translation>Car&amp;gar al iniciar Windows</translation>
    </message>
    <message>
        <source>Shut down, power off, reboot or log off computer at scheduled time.Warning sound and countdown during any scheduled Event. Log file to keep track of all the events.

Written by the Lullwick developers. Your feedback is always welcome</source>
        <translation>Apaga o reinicia el equipo, o cierra la sesión, a la hora programada. Sonido de aviso y cuenta atrás antes de cada evento programado. Un archivo de registro guarda constancia de todos los eventos.

Escrito por los desarrolladores de Lullwick. Sus comentarios siempre son bienvenidos.</translation>
    </message>
    <message>
        <source>Misc Settin&amp;gs</source>
        <translation>A&amp;justes</translation>
    </message>
    <message>
        <source>S&amp;chedule</source>
        <translation>&amp;Programación</translation>
    </message>
    <message>
        <source>Abo&amp;ut</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>&amp;Hour</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>&amp;Minute</source>
        <translation>&amp;Minuto</translation>
    </message>
    <message>
        <source>Seco&amp;nd</source>
        <translation>Se&amp;gundo</translation>
    </message>
    <message>
        <source>AM/&amp;PM</source>
        <translation>&amp;AM/PM</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>Estad&amp;o</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>&amp;Frecuencia</translation>
    </message>
    <message>
        <source>Da&amp;y</source>
        <translation>&amp;Día</translation>
    </message>
    <message>
        <source>E&amp;vent</source>
        <translation>Eve&amp;nto</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añadi&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Sta&amp;rt</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Disa&amp;ble</source>
        <translation>Desac&amp;tivar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Minutes from no&amp;w</source>
        <translation>Min&amp;utos desde ahora</translation>
    </message>
    <message>
        <source>Add &amp;Timer</source>
        <translation>Añadir tempori&amp;zador</translation>
    </message>
    <message>
        <source>Enable Ab&amp;ort Button</source>
        <translation>Permitir ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Count Do&amp;wn Timer</source>
        <translation>&amp;Duración de la cuenta atrás</translation>
    </message>
    <message>
        <source>Enable &amp;Sound on Event</source>
        <translation>S&amp;onido de aviso</translation>
    </message>
    <message>
        <source>Log &amp;File</source>
        <translation>&amp;Archivo de registro</translation>
    </message>
    <message>
        <source>V&amp;iew</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Minimi&amp;ze on Startup</source>
        <translation>&amp;Minimizar al iniciar</translation>
    </message>
    <message>
        <source>&amp;Notify before an event</source>
        <translation>Avisar antes de &amp;un evento</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Lullwick v1.0</source>
        <translation>Lullwick v1.0</translation>
    </message>
    <message>
        <source>Nothing to Edit</source>
        <translation>Nada que editar</translation>
    </message>
    <message>
        <source>Nothing to Delete</source>
        <translation>Nada que eliminar</translation>
    </message>
</context>
<context>
    <name>PowerActions</name>
    <message>
        <source>the system&apos;s power service did not answer</source>
        <translation>el servicio de energía del sistema no respondió</translation>
    </message>
    <message>
        <source>the system&apos;s power service does not offer this</source>
        <translation>el servicio de energía del sistema no lo ofrece</translation>
    </message>
    <message>
        <source>the system asked for a password</source>
        <translation>el sistema pidió una contraseña</translation>
    </message>
    <message>
        <source>you are not allowed to do this</source>
        <translation>no tiene permiso para hacerlo</translation>
    </message>
    <message>
        <source>the system refused</source>
        <translation>el sistema lo rechazó</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>ScheduleList</name>
    <message>
        <source>the event &quot;%1&quot; is not one Lullwick knows</source>
        <translation>Lullwick no conoce el evento «%1»</translation>
    </message>
    <message>
        <source>the frequency &quot;%1&quot; is not one Lullwick knows</source>
        <translation>Lullwick no conoce la frecuencia «%1»</translation>
    </message>
    <message>
        <source>its time &quot;%1&quot; cannot be read</source>
        <translation>su hora «%1» no se puede leer</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Next run</source>
        <translation>Próxima ejecución</translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>The settings file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo de ajustes %1: %2</translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>%1

Lullwick will not write over it while it runs, so changes made now are not saved.</source>
        <translation>%1

Lullwick no lo sobrescribirá mientras se ejecute, así que los cambios que haga ahora no se guardarán.</translation>
    </message>
    <message>
        <source>Entry %1 (%2, %3, %4): %5</source>
        <translation>Entrada %1 (%2, %3, %4): %5</translation>
    </message>
    <message numerus="yes">
        <source>and %n more.</source>
        <translation>
            <numerusform>y %n más.</numerusform>
            <numerusform>y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries are kept as they are, but they will never run:

%1</source>
        <translation>Estas entradas se conservan tal cual, pero nunca se ejecutarán:

%1</translation>
    </message>
    <message>
        <source>The schedule is full: it holds at most %1 entries.</source>
        <translation>La programación está llena: admite como máximo %1 entradas.</translation>
    </message>
    <message>
        <source>The minutes must be a whole number from 1 to %1.</source>
        <translation>Los minutos deben ser un número entero de 1 a %1.</translation>
    </message>
    <message>
        <source>The event &quot;%1&quot; cannot be carried out here.</source>
        <translation>El evento «%1» no se puede ejecutar aquí.</translation>
    </message>
    <message>
        <source>There is no entry %1 in the schedule.</source>
        <translation>No existe la entrada %1 en la programación.</translation>
    </message>
    <message>
        <source>The entry is no longer in the schedule: it has been carried out or deleted.</source>
        <translation>La entrada ya no está en la programación: se ha ejecutado o eliminado.</translation>
    </message>
    <message>
        <source>The countdown can no longer be stopped.</source>
        <translation>La cuenta atrás ya no se puede cancelar.</translation>
    </message>
    <message>
        <source>No entry will run.</source>
        <translation>No se ejecutará ninguna entrada.</translation>
    </message>
    <message>
        <source>Scheduler stopped: no entry will run</source>
        <translation>Programación desactivada: no se ejecutará ninguna entrada</translation>
    </message>
    <message>
        <source>Nothing scheduled</source>
        <translation>Nada programado</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>el %1</translation>
    </message>
    <message>
        <source>Next: %1 %2 at %3 (%4)</source>
        <translation>Próximo: %1, %2 a las %3 (%4)</translation>
    </message>
    <message>
        <source>%1
The schedule is not saved over a file that could not be read.</source>
        <translation>%1
La programación no se guarda sobre un archivo que no se ha podido leer.</translation>
    </message>
    <message>
        <source>Lullwick could not %1: %2.</source>
        <translation>Lullwick no pudo %1: %2.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Unable to change the start-at-login entry &apos;%1&apos;: %2</source>
        <translation>No se puede cambiar la entrada de inicio automático «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TimeLeft</name>
    <message>
        <source>in less than a minute</source>
        <translation>en menos de un minuto</translation>
    </message>
    <message>
        <source>in %1 min</source>
        <translation>en %1 min</translation>
    </message>
    <message>
        <source>in %1 h</source>
        <translation>en %1 h</translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation>en %1 h %2 min</translation>
    </message>
    <message>
        <source>in 1 day</source>
        <translation>en 1 día</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>en %1 días</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>Enabled</source>
        <translation>Activada</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Todos los días</translation>
    </message>
    <message>
        <source>WeekDays</source>
        <translation>Entre semana</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>PowerOff</source>
        <translation>Apagar por completo</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
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
        <translation>Aviso</translation>
    </message>
    <message>
        <source>&amp;Postpone %1 min</source>
        <translation>&amp;Posponer %1 min</translation>
    </message>
    <message>
        <source>Computer is Going to Shutdown</source>
        <translation>El equipo se va a apagar</translation>
    </message>
    <message>
        <source>Computer is Going to Logoff</source>
        <translation>Se va a cerrar la sesión</translation>
    </message>
    <message>
        <source>Computer is Going to Reboot</source>
        <translation>El equipo se va a reiniciar</translation>
    </message>
    <message>
        <source>Computer is Going to PowerOff</source>
        <translation>El equipo se va a apagar por completo</translation>
    </message>
    <message>
        <source>Computer is Going to Suspend</source>
        <translation>El equipo se va a suspender</translation>
    </message>
    <message>
        <source>Computer is Going to Hibernate</source>
        <translation>El equipo va a hibernar</translation>
    </message>
    <message>
        <source>Computer is Going to Lock</source>
        <translation>La pantalla se va a bloquear</translation>
    </message>
    <message>
        <source>Computer is Going to %1</source>
        <translation>El equipo va a ejecutar: %1</translation>
    </message>
    <message>
        <source>1 second left</source>
        <translation>Queda 1 segundo</translation>
    </message>
    <message>
        <source>%1 seconds left</source>
        <translation>Quedan %1 segundos</translation>
    </message>
    <message>
        <source>&amp;Abort (%1)</source>
        <translation>&amp;Cancelar (%1)</translation>
    </message>
</context>
</TS>
