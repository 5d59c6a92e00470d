<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutPrefs</name>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Free app</source>
        <translation>Aplicación gratuita</translation>
    </message>
</context>
<context>
    <name>AppCoordinator</name>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation>Se ha sustituido la sesión “%1”.</translation>
    </message>
    <message>
        <source>Manual (display awake)</source>
        <translation>Manual (pantalla activa)</translation>
    </message>
    <message>
        <source>Manual keep-awake</source>
        <translation>Mantener despierto manual</translation>
    </message>
    <message>
        <source>Timed: %1</source>
        <extracomment>%1 is the time left, e.g. 1h 30m</extracomment>
        <translation>Temporizada: %1</translation>
    </message>
    <message>
        <source>Until %1</source>
        <extracomment>%1 is when the session ends, e.g. Today 6:00 PM</extracomment>
        <translation>Hasta %1</translation>
    </message>
    <message>
        <source>All sessions</source>
        <translation>Todas las sesiones</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Vigila Preferences</source>
        <translation>Preferencias de Vigila</translation>
    </message>
    <message>
        <source>Run Command With Vigila</source>
        <translation>Ejecutar comando con Vigila</translation>
    </message>
</context>
<context>
    <name>AssertionManager</name>
    <message>
        <source>Tried %1: none available.</source>
        <translation>Se intentó con %1: ninguno está disponible.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of services</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Could not create keep-awake assertion.</source>
        <translation>No se pudo crear el bloqueo de suspensión.</translation>
    </message>
    <message>
        <source>Vigila: keep system awake</source>
        <translation>Vigila: mantener el sistema despierto</translation>
    </message>
    <message>
        <source>Vigila: keep display awake</source>
        <translation>Vigila: mantener la pantalla despierta</translation>
    </message>
</context>
<context>
    <name>AwakeReason</name>
    <message>
        <source>Keep System Awake</source>
        <translation>Mantener el sistema despierto</translation>
    </message>
    <message>
        <source>Keep Display Awake</source>
        <translation>Mantener la pantalla despierta</translation>
    </message>
    <message>
        <source>Manual session</source>
        <translation>Sesión manual</translation>
    </message>
    <message>
        <source>Timed session</source>
        <translation>Sesión temporizada</translation>
    </message>
    <message>
        <source>Until-time session</source>
        <translation>Sesión hasta una hora</translation>
    </message>
    <message>
        <source>Process watch</source>
        <translation>Vigilancia de procesos</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a session kept while a command runs</comment>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Trigger</source>
        <comment>a session kept while a trigger holds</comment>
        <translation>Disparador</translation>
    </message>
</context>
<context>
    <name>BatteryGuard</name>
    <message>
        <source>Stopped because Vigila is set to keep awake only while plugged in.</source>
        <translation>Detenido porque Vigila está configurado para mantener despierto solo mientras esté conectado a la corriente.</translation>
    </message>
    <message>
        <source>Stopped because battery dropped to %1% (limit %2%).</source>
        <extracomment>%1 is the battery level in percent, %2 the level set to stop at</extracomment>
        <translation>Detenido porque la batería bajó al %1 % (límite: %2 %).</translation>
    </message>
    <message>
        <source>Running on battery at %1%.</source>
        <translation>Funcionando con batería al %1 %.</translation>
    </message>
    <message>
        <source>Running on battery power.</source>
        <translation>Funcionando con batería.</translation>
    </message>
</context>
<context>
    <name>BatteryPrefs</name>
    <message>
        <source>%</source>
        <comment>percent sign</comment>
        <extracomment>Shown after the battery percentage in its box, as in &quot;20%&quot;</extracomment>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>Warn when active on battery</source>
        <translation>Avisar cuando esté activo con batería</translation>
    </message>
    <message>
        <source>Only keep awake while plugged in</source>
        <translation>Mantener despierto solo si está conectado a la corriente</translation>
    </message>
    <message>
        <source>Auto-stop below a battery percentage</source>
        <translation>Detener automáticamente por debajo de un porcentaje de batería</translation>
    </message>
    <message>
        <source>Vigila can warn or stop automatically to protect your battery. Stops are explained in the menu.</source>
        <translation>Vigila puede avisar o detenerse automáticamente para proteger la batería. Los motivos de cada detención se explican en el menú.</translation>
    </message>
    <message>
        <source>Warning threshold: %1%</source>
        <extracomment>%1 is a battery percentage</extracomment>
        <translation>Umbral de aviso: %1 %</translation>
    </message>
    <message>
        <source>Auto-stop threshold: %1%</source>
        <extracomment>%1 is a battery percentage</extracomment>
        <translation>Umbral de detención automática: %1 %</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vigila: the time zone “%1” (TZ) is unknown; using the system&apos;s time zone, %2.</source>
        <extracomment>%1 is the value of the TZ environment variable, %2 the name of the time zone used instead</extracomment>
        <translation>vigila: la zona horaria “%1” (TZ) es desconocida; se usa la zona horaria del sistema, %2.</translation>
    </message>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation>vigila: el bus de sesión no responde, así que no se puede contactar con Vigila; puede que el demonio D-Bus de la sesión se haya bloqueado.</translation>
    </message>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation>Se ha sustituido la sesión “%1”.</translation>
    </message>
    <message>
        <source>status [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>status [--json]</translation>
    </message>
    <message>
        <source>Show whether, and why, the computer is kept awake.</source>
        <translation>Muestra si el equipo se mantiene despierto y por qué.</translation>
    </message>
    <message>
        <source>list [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>list [--json]</translation>
    </message>
    <message>
        <source>List what keeps the computer awake, with the ids stop takes.</source>
        <extracomment>&quot;stop&quot; is the command&apos;s name: keep it as it is</extracomment>
        <translation>Lista lo que mantiene despierto el equipo, con los id que acepta stop.</translation>
    </message>
    <message>
        <source>start [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>start [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake until you stop it.</source>
        <translation>Mantiene el equipo despierto hasta que lo detenga.</translation>
    </message>
    <message>
        <source>for DURATION [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>for DURACIÓN [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake for a while: 90 (seconds), 90s, 45m, 1h30m, 2h.</source>
        <extracomment>keep the durations as they are: they are what the command accepts</extracomment>
        <translation>Mantiene el equipo despierto durante un tiempo: 90 (segundos), 90s, 45m, 1h30m, 2h.</translation>
    </message>
    <message>
        <source>until HH:MM [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>until HH:MM [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake until a time of day (24-hour clock).</source>
        <translation>Mantiene el equipo despierto hasta una hora del día (formato de 24 horas).</translation>
    </message>
    <message>
        <source>extend [DURATION]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>extend [DURACIÓN]</translation>
    </message>
    <message>
        <source>Add time to the running timed or until session (default 30m).</source>
        <extracomment>keep 30m as it is: it is what the command takes</extracomment>
        <translation>Añade tiempo a la sesión temporizada o hasta una hora en curso (30m por omisión).</translation>
    </message>
    <message>
        <source>stop ID | --all</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>stop ID | --all</translation>
    </message>
    <message>
        <source>Stop one reason (its id from “vigila list”), or all of them.</source>
        <extracomment>keep the command name &quot;vigila list&quot; as it is</extracomment>
        <translation>Detiene un motivo (su id según “vigila list”) o todos.</translation>
    </message>
    <message>
        <source>run [--display] [--label TEXT] -- COMMAND [ARG…]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>run [--display] [--label TEXTO] -- COMANDO [ARG…]</translation>
    </message>
    <message>
        <source>Run a command here and keep the computer awake while it runs.</source>
        <translation>Ejecuta un comando aquí y mantiene el equipo despierto mientras se ejecuta.</translation>
    </message>
    <message>
        <source>triggers [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>triggers [--json]</translation>
    </message>
    <message>
        <source>List the triggers that keep the computer awake while a condition holds.</source>
        <translation>Lista los disparadores que mantienen el equipo despierto mientras se cumple una condición.</translation>
    </message>
    <message>
        <source>trigger add KIND [OPTIONS] | remove|enable|disable NAME-OR-ID</source>
        <extracomment>keep the command and option names, and add, remove, enable, disable, as they are</extracomment>
        <translation>trigger add TIPO [OPCIONES] | remove|enable|disable NOMBRE-O-ID</translation>
    </message>
    <message>
        <source>Add, remove, enable or disable a trigger: ac, display, remote-session, unit, schedule.</source>
        <extracomment>keep the trigger kinds (ac, display, remote-session, unit, schedule) as they are</extracomment>
        <translation>Añade, elimina, activa o desactiva un disparador: ac, display, remote-session, unit, schedule.</translation>
    </message>
    <message>
        <source>vigila %1: %2
Run &quot;vigila %1 --help&quot; for how to use it.
</source>
        <extracomment>%1 is the command&apos;s name, %2 what is wrong; keep &quot;vigila %1 --help&quot; as it is</extracomment>
        <translation>vigila %1: %2
Ejecute &quot;vigila %1 --help&quot; para ver cómo usarlo.
</translation>
    </message>
    <message>
        <source>Usage: vigila [COMMAND [OPTIONS]]

Keeps the computer awake while real work runs. Without a command, starts Vigila in the
system tray; the commands below control the running Vigila from scripts and terminals.

Commands:
%1
Run “vigila COMMAND --help” for a command&apos;s options.

Exit status: 0 done, 1 failed, 2 usage error, 3 Vigila is not running.
“vigila run” exits with its command&apos;s status instead.
</source>
        <extracomment>keep the command and option names as they are; %1 is the list of commands</extracomment>
        <translation>Uso: vigila [COMANDO [OPCIONES]]

Mantiene el equipo despierto mientras se realiza trabajo real. Sin comando, inicia Vigila en la
bandeja del sistema; los comandos siguientes controlan Vigila en ejecución desde scripts y terminales.

Comandos:
%1
Ejecute “vigila COMANDO --help” para ver las opciones de un comando.

Estado de salida: 0 hecho, 1 fallo, 2 error de uso, 3 Vigila no está en ejecución.
“vigila run” sale con el estado de su comando.
</translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 90 (seconds), 90s, 45m, 1h30m or 2h, up to 366 days.</source>
        <extracomment>%1 is what the user wrote; keep the durations as they are: they are what the command accepts</extracomment>
        <translation>“%1” no es una duración; escriba 90 (segundos), 90s, 45m, 1h30m o 2h, hasta 366 días.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Print JSON (the D-Bus interface&apos;s keys) instead of text.</source>
        <translation>Imprime JSON (las claves de la interfaz D-Bus) en lugar de texto.</translation>
    </message>
    <message>
        <source>Keep the display on as well, not only the system.</source>
        <translation>Mantiene también la pantalla encendida, no solo el sistema.</translation>
    </message>
    <message>
        <source>Stop every reason.</source>
        <translation>Detiene todos los motivos.</translation>
    </message>
    <message>
        <source>What the tray shows for the command (“Terminal: TEXT”).</source>
        <extracomment>&quot;Terminal: TEXT&quot; is how the tray labels the command; TEXT is the --label option&apos;s value</extracomment>
        <translation>Lo que muestra la bandeja para el comando (“Terminal: TEXTO”).</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the value of the --label option, as the help shows it</extracomment>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURACIÓN</translation>
    </message>
    <message>
        <source>90 (seconds), 90s, 45m, 1h30m or 2h; whole numbers, hours first.</source>
        <extracomment>keep the durations as they are: they are what the command accepts</extracomment>
        <translation>90 (segundos), 90s, 45m, 1h30m o 2h; números enteros, las horas primero.</translation>
    </message>
    <message>
        <source>[DURATION]</source>
        <translation>[DURACIÓN]</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>A time of day on the 24-hour clock; tomorrow if already past.</source>
        <translation>Una hora del día en formato de 24 horas; mañana si ya ha pasado.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>A reason&apos;s id, as “vigila list” shows it.</source>
        <extracomment>keep the command name &quot;vigila list&quot; as it is</extracomment>
        <translation>El id de un motivo, tal como lo muestra “vigila list”.</translation>
    </message>
    <message>
        <source>[ID]</source>
        <translation>[ID]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>COMANDO</translation>
    </message>
    <message>
        <source>The program to run (found in PATH) and its arguments.</source>
        <translation>El programa que se ejecutará (buscado en PATH) y sus argumentos.</translation>
    </message>
    <message>
        <source>-- COMMAND [ARG…]</source>
        <translation>-- COMANDO [ARG…]</translation>
    </message>
    <message>
        <source>Usage: vigila %1</source>
        <extracomment>%1 is the command&apos;s synopsis, such as &quot;status [--json]&quot;</extracomment>
        <translation>Uso: vigila %1</translation>
    </message>
    <message>
        <source>vigila: the keep-awake lock is still being taken; &quot;vigila status&quot; shows when it is held.
</source>
        <extracomment>keep the command name &quot;vigila status&quot; as it is</extracomment>
        <translation>vigila: todavía se está obteniendo el bloqueo de suspensión; &quot;vigila status&quot; muestra cuándo está activo.
</translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <extracomment>%1 is an argument the command does not take</extracomment>
        <translation>“%1” inesperado.</translation>
    </message>
    <message>
        <source>name the command to run after “--”.</source>
        <translation>indique el comando que se ejecutará después de “--”.</translation>
    </message>
    <message>
        <source>Keeping the display awake until you stop it.</source>
        <translation>Se mantiene la pantalla despierta hasta que la detenga.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until you stop it.</source>
        <translation>Se mantiene el equipo despierto hasta que lo detenga.</translation>
    </message>
    <message>
        <source>say for how long, such as 45m or 1h30m.</source>
        <extracomment>keep 45m and 1h30m as they are: they are what the command accepts</extracomment>
        <translation>indique durante cuánto tiempo, por ejemplo 45m o 1h30m.</translation>
    </message>
    <message>
        <source>Keeping the display awake for %1.</source>
        <extracomment>%1 is a duration, such as &quot;1h 30m&quot;</extracomment>
        <translation>Se mantiene la pantalla despierta durante %1.</translation>
    </message>
    <message>
        <source>Keeping the computer awake for %1.</source>
        <translation>Se mantiene el equipo despierto durante %1.</translation>
    </message>
    <message>
        <source>say until when, such as 18:30.</source>
        <translation>indique hasta cuándo, por ejemplo 18:30.</translation>
    </message>
    <message>
        <source>“%1” is not a time of day; write HH:MM, such as 18:30.</source>
        <extracomment>%1 is what the user wrote</extracomment>
        <translation>“%1” no es una hora del día; escriba HH:MM, por ejemplo 18:30.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until %1.</source>
        <extracomment>%1 is a time of day, such as 18:30</extracomment>
        <translation>Se mantiene el equipo despierto hasta las %1.</translation>
    </message>
    <message>
        <source>Keeping the display awake until %1 tomorrow.</source>
        <translation>Se mantiene la pantalla despierta hasta mañana a las %1.</translation>
    </message>
    <message>
        <source>Keeping the display awake until %1.</source>
        <translation>Se mantiene la pantalla despierta hasta las %1.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until %1 tomorrow.</source>
        <translation>Se mantiene el equipo despierto hasta mañana a las %1.</translation>
    </message>
    <message>
        <source>Added %1 to the running session.</source>
        <extracomment>%1 is a duration, such as &quot;30m&quot;</extracomment>
        <translation>Se ha añadido %1 a la sesión en curso.</translation>
    </message>
    <message>
        <source>give either a reason&apos;s id (see “vigila list”) or --all.</source>
        <extracomment>keep &quot;vigila list&quot; and --all as they are</extracomment>
        <translation>indique el id de un motivo (consulte “vigila list”) o --all.</translation>
    </message>
    <message>
        <source>Stopped everything that kept the computer awake.</source>
        <translation>Se ha detenido todo lo que mantenía el equipo despierto.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <comment>one reason was stopped</comment>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>vigila: there is no command &quot;%1&quot;; run &quot;vigila --help&quot; for the list.
</source>
        <extracomment>%1 is the word given as a command; keep &quot;vigila --help&quot; as it is</extracomment>
        <translation>vigila: no existe el comando &quot;%1&quot;; ejecute &quot;vigila --help&quot; para ver la lista.
</translation>
    </message>
    <message>
        <source>arguments must be UTF-8 text.</source>
        <translation>los argumentos deben ser texto UTF-8.</translation>
    </message>
</context>
<context>
    <name>CommandOutputView</name>
    <message>
        <source>Output</source>
        <comment>the command&apos;s output</comment>
        <translation>Salida</translation>
    </message>
</context>
<context>
    <name>CommandPrefs</name>
    <message>
        <source>No saved commands yet</source>
        <translation>Aún no hay comandos guardados</translation>
    </message>
    <message>
        <source>Keep command history</source>
        <translation>Guardar el historial de comandos</translation>
    </message>
    <message>
        <source>Default shell</source>
        <translation>Shell predeterminado</translation>
    </message>
    <message>
        <source>Default working directory</source>
        <translation>Directorio de trabajo predeterminado</translation>
    </message>
    <message>
        <source>Clear command history</source>
        <translation>Borrar el historial de comandos</translation>
    </message>
    <message>
        <source>Saved commands</source>
        <translation>Comandos guardados</translation>
    </message>
    <message>
        <source>Command output is kept local only and is not inspected for secrets.</source>
        <translation>La salida de los comandos se guarda solo localmente y no se examina en busca de secretos.</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the saved command</comment>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the saved command</comment>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>Running: %1</source>
        <translation>En ejecución: %1</translation>
    </message>
</context>
<context>
    <name>CommandRunnerView</name>
    <message>
        <source>Choose…</source>
        <comment>choose the working directory</comment>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the command</comment>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>stop the running command</comment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Guardar en favoritos</translation>
    </message>
    <message>
        <source>Command, e.g. pnpm test</source>
        <translation>Comando, p. ej. pnpm test</translation>
    </message>
    <message>
        <source>Working directory (optional)</source>
        <translation>Directorio de trabajo (opcional)</translation>
    </message>
    <message>
        <source>Shell</source>
        <comment>the program that runs the command</comment>
        <translation>Shell</translation>
    </message>
    <message>
        <source>Run (%1)</source>
        <comment>run the command</comment>
        <extracomment>The Run button&apos;s tool tip; %1 is its keyboard shortcut</extracomment>
        <translation>Ejecutar (%1)</translation>
    </message>
    <message>
        <source>Name to save as favorite</source>
        <translation>Nombre con el que guardar el favorito</translation>
    </message>
    <message>
        <source>Run Command With Vigila</source>
        <translation>Ejecutar comando con Vigila</translation>
    </message>
    <message>
        <source>Vigila starts keep-awake before the command runs and releases it when the command exits.</source>
        <translation>Vigila empieza a mantener el equipo despierto antes de ejecutar el comando y deja de hacerlo cuando el comando termina.</translation>
    </message>
    <message>
        <source>Choose Working Directory</source>
        <translation>Elegir el directorio de trabajo</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>no command running</comment>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Running…</source>
        <comment>the command is running</comment>
        <translation>En ejecución…</translation>
    </message>
    <message>
        <source>Finished (exit 0)</source>
        <translation>Terminado (salida 0)</translation>
    </message>
    <message>
        <source>Failed (exit %1)</source>
        <extracomment>%1 is the command&apos;s exit code</extracomment>
        <translation>Fallido (salida %1)</translation>
    </message>
    <message>
        <source>Could not start: %1</source>
        <extracomment>%1 says why, e.g. &quot;No such file or directory&quot;</extracomment>
        <translation>No se pudo iniciar: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>the command was stopped</comment>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>CommandSidebar</name>
    <message>
        <source>last exit %1</source>
        <extracomment>%1 is the exit code of the command&apos;s last run</extracomment>
        <translation>última salida %1</translation>
    </message>
    <message>
        <source>Load</source>
        <comment>load the command into the editor</comment>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the command</comment>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the favorite command</comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>saved commands</comment>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>No favorites yet</source>
        <translation>Aún no hay favoritos</translation>
    </message>
    <message>
        <source>Recent</source>
        <comment>recently run commands</comment>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>No recent commands</source>
        <translation>No hay comandos recientes</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>vigila: Vigila is not running here (there is no session bus); start it in your desktop session, or use &quot;vigila run&quot;, which works without it.
</source>
        <extracomment>keep the command name &quot;vigila run&quot; as it is</extracomment>
        <translation>vigila: Vigila no se está ejecutando aquí (no hay bus de sesión); inícielo en su sesión de escritorio o use &quot;vigila run&quot;, que funciona sin él.
</translation>
    </message>
    <message>
        <source>vigila: Vigila is not running; start it from your application menu (or run &quot;vigila&quot; in your desktop session) and try again.
</source>
        <extracomment>keep the command name &quot;vigila&quot; as it is</extracomment>
        <translation>vigila: Vigila no se está ejecutando; inícielo desde el menú de aplicaciones (o ejecute &quot;vigila&quot; en su sesión de escritorio) y vuelva a intentarlo.
</translation>
    </message>
    <message>
        <source>vigila: Vigila did not answer in time; it may be busy or hung.
</source>
        <translation>vigila: Vigila no respondió a tiempo; puede que esté ocupado o bloqueado.
</translation>
    </message>
</context>
<context>
    <name>ControlService</name>
    <message>
        <source>A trigger&apos;s name is one line of at most %1 characters.</source>
        <translation>El nombre de un disparador es una sola línea de %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>The end time %1 is not in the future.</source>
        <extracomment>%1 is the end time asked for, in seconds since 1970</extracomment>
        <translation>La hora de fin %1 no está en el futuro.</translation>
    </message>
    <message>
        <source>The end time %1 is more than 366 days away.</source>
        <extracomment>%1 is the end time asked for, in seconds since 1970</extracomment>
        <translation>La hora de fin %1 está a más de 366 días.</translation>
    </message>
    <message>
        <source>No active reason has the id %1.</source>
        <translation>Ningún motivo activo tiene el id %1.</translation>
    </message>
    <message>
        <source>No timed or until-time session is running, so there is nothing to extend.</source>
        <translation>No hay ninguna sesión temporizada o hasta una hora en curso, así que no hay nada que prolongar.</translation>
    </message>
    <message>
        <source>The end time is not in the future.</source>
        <translation>La hora de fin no está en el futuro.</translation>
    </message>
    <message numerus="yes">
        <source>This connection already holds %n hold(s), as many as one connection may; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>Esta conexión ya mantiene %n retención, el máximo que puede tener una conexión; libere una primero.</numerusform>
            <numerusform>Esta conexión ya mantiene %n retenciones, el máximo que puede tener una conexión; libere una primero.</numerusform>
        </translation>
    </message>
    <message>
        <source>Terminal: %1</source>
        <extracomment>the tray&apos;s label for a command run with &quot;vigila run&quot;; %1 is the command or its --label</extracomment>
        <translation>Terminal: %1</translation>
    </message>
    <message numerus="yes">
        <source>Vigila already holds %n hold(s) for its clients, as many as it keeps; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>Vigila ya mantiene %n retención para sus clientes, el máximo que admite; libere una primero.</numerusform>
            <numerusform>Vigila ya mantiene %n retenciones para sus clientes, el máximo que admite; libere una primero.</numerusform>
        </translation>
    </message>
    <message>
        <source>This connection holds no hold with the id %1.</source>
        <translation>Esta conexión no mantiene ninguna retención con el id %1.</translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <extracomment>%1 is the mode asked for; keep system and display as they are</extracomment>
        <translation>Modo desconocido “%1”: use system, display o una cadena vacía para el valor predeterminado de las preferencias.</translation>
    </message>
    <message>
        <source>The duration must be more than 0 seconds and at most 366 days; %1 is not.</source>
        <extracomment>%1 is the number of seconds asked for</extracomment>
        <translation>La duración debe ser de más de 0 segundos y de 366 días como máximo; %1 no lo es.</translation>
    </message>
    <message>
        <source>The label is empty.</source>
        <translation>La etiqueta está vacía.</translation>
    </message>
    <message numerus="yes">
        <source>The label has %n character(s); at most %1 fit.</source>
        <extracomment>%1 is the most characters a label may have</extracomment>
        <translation>
            <numerusform>La etiqueta tiene %n carácter; caben como máximo %1.</numerusform>
            <numerusform>La etiqueta tiene %n caracteres; caben como máximo %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The label contains a line break or another control character.</source>
        <translation>La etiqueta contiene un salto de línea u otro carácter de control.</translation>
    </message>
    <message>
        <source>“%1” is not a reason id; “vigila list” (ListReasons) shows them.</source>
        <extracomment>%1 is the id given; keep &quot;vigila list&quot; and ListReasons as they are</extracomment>
        <translation>“%1” no es un id de motivo; “vigila list” (ListReasons) los muestra.</translation>
    </message>
</context>
<context>
    <name>DateFormatting</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Time left, short: %1 hours and %2 minutes (h and m abbreviate hour and minute)</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Time left, short: %1 seconds (s abbreviates second)</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Time left, short: %1 minutes and %2 seconds (m and s abbreviate minute and second)</extracomment>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1h</source>
        <extracomment>Hours left, drawn into the tray icon: at most three characters (h abbreviates hour)</extracomment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1d</source>
        <extracomment>Days left, drawn into the tray icon: at most three characters (d abbreviates day)</extracomment>
        <translation>%1d</translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is a clock time, e.g. 5:00 PM</extracomment>
        <translation>Hoy %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is a clock time, e.g. 8:00 AM</extracomment>
        <translation>Mañana %1</translation>
    </message>
    <message>
        <source>MMM d</source>
        <extracomment>A Qt date format for a day of this year; German would use d. MMM</extracomment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <extracomment>A Qt date format for a day with its year; German would use d. MMM yyyy</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A day and a clock time: %1 is the date (e.g. Dec 9), %2 the time (e.g. 5:00 PM)</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>DurationPreset</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderDownloadSource</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 no es una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>GeneralPrefs</name>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Show notifications</source>
        <translation>Mostrar notificaciones</translation>
    </message>
    <message>
        <source>Show remaining time in menu bar</source>
        <translation>Mostrar el tiempo restante en la barra de menús</translation>
    </message>
    <message>
        <source>Confirm before starting indefinite sessions</source>
        <translation>Confirmar antes de iniciar sesiones indefinidas</translation>
    </message>
    <message>
        <source>Default keep-awake mode</source>
        <translation>Modo predeterminado para mantener despierto</translation>
    </message>
    <message>
        <source>Default duration</source>
        <translation>Duración predeterminada</translation>
    </message>
</context>
<context>
    <name>HonestStatus</name>
    <message>
        <source>Running a background Claude/build task. I may be away from the keyboard, but the job is still active.</source>
        <translation>Ejecutando una tarea de Claude/compilación en segundo plano. Puede que no esté frente al teclado, pero el trabajo sigue en marcha.</translation>
    </message>
    <message>
        <source>Running a long local task. My computer is kept awake, but I may not respond immediately.</source>
        <translation>Ejecutando una tarea local larga. Mi equipo se mantiene despierto, pero puede que no responda de inmediato.</translation>
    </message>
    <message>
        <source>Claude Code is working through a repo task. I’ll check the results when it finishes.</source>
        <translation>Claude Code está trabajando en una tarea del repositorio. Revisaré los resultados cuando termine.</translation>
    </message>
</context>
<context>
    <name>InhibitorProvider</name>
    <message>
        <source>PowerManagement</source>
        <extracomment>a keep-awake service&apos;s name, as in &quot;Tried %1: none available.&quot;; keep the interface&apos;s name</extracomment>
        <translation>PowerManagement</translation>
    </message>
    <message>
        <source>ScreenSaver</source>
        <extracomment>a keep-awake service&apos;s name, as in &quot;Tried %1: none available.&quot;; keep the interface&apos;s name</extracomment>
        <translation>ScreenSaver</translation>
    </message>
    <message>
        <source>GNOME session manager</source>
        <extracomment>a keep-awake service, as in &quot;Tried %1: none available.&quot;</extracomment>
        <translation>el gestor de sesiones de GNOME</translation>
    </message>
    <message>
        <source>logind</source>
        <extracomment>a keep-awake service&apos;s name, as in &quot;Tried %1: none available.&quot;; the program&apos;s name stays as it is</extracomment>
        <translation>logind</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <extracomment>a keep-awake service, as in &quot;Tried %1: none available.&quot;</extracomment>
        <translation>el portal del escritorio</translation>
    </message>
</context>
<context>
    <name>LaunchCheck</name>
    <message>
        <source>No shell set</source>
        <translation>No hay ningún shell configurado</translation>
    </message>
    <message>
        <source>Shell not found: %1</source>
        <translation>No se encontró el shell: %1</translation>
    </message>
    <message>
        <source>Shell is not executable: %1</source>
        <translation>El shell no es ejecutable: %1</translation>
    </message>
    <message>
        <source>Working directory does not exist: %1</source>
        <translation>El directorio de trabajo no existe: %1</translation>
    </message>
    <message>
        <source>Not a directory: %1</source>
        <translation>No es un directorio: %1</translation>
    </message>
    <message>
        <source>Working directory is not accessible: %1</source>
        <translation>No se puede acceder al directorio de trabajo: %1</translation>
    </message>
</context>
<context>
    <name>MenuBarController</name>
    <message>
        <source>Vigila: asking for the keep-awake lock</source>
        <translation>Vigila: solicitando el bloqueo de suspensión</translation>
    </message>
    <message>
        <source>No system tray found: on GNOME install and enable the AppIndicator extension, then log in again; meanwhile use `vigila` from a terminal</source>
        <translation>No se encontró la bandeja del sistema: en GNOME, instale y active la extensión AppIndicator y vuelva a iniciar sesión; mientras tanto, use `vigila` desde un terminal</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <extracomment>%1 is the icon&apos;s description (&quot;Vigila: timed session active&quot;), %2 the time left</extracomment>
        <translation>%1 — quedan %2</translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message>
        <source>%1  (keeping awake now)</source>
        <translation>%1  (manteniendo despierto ahora)</translation>
    </message>
    <message>
        <source>%1  (holds, waiting out its delay)</source>
        <translation>%1  (se cumple, esperando su retraso)</translation>
    </message>
    <message>
        <source>No triggers yet</source>
        <translation>Aún no hay disparadores</translation>
    </message>
    <message>
        <source>%1 more in Preferences</source>
        <translation>%1 más en Preferencias</translation>
    </message>
    <message>
        <source>Manage Triggers…</source>
        <translation>Gestionar disparadores…</translation>
    </message>
    <message>
        <source>Keep Awake When…</source>
        <translation>Mantener despierto cuando…</translation>
    </message>
    <message numerus="yes">
        <source>   %n more — `vigila list`</source>
        <translation>
            <numerusform>   %n más — `vigila list`</numerusform>
            <numerusform>   %n más — `vigila list`</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME also holds off suspend while this runs (a terminal’s `systemctl suspend` needs -i)</source>
        <translation>GNOME también impide la suspensión mientras esto se ejecuta (en un terminal, `systemctl suspend` necesita -i)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <comment>a duration of one&apos;s own</comment>
        <translation>Personalizada…</translation>
    </message>
    <message>
        <source>6:00 PM</source>
        <extracomment>The clock time 18:00, written as the locale writes times</extracomment>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Medianoche</translation>
    </message>
    <message>
        <source>Tomorrow 8:00 AM</source>
        <extracomment>The clock time 08:00 on the next day, written as the locale writes times</extracomment>
        <translation>Mañana 8:00</translation>
    </message>
    <message>
        <source>Custom time…</source>
        <translation>Hora personalizada…</translation>
    </message>
    <message numerus="yes">
        <source>%1  (%n running)</source>
        <extracomment>%1 is the process name; %n how many processes of that name run</extracomment>
        <translation>
            <numerusform>%1  (%n en ejecución)</numerusform>
            <numerusform>%1  (%n en ejecución)</numerusform>
        </translation>
    </message>
    <message>
        <source>No process rules yet</source>
        <translation>Aún no hay reglas de procesos</translation>
    </message>
    <message>
        <source>Add Process…</source>
        <translation>Añadir proceso…</translation>
    </message>
    <message>
        <source>Manage in Preferences…</source>
        <translation>Gestionar en Preferencias…</translation>
    </message>
    <message>
        <source>Stop Keep Awake</source>
        <translation>Dejar de mantener despierto</translation>
    </message>
    <message>
        <source>Start Keep Awake</source>
        <translation>Mantener despierto</translation>
    </message>
    <message>
        <source>Keep Display Awake</source>
        <translation>Mantener la pantalla despierta</translation>
    </message>
    <message>
        <source>Keep Awake For…</source>
        <translation>Mantener despierto durante…</translation>
    </message>
    <message>
        <source>Keep Awake Until…</source>
        <translation>Mantener despierto hasta…</translation>
    </message>
    <message>
        <source>Keep Awake While Process Runs…</source>
        <translation>Mantener despierto mientras se ejecuta un proceso…</translation>
    </message>
    <message>
        <source>Run Command With Vigila…</source>
        <translation>Ejecutar comando con Vigila…</translation>
    </message>
    <message>
        <source>Active Reasons</source>
        <translation>Motivos activos</translation>
    </message>
    <message>
        <source>   • %1</source>
        <extracomment>A line of the list of what keeps the computer awake: %1 is its label</extracomment>
        <translation>   • %1</translation>
    </message>
    <message>
        <source>   • %1  —  %2 left</source>
        <extracomment>%1 is the reason&apos;s label, %2 the time left (e.g. 1h 30m)</extracomment>
        <translation>   • %1  —  quedan %2</translation>
    </message>
    <message>
        <source>Click to stop this reason</source>
        <translation>Haga clic para detener este motivo</translation>
    </message>
    <message>
        <source>   None</source>
        <comment>no reason keeps the computer awake</comment>
        <translation>   Ninguno</translation>
    </message>
    <message>
        <source>   ↻ Extend session by 30 min</source>
        <translation>   ↻ Prolongar la sesión 30 min</translation>
    </message>
    <message>
        <source>Stop Current Session</source>
        <translation>Detener la sesión actual</translation>
    </message>
    <message>
        <source>Also Keeping Awake</source>
        <translation>También mantienen el equipo despierto</translation>
    </message>
    <message>
        <source>   and %1 more</source>
        <translation>   y %1 más</translation>
    </message>
    <message>
        <source>Copy Honest Status Message</source>
        <translation>Copiar mensaje de estado honesto</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Vigila</source>
        <translation>Salir de Vigila</translation>
    </message>
    <message>
        <source>Inactive — your computer can sleep normally</source>
        <translation>Inactivo — el equipo puede suspenderse con normalidad</translation>
    </message>
    <message numerus="yes">
        <source>Starting — asking for the keep-awake lock (%n reason(s))</source>
        <translation>
            <numerusform>Iniciando — solicitando el bloqueo de suspensión (%n motivo)</numerusform>
            <numerusform>Iniciando — solicitando el bloqueo de suspensión (%n motivos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Waiting — the keep-awake lock could not be taken (%n reason(s))</source>
        <translation>
            <numerusform>En espera — no se pudo obtener el bloqueo de suspensión (%n motivo)</numerusform>
            <numerusform>En espera — no se pudo obtener el bloqueo de suspensión (%n motivos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping display awake (%n reason(s))</source>
        <translation>
            <numerusform>Activo — manteniendo la pantalla despierta (%n motivo)</numerusform>
            <numerusform>Activo — manteniendo la pantalla despierta (%n motivos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping system awake (%n reason(s))</source>
        <translation>
            <numerusform>Activo — manteniendo el sistema despierto (%n motivo)</numerusform>
            <numerusform>Activo — manteniendo el sistema despierto (%n motivos)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Trigger “%1” started</source>
        <translation>Disparador “%1” iniciado</translation>
    </message>
    <message>
        <source>Keeping awake: %1.</source>
        <translation>Manteniendo despierto: %1.</translation>
    </message>
    <message>
        <source>Trigger “%1” ended</source>
        <translation>Disparador “%1” finalizado</translation>
    </message>
    <message>
        <source>Its condition no longer holds.</source>
        <translation>Su condición ya no se cumple.</translation>
    </message>
    <message>
        <source>Vigila has no icon</source>
        <translation>Vigila no tiene icono</translation>
    </message>
    <message>
        <source>Keep-awake started</source>
        <translation>Mantener despierto iniciado</translation>
    </message>
    <message>
        <source>Keep-awake ended</source>
        <translation>Mantener despierto finalizado</translation>
    </message>
    <message>
        <source>Battery warning</source>
        <translation>Aviso de batería</translation>
    </message>
    <message>
        <source>Vigila error</source>
        <translation>Error de Vigila</translation>
    </message>
    <message>
        <source>Could not create keep-awake assertion.</source>
        <translation>No se pudo crear el bloqueo de suspensión.</translation>
    </message>
    <message>
        <source>Process watch active</source>
        <translation>Vigilancia de procesos activa</translation>
    </message>
    <message>
        <source>Keeping awake while “%1” runs.</source>
        <translation>Manteniendo despierto mientras se ejecuta “%1”.</translation>
    </message>
    <message>
        <source>Process watch released</source>
        <translation>Vigilancia de procesos liberada</translation>
    </message>
    <message>
        <source>“%1” is no longer running.</source>
        <translation>“%1” ya no se está ejecutando.</translation>
    </message>
    <message>
        <source>Command cancelled</source>
        <translation>Comando cancelado</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <extracomment>%1 is the command line, %2 its exit status</extracomment>
        <translation>%1
Código de salida %2</translation>
    </message>
    <message>
        <source>Command finished</source>
        <translation>Comando terminado</translation>
    </message>
    <message>
        <source>Command failed</source>
        <translation>El comando ha fallado</translation>
    </message>
    <message>
        <source>Command failed to start</source>
        <translation>El comando no se pudo iniciar</translation>
    </message>
</context>
<context>
    <name>OtherInhibitor</name>
    <message>
        <source>Unknown program</source>
        <translation>Programa desconocido</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is the program holding the lock, %2 the reason it gives</extracomment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>OutputBuffer</name>
    <message>
        <source>…[earlier output truncated]…
</source>
        <translation>…[salida anterior truncada]…
</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>General</source>
        <comment>preferences tab</comment>
        <translation>General</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>preferences tab</comment>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Process Watch</source>
        <comment>preferences tab</comment>
        <translation>Vigilancia de procesos</translation>
    </message>
    <message>
        <source>Triggers</source>
        <comment>preferences tab</comment>
        <translation>Disparadores</translation>
    </message>
    <message>
        <source>Commands</source>
        <comment>preferences tab</comment>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>preferences tab</comment>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>About</source>
        <comment>preferences tab</comment>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>ProcessPrefs</name>
    <message>
        <source>Add a process</source>
        <translation>Añadir un proceso</translation>
    </message>
    <message>
        <source>Keep awake while these processes run</source>
        <translation>Mantener despierto mientras se ejecuten estos procesos</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A polling interval; %1 is a number of seconds</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Polling interval</source>
        <translation>Intervalo de sondeo</translation>
    </message>
    <message>
        <source>Warn on broad process names</source>
        <translation>Avisar de nombres de proceso demasiado amplios</translation>
    </message>
    <message>
        <source>Process watching reads /proc and needs no special permissions.</source>
        <translation>La vigilancia de procesos lee /proc y no necesita permisos especiales.</translation>
    </message>
</context>
<context>
    <name>ProcessRule</name>
    <message>
        <source>Exact</source>
        <comment>the process name is matched as a whole</comment>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Contains</source>
        <comment>the process name is found within the command line</comment>
        <translation>Contiene</translation>
    </message>
</context>
<context>
    <name>ProcessRuleRow</name>
    <message>
        <source>Enabled</source>
        <comment>the process watch is on</comment>
        <translation>Activada</translation>
    </message>
    <message>
        <source>name</source>
        <comment>the process name</comment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the process watch</comment>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>ProcessWatcher</name>
    <message numerus="yes">
        <source>“%1” running (%n match(es))</source>
        <extracomment>%1 is the process name the rule looks for; %n how many running processes match it</extracomment>
        <translation>
            <numerusform>“%1” en ejecución (%n coincidencia)</numerusform>
            <numerusform>“%1” en ejecución (%n coincidencias)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtMenuDialogs</name>
    <message>
        <source>Start an indefinite keep-awake session?</source>
        <translation>¿Iniciar una sesión indefinida para mantener despierto?</translation>
    </message>
    <message>
        <source>This keeps your computer awake until you stop it. %1</source>
        <extracomment>%1 says why the computer may sleep all the same (lid closed, low battery, …)</extracomment>
        <translation>Esto mantiene el equipo despierto hasta que lo detenga. %1</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>start the keep-awake session</comment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Keep Awake For…</source>
        <translation>Mantener despierto durante…</translation>
    </message>
    <message>
        <source>Enter a duration in minutes.</source>
        <translation>Introduzca una duración en minutos.</translation>
    </message>
    <message>
        <source>Keep Awake Until…</source>
        <translation>Mantener despierto hasta…</translation>
    </message>
    <message>
        <source>Choose the time to stop keeping your computer awake.</source>
        <translation>Elija la hora a la que dejar de mantener el equipo despierto.</translation>
    </message>
    <message>
        <source>Add Process Watch</source>
        <translation>Añadir vigilancia de proceso</translation>
    </message>
    <message>
        <source>Keep the computer awake while a process with this name is running.</source>
        <translation>Mantener el equipo despierto mientras se ejecute un proceso con este nombre.</translation>
    </message>
    <message>
        <source>Add &amp; Enable</source>
        <extracomment>The &quot;&amp;&quot; shows as it is: the button has no keyboard mnemonic</extracomment>
        <translation>Añadir y activar</translation>
    </message>
    <message>
        <source>e.g. claude</source>
        <extracomment>An example process name; &quot;claude&quot; is a program&apos;s name</extracomment>
        <translation>p. ej. claude</translation>
    </message>
    <message>
        <source>Broad process name</source>
        <translation>Nombre de proceso demasiado amplio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ReasonOutput</name>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is what went wrong with the keep-awake lock</extracomment>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>%1 is a note on the keep-awake lock</extracomment>
        <translation>Nota: %1</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <extracomment>%1 is what the battery guard says</extracomment>
        <translation>Batería: %1</translation>
    </message>
    <message>
        <source>Last stopped: %1</source>
        <extracomment>%1 is what stopped the last session and why</extracomment>
        <translation>Última detención: %1</translation>
    </message>
    <message>
        <source>Also keeping awake:</source>
        <translation>También mantienen el equipo despierto:</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 is another program and why it keeps the computer awake, %2 its process id</extracomment>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <source>Nothing keeps the computer awake.</source>
        <translation>Nada mantiene el equipo despierto.</translation>
    </message>
    <message>
        <source>ID</source>
        <extracomment>a column title: a reason&apos;s id</extracomment>
        <translation>ID</translation>
    </message>
    <message>
        <source>TYPE</source>
        <extracomment>a column title: a reason&apos;s type</extracomment>
        <translation>TIPO</translation>
    </message>
    <message>
        <source>MODE</source>
        <extracomment>a column title: the mode kept awake, system or display</extracomment>
        <translation>MODO</translation>
    </message>
    <message>
        <source>ENDS</source>
        <extracomment>a column title: when a reason ends</extracomment>
        <translation>FIN</translation>
    </message>
    <message>
        <source>LABEL</source>
        <extracomment>a column title: a reason&apos;s label</extracomment>
        <translation>ETIQUETA</translation>
    </message>
</context>
<context>
    <name>SafetyCopy</name>
    <message>
        <source>Keep your computer awake while real work runs.</source>
        <translation>Mantenga el equipo despierto mientras se realiza trabajo real.</translation>
    </message>
    <message>
        <source>Vigila keeps your computer awake so real work can continue. It does not fake activity, bypass lock screens, or change your presence in communication apps.</source>
        <translation>Vigila mantiene el equipo despierto para que el trabajo real pueda continuar. No simula actividad, no elude las pantallas de bloqueo ni cambia su estado de presencia en las aplicaciones de comunicación.</translation>
    </message>
    <message>
        <source>Display Awake keeps your screen on. It does not bypass lock screen or password settings.</source>
        <translation>El modo de pantalla despierta mantiene la pantalla encendida. No elude la pantalla de bloqueo ni la configuración de contraseñas.</translation>
    </message>
    <message>
        <source>Vigila prevents idle sleep. Your computer may still sleep because of lid close, low battery, explicit Sleep, or administrator policies.</source>
        <translation>Vigila evita la suspensión por inactividad. El equipo puede suspenderse igualmente al cerrar la tapa, con batería baja, al suspenderlo explícitamente o por políticas del administrador.</translation>
    </message>
    <message>
        <source>Vigila runs locally. It does not track you, send analytics, or connect to chat apps.</source>
        <translation>Vigila funciona localmente. No le rastrea, no envía datos analíticos ni se conecta a aplicaciones de chat.</translation>
    </message>
    <message>
        <source>Vigila does not fake activity.</source>
        <translation>Vigila no simula actividad.</translation>
    </message>
    <message>
        <source>Vigila does not prevent screen lock.</source>
        <translation>Vigila no impide el bloqueo de pantalla.</translation>
    </message>
    <message>
        <source>Vigila does not interact with Slack or Teams.</source>
        <translation>Vigila no interactúa con Slack ni con Teams.</translation>
    </message>
    <message>
        <source>Vigila does not move the mouse or press keys.</source>
        <translation>Vigila no mueve el ratón ni pulsa teclas.</translation>
    </message>
    <message>
        <source>Vigila only uses the standard keep-awake locks of your desktop and systemd-logind.</source>
        <translation>Vigila solo usa los bloqueos de suspensión estándar del escritorio y de systemd-logind.</translation>
    </message>
    <message>
        <source>Broad names like “node” or “python” can match many unrelated processes, which may keep your computer awake longer than you expect.</source>
        <translation>Los nombres amplios como “node” o “python” pueden coincidir con muchos procesos no relacionados, lo que puede mantener el equipo despierto más tiempo del esperado.</translation>
    </message>
</context>
<context>
    <name>SafetyPrefs</name>
    <message>
        <source>What Vigila does and doesn&apos;t do</source>
        <translation>Qué hace y qué no hace Vigila</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>The schedule is longer than %1 characters.</source>
        <translation>El horario tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>The schedule is empty. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation>El horario está vacío. Escriba días y horas, como “Mon-Fri 09:00-17:30”.</translation>
    </message>
    <message>
        <source>“%1” is not a schedule. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation>“%1” no es un horario. Escriba días y horas, como “Mon-Fri 09:00-17:30”.</translation>
    </message>
    <message>
        <source>“%1” are not days of the week (use Mon, Tue, Wed, Thu, Fri, Sat, Sun or Daily).</source>
        <translation>“%1” no son días de la semana (use Mon, Tue, Wed, Thu, Fri, Sat, Sun o Daily).</translation>
    </message>
    <message>
        <source>“%1-%2” are not hours of the day (use 00:00 to 24:00).</source>
        <translation>“%1-%2” no son horas del día (use de 00:00 a 24:00).</translation>
    </message>
    <message>
        <source>A schedule has at most %1 windows.</source>
        <translation>Un horario tiene como máximo %1 franjas.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Every day %1</source>
        <translation>Todos los días %1</translation>
    </message>
    <message>
        <source>Weekdays %1</source>
        <translation>Entre semana %1</translation>
    </message>
    <message>
        <source>Weekends %1</source>
        <translation>Fines de semana %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>StatusIcon</name>
    <message>
        <source>Vigila: inactive</source>
        <translation>Vigila: inactivo</translation>
    </message>
    <message>
        <source>Vigila: keeping system awake</source>
        <translation>Vigila: manteniendo activo el sistema</translation>
    </message>
    <message>
        <source>Vigila: keeping display awake</source>
        <translation>Vigila: manteniendo activa la pantalla</translation>
    </message>
    <message>
        <source>Vigila: timed session active</source>
        <translation>Vigila: sesión temporizada activa</translation>
    </message>
    <message>
        <source>Vigila: process-based session active</source>
        <translation>Vigila: sesión ligada a un proceso activa</translation>
    </message>
    <message>
        <source>Vigila: command-based session active</source>
        <translation>Vigila: sesión ligada a un comando activa</translation>
    </message>
    <message>
        <source>Vigila: battery guardrail triggered</source>
        <translation>Vigila: protección de batería activada</translation>
    </message>
    <message>
        <source>Vigila: assertion failed</source>
        <translation>Vigila: no se pudo obtener el bloqueo</translation>
    </message>
</context>
<context>
    <name>TerminalRun</name>
    <message>
        <source>the session bus does not answer; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>el bus de sesión no responde; se mantiene el equipo despierto por su cuenta (%1) mientras se ejecuta el comando.</translation>
    </message>
    <message>
        <source>the session bus does not answer and no keep-awake lock is available; running the command anyway.</source>
        <translation>el bus de sesión no responde y no hay ningún bloqueo de suspensión disponible; el comando se ejecuta de todos modos.</translation>
    </message>
    <message>
        <source>Vigila quit; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>Vigila se ha cerrado; se mantiene el equipo despierto por su cuenta (%1) mientras se ejecuta el comando.</translation>
    </message>
    <message>
        <source>cannot run “%1”: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>no se puede ejecutar “%1”: %2</translation>
    </message>
    <message>
        <source>Vigila did not take the hold (%1); keeping the computer awake here instead.</source>
        <extracomment>%1 is Vigila&apos;s answer, the reason it did not take the hold</extracomment>
        <translation>Vigila no ha aceptado la retención (%1); se mantiene el equipo despierto desde aquí.</translation>
    </message>
    <message>
        <source>Vigila is not running; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>Vigila no se está ejecutando; se mantiene el equipo despierto por su cuenta (%1) mientras se ejecuta el comando.</translation>
    </message>
    <message>
        <source>Vigila is not running and no keep-awake lock is available; running the command anyway.</source>
        <translation>Vigila no se está ejecutando y no hay ningún bloqueo de suspensión disponible; el comando se ejecuta de todos modos.</translation>
    </message>
    <message>
        <source>the keep-awake hold was stopped in Vigila; the command keeps running.</source>
        <translation>la retención se ha detenido en Vigila; el comando sigue ejecutándose.</translation>
    </message>
    <message>
        <source>Vigila quit; the command keeps running without keeping the computer awake.</source>
        <translation>Vigila se ha cerrado; el comando sigue ejecutándose sin mantener el equipo despierto.</translation>
    </message>
</context>
<context>
    <name>TriggerCommands</name>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation>vigila: el bus de sesión no responde, así que no se puede contactar con Vigila; puede que el servicio D-Bus de la sesión esté bloqueado.</translation>
    </message>
    <message>
        <source>Usage: vigila trigger add KIND [OPTIONS]
       vigila trigger remove|enable|disable NAME-OR-ID

Adds a trigger that keeps the computer awake while its condition holds, or removes,
enables or disables one (by its name or its id from &quot;vigila triggers&quot;).

Kinds:
  ac                          while the power adapter is connected
  display                     while an external display is connected (or docked)
  remote-session [--any-user] while you (or anyone) are logged in remotely, as over SSH
  unit NAME [--user|--system] while a systemd unit runs (the system&apos;s by default)
  schedule &quot;Mon-Fri 09:00-17:30&quot;  during weekly windows of local time
  audio [--ignore APP]... [--only APP]...
                              while sound plays (not paused, muted or silent)
  download [--folder DIR]... [--pattern GLOB]...
                              while a partial download grows (Downloads by default)
  network --above KB/S [--window DURATION] [--interface NAME]
                              while traffic stays above a rate (30 s average)
  busy PROCESS [--contains] [--above PERCENT] [--window DURATION]
                              while a process uses more CPU (10 % of a core, 60 s)
  machine [NAME]              while a virtual machine or container runs

Options of add:
  --name TEXT      what the menu shows (the condition by default)
  --display        keep the display on as well (else the preferences&apos; default mode)
  --system-only    keep only the system awake
  --delay DURATION the condition must hold this long first (90, 90s, 5m; default 0)
  --grace DURATION stay awake this long after it ends (default 0)
  --only-on-ac     only while on AC power
  --disabled       add it turned off

Prints the new trigger&apos;s id.
</source>
        <extracomment>keep the command and option names, the kinds and the schedule&apos;s example as they are</extracomment>
        <translation>Uso: vigila trigger add TIPO [OPCIONES]
     vigila trigger remove|enable|disable NOMBRE-O-ID

Añade un disparador que mantiene el equipo despierto mientras se cumple su condición,
o quita, activa o desactiva uno (por su nombre o su id de &quot;vigila triggers&quot;).

Tipos:
  ac                          mientras el adaptador de corriente está conectado
  display                     mientras hay una pantalla externa conectada (o acoplado)
  remote-session [--any-user] mientras usted (o cualquiera) tiene una sesión remota, como por SSH
  unit NOMBRE [--user|--system] mientras se ejecuta una unidad de systemd (del sistema por omisión)
  schedule &quot;Mon-Fri 09:00-17:30&quot;  en franjas semanales de hora local
  audio [--ignore APP]... [--only APP]...
                              mientras suena audio (sin pausa, silencio ni volumen a cero)
  download [--folder DIR]... [--pattern GLOB]...
                              mientras crece una descarga parcial (en Descargas por omisión)
  network --above KB/S [--window DURACIÓN] [--interface NOMBRE]
                              mientras el tráfico supera un ritmo (media de 30 s)
  busy PROCESO [--contains] [--above PORCENTAJE] [--window DURACIÓN]
                              mientras un proceso usa más CPU (10 % de un núcleo, 60 s)
  machine [NOMBRE]            mientras se ejecuta una máquina virtual o un contenedor

Opciones de add:
  --name TEXTO     lo que muestra el menú (la condición por omisión)
  --display        mantener también la pantalla encendida (si no, el modo de las preferencias)
  --system-only    mantener despierto solo el sistema
  --delay DURACIÓN cuánto debe cumplirse antes la condición (90, 90s, 5m; por omisión 0)
  --grace DURACIÓN cuánto seguir despierto después de que termine (por omisión 0)
  --only-on-ac     solo con el equipo conectado a la corriente
  --disabled       añadirlo desactivado

Muestra el id del nuevo disparador.
</translation>
    </message>
    <message>
        <source>cannot run</source>
        <extracomment>a trigger&apos;s state, after its name</extracomment>
        <translation>no puede ejecutarse</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>a trigger&apos;s state: turned off</extracomment>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>on, keeping awake now</source>
        <extracomment>a trigger&apos;s state</extracomment>
        <translation>activado, manteniendo despierto ahora</translation>
    </message>
    <message>
        <source>on, holds, waiting out its delay</source>
        <extracomment>a trigger&apos;s state: its condition holds, and it waits for its delay to pass</extracomment>
        <translation>activado, se cumple, esperando a que pase el retraso</translation>
    </message>
    <message>
        <source>on, holds (stopped from the menu until it ends)</source>
        <extracomment>a trigger&apos;s state: its condition holds, but the user stopped it from the menu</extracomment>
        <translation>activado, se cumple (detenido desde el menú hasta que termine)</translation>
    </message>
    <message>
        <source>on, waiting</source>
        <extracomment>a trigger&apos;s state: turned on, its condition does not hold</extracomment>
        <translation>activado, esperando</translation>
    </message>
    <message>
        <source>No triggers. Add one with &quot;vigila trigger add&quot; or in Preferences.
</source>
        <extracomment>keep &quot;vigila trigger add&quot; as it is</extracomment>
        <translation>No hay disparadores. Añada uno con &quot;vigila trigger add&quot; o en Preferencias.
</translation>
    </message>
    <message>
        <source>%1 — %2
</source>
        <extracomment>%1 is the trigger&apos;s name, %2 its state</extracomment>
        <translation>%1 — %2
</translation>
    </message>
    <message>
        <source>%1, only on AC power</source>
        <extracomment>%1 is the trigger&apos;s condition</extracomment>
        <translation>%1, solo conectado a la corriente</translation>
    </message>
    <message>
        <source>%1, after %2</source>
        <extracomment>%1 is the trigger&apos;s condition, %2 how long it must hold first</extracomment>
        <translation>%1, tras %2</translation>
    </message>
    <message>
        <source>%1, staying %2 after</source>
        <extracomment>%1 is the trigger&apos;s condition, %2 how long the computer stays awake after it ends</extracomment>
        <translation>%1, y %2 después</translation>
    </message>
    <message>
        <source>    when: %1
</source>
        <extracomment>%1 is the trigger&apos;s condition</extracomment>
        <translation>    cuándo: %1
</translation>
    </message>
    <message>
        <source>    now: %1
</source>
        <extracomment>%1 is what the trigger keeps the computer awake for now</extracomment>
        <translation>    ahora: %1
</translation>
    </message>
    <message>
        <source>    id: %1
</source>
        <extracomment>%1 is the trigger&apos;s id</extracomment>
        <translation>    id: %1
</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostrar esta ayuda.</translation>
    </message>
    <message>
        <source>What the menu shows.</source>
        <translation>Lo que muestra el menú.</translation>
    </message>
    <message>
        <source>Keep the display on as well.</source>
        <translation>Mantener también la pantalla encendida.</translation>
    </message>
    <message>
        <source>Keep only the system awake.</source>
        <translation>Mantener despierto solo el sistema.</translation>
    </message>
    <message>
        <source>How long the condition must hold first.</source>
        <translation>Cuánto debe cumplirse antes la condición.</translation>
    </message>
    <message>
        <source>How long to stay awake after it ends.</source>
        <translation>Cuánto seguir despierto después de que termine.</translation>
    </message>
    <message>
        <source>Only while on AC power.</source>
        <translation>Solo con el equipo conectado a la corriente.</translation>
    </message>
    <message>
        <source>Add it turned off.</source>
        <translation>Añadirlo desactivado.</translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session counts, not only yours.</source>
        <translation>Cuenta la sesión remota de cualquiera, no solo la suya.</translation>
    </message>
    <message>
        <source>The unit is one of your own systemd user units.</source>
        <translation>La unidad es una de sus propias unidades de usuario de systemd.</translation>
    </message>
    <message>
        <source>The unit is a system unit (the default).</source>
        <translation>La unidad es una unidad del sistema (por omisión).</translation>
    </message>
    <message>
        <source>An application whose sound does not count.</source>
        <translation>Una aplicación cuyo sonido no cuenta.</translation>
    </message>
    <message>
        <source>Only this application&apos;s sound counts.</source>
        <translation>Solo cuenta el sonido de esta aplicación.</translation>
    </message>
    <message>
        <source>A folder to watch for downloads.</source>
        <translation>Una carpeta en la que vigilar descargas.</translation>
    </message>
    <message>
        <source>A partial download&apos;s name, such as *.part.</source>
        <translation>El nombre de una descarga parcial, como *.part.</translation>
    </message>
    <message>
        <source>The rate (KB/s) or CPU use (% of a core) to stay above.</source>
        <translation>El ritmo (KB/s) o uso de CPU (% de un núcleo) que se debe superar.</translation>
    </message>
    <message>
        <source>How long to average over (10s to 10m).</source>
        <translation>Durante cuánto tiempo se calcula la media (de 10s a 10m).</translation>
    </message>
    <message>
        <source>Only this network interface.</source>
        <translation>Solo esta interfaz de red.</translation>
    </message>
    <message>
        <source>Match the process anywhere in its command line.</source>
        <translation>Buscar el proceso en cualquier parte de su línea de comandos.</translation>
    </message>
    <message>
        <source>%1 takes one trigger: its name or id.</source>
        <extracomment>%1 is remove, enable or disable, as the user wrote it</extracomment>
        <translation>%1 admite un solo disparador: su nombre o su id.</translation>
    </message>
    <message>
        <source>--%1 is an option of &quot;trigger add&quot;.</source>
        <extracomment>%1 is an option&apos;s name; keep &quot;trigger add&quot; as it is</extracomment>
        <translation>--%1 es una opción de &quot;trigger add&quot;.</translation>
    </message>
    <message>
        <source>Removed the trigger “%1”.</source>
        <translation>Se ha quitado el disparador “%1”.</translation>
    </message>
    <message>
        <source>Enabled the trigger “%1”.</source>
        <translation>Se ha activado el disparador “%1”.</translation>
    </message>
    <message>
        <source>Disabled the trigger “%1”.</source>
        <translation>Se ha desactivado el disparador “%1”.</translation>
    </message>
    <message>
        <source>“%1” is not add, remove, enable or disable.</source>
        <extracomment>%1 is what the user wrote; keep add, remove, enable and disable as they are</extracomment>
        <translation>“%1” no es add, remove, enable ni disable.</translation>
    </message>
    <message>
        <source>say which kind: ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <extracomment>keep the kinds as they are</extracomment>
        <translation>indique el tipo: ac, display, remote-session, unit, schedule, audio, download, network, busy o machine.</translation>
    </message>
    <message>
        <source>a unit is either --user or --system.</source>
        <translation>una unidad es --user o --system, no ambas.</translation>
    </message>
    <message>
        <source>name the unit, such as backup.service.</source>
        <translation>indique la unidad, como backup.service.</translation>
    </message>
    <message>
        <source>give the schedule, such as &quot;Mon-Fri 09:00-17:30&quot;.</source>
        <translation>indique el horario, como &quot;Mon-Fri 09:00-17:30&quot;.</translation>
    </message>
    <message>
        <source>say above which rate, in KB/s: --above 500.</source>
        <translation>indique por encima de qué ritmo, en KB/s: --above 500.</translation>
    </message>
    <message>
        <source>name the process, such as ffmpeg.</source>
        <translation>indique el proceso, como ffmpeg.</translation>
    </message>
    <message>
        <source>say above which CPU use, in percent of a core: --above 25.</source>
        <translation>indique por encima de qué uso de CPU, en porcentaje de un núcleo: --above 25.</translation>
    </message>
    <message>
        <source>“%1” is not a kind; use ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <extracomment>%1 is what the user wrote; keep the kinds as they are</extracomment>
        <translation>“%1” no es un tipo; use ac, display, remote-session, unit, schedule, audio, download, network, busy o machine.</translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 30s, 1m or 10m.</source>
        <extracomment>%1 is what the user wrote; keep 30s, 1m and 10m as they are</extracomment>
        <translation>“%1” no es una duración; escriba 30s, 1m o 10m.</translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <translation>“%1” inesperado.</translation>
    </message>
    <message>
        <source>--%1 does not go with %2.</source>
        <extracomment>%1 is an option&apos;s name, %2 the trigger&apos;s kind, such as ac</extracomment>
        <translation>--%1 no se puede usar con %2.</translation>
    </message>
    <message>
        <source>choose --display or --system-only, not both.</source>
        <translation>elija --display o --system-only, no ambas.</translation>
    </message>
    <message>
        <source>“%1” is not a duration of at most a day; write 0, 90 (seconds), 90s, 45m or 2h.</source>
        <extracomment>%1 is what the user wrote; keep the durations as they are</extracomment>
        <translation>“%1” no es una duración de un día como máximo; escriba 0, 90 (segundos), 90s, 45m o 2h.</translation>
    </message>
    <message>
        <source>vigila trigger: %1
Run &quot;vigila trigger --help&quot; for how to use it.
</source>
        <extracomment>%1 is what is wrong; keep &quot;vigila trigger --help&quot; as it is</extracomment>
        <translation>vigila trigger: %1
Ejecute &quot;vigila trigger --help&quot; para ver cómo usarlo.
</translation>
    </message>
</context>
<context>
    <name>TriggerMaps</name>
    <message>
        <source>Unknown key “%1”.</source>
        <extracomment>%1 is the key given</extracomment>
        <translation>Clave desconocida “%1”.</translation>
    </message>
    <message>
        <source>The key “%1” has a value of the wrong type.</source>
        <extracomment>%1 is the key&apos;s name</extracomment>
        <translation>La clave “%1” tiene un valor de tipo incorrecto.</translation>
    </message>
    <message>
        <source>Unknown kind “%1”: use ac, display, remote-session, unit or schedule.</source>
        <extracomment>%1 is the kind given; keep the kinds as they are</extracomment>
        <translation>Tipo desconocido “%1”: use ac, display, remote-session, unit o schedule.</translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <extracomment>%1 is the mode given; keep system and display as they are</extracomment>
        <translation>Modo desconocido “%1”: use system, display o una cadena vacía para el modo predeterminado de las preferencias.</translation>
    </message>
    <message>
        <source>The %1 must be between 0 and %2 seconds.</source>
        <extracomment>%1 is the key&apos;s name, delay or grace, as it is; %2 the most seconds</extracomment>
        <translation>La clave %1 debe estar entre 0 y %2 segundos.</translation>
    </message>
</context>
<context>
    <name>TriggerPrefs</name>
    <message>
        <source>Add a trigger</source>
        <translation>Añadir un disparador</translation>
    </message>
    <message>
        <source>Keep awake when…</source>
        <translation>Mantener despierto cuando…</translation>
    </message>
    <message>
        <source>No triggers yet. Add one with the + button above.</source>
        <translation>Aún no hay disparadores. Añada uno con el botón + de arriba.</translation>
    </message>
    <message>
        <source>Notify when a trigger starts or stops</source>
        <translation>Notificar cuando un disparador empiece o termine</translation>
    </message>
    <message>
        <source>A trigger keeps the computer awake while its condition holds, after its delay, and for its grace time after the condition ends.</source>
        <translation>Un disparador mantiene el equipo despierto mientras se cumple su condición, tras su retraso, y durante su margen después de que la condición termine.</translation>
    </message>
</context>
<context>
    <name>TriggerRule</name>
    <message>
        <source>This kind of trigger (“%1”) comes from a newer version of Vigila.</source>
        <translation>Este tipo de disparador (“%1”) procede de una versión más reciente de Vigila.</translation>
    </message>
    <message>
        <source>Whose sessions count is not set.</source>
        <translation>No se ha indicado de quién cuentan las sesiones.</translation>
    </message>
    <message>
        <source>No unit is named.</source>
        <translation>No se ha indicado ninguna unidad.</translation>
    </message>
    <message>
        <source>“%1” is not a systemd unit name (like backup.service).</source>
        <translation>“%1” no es un nombre de unidad de systemd (como backup.service).</translation>
    </message>
    <message>
        <source>Whether the unit is the user&apos;s or the system&apos;s is not set.</source>
        <translation>No se ha indicado si la unidad es del usuario o del sistema.</translation>
    </message>
    <message>
        <source>No schedule is set.</source>
        <translation>No se ha indicado ningún horario.</translation>
    </message>
    <message>
        <source>“%1” is not a full path to a folder (it must start with /).</source>
        <translation>“%1” no es una ruta completa a una carpeta (debe empezar por /).</translation>
    </message>
    <message>
        <source>The traffic threshold must be between 1 and 10 000 000 KB/s.</source>
        <translation>El umbral de tráfico debe estar entre 1 y 10 000 000 KB/s.</translation>
    </message>
    <message>
        <source>The network interface is not a name.</source>
        <translation>La interfaz de red no es un nombre válido.</translation>
    </message>
    <message>
        <source>No process is named.</source>
        <translation>No se ha indicado ningún proceso.</translation>
    </message>
    <message>
        <source>A process is matched by its exact name or by what its command line contains.</source>
        <translation>Un proceso se identifica por su nombre exacto o por lo que contiene su línea de comandos.</translation>
    </message>
    <message>
        <source>The CPU threshold must be between 1 and 6400 % of a core.</source>
        <translation>El umbral de CPU debe estar entre el 1 y el 6400 % de un núcleo.</translation>
    </message>
    <message>
        <source>The machine is not a name.</source>
        <translation>La máquina no es un nombre válido.</translation>
    </message>
    <message>
        <source>Unknown condition “%1”</source>
        <translation>Condición desconocida “%1”</translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session open</source>
        <translation>Sesión remota abierta de cualquier usuario</translation>
    </message>
    <message>
        <source>Remote session open</source>
        <translation>Sesión remota abierta</translation>
    </message>
    <message>
        <source>%1 running (user unit)</source>
        <translation>%1 en ejecución (unidad de usuario)</translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation>%1 en ejecución</translation>
    </message>
    <message>
        <source>Schedule “%1”</source>
        <translation>Horario “%1”</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Sonido en reproducción</translation>
    </message>
    <message>
        <source>Sound playing from %1</source>
        <translation>Sonido en reproducción desde %1</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Descarga en curso</translation>
    </message>
    <message>
        <source>Download in progress in %1</source>
        <translation>Descarga en curso en %1</translation>
    </message>
    <message>
        <source>Network traffic above %1 KB/s</source>
        <translation>Tráfico de red por encima de %1 KB/s</translation>
    </message>
    <message>
        <source>Traffic on %1 above %2 KB/s</source>
        <translation>Tráfico en %1 por encima de %2 KB/s</translation>
    </message>
    <message>
        <source>“%1” busy above %2 % of a core</source>
        <extracomment>%1 is the process name, %2 the CPU use in percent of one core it has to exceed</extracomment>
        <translation>“%1” ocupado por encima del %2 % de un núcleo</translation>
    </message>
    <message>
        <source>A virtual machine or container running</source>
        <translation>Una máquina virtual o un contenedor en ejecución</translation>
    </message>
    <message>
        <source>The machine “%1” running</source>
        <translation>La máquina “%1” en ejecución</translation>
    </message>
    <message>
        <source>The stored rule could not be read whole (%1), so it was turned off; check it and turn it on again.</source>
        <translation>La regla guardada no se ha podido leer entera (%1), así que se ha desactivado; revísela y vuelva a activarla.</translation>
    </message>
    <message>
        <source>The list “%1” is not a list of names.</source>
        <translation>La lista “%1” no es una lista de nombres.</translation>
    </message>
    <message>
        <source>The list “%1” has more than 100 names.</source>
        <translation>La lista “%1” tiene más de 100 nombres.</translation>
    </message>
    <message>
        <source>The list “%1” holds something that is not a name on one line.</source>
        <translation>La lista “%1” contiene algo que no es un nombre en una sola línea.</translation>
    </message>
    <message>
        <source>The window to average over must be between %1 and %2 seconds.</source>
        <translation>El periodo para calcular la media debe estar entre %1 y %2 segundos.</translation>
    </message>
    <message>
        <source>Power adapter connected</source>
        <translation>Adaptador de corriente conectado</translation>
    </message>
    <message>
        <source>External display connected</source>
        <translation>Pantalla externa conectada</translation>
    </message>
    <message>
        <source>systemd unit running</source>
        <translation>Unidad de systemd en ejecución</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horario</translation>
    </message>
    <message>
        <source>Network traffic</source>
        <translation>Tráfico de red</translation>
    </message>
    <message>
        <source>Process busy</source>
        <translation>Proceso ocupado</translation>
    </message>
    <message>
        <source>Virtual machine or container running</source>
        <translation>Máquina virtual o contenedor en ejecución</translation>
    </message>
</context>
<context>
    <name>TriggerRuleEditor</name>
    <message>
        <source>No trigger is called “%1”.</source>
        <translation>Ningún disparador se llama “%1”.</translation>
    </message>
    <message>
        <source>Several triggers are called “%1”; name one by its id.</source>
        <translation>Hay varios disparadores llamados “%1”; indique uno por su id.</translation>
    </message>
    <message>
        <source>There are %1 triggers already, as many as Vigila keeps.</source>
        <translation>Ya hay %1 disparadores, el máximo que admite Vigila.</translation>
    </message>
    <message>
        <source>A delay or grace time is at most %1 seconds.</source>
        <translation>Un retraso o un margen es de %1 segundos como máximo.</translation>
    </message>
</context>
<context>
    <name>TriggerRuleRow</name>
    <message>
        <source>%1 s</source>
        <extracomment>A number of seconds in its box; %1 is the number</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Anyone&apos;s sessions</source>
        <translation>Sesiones de cualquiera</translation>
    </message>
    <message>
        <source>User unit</source>
        <translation>Unidad de usuario</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <extracomment>A traffic rate in its box; %1 is the number of kilobytes per second</extracomment>
        <translation>%1 KB/s</translation>
    </message>
    <message>
        <source>Match in command line</source>
        <translation>Buscar en la línea de comandos</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of one CPU core in its box; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Only on AC power</source>
        <translation>Solo conectado a la corriente</translation>
    </message>
    <message>
        <source>Count remote sessions of every user, not only your own.</source>
        <translation>Contar las sesiones remotas de todos los usuarios, no solo las suyas.</translation>
    </message>
    <message>
        <source>backup.service</source>
        <extracomment>An example systemd unit name</extracomment>
        <translation>backup.service</translation>
    </message>
    <message>
        <source>The systemd unit that keeps the computer awake while it runs.</source>
        <translation>La unidad de systemd que mantiene el equipo despierto mientras se ejecuta.</translation>
    </message>
    <message>
        <source>A unit of your own user&apos;s systemd, rather than the system&apos;s.</source>
        <translation>Una unidad del systemd de su propio usuario, en lugar del sistema.</translation>
    </message>
    <message>
        <source>Mon-Fri 09:00-17:30</source>
        <extracomment>An example schedule: the day names stay in English, as schedules are written with them</extracomment>
        <translation>Mon-Fri 09:00-17:30</translation>
    </message>
    <message>
        <source>Days and times, several separated by commas, such as “Mon-Fri 09:00-12:00, Sat 10:00-12:00” or “Daily 22:00-06:00”.</source>
        <extracomment>The day names in the examples stay in English, as schedules are written with them</extracomment>
        <translation>Días y horas, varios separados por comas, como “Mon-Fri 09:00-12:00, Sat 10:00-12:00” o “Daily 22:00-06:00”.</translation>
    </message>
    <message>
        <source>The condition counts only while the computer is on AC power.</source>
        <translation>La condición solo cuenta mientras el equipo está conectado a la corriente.</translation>
    </message>
    <message>
        <source>What stays awake; Default follows the General tab.</source>
        <translation>Qué se mantiene activo; Predeterminado sigue la pestaña General.</translation>
    </message>
    <message>
        <source>How long the condition must hold before Vigila keeps the computer awake.</source>
        <translation>Cuánto debe cumplirse la condición antes de que Vigila mantenga el equipo despierto.</translation>
    </message>
    <message>
        <source>How long Vigila keeps the computer awake after the condition ends.</source>
        <translation>Cuánto tiempo mantiene Vigila el equipo despierto después de que termine la condición.</translation>
    </message>
    <message>
        <source>Applications whose sound does not count, separated by commas, such as “Firefox, Slack”. Their names or their programs both match.</source>
        <translation>Aplicaciones cuyo sonido no cuenta, separadas por comas, como “Firefox, Slack”. Coinciden tanto sus nombres como sus programas.</translation>
    </message>
    <message>
        <source>every application</source>
        <translation>todas las aplicaciones</translation>
    </message>
    <message>
        <source>Only sound from these applications counts, separated by commas; empty for every application.</source>
        <translation>Solo cuenta el sonido de estas aplicaciones, separadas por comas; vacío para todas las aplicaciones.</translation>
    </message>
    <message>
        <source>The folders to watch, as full paths separated by commas or semicolons; empty for your Downloads folder.</source>
        <translation>Las carpetas que vigilar, como rutas completas separadas por comas o punto y coma; vacío para su carpeta Descargas.</translation>
    </message>
    <message>
        <source>The names of files still being downloaded, separated by commas; * stands for any text. Empty for the usual ones: %1.</source>
        <extracomment>%1 lists the usual names, such as &quot;*.part, *.crdownload&quot;</extracomment>
        <translation>Los nombres de los archivos que aún se están descargando, separados por comas; * representa cualquier texto. Vacío para los habituales: %1.</translation>
    </message>
    <message>
        <source>all physical interfaces</source>
        <translation>todas las interfaces físicas</translation>
    </message>
    <message>
        <source>The network interface to measure, such as eth0 or wlan0.</source>
        <translation>La interfaz de red que medir, como eth0 o wlan0.</translation>
    </message>
    <message>
        <source>The condition holds while traffic, received and sent together, is above this rate.</source>
        <translation>La condición se cumple mientras el tráfico, recibido y enviado en conjunto, supera este ritmo.</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <extracomment>An example process name</extracomment>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>The name of the process to watch.</source>
        <translation>El nombre del proceso que vigilar.</translation>
    </message>
    <message>
        <source>Match every process whose command line contains the text, not only a process of exactly that name.</source>
        <translation>Incluir todo proceso cuya línea de comandos contenga el texto, no solo un proceso con ese nombre exacto.</translation>
    </message>
    <message>
        <source>The condition holds while the matching processes together use more than this share of one CPU core (100 % is a whole core).</source>
        <translation>La condición se cumple mientras los procesos coincidentes juntos usan más de esta parte de un núcleo de CPU (100 % es un núcleo entero).</translation>
    </message>
    <message>
        <source>How long the traffic or the CPU use is averaged over.</source>
        <translation>Durante cuánto tiempo se calcula la media del tráfico o del uso de CPU.</translation>
    </message>
    <message>
        <source>The name of a virtual machine or container, as systemd-machined knows it; empty for any.</source>
        <translation>El nombre de una máquina virtual o un contenedor, tal como lo conoce systemd-machined; vacío para cualquiera.</translation>
    </message>
    <message>
        <source>Ignore:</source>
        <translation>Ignorar:</translation>
    </message>
    <message>
        <source>Only:</source>
        <translation>Solo:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Carpetas:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Nombres:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interfaz:</translation>
    </message>
    <message>
        <source>Above:</source>
        <translation>Por encima de:</translation>
    </message>
    <message>
        <source>Process:</source>
        <translation>Proceso:</translation>
    </message>
    <message>
        <source>Machine:</source>
        <translation>Máquina:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Retraso:</translation>
    </message>
    <message>
        <source>Grace:</source>
        <translation>Margen:</translation>
    </message>
    <message>
        <source>Unknown kind “%1”</source>
        <extracomment>%1 is the kind as stored by another version of Vigila, such as &quot;bluetooth&quot;</extracomment>
        <translation>Tipo desconocido “%1”</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 says what is wrong with the parameters typed</extracomment>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <extracomment>%1 says what keeps the rule from running</extracomment>
        <translation>No puede ejecutarse: %1</translation>
    </message>
    <message>
        <source>Turned off.</source>
        <translation>Desactivado.</translation>
    </message>
    <message>
        <source>Keeping awake now: %1</source>
        <extracomment>%1 is the condition that holds now</extracomment>
        <translation>Manteniendo despierto ahora: %1</translation>
    </message>
    <message>
        <source>The condition has ended; keeping awake for its grace time.</source>
        <translation>La condición ha terminado; se mantiene despierto durante su margen.</translation>
    </message>
    <message>
        <source>Holds — waiting out its delay.</source>
        <translation>Se cumple — esperando a que pase el retraso.</translation>
    </message>
    <message>
        <source>Holds, but was stopped by hand; it starts again the next time the condition holds.</source>
        <translation>Se cumple, pero se detuvo a mano; volverá a empezar la próxima vez que se cumpla la condición.</translation>
    </message>
    <message>
        <source>Not holding.</source>
        <translation>No se cumple.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <comment>the trigger is on</comment>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the trigger&apos;s name</comment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the trigger</comment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>the default keep-awake mode</comment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no applications are ignored</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any virtual machine or container</comment>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Window:</source>
        <comment>the time the rate is averaged over</comment>
        <translation>Periodo:</translation>
    </message>
</context>
<context>
    <name>TriggerWatcher</name>
    <message>
        <source>The power source cannot be read here.</source>
        <translation>Aquí no se puede leer la fuente de alimentación.</translation>
    </message>
    <message>
        <source>This computer has no battery, so it always counts as on AC power.</source>
        <translation>Este equipo no tiene batería, así que siempre cuenta como conectado a la corriente.</translation>
    </message>
    <message>
        <source>Waiting for the power service to say whether the computer is on AC power.</source>
        <translation>Esperando a que el servicio de energía indique si el equipo está conectado a la corriente.</translation>
    </message>
    <message>
        <source>While on AC power</source>
        <translation>Mientras esté conectado a la corriente</translation>
    </message>
    <message>
        <source>Displays cannot be followed here.</source>
        <translation>Aquí no se pueden seguir las pantallas.</translation>
    </message>
    <message>
        <source>While docked to an external display</source>
        <translation>Mientras esté acoplado a una pantalla externa</translation>
    </message>
    <message>
        <source>While an external display is connected (%1)</source>
        <translation>Mientras haya una pantalla externa conectada (%1)</translation>
    </message>
    <message>
        <source>Login sessions cannot be followed here.</source>
        <translation>Aquí no se pueden seguir las sesiones de inicio.</translation>
    </message>
    <message>
        <source>While %1 runs</source>
        <translation>Mientras %1 esté en ejecución</translation>
    </message>
    <message>
        <source>systemd units cannot be followed here.</source>
        <translation>Aquí no se pueden seguir las unidades de systemd.</translation>
    </message>
    <message>
        <source>The user unit %1 does not exist; the rule waits for it.</source>
        <translation>La unidad de usuario %1 no existe; la regla la espera.</translation>
    </message>
    <message>
        <source>The unit %1 does not exist; the rule waits for it.</source>
        <translation>La unidad %1 no existe; la regla la espera.</translation>
    </message>
    <message>
        <source>Waiting for systemd to say whether %1 runs.</source>
        <translation>Esperando a que systemd indique si %1 está en ejecución.</translation>
    </message>
    <message>
        <source>Sound cannot be followed here.</source>
        <translation>Aquí no se puede seguir el sonido.</translation>
    </message>
    <message>
        <source>No sound server answers; the rule waits for one.</source>
        <translation>No responde ningún servidor de sonido; la regla espera a que haya uno.</translation>
    </message>
    <message>
        <source>While an application plays sound</source>
        <translation>Mientras una aplicación reproduzca sonido</translation>
    </message>
    <message>
        <source>While %1 plays sound</source>
        <translation>Mientras %1 reproduzca sonido</translation>
    </message>
    <message>
        <source>Downloads cannot be followed here.</source>
        <translation>Aquí no se pueden seguir las descargas.</translation>
    </message>
    <message>
        <source>While “%1” downloads</source>
        <translation>Mientras se descargue “%1”</translation>
    </message>
    <message>
        <source>“%1” has not grown for a minute; a paused download does not count.</source>
        <translation>“%1” no ha crecido en un minuto; una descarga en pausa no cuenta.</translation>
    </message>
    <message>
        <source>Network traffic cannot be followed here.</source>
        <translation>Aquí no se puede seguir el tráfico de red.</translation>
    </message>
    <message>
        <source>There is no network interface called “%1”; the rule waits for it.</source>
        <translation>No hay ninguna interfaz de red llamada “%1”; la regla la espera.</translation>
    </message>
    <message>
        <source>Measuring the traffic…</source>
        <translation>Midiendo el tráfico…</translation>
    </message>
    <message>
        <source>%1 %2 KB/s</source>
        <translation>%1 %2 KB/s</translation>
    </message>
    <message>
        <source>Now %1 KB/s.</source>
        <translation>Ahora %1 KB/s.</translation>
    </message>
    <message>
        <source>Now %1 KB/s: %2.</source>
        <translation>Ahora %1 KB/s: %2.</translation>
    </message>
    <message>
        <source>While network traffic is above %1 KB/s</source>
        <translation>Mientras el tráfico de red supere %1 KB/s</translation>
    </message>
    <message>
        <source>While traffic on %1 is above %2 KB/s</source>
        <translation>Mientras el tráfico en %1 supere %2 KB/s</translation>
    </message>
    <message>
        <source>Processes&apos; CPU use cannot be followed here.</source>
        <translation>Aquí no se puede seguir el uso de CPU de los procesos.</translation>
    </message>
    <message>
        <source>No process “%1” runs.</source>
        <translation>No se está ejecutando ningún proceso “%1”.</translation>
    </message>
    <message>
        <source>Measuring the CPU use of “%1”…</source>
        <translation>Midiendo el uso de CPU de “%1”…</translation>
    </message>
    <message>
        <source>“%1” uses %2 % of a core.</source>
        <extracomment>%1 is the process name, %2 its CPU use in percent of one core</extracomment>
        <translation>“%1” usa el %2 % de un núcleo.</translation>
    </message>
    <message>
        <source>While “%1” is busy</source>
        <translation>Mientras “%1” esté ocupado</translation>
    </message>
    <message>
        <source>Virtual machines cannot be followed here.</source>
        <translation>Aquí no se pueden seguir las máquinas virtuales.</translation>
    </message>
    <message>
        <source>systemd-machined is not running; the rule waits for it.</source>
        <translation>systemd-machined no se está ejecutando; la regla lo espera.</translation>
    </message>
    <message>
        <source>While the container “%1” runs</source>
        <translation>Mientras se ejecute el contenedor “%1”</translation>
    </message>
    <message>
        <source>While the virtual machine “%1” runs</source>
        <translation>Mientras se ejecute la máquina virtual “%1”</translation>
    </message>
    <message>
        <source>Waits for AC power.</source>
        <translation>Espera a estar conectado a la corriente.</translation>
    </message>
    <message>
        <source>While %1 is logged in over SSH</source>
        <translation>Mientras %1 tenga una sesión por SSH</translation>
    </message>
    <message>
        <source>While %1 is logged in remotely</source>
        <translation>Mientras %1 tenga una sesión remota</translation>
    </message>
    <message>
        <source>While %1 is logged in over SSH from %2</source>
        <translation>Mientras %1 tenga una sesión por SSH desde %2</translation>
    </message>
    <message>
        <source>While %1 is logged in remotely from %2</source>
        <translation>Mientras %1 tenga una sesión remota desde %2</translation>
    </message>
    <message numerus="yes">
        <source>While %n remote session(s) are open</source>
        <translation>
            <numerusform>Mientras haya %n sesión remota abierta</numerusform>
            <numerusform>Mientras haya %n sesiones remotas abiertas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n application(s) play sound</source>
        <translation>
            <numerusform>Mientras %n aplicación reproduzca sonido</numerusform>
            <numerusform>Mientras %n aplicaciones reproduzcan sonido</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n file(s) download</source>
        <translation>
            <numerusform>Mientras se descargue %n archivo</numerusform>
            <numerusform>Mientras se descarguen %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n virtual machine(s) or container(s) run</source>
        <translation>
            <numerusform>Mientras se ejecute %n máquina virtual o contenedor</numerusform>
            <numerusform>Mientras se ejecuten %n máquinas virtuales o contenedores</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vigila is already running (process %1); leaving it as it is.</source>
        <translation>Vigila ya se está ejecutando (proceso %1); se deja como está.</translation>
    </message>
    <message>
        <source>Vigila is already running; leaving it as it is.</source>
        <translation>Vigila ya se está ejecutando; se deja como está.</translation>
    </message>
</context>
</TS>
