<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutPrefs</name>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free app</source>
        <translation>Kostenlose App</translation>
    </message>
</context>
<context>
    <name>AppCoordinator</name>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation>Die Sitzung „%1“ wurde ersetzt.</translation>
    </message>
    <message>
        <source>Manual (display awake)</source>
        <translation>Manuell (Bildschirm wach)</translation>
    </message>
    <message>
        <source>Manual keep-awake</source>
        <translation>Manuelles Wachhalten</translation>
    </message>
    <message>
        <source>Timed: %1</source>
        <extracomment>%1 is the time left, e.g. 1h 30m</extracomment>
        <translation>Befristet: %1</translation>
    </message>
    <message>
        <source>Until %1</source>
        <extracomment>%1 is when the session ends, e.g. Today 6:00 PM</extracomment>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>All sessions</source>
        <translation>Alle Sitzungen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Vigila Preferences</source>
        <translation>Vigila-Einstellungen</translation>
    </message>
    <message>
        <source>Run Command With Vigila</source>
        <translation>Befehl mit Vigila ausführen</translation>
    </message>
</context>
<context>
    <name>AssertionManager</name>
    <message>
        <source>Tried %1: none available.</source>
        <translation>Versucht wurden %1; keiner ist verfügbar.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of services</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Could not create keep-awake assertion.</source>
        <translation>Die Wachhalte-Sperre konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Vigila: keep system awake</source>
        <translation>Vigila: System wach halten</translation>
    </message>
    <message>
        <source>Vigila: keep display awake</source>
        <translation>Vigila: Bildschirm wach halten</translation>
    </message>
</context>
<context>
    <name>AwakeReason</name>
    <message>
        <source>Keep System Awake</source>
        <translation>System wach halten</translation>
    </message>
    <message>
        <source>Keep Display Awake</source>
        <translation>Bildschirm wach halten</translation>
    </message>
    <message>
        <source>Manual session</source>
        <translation>Manuelle Sitzung</translation>
    </message>
    <message>
        <source>Timed session</source>
        <translation>Befristete Sitzung</translation>
    </message>
    <message>
        <source>Until-time session</source>
        <translation>Sitzung bis Uhrzeit</translation>
    </message>
    <message>
        <source>Process watch</source>
        <translation>Prozessüberwachung</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a session kept while a command runs</comment>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Trigger</source>
        <comment>a session kept while a trigger holds</comment>
        <translation>Auslöser</translation>
    </message>
</context>
<context>
    <name>BatteryGuard</name>
    <message>
        <source>Stopped because Vigila is set to keep awake only while plugged in.</source>
        <translation>Beendet, weil Vigila nur am Netz wach halten soll.</translation>
    </message>
    <message>
        <source>Stopped because battery dropped to %1% (limit %2%).</source>
        <extracomment>%1 is the battery level in percent, %2 the level set to stop at</extracomment>
        <translation>Beendet, weil der Akku auf %1 % gefallen ist (Grenze %2 %).</translation>
    </message>
    <message>
        <source>Running on battery at %1%.</source>
        <translation>Im Akkubetrieb bei %1 %.</translation>
    </message>
    <message>
        <source>Running on battery power.</source>
        <translation>Im Akkubetrieb.</translation>
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
        <translation>Warnen, wenn im Akkubetrieb aktiv</translation>
    </message>
    <message>
        <source>Only keep awake while plugged in</source>
        <translation>Nur am Netz wach halten</translation>
    </message>
    <message>
        <source>Auto-stop below a battery percentage</source>
        <translation>Unter einem Akkustand automatisch beenden</translation>
    </message>
    <message>
        <source>Vigila can warn or stop automatically to protect your battery. Stops are explained in the menu.</source>
        <translation>Vigila kann warnen oder automatisch beenden, um den Akku zu schonen. Das Menü erklärt, warum beendet wurde.</translation>
    </message>
    <message>
        <source>Warning threshold: %1%</source>
        <extracomment>%1 is a battery percentage</extracomment>
        <translation>Warnschwelle: %1 %</translation>
    </message>
    <message>
        <source>Auto-stop threshold: %1%</source>
        <extracomment>%1 is a battery percentage</extracomment>
        <translation>Schwelle für automatisches Beenden: %1 %</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vigila: the time zone “%1” (TZ) is unknown; using the system&apos;s time zone, %2.</source>
        <extracomment>%1 is the value of the TZ environment variable, %2 the name of the time zone used instead</extracomment>
        <translation>vigila: Die Zeitzone „%1“ (TZ) ist unbekannt; stattdessen wird die Zeitzone des Systems verwendet, %2.</translation>
    </message>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation>vigila: Der Sitzungsbus antwortet nicht, daher ist Vigila nicht erreichbar; möglicherweise hängt der D-Bus-Daemon der Sitzung.</translation>
    </message>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation>Die Sitzung „%1“ wurde ersetzt.</translation>
    </message>
    <message>
        <source>status [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>status [--json]</translation>
    </message>
    <message>
        <source>Show whether, and why, the computer is kept awake.</source>
        <translation>Anzeigen, ob und warum der Computer wach gehalten wird.</translation>
    </message>
    <message>
        <source>list [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>list [--json]</translation>
    </message>
    <message>
        <source>List what keeps the computer awake, with the ids stop takes.</source>
        <extracomment>&quot;stop&quot; is the command&apos;s name: keep it as it is</extracomment>
        <translation>Auflisten, was den Computer wach hält, mit den IDs für stop.</translation>
    </message>
    <message>
        <source>start [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>start [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake until you stop it.</source>
        <translation>Den Computer wach halten, bis es beendet wird.</translation>
    </message>
    <message>
        <source>for DURATION [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>for DAUER [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake for a while: 90 (seconds), 90s, 45m, 1h30m, 2h.</source>
        <extracomment>keep the durations as they are: they are what the command accepts</extracomment>
        <translation>Den Computer eine Weile wach halten: 90 (Sekunden), 90s, 45m, 1h30m, 2h.</translation>
    </message>
    <message>
        <source>until HH:MM [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>until HH:MM [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake until a time of day (24-hour clock).</source>
        <translation>Den Computer bis zu einer Uhrzeit wach halten (24-Stunden-Format).</translation>
    </message>
    <message>
        <source>extend [DURATION]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>extend [DAUER]</translation>
    </message>
    <message>
        <source>Add time to the running timed or until session (default 30m).</source>
        <extracomment>keep 30m as it is: it is what the command takes</extracomment>
        <translation>Der laufenden befristeten Sitzung oder Sitzung bis Uhrzeit Zeit hinzufügen (Standard 30m).</translation>
    </message>
    <message>
        <source>stop ID | --all</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>stop ID | --all</translation>
    </message>
    <message>
        <source>Stop one reason (its id from “vigila list”), or all of them.</source>
        <extracomment>keep the command name &quot;vigila list&quot; as it is</extracomment>
        <translation>Einen Grund beenden (seine ID aus „vigila list“) oder alle.</translation>
    </message>
    <message>
        <source>run [--display] [--label TEXT] -- COMMAND [ARG…]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>run [--display] [--label TEXT] -- BEFEHL [ARG…]</translation>
    </message>
    <message>
        <source>Run a command here and keep the computer awake while it runs.</source>
        <translation>Einen Befehl hier ausführen und den Computer wach halten, solange er läuft.</translation>
    </message>
    <message>
        <source>triggers [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>triggers [--json]</translation>
    </message>
    <message>
        <source>List the triggers that keep the computer awake while a condition holds.</source>
        <translation>Die Auslöser auflisten, die den Computer wach halten, solange eine Bedingung gilt.</translation>
    </message>
    <message>
        <source>trigger add KIND [OPTIONS] | remove|enable|disable NAME-OR-ID</source>
        <extracomment>keep the command and option names, and add, remove, enable, disable, as they are</extracomment>
        <translation>trigger add ART [OPTIONEN] | remove|enable|disable NAME-ODER-ID</translation>
    </message>
    <message>
        <source>Add, remove, enable or disable a trigger: ac, display, remote-session, unit, schedule.</source>
        <extracomment>keep the trigger kinds (ac, display, remote-session, unit, schedule) as they are</extracomment>
        <translation>Einen Auslöser hinzufügen, entfernen, aktivieren oder deaktivieren: ac, display, remote-session, unit, schedule.</translation>
    </message>
    <message>
        <source>vigila %1: %2
Run &quot;vigila %1 --help&quot; for how to use it.
</source>
        <extracomment>%1 is the command&apos;s name, %2 what is wrong; keep &quot;vigila %1 --help&quot; as it is</extracomment>
        <translation>vigila %1: %2
„vigila %1 --help“ zeigt, wie er verwendet wird.
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
        <translation>Aufruf: vigila [BEFEHL [OPTIONEN]]

Hält den Computer wach, während echte Arbeit läuft. Ohne Befehl startet Vigila im
Systembereich; die folgenden Befehle steuern das laufende Vigila aus Skripten und Terminals.

Befehle:
%1
„vigila BEFEHL --help“ zeigt die Optionen eines Befehls.

Exit-Status: 0 erledigt, 1 fehlgeschlagen, 2 Aufruffehler, 3 Vigila läuft nicht.
„vigila run“ endet stattdessen mit dem Status seines Befehls.
</translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 90 (seconds), 90s, 45m, 1h30m or 2h, up to 366 days.</source>
        <extracomment>%1 is what the user wrote; keep the durations as they are: they are what the command accepts</extracomment>
        <translation>„%1“ ist keine Dauer; schreiben Sie 90 (Sekunden), 90s, 45m, 1h30m oder 2h, höchstens 366 Tage.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Print JSON (the D-Bus interface&apos;s keys) instead of text.</source>
        <translation>JSON ausgeben (die Schlüssel der D-Bus-Schnittstelle) statt Text.</translation>
    </message>
    <message>
        <source>Keep the display on as well, not only the system.</source>
        <translation>Auch den Bildschirm eingeschaltet lassen, nicht nur das System.</translation>
    </message>
    <message>
        <source>Stop every reason.</source>
        <translation>Alle Gründe beenden.</translation>
    </message>
    <message>
        <source>What the tray shows for the command (“Terminal: TEXT”).</source>
        <extracomment>&quot;Terminal: TEXT&quot; is how the tray labels the command; TEXT is the --label option&apos;s value</extracomment>
        <translation>Was die Kontrollleiste für den Befehl anzeigt („Terminal: TEXT“).</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the value of the --label option, as the help shows it</extracomment>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DAUER</translation>
    </message>
    <message>
        <source>90 (seconds), 90s, 45m, 1h30m or 2h; whole numbers, hours first.</source>
        <extracomment>keep the durations as they are: they are what the command accepts</extracomment>
        <translation>90 (Sekunden), 90s, 45m, 1h30m oder 2h; ganze Zahlen, Stunden zuerst.</translation>
    </message>
    <message>
        <source>[DURATION]</source>
        <translation>[DAUER]</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>A time of day on the 24-hour clock; tomorrow if already past.</source>
        <translation>Eine Uhrzeit im 24-Stunden-Format; morgen, falls bereits vorbei.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>A reason&apos;s id, as “vigila list” shows it.</source>
        <extracomment>keep the command name &quot;vigila list&quot; as it is</extracomment>
        <translation>Die ID eines Grundes, wie „vigila list“ sie anzeigt.</translation>
    </message>
    <message>
        <source>[ID]</source>
        <translation>[ID]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>BEFEHL</translation>
    </message>
    <message>
        <source>The program to run (found in PATH) and its arguments.</source>
        <translation>Das auszuführende Programm (aus PATH) und seine Argumente.</translation>
    </message>
    <message>
        <source>-- COMMAND [ARG…]</source>
        <translation>-- BEFEHL [ARG…]</translation>
    </message>
    <message>
        <source>Usage: vigila %1</source>
        <extracomment>%1 is the command&apos;s synopsis, such as &quot;status [--json]&quot;</extracomment>
        <translation>Aufruf: vigila %1</translation>
    </message>
    <message>
        <source>vigila: the keep-awake lock is still being taken; &quot;vigila status&quot; shows when it is held.
</source>
        <extracomment>keep the command name &quot;vigila status&quot; as it is</extracomment>
        <translation>vigila: Die Wachhalte-Sperre wird noch angefordert; „vigila status“ zeigt, wann sie gehalten wird.
</translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <extracomment>%1 is an argument the command does not take</extracomment>
        <translation>unerwartetes „%1“.</translation>
    </message>
    <message>
        <source>name the command to run after “--”.</source>
        <translation>geben Sie den auszuführenden Befehl nach „--“ an.</translation>
    </message>
    <message>
        <source>Keeping the display awake until you stop it.</source>
        <translation>Der Bildschirm wird wach gehalten, bis es beendet wird.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until you stop it.</source>
        <translation>Der Computer wird wach gehalten, bis es beendet wird.</translation>
    </message>
    <message>
        <source>say for how long, such as 45m or 1h30m.</source>
        <extracomment>keep 45m and 1h30m as they are: they are what the command accepts</extracomment>
        <translation>geben Sie an, wie lange, etwa 45m oder 1h30m.</translation>
    </message>
    <message>
        <source>Keeping the display awake for %1.</source>
        <extracomment>%1 is a duration, such as &quot;1h 30m&quot;</extracomment>
        <translation>Der Bildschirm wird %1 lang wach gehalten.</translation>
    </message>
    <message>
        <source>Keeping the computer awake for %1.</source>
        <translation>Der Computer wird %1 lang wach gehalten.</translation>
    </message>
    <message>
        <source>say until when, such as 18:30.</source>
        <translation>geben Sie an, bis wann, etwa 18:30.</translation>
    </message>
    <message>
        <source>“%1” is not a time of day; write HH:MM, such as 18:30.</source>
        <extracomment>%1 is what the user wrote</extracomment>
        <translation>„%1“ ist keine Uhrzeit; schreiben Sie HH:MM, etwa 18:30.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until %1.</source>
        <extracomment>%1 is a time of day, such as 18:30</extracomment>
        <translation>Der Computer wird bis %1 wach gehalten.</translation>
    </message>
    <message>
        <source>Keeping the display awake until %1 tomorrow.</source>
        <translation>Der Bildschirm wird bis morgen %1 wach gehalten.</translation>
    </message>
    <message>
        <source>Keeping the display awake until %1.</source>
        <translation>Der Bildschirm wird bis %1 wach gehalten.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until %1 tomorrow.</source>
        <translation>Der Computer wird bis morgen %1 wach gehalten.</translation>
    </message>
    <message>
        <source>Added %1 to the running session.</source>
        <extracomment>%1 is a duration, such as &quot;30m&quot;</extracomment>
        <translation>%1 zur laufenden Sitzung hinzugefügt.</translation>
    </message>
    <message>
        <source>give either a reason&apos;s id (see “vigila list”) or --all.</source>
        <extracomment>keep &quot;vigila list&quot; and --all as they are</extracomment>
        <translation>geben Sie entweder die ID eines Grundes an (siehe „vigila list“) oder --all.</translation>
    </message>
    <message>
        <source>Stopped everything that kept the computer awake.</source>
        <translation>Alles beendet, was den Computer wach hielt.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <comment>one reason was stopped</comment>
        <translation>Beendet.</translation>
    </message>
    <message>
        <source>vigila: there is no command &quot;%1&quot;; run &quot;vigila --help&quot; for the list.
</source>
        <extracomment>%1 is the word given as a command; keep &quot;vigila --help&quot; as it is</extracomment>
        <translation>vigila: Es gibt keinen Befehl „%1“; „vigila --help“ zeigt die Liste.
</translation>
    </message>
    <message>
        <source>arguments must be UTF-8 text.</source>
        <translation>Argumente müssen UTF-8-Text sein.</translation>
    </message>
</context>
<context>
    <name>CommandOutputView</name>
    <message>
        <source>Output</source>
        <comment>the command&apos;s output</comment>
        <translation>Ausgabe</translation>
    </message>
</context>
<context>
    <name>CommandPrefs</name>
    <message>
        <source>No saved commands yet</source>
        <translation>Noch keine gespeicherten Befehle</translation>
    </message>
    <message>
        <source>Keep command history</source>
        <translation>Befehlsverlauf behalten</translation>
    </message>
    <message>
        <source>Default shell</source>
        <translation>Standard-Shell</translation>
    </message>
    <message>
        <source>Default working directory</source>
        <translation>Standard-Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Clear command history</source>
        <translation>Befehlsverlauf löschen</translation>
    </message>
    <message>
        <source>Saved commands</source>
        <translation>Gespeicherte Befehle</translation>
    </message>
    <message>
        <source>Command output is kept local only and is not inspected for secrets.</source>
        <translation>Die Befehlsausgabe bleibt nur lokal und wird nicht auf Geheimnisse geprüft.</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the saved command</comment>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the saved command</comment>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>Running: %1</source>
        <translation>Läuft: %1</translation>
    </message>
</context>
<context>
    <name>CommandRunnerView</name>
    <message>
        <source>Choose…</source>
        <comment>choose the working directory</comment>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the command</comment>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>stop the running command</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Als Favorit speichern</translation>
    </message>
    <message>
        <source>Command, e.g. pnpm test</source>
        <translation>Befehl, z. B. pnpm test</translation>
    </message>
    <message>
        <source>Working directory (optional)</source>
        <translation>Arbeitsverzeichnis (optional)</translation>
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
        <translation>Ausführen (%1)</translation>
    </message>
    <message>
        <source>Name to save as favorite</source>
        <translation>Name für den Favoriten</translation>
    </message>
    <message>
        <source>Run Command With Vigila</source>
        <translation>Befehl mit Vigila ausführen</translation>
    </message>
    <message>
        <source>Vigila starts keep-awake before the command runs and releases it when the command exits.</source>
        <translation>Vigila startet das Wachhalten, bevor der Befehl läuft, und gibt es frei, wenn der Befehl endet.</translation>
    </message>
    <message>
        <source>Choose Working Directory</source>
        <translation>Arbeitsverzeichnis auswählen</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>no command running</comment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Running…</source>
        <comment>the command is running</comment>
        <translation>Läuft …</translation>
    </message>
    <message>
        <source>Finished (exit 0)</source>
        <translation>Abgeschlossen (Exit-Code 0)</translation>
    </message>
    <message>
        <source>Failed (exit %1)</source>
        <extracomment>%1 is the command&apos;s exit code</extracomment>
        <translation>Fehlgeschlagen (Exit-Code %1)</translation>
    </message>
    <message>
        <source>Could not start: %1</source>
        <extracomment>%1 says why, e.g. &quot;No such file or directory&quot;</extracomment>
        <translation>Start fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>the command was stopped</comment>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>CommandSidebar</name>
    <message>
        <source>last exit %1</source>
        <extracomment>%1 is the exit code of the command&apos;s last run</extracomment>
        <translation>zuletzt Exit-Code %1</translation>
    </message>
    <message>
        <source>Load</source>
        <comment>load the command into the editor</comment>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the command</comment>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the favorite command</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>saved commands</comment>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>No favorites yet</source>
        <translation>Noch keine Favoriten</translation>
    </message>
    <message>
        <source>Recent</source>
        <comment>recently run commands</comment>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>No recent commands</source>
        <translation>Keine zuletzt ausgeführten Befehle</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>vigila: Vigila is not running here (there is no session bus); start it in your desktop session, or use &quot;vigila run&quot;, which works without it.
</source>
        <extracomment>keep the command name &quot;vigila run&quot; as it is</extracomment>
        <translation>vigila: Vigila läuft hier nicht (es gibt keinen Sitzungsbus); starten Sie es in Ihrer Desktop-Sitzung oder verwenden Sie „vigila run“, das ohne ihn funktioniert.
</translation>
    </message>
    <message>
        <source>vigila: Vigila is not running; start it from your application menu (or run &quot;vigila&quot; in your desktop session) and try again.
</source>
        <extracomment>keep the command name &quot;vigila&quot; as it is</extracomment>
        <translation>vigila: Vigila läuft nicht; starten Sie es über das Anwendungsmenü (oder führen Sie „vigila“ in Ihrer Desktop-Sitzung aus) und versuchen Sie es erneut.
</translation>
    </message>
    <message>
        <source>vigila: Vigila did not answer in time; it may be busy or hung.
</source>
        <translation>vigila: Vigila hat nicht rechtzeitig geantwortet; es ist möglicherweise ausgelastet oder hängt.
</translation>
    </message>
</context>
<context>
    <name>ControlService</name>
    <message>
        <source>A trigger&apos;s name is one line of at most %1 characters.</source>
        <translation>Der Name eines Auslösers ist eine Zeile mit höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>The end time %1 is not in the future.</source>
        <extracomment>%1 is the end time asked for, in seconds since 1970</extracomment>
        <translation>Die Endzeit %1 liegt nicht in der Zukunft.</translation>
    </message>
    <message>
        <source>The end time %1 is more than 366 days away.</source>
        <extracomment>%1 is the end time asked for, in seconds since 1970</extracomment>
        <translation>Die Endzeit %1 liegt mehr als 366 Tage in der Zukunft.</translation>
    </message>
    <message>
        <source>No active reason has the id %1.</source>
        <translation>Kein aktiver Grund hat die ID %1.</translation>
    </message>
    <message>
        <source>No timed or until-time session is running, so there is nothing to extend.</source>
        <translation>Es läuft keine befristete Sitzung und keine Sitzung bis Uhrzeit, daher gibt es nichts zu verlängern.</translation>
    </message>
    <message>
        <source>The end time is not in the future.</source>
        <translation>Die Endzeit liegt nicht in der Zukunft.</translation>
    </message>
    <message numerus="yes">
        <source>This connection already holds %n hold(s), as many as one connection may; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>Diese Verbindung hat bereits %n aktive Anforderung – mehr sind pro Verbindung nicht erlaubt; geben Sie zuerst eine frei.</numerusform>
            <numerusform>Diese Verbindung hat bereits %n aktive Anforderungen – mehr sind pro Verbindung nicht erlaubt; geben Sie zuerst eine frei.</numerusform>
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
            <numerusform>Vigila hat bereits %n aktive Anforderung für seine Clients – mehr verwaltet es nicht; geben Sie zuerst eine frei.</numerusform>
            <numerusform>Vigila hat bereits %n aktive Anforderungen für seine Clients – mehr verwaltet es nicht; geben Sie zuerst eine frei.</numerusform>
        </translation>
    </message>
    <message>
        <source>This connection holds no hold with the id %1.</source>
        <translation>Diese Verbindung hat keine Anforderung mit der ID %1.</translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <extracomment>%1 is the mode asked for; keep system and display as they are</extracomment>
        <translation>Unbekannter Modus „%1“: verwenden Sie system, display oder eine leere Zeichenkette für den Standard aus den Einstellungen.</translation>
    </message>
    <message>
        <source>The duration must be more than 0 seconds and at most 366 days; %1 is not.</source>
        <extracomment>%1 is the number of seconds asked for</extracomment>
        <translation>Die Dauer muss mehr als 0 Sekunden und höchstens 366 Tage betragen; %1 erfüllt das nicht.</translation>
    </message>
    <message>
        <source>The label is empty.</source>
        <translation>Die Bezeichnung ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>The label has %n character(s); at most %1 fit.</source>
        <extracomment>%1 is the most characters a label may have</extracomment>
        <translation>
            <numerusform>Die Bezeichnung hat %n Zeichen; höchstens %1 passen.</numerusform>
            <numerusform>Die Bezeichnung hat %n Zeichen; höchstens %1 passen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The label contains a line break or another control character.</source>
        <translation>Die Bezeichnung enthält einen Zeilenumbruch oder ein anderes Steuerzeichen.</translation>
    </message>
    <message>
        <source>“%1” is not a reason id; “vigila list” (ListReasons) shows them.</source>
        <extracomment>%1 is the id given; keep &quot;vigila list&quot; and ListReasons as they are</extracomment>
        <translation>„%1“ ist keine ID eines Grundes; „vigila list“ (ListReasons) zeigt sie an.</translation>
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
        <translation>%1T</translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is a clock time, e.g. 5:00 PM</extracomment>
        <translation>Heute %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is a clock time, e.g. 8:00 AM</extracomment>
        <translation>Morgen %1</translation>
    </message>
    <message>
        <source>MMM d</source>
        <extracomment>A Qt date format for a day of this year; German would use d. MMM</extracomment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>MMM d, yyyy</source>
        <extracomment>A Qt date format for a day with its year; German would use d. MMM yyyy</extracomment>
        <translation>d. MMM yyyy</translation>
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
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderDownloadSource</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>GeneralPrefs</name>
    <message>
        <source>Launch at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Show notifications</source>
        <translation>Benachrichtigungen anzeigen</translation>
    </message>
    <message>
        <source>Show remaining time in menu bar</source>
        <translation>Restzeit in der Leiste anzeigen</translation>
    </message>
    <message>
        <source>Confirm before starting indefinite sessions</source>
        <translation>Vor unbefristeten Sitzungen nachfragen</translation>
    </message>
    <message>
        <source>Default keep-awake mode</source>
        <translation>Standardmodus für Wachhalten</translation>
    </message>
    <message>
        <source>Default duration</source>
        <translation>Standarddauer</translation>
    </message>
</context>
<context>
    <name>HonestStatus</name>
    <message>
        <source>Running a background Claude/build task. I may be away from the keyboard, but the job is still active.</source>
        <translation>Im Hintergrund läuft eine Claude-/Build-Aufgabe. Ich bin vielleicht nicht an der Tastatur, aber der Job läuft noch.</translation>
    </message>
    <message>
        <source>Running a long local task. My computer is kept awake, but I may not respond immediately.</source>
        <translation>Eine lange lokale Aufgabe läuft. Mein Computer wird wach gehalten, aber ich antworte vielleicht nicht sofort.</translation>
    </message>
    <message>
        <source>Claude Code is working through a repo task. I’ll check the results when it finishes.</source>
        <translation>Claude Code arbeitet an einer Aufgabe im Repository. Ich sehe mir die Ergebnisse an, wenn es fertig ist.</translation>
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
        <translation>GNOME-Sitzungsverwaltung</translation>
    </message>
    <message>
        <source>logind</source>
        <extracomment>a keep-awake service&apos;s name, as in &quot;Tried %1: none available.&quot;; the program&apos;s name stays as it is</extracomment>
        <translation>logind</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <extracomment>a keep-awake service, as in &quot;Tried %1: none available.&quot;</extracomment>
        <translation>das Desktop-Portal</translation>
    </message>
</context>
<context>
    <name>LaunchCheck</name>
    <message>
        <source>No shell set</source>
        <translation>Keine Shell festgelegt</translation>
    </message>
    <message>
        <source>Shell not found: %1</source>
        <translation>Shell nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Shell is not executable: %1</source>
        <translation>Shell ist nicht ausführbar: %1</translation>
    </message>
    <message>
        <source>Working directory does not exist: %1</source>
        <translation>Arbeitsverzeichnis existiert nicht: %1</translation>
    </message>
    <message>
        <source>Not a directory: %1</source>
        <translation>Kein Verzeichnis: %1</translation>
    </message>
    <message>
        <source>Working directory is not accessible: %1</source>
        <translation>Kein Zugriff auf Arbeitsverzeichnis: %1</translation>
    </message>
</context>
<context>
    <name>MenuBarController</name>
    <message>
        <source>Vigila: asking for the keep-awake lock</source>
        <translation>Vigila: Wachhalte-Sperre wird angefordert</translation>
    </message>
    <message>
        <source>No system tray found: on GNOME install and enable the AppIndicator extension, then log in again; meanwhile use `vigila` from a terminal</source>
        <translation>Kein Systembereich gefunden: Installieren und aktivieren Sie unter GNOME die Erweiterung AppIndicator und melden Sie sich neu an; verwenden Sie bis dahin `vigila` im Terminal</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <extracomment>%1 is the icon&apos;s description (&quot;Vigila: timed session active&quot;), %2 the time left</extracomment>
        <translation>%1 — noch %2</translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message>
        <source>%1  (keeping awake now)</source>
        <translation>%1  (hält jetzt wach)</translation>
    </message>
    <message>
        <source>%1  (holds, waiting out its delay)</source>
        <translation>%1  (Bedingung erfüllt, Verzögerung läuft)</translation>
    </message>
    <message>
        <source>No triggers yet</source>
        <translation>Noch keine Auslöser</translation>
    </message>
    <message>
        <source>%1 more in Preferences</source>
        <translation>%1 weitere in den Einstellungen</translation>
    </message>
    <message>
        <source>Manage Triggers…</source>
        <translation>Auslöser verwalten …</translation>
    </message>
    <message>
        <source>Keep Awake When…</source>
        <translation>Wach halten, wenn …</translation>
    </message>
    <message numerus="yes">
        <source>   %n more — `vigila list`</source>
        <translation>
            <numerusform>   %n weiterer — `vigila list`</numerusform>
            <numerusform>   %n weitere — `vigila list`</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME also holds off suspend while this runs (a terminal’s `systemctl suspend` needs -i)</source>
        <translation>GNOME schiebt den Ruhezustand ebenfalls auf, solange dies läuft (`systemctl suspend` im Terminal braucht -i)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <comment>a duration of one&apos;s own</comment>
        <translation>Eigene …</translation>
    </message>
    <message>
        <source>6:00 PM</source>
        <extracomment>The clock time 18:00, written as the locale writes times</extracomment>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>Tomorrow 8:00 AM</source>
        <extracomment>The clock time 08:00 on the next day, written as the locale writes times</extracomment>
        <translation>Morgen 8:00</translation>
    </message>
    <message>
        <source>Custom time…</source>
        <translation>Eigene Uhrzeit …</translation>
    </message>
    <message numerus="yes">
        <source>%1  (%n running)</source>
        <extracomment>%1 is the process name; %n how many processes of that name run</extracomment>
        <translation>
            <numerusform>%1  (%n läuft)</numerusform>
            <numerusform>%1  (%n laufen)</numerusform>
        </translation>
    </message>
    <message>
        <source>No process rules yet</source>
        <translation>Noch keine Prozessregeln</translation>
    </message>
    <message>
        <source>Add Process…</source>
        <translation>Prozess hinzufügen …</translation>
    </message>
    <message>
        <source>Manage in Preferences…</source>
        <translation>In den Einstellungen verwalten …</translation>
    </message>
    <message>
        <source>Stop Keep Awake</source>
        <translation>Wachhalten beenden</translation>
    </message>
    <message>
        <source>Start Keep Awake</source>
        <translation>Wachhalten starten</translation>
    </message>
    <message>
        <source>Keep Display Awake</source>
        <translation>Bildschirm wach halten</translation>
    </message>
    <message>
        <source>Keep Awake For…</source>
        <translation>Wach halten für …</translation>
    </message>
    <message>
        <source>Keep Awake Until…</source>
        <translation>Wach halten bis …</translation>
    </message>
    <message>
        <source>Keep Awake While Process Runs…</source>
        <translation>Wach halten, solange Prozess läuft …</translation>
    </message>
    <message>
        <source>Run Command With Vigila…</source>
        <translation>Befehl mit Vigila ausführen …</translation>
    </message>
    <message>
        <source>Active Reasons</source>
        <translation>Aktive Gründe</translation>
    </message>
    <message>
        <source>   • %1</source>
        <extracomment>A line of the list of what keeps the computer awake: %1 is its label</extracomment>
        <translation>   • %1</translation>
    </message>
    <message>
        <source>   • %1  —  %2 left</source>
        <extracomment>%1 is the reason&apos;s label, %2 the time left (e.g. 1h 30m)</extracomment>
        <translation>   • %1  —  noch %2</translation>
    </message>
    <message>
        <source>Click to stop this reason</source>
        <translation>Klicken, um diesen Grund zu beenden</translation>
    </message>
    <message>
        <source>   None</source>
        <comment>no reason keeps the computer awake</comment>
        <translation>   Keine</translation>
    </message>
    <message>
        <source>   ↻ Extend session by 30 min</source>
        <translation>   ↻ Sitzung um 30 min verlängern</translation>
    </message>
    <message>
        <source>Stop Current Session</source>
        <translation>Aktuelle Sitzung beenden</translation>
    </message>
    <message>
        <source>Also Keeping Awake</source>
        <translation>Hält ebenfalls wach</translation>
    </message>
    <message>
        <source>   and %1 more</source>
        <translation>   und %1 weitere</translation>
    </message>
    <message>
        <source>Copy Honest Status Message</source>
        <translation>Ehrliche Statusmeldung kopieren</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Vigila</source>
        <translation>Vigila beenden</translation>
    </message>
    <message>
        <source>Inactive — your computer can sleep normally</source>
        <translation>Inaktiv — der Computer kann normal in den Ruhezustand wechseln</translation>
    </message>
    <message numerus="yes">
        <source>Starting — asking for the keep-awake lock (%n reason(s))</source>
        <translation>
            <numerusform>Startet — Wachhalte-Sperre wird angefordert (%n Grund)</numerusform>
            <numerusform>Startet — Wachhalte-Sperre wird angefordert (%n Gründe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Waiting — the keep-awake lock could not be taken (%n reason(s))</source>
        <translation>
            <numerusform>Wartet — Wachhalte-Sperre konnte nicht gesetzt werden (%n Grund)</numerusform>
            <numerusform>Wartet — Wachhalte-Sperre konnte nicht gesetzt werden (%n Gründe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping display awake (%n reason(s))</source>
        <translation>
            <numerusform>Aktiv — Bildschirm wird wach gehalten (%n Grund)</numerusform>
            <numerusform>Aktiv — Bildschirm wird wach gehalten (%n Gründe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping system awake (%n reason(s))</source>
        <translation>
            <numerusform>Aktiv — System wird wach gehalten (%n Grund)</numerusform>
            <numerusform>Aktiv — System wird wach gehalten (%n Gründe)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Trigger “%1” started</source>
        <translation>Auslöser „%1“ gestartet</translation>
    </message>
    <message>
        <source>Keeping awake: %1.</source>
        <translation>Wachhalten: %1.</translation>
    </message>
    <message>
        <source>Trigger “%1” ended</source>
        <translation>Auslöser „%1“ beendet</translation>
    </message>
    <message>
        <source>Its condition no longer holds.</source>
        <translation>Seine Bedingung gilt nicht mehr.</translation>
    </message>
    <message>
        <source>Vigila has no icon</source>
        <translation>Vigila hat kein Symbol</translation>
    </message>
    <message>
        <source>Keep-awake started</source>
        <translation>Wachhalten gestartet</translation>
    </message>
    <message>
        <source>Keep-awake ended</source>
        <translation>Wachhalten beendet</translation>
    </message>
    <message>
        <source>Battery warning</source>
        <translation>Akkuwarnung</translation>
    </message>
    <message>
        <source>Vigila error</source>
        <translation>Vigila-Fehler</translation>
    </message>
    <message>
        <source>Could not create keep-awake assertion.</source>
        <translation>Die Wachhalte-Sperre konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Process watch active</source>
        <translation>Prozessüberwachung aktiv</translation>
    </message>
    <message>
        <source>Keeping awake while “%1” runs.</source>
        <translation>Wird wach gehalten, solange „%1“ läuft.</translation>
    </message>
    <message>
        <source>Process watch released</source>
        <translation>Prozessüberwachung freigegeben</translation>
    </message>
    <message>
        <source>“%1” is no longer running.</source>
        <translation>„%1“ läuft nicht mehr.</translation>
    </message>
    <message>
        <source>Command cancelled</source>
        <translation>Befehl abgebrochen</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <extracomment>%1 is the command line, %2 its exit status</extracomment>
        <translation>%1
Exit-Code %2</translation>
    </message>
    <message>
        <source>Command finished</source>
        <translation>Befehl abgeschlossen</translation>
    </message>
    <message>
        <source>Command failed</source>
        <translation>Befehl fehlgeschlagen</translation>
    </message>
    <message>
        <source>Command failed to start</source>
        <translation>Befehl konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>OtherInhibitor</name>
    <message>
        <source>Unknown program</source>
        <translation>Unbekanntes Programm</translation>
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
        <translation>…[frühere Ausgabe gekürzt]…
</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>General</source>
        <comment>preferences tab</comment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>preferences tab</comment>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Process Watch</source>
        <comment>preferences tab</comment>
        <translation>Prozessüberwachung</translation>
    </message>
    <message>
        <source>Triggers</source>
        <comment>preferences tab</comment>
        <translation>Auslöser</translation>
    </message>
    <message>
        <source>Commands</source>
        <comment>preferences tab</comment>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>preferences tab</comment>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>About</source>
        <comment>preferences tab</comment>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>ProcessPrefs</name>
    <message>
        <source>Add a process</source>
        <translation>Prozess hinzufügen</translation>
    </message>
    <message>
        <source>Keep awake while these processes run</source>
        <translation>Wach halten, solange diese Prozesse laufen</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A polling interval; %1 is a number of seconds</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Polling interval</source>
        <translation>Abfrageintervall</translation>
    </message>
    <message>
        <source>Warn on broad process names</source>
        <translation>Bei allgemeinen Prozessnamen warnen</translation>
    </message>
    <message>
        <source>Process watching reads /proc and needs no special permissions.</source>
        <translation>Die Prozessüberwachung liest /proc und braucht keine besonderen Berechtigungen.</translation>
    </message>
</context>
<context>
    <name>ProcessRule</name>
    <message>
        <source>Exact</source>
        <comment>the process name is matched as a whole</comment>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Contains</source>
        <comment>the process name is found within the command line</comment>
        <translation>Enthält</translation>
    </message>
</context>
<context>
    <name>ProcessRuleRow</name>
    <message>
        <source>Enabled</source>
        <comment>the process watch is on</comment>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>name</source>
        <comment>the process name</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the process watch</comment>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>ProcessWatcher</name>
    <message numerus="yes">
        <source>“%1” running (%n match(es))</source>
        <extracomment>%1 is the process name the rule looks for; %n how many running processes match it</extracomment>
        <translation>
            <numerusform>„%1“ läuft (%n Treffer)</numerusform>
            <numerusform>„%1“ läuft (%n Treffer)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtMenuDialogs</name>
    <message>
        <source>Start an indefinite keep-awake session?</source>
        <translation>Unbefristete Wachhalte-Sitzung starten?</translation>
    </message>
    <message>
        <source>This keeps your computer awake until you stop it. %1</source>
        <extracomment>%1 says why the computer may sleep all the same (lid closed, low battery, …)</extracomment>
        <translation>Der Computer bleibt wach, bis Sie das Wachhalten beenden. %1</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>start the keep-awake session</comment>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Keep Awake For…</source>
        <translation>Wach halten für …</translation>
    </message>
    <message>
        <source>Enter a duration in minutes.</source>
        <translation>Geben Sie eine Dauer in Minuten ein.</translation>
    </message>
    <message>
        <source>Keep Awake Until…</source>
        <translation>Wach halten bis …</translation>
    </message>
    <message>
        <source>Choose the time to stop keeping your computer awake.</source>
        <translation>Wählen Sie die Uhrzeit, zu der das Wachhalten enden soll.</translation>
    </message>
    <message>
        <source>Add Process Watch</source>
        <translation>Prozessüberwachung hinzufügen</translation>
    </message>
    <message>
        <source>Keep the computer awake while a process with this name is running.</source>
        <translation>Den Computer wach halten, solange ein Prozess mit diesem Namen läuft.</translation>
    </message>
    <message>
        <source>Add &amp; Enable</source>
        <extracomment>The &quot;&amp;&quot; shows as it is: the button has no keyboard mnemonic</extracomment>
        <translation>Hinzufügen &amp; aktivieren</translation>
    </message>
    <message>
        <source>e.g. claude</source>
        <extracomment>An example process name; &quot;claude&quot; is a program&apos;s name</extracomment>
        <translation>z. B. claude</translation>
    </message>
    <message>
        <source>Broad process name</source>
        <translation>Allgemeiner Prozessname</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ReasonOutput</name>
    <message>
        <source>Error: %1</source>
        <extracomment>%1 is what went wrong with the keep-awake lock</extracomment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>%1 is a note on the keep-awake lock</extracomment>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <extracomment>%1 is what the battery guard says</extracomment>
        <translation>Akku: %1</translation>
    </message>
    <message>
        <source>Last stopped: %1</source>
        <extracomment>%1 is what stopped the last session and why</extracomment>
        <translation>Zuletzt beendet: %1</translation>
    </message>
    <message>
        <source>Also keeping awake:</source>
        <translation>Hält ebenfalls wach:</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 is another program and why it keeps the computer awake, %2 its process id</extracomment>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>Nothing keeps the computer awake.</source>
        <translation>Nichts hält den Computer wach.</translation>
    </message>
    <message>
        <source>ID</source>
        <extracomment>a column title: a reason&apos;s id</extracomment>
        <translation>ID</translation>
    </message>
    <message>
        <source>TYPE</source>
        <extracomment>a column title: a reason&apos;s type</extracomment>
        <translation>TYP</translation>
    </message>
    <message>
        <source>MODE</source>
        <extracomment>a column title: the mode kept awake, system or display</extracomment>
        <translation>MODUS</translation>
    </message>
    <message>
        <source>ENDS</source>
        <extracomment>a column title: when a reason ends</extracomment>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>LABEL</source>
        <extracomment>a column title: a reason&apos;s label</extracomment>
        <translation>BEZEICHNUNG</translation>
    </message>
</context>
<context>
    <name>SafetyCopy</name>
    <message>
        <source>Keep your computer awake while real work runs.</source>
        <translation>Den Computer wach halten, während echte Arbeit läuft.</translation>
    </message>
    <message>
        <source>Vigila keeps your computer awake so real work can continue. It does not fake activity, bypass lock screens, or change your presence in communication apps.</source>
        <translation>Vigila hält Ihren Computer wach, damit echte Arbeit weiterlaufen kann. Es täuscht keine Aktivität vor, umgeht keine Sperrbildschirme und ändert nicht Ihren Status in Kommunikations-Apps.</translation>
    </message>
    <message>
        <source>Display Awake keeps your screen on. It does not bypass lock screen or password settings.</source>
        <translation>„Bildschirm wach halten“ lässt den Bildschirm eingeschaltet. Es umgeht weder Sperrbildschirm noch Passworteinstellungen.</translation>
    </message>
    <message>
        <source>Vigila prevents idle sleep. Your computer may still sleep because of lid close, low battery, explicit Sleep, or administrator policies.</source>
        <translation>Vigila verhindert den Ruhezustand bei Inaktivität. Der Computer kann trotzdem in den Ruhezustand wechseln, etwa beim Zuklappen, bei niedrigem Akkustand, bei ausdrücklichem Ruhezustand oder durch Richtlinien der Administration.</translation>
    </message>
    <message>
        <source>Vigila runs locally. It does not track you, send analytics, or connect to chat apps.</source>
        <translation>Vigila läuft lokal. Es verfolgt Sie nicht, sendet keine Nutzungsdaten und verbindet sich nicht mit Chat-Apps.</translation>
    </message>
    <message>
        <source>Vigila does not fake activity.</source>
        <translation>Vigila täuscht keine Aktivität vor.</translation>
    </message>
    <message>
        <source>Vigila does not prevent screen lock.</source>
        <translation>Vigila verhindert die Bildschirmsperre nicht.</translation>
    </message>
    <message>
        <source>Vigila does not interact with Slack or Teams.</source>
        <translation>Vigila interagiert nicht mit Slack oder Teams.</translation>
    </message>
    <message>
        <source>Vigila does not move the mouse or press keys.</source>
        <translation>Vigila bewegt nicht die Maus und drückt keine Tasten.</translation>
    </message>
    <message>
        <source>Vigila only uses the standard keep-awake locks of your desktop and systemd-logind.</source>
        <translation>Vigila nutzt nur die üblichen Wachhalte-Sperren Ihres Desktops und von systemd-logind.</translation>
    </message>
    <message>
        <source>Broad names like “node” or “python” can match many unrelated processes, which may keep your computer awake longer than you expect.</source>
        <translation>Allgemeine Namen wie „node“ oder „python“ können auf viele fremde Prozesse passen und den Computer länger wach halten als erwartet.</translation>
    </message>
</context>
<context>
    <name>SafetyPrefs</name>
    <message>
        <source>What Vigila does and doesn&apos;t do</source>
        <translation>Was Vigila tut und was nicht</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>The schedule is longer than %1 characters.</source>
        <translation>Der Zeitplan ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>The schedule is empty. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation>Der Zeitplan ist leer. Bitte Tage und Uhrzeiten angeben, etwa „Mon-Fri 09:00-17:30“.</translation>
    </message>
    <message>
        <source>“%1” is not a schedule. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation>„%1“ ist kein Zeitplan. Bitte Tage und Uhrzeiten angeben, etwa „Mon-Fri 09:00-17:30“.</translation>
    </message>
    <message>
        <source>“%1” are not days of the week (use Mon, Tue, Wed, Thu, Fri, Sat, Sun or Daily).</source>
        <translation>„%1“ sind keine Wochentage (Mon, Tue, Wed, Thu, Fri, Sat, Sun oder Daily verwenden).</translation>
    </message>
    <message>
        <source>“%1-%2” are not hours of the day (use 00:00 to 24:00).</source>
        <translation>„%1-%2“ sind keine Uhrzeiten (00:00 bis 24:00 verwenden).</translation>
    </message>
    <message>
        <source>A schedule has at most %1 windows.</source>
        <translation>Ein Zeitplan hat höchstens %1 Zeitfenster.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Every day %1</source>
        <translation>Täglich %1</translation>
    </message>
    <message>
        <source>Weekdays %1</source>
        <translation>Werktags %1</translation>
    </message>
    <message>
        <source>Weekends %1</source>
        <translation>Am Wochenende %1</translation>
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
        <translation>Vigila: inaktiv</translation>
    </message>
    <message>
        <source>Vigila: keeping system awake</source>
        <translation>Vigila: System wird wach gehalten</translation>
    </message>
    <message>
        <source>Vigila: keeping display awake</source>
        <translation>Vigila: Bildschirm wird wach gehalten</translation>
    </message>
    <message>
        <source>Vigila: timed session active</source>
        <translation>Vigila: zeitgesteuerte Sitzung aktiv</translation>
    </message>
    <message>
        <source>Vigila: process-based session active</source>
        <translation>Vigila: prozessgebundene Sitzung aktiv</translation>
    </message>
    <message>
        <source>Vigila: command-based session active</source>
        <translation>Vigila: befehlsgebundene Sitzung aktiv</translation>
    </message>
    <message>
        <source>Vigila: battery guardrail triggered</source>
        <translation>Vigila: Akkuschutz hat eingegriffen</translation>
    </message>
    <message>
        <source>Vigila: assertion failed</source>
        <translation>Vigila: Wachhalte-Sperre fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>TerminalRun</name>
    <message>
        <source>the session bus does not answer; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>der Sitzungsbus antwortet nicht; der Computer wird selbst wach gehalten (%1), solange der Befehl läuft.</translation>
    </message>
    <message>
        <source>the session bus does not answer and no keep-awake lock is available; running the command anyway.</source>
        <translation>der Sitzungsbus antwortet nicht und keine Wachhalte-Sperre ist verfügbar; der Befehl wird trotzdem ausgeführt.</translation>
    </message>
    <message>
        <source>Vigila quit; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>Vigila wurde beendet; der Computer wird selbst wach gehalten (%1), solange der Befehl läuft.</translation>
    </message>
    <message>
        <source>cannot run “%1”: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>„%1“ kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>Vigila did not take the hold (%1); keeping the computer awake here instead.</source>
        <extracomment>%1 is Vigila&apos;s answer, the reason it did not take the hold</extracomment>
        <translation>Vigila hat das Wachhalten nicht übernommen (%1); der Computer wird stattdessen hier wach gehalten.</translation>
    </message>
    <message>
        <source>Vigila is not running; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>Vigila läuft nicht; der Computer wird selbst wach gehalten (%1), solange der Befehl läuft.</translation>
    </message>
    <message>
        <source>Vigila is not running and no keep-awake lock is available; running the command anyway.</source>
        <translation>Vigila läuft nicht und keine Wachhalte-Sperre ist verfügbar; der Befehl wird trotzdem ausgeführt.</translation>
    </message>
    <message>
        <source>the keep-awake hold was stopped in Vigila; the command keeps running.</source>
        <translation>das Wachhalten wurde in Vigila beendet; der Befehl läuft weiter.</translation>
    </message>
    <message>
        <source>Vigila quit; the command keeps running without keeping the computer awake.</source>
        <translation>Vigila wurde beendet; der Befehl läuft weiter, ohne den Computer wach zu halten.</translation>
    </message>
</context>
<context>
    <name>TriggerCommands</name>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation>vigila: der Sitzungsbus antwortet nicht, daher ist Vigila nicht erreichbar; der D-Bus-Daemon der Sitzung hängt möglicherweise.</translation>
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
        <translation>Aufruf: vigila trigger add ART [OPTIONEN]
        vigila trigger remove|enable|disable NAME-ODER-ID

Fügt einen Auslöser hinzu, der den Computer wach hält, solange seine Bedingung
erfüllt ist, oder entfernt, aktiviert bzw. deaktiviert einen (über seinen Namen
oder seine ID aus &quot;vigila triggers&quot;).

Arten:
  ac                          solange das Netzteil angeschlossen ist
  display                     solange ein externer Bildschirm angeschlossen ist (oder angedockt)
  remote-session [--any-user] solange Sie (oder jemand anderes) entfernt angemeldet sind, etwa per SSH
  unit NAME [--user|--system] solange eine systemd-Unit läuft (standardmäßig eine des Systems)
  schedule &quot;Mon-Fri 09:00-17:30&quot;  in wöchentlichen Zeitfenstern nach Ortszeit
  audio [--ignore APP]... [--only APP]...
                              solange Ton abgespielt wird (nicht pausiert, stumm oder still)
  download [--folder ORDNER]... [--pattern MUSTER]...
                              solange ein unfertiger Download wächst (standardmäßig in Downloads)
  network --above KB/S [--window DAUER] [--interface NAME]
                              solange der Datenverkehr über einer Rate bleibt (Mittel über 30 s)
  busy PROZESS [--contains] [--above PROZENT] [--window DAUER]
                              solange ein Prozess mehr CPU nutzt (10 % eines Kerns, 60 s)
  machine [NAME]              solange eine virtuelle Maschine oder ein Container läuft

Optionen von add:
  --name TEXT      was das Menü anzeigt (standardmäßig die Bedingung)
  --display        auch den Bildschirm wach halten (sonst Standardmodus der Einstellungen)
  --system-only    nur das System wach halten
  --delay DAUER    so lange muss die Bedingung zuerst erfüllt sein (90, 90s, 5m; Standard 0)
  --grace DAUER    so lange nach ihrem Ende wach bleiben (Standard 0)
  --only-on-ac     nur am Netz
  --disabled       ausgeschaltet hinzufügen

Gibt die ID des neuen Auslösers aus.
</translation>
    </message>
    <message>
        <source>cannot run</source>
        <extracomment>a trigger&apos;s state, after its name</extracomment>
        <translation>kann nicht laufen</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>a trigger&apos;s state: turned off</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source>on, keeping awake now</source>
        <extracomment>a trigger&apos;s state</extracomment>
        <translation>an, hält jetzt wach</translation>
    </message>
    <message>
        <source>on, holds, waiting out its delay</source>
        <extracomment>a trigger&apos;s state: its condition holds, and it waits for its delay to pass</extracomment>
        <translation>an, erfüllt, wartet die Verzögerung ab</translation>
    </message>
    <message>
        <source>on, holds (stopped from the menu until it ends)</source>
        <extracomment>a trigger&apos;s state: its condition holds, but the user stopped it from the menu</extracomment>
        <translation>an, erfüllt (im Menü gestoppt, bis die Bedingung endet)</translation>
    </message>
    <message>
        <source>on, waiting</source>
        <extracomment>a trigger&apos;s state: turned on, its condition does not hold</extracomment>
        <translation>an, wartet</translation>
    </message>
    <message>
        <source>No triggers. Add one with &quot;vigila trigger add&quot; or in Preferences.
</source>
        <extracomment>keep &quot;vigila trigger add&quot; as it is</extracomment>
        <translation>Keine Auslöser. Mit &quot;vigila trigger add&quot; oder in den Einstellungen einen hinzufügen.
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
        <translation>%1, nur am Netz</translation>
    </message>
    <message>
        <source>%1, after %2</source>
        <extracomment>%1 is the trigger&apos;s condition, %2 how long it must hold first</extracomment>
        <translation>%1, nach %2</translation>
    </message>
    <message>
        <source>%1, staying %2 after</source>
        <extracomment>%1 is the trigger&apos;s condition, %2 how long the computer stays awake after it ends</extracomment>
        <translation>%1, Nachlaufzeit %2</translation>
    </message>
    <message>
        <source>    when: %1
</source>
        <extracomment>%1 is the trigger&apos;s condition</extracomment>
        <translation>    wann: %1
</translation>
    </message>
    <message>
        <source>    now: %1
</source>
        <extracomment>%1 is what the trigger keeps the computer awake for now</extracomment>
        <translation>    jetzt: %1
</translation>
    </message>
    <message>
        <source>    id: %1
</source>
        <extracomment>%1 is the trigger&apos;s id</extracomment>
        <translation>    ID: %1
</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>What the menu shows.</source>
        <translation>Was das Menü anzeigt.</translation>
    </message>
    <message>
        <source>Keep the display on as well.</source>
        <translation>Auch den Bildschirm wach halten.</translation>
    </message>
    <message>
        <source>Keep only the system awake.</source>
        <translation>Nur das System wach halten.</translation>
    </message>
    <message>
        <source>How long the condition must hold first.</source>
        <translation>Wie lange die Bedingung zuerst erfüllt sein muss.</translation>
    </message>
    <message>
        <source>How long to stay awake after it ends.</source>
        <translation>Wie lange nach dem Ende noch wach bleiben.</translation>
    </message>
    <message>
        <source>Only while on AC power.</source>
        <translation>Nur am Netz.</translation>
    </message>
    <message>
        <source>Add it turned off.</source>
        <translation>Ausgeschaltet hinzufügen.</translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session counts, not only yours.</source>
        <translation>Die Remote-Sitzung jedes Benutzers zählt, nicht nur die eigene.</translation>
    </message>
    <message>
        <source>The unit is one of your own systemd user units.</source>
        <translation>Die Unit ist eine eigene systemd-Benutzer-Unit.</translation>
    </message>
    <message>
        <source>The unit is a system unit (the default).</source>
        <translation>Die Unit ist eine System-Unit (Standard).</translation>
    </message>
    <message>
        <source>An application whose sound does not count.</source>
        <translation>Eine Anwendung, deren Ton nicht zählt.</translation>
    </message>
    <message>
        <source>Only this application&apos;s sound counts.</source>
        <translation>Nur der Ton dieser Anwendung zählt.</translation>
    </message>
    <message>
        <source>A folder to watch for downloads.</source>
        <translation>Ein Ordner, der auf Downloads überwacht wird.</translation>
    </message>
    <message>
        <source>A partial download&apos;s name, such as *.part.</source>
        <translation>Der Name eines unfertigen Downloads, etwa *.part.</translation>
    </message>
    <message>
        <source>The rate (KB/s) or CPU use (% of a core) to stay above.</source>
        <translation>Die Rate (KB/s) oder CPU-Last (% eines Kerns), die überschritten sein muss.</translation>
    </message>
    <message>
        <source>How long to average over (10s to 10m).</source>
        <translation>Über welchen Zeitraum gemittelt wird (10s bis 10m).</translation>
    </message>
    <message>
        <source>Only this network interface.</source>
        <translation>Nur diese Netzwerkschnittstelle.</translation>
    </message>
    <message>
        <source>Match the process anywhere in its command line.</source>
        <translation>Den Prozess irgendwo in seiner Befehlszeile suchen.</translation>
    </message>
    <message>
        <source>%1 takes one trigger: its name or id.</source>
        <extracomment>%1 is remove, enable or disable, as the user wrote it</extracomment>
        <translation>%1 erwartet einen Auslöser: seinen Namen oder seine ID.</translation>
    </message>
    <message>
        <source>--%1 is an option of &quot;trigger add&quot;.</source>
        <extracomment>%1 is an option&apos;s name; keep &quot;trigger add&quot; as it is</extracomment>
        <translation>--%1 ist eine Option von &quot;trigger add&quot;.</translation>
    </message>
    <message>
        <source>Removed the trigger “%1”.</source>
        <translation>Auslöser „%1“ entfernt.</translation>
    </message>
    <message>
        <source>Enabled the trigger “%1”.</source>
        <translation>Auslöser „%1“ aktiviert.</translation>
    </message>
    <message>
        <source>Disabled the trigger “%1”.</source>
        <translation>Auslöser „%1“ deaktiviert.</translation>
    </message>
    <message>
        <source>“%1” is not add, remove, enable or disable.</source>
        <extracomment>%1 is what the user wrote; keep add, remove, enable and disable as they are</extracomment>
        <translation>„%1“ ist weder add, remove, enable noch disable.</translation>
    </message>
    <message>
        <source>say which kind: ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <extracomment>keep the kinds as they are</extracomment>
        <translation>bitte die Art angeben: ac, display, remote-session, unit, schedule, audio, download, network, busy oder machine.</translation>
    </message>
    <message>
        <source>a unit is either --user or --system.</source>
        <translation>eine Unit ist entweder --user oder --system.</translation>
    </message>
    <message>
        <source>name the unit, such as backup.service.</source>
        <translation>bitte die Unit nennen, etwa backup.service.</translation>
    </message>
    <message>
        <source>give the schedule, such as &quot;Mon-Fri 09:00-17:30&quot;.</source>
        <translation>bitte den Zeitplan angeben, etwa &quot;Mon-Fri 09:00-17:30&quot;.</translation>
    </message>
    <message>
        <source>say above which rate, in KB/s: --above 500.</source>
        <translation>bitte die Rate in KB/s angeben, über der es gilt: --above 500.</translation>
    </message>
    <message>
        <source>name the process, such as ffmpeg.</source>
        <translation>bitte den Prozess nennen, etwa ffmpeg.</translation>
    </message>
    <message>
        <source>say above which CPU use, in percent of a core: --above 25.</source>
        <translation>bitte die CPU-Last in Prozent eines Kerns angeben, über der es gilt: --above 25.</translation>
    </message>
    <message>
        <source>“%1” is not a kind; use ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <extracomment>%1 is what the user wrote; keep the kinds as they are</extracomment>
        <translation>„%1“ ist keine Art; ac, display, remote-session, unit, schedule, audio, download, network, busy oder machine verwenden.</translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 30s, 1m or 10m.</source>
        <extracomment>%1 is what the user wrote; keep 30s, 1m and 10m as they are</extracomment>
        <translation>„%1“ ist keine Dauer; 30s, 1m oder 10m schreiben.</translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <translation>unerwartet: „%1“.</translation>
    </message>
    <message>
        <source>--%1 does not go with %2.</source>
        <extracomment>%1 is an option&apos;s name, %2 the trigger&apos;s kind, such as ac</extracomment>
        <translation>--%1 passt nicht zu %2.</translation>
    </message>
    <message>
        <source>choose --display or --system-only, not both.</source>
        <translation>entweder --display oder --system-only wählen, nicht beides.</translation>
    </message>
    <message>
        <source>“%1” is not a duration of at most a day; write 0, 90 (seconds), 90s, 45m or 2h.</source>
        <extracomment>%1 is what the user wrote; keep the durations as they are</extracomment>
        <translation>„%1“ ist keine Dauer von höchstens einem Tag; 0, 90 (Sekunden), 90s, 45m oder 2h schreiben.</translation>
    </message>
    <message>
        <source>vigila trigger: %1
Run &quot;vigila trigger --help&quot; for how to use it.
</source>
        <extracomment>%1 is what is wrong; keep &quot;vigila trigger --help&quot; as it is</extracomment>
        <translation>vigila trigger: %1
&quot;vigila trigger --help&quot; zeigt, wie es verwendet wird.
</translation>
    </message>
</context>
<context>
    <name>TriggerMaps</name>
    <message>
        <source>Unknown key “%1”.</source>
        <extracomment>%1 is the key given</extracomment>
        <translation>Unbekannter Schlüssel „%1“.</translation>
    </message>
    <message>
        <source>The key “%1” has a value of the wrong type.</source>
        <extracomment>%1 is the key&apos;s name</extracomment>
        <translation>Der Schlüssel „%1“ hat einen Wert des falschen Typs.</translation>
    </message>
    <message>
        <source>Unknown kind “%1”: use ac, display, remote-session, unit or schedule.</source>
        <extracomment>%1 is the kind given; keep the kinds as they are</extracomment>
        <translation>Unbekannte Art „%1“: ac, display, remote-session, unit oder schedule verwenden.</translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <extracomment>%1 is the mode given; keep system and display as they are</extracomment>
        <translation>Unbekannter Modus „%1“: system, display oder eine leere Zeichenkette für den Standard der Einstellungen verwenden.</translation>
    </message>
    <message>
        <source>The %1 must be between 0 and %2 seconds.</source>
        <extracomment>%1 is the key&apos;s name, delay or grace, as it is; %2 the most seconds</extracomment>
        <translation>Der Wert %1 muss zwischen 0 und %2 Sekunden liegen.</translation>
    </message>
</context>
<context>
    <name>TriggerPrefs</name>
    <message>
        <source>Add a trigger</source>
        <translation>Auslöser hinzufügen</translation>
    </message>
    <message>
        <source>Keep awake when…</source>
        <translation>Wach halten, wenn …</translation>
    </message>
    <message>
        <source>No triggers yet. Add one with the + button above.</source>
        <translation>Noch keine Auslöser. Mit der Schaltfläche + oben einen hinzufügen.</translation>
    </message>
    <message>
        <source>Notify when a trigger starts or stops</source>
        <translation>Benachrichtigen, wenn ein Auslöser startet oder endet</translation>
    </message>
    <message>
        <source>A trigger keeps the computer awake while its condition holds, after its delay, and for its grace time after the condition ends.</source>
        <translation>Ein Auslöser hält den Computer wach, solange seine Bedingung erfüllt ist – nach Ablauf seiner Verzögerung und noch für seine Nachlaufzeit, nachdem die Bedingung geendet hat.</translation>
    </message>
</context>
<context>
    <name>TriggerRule</name>
    <message>
        <source>This kind of trigger (“%1”) comes from a newer version of Vigila.</source>
        <translation>Diese Art von Auslöser („%1“) stammt aus einer neueren Version von Vigila.</translation>
    </message>
    <message>
        <source>Whose sessions count is not set.</source>
        <translation>Es ist nicht festgelegt, wessen Sitzungen zählen.</translation>
    </message>
    <message>
        <source>No unit is named.</source>
        <translation>Keine Unit angegeben.</translation>
    </message>
    <message>
        <source>“%1” is not a systemd unit name (like backup.service).</source>
        <translation>„%1“ ist kein Name einer systemd-Unit (etwa backup.service).</translation>
    </message>
    <message>
        <source>Whether the unit is the user&apos;s or the system&apos;s is not set.</source>
        <translation>Es ist nicht festgelegt, ob die Unit eine Benutzer- oder System-Unit ist.</translation>
    </message>
    <message>
        <source>No schedule is set.</source>
        <translation>Kein Zeitplan festgelegt.</translation>
    </message>
    <message>
        <source>“%1” is not a full path to a folder (it must start with /).</source>
        <translation>„%1“ ist kein vollständiger Pfad zu einem Ordner (er muss mit / beginnen).</translation>
    </message>
    <message>
        <source>The traffic threshold must be between 1 and 10 000 000 KB/s.</source>
        <translation>Der Schwellenwert für den Datenverkehr muss zwischen 1 und 10 000 000 KB/s liegen.</translation>
    </message>
    <message>
        <source>The network interface is not a name.</source>
        <translation>Der Name der Netzwerkschnittstelle ist ungültig.</translation>
    </message>
    <message>
        <source>No process is named.</source>
        <translation>Kein Prozess angegeben.</translation>
    </message>
    <message>
        <source>A process is matched by its exact name or by what its command line contains.</source>
        <translation>Ein Prozess wird über seinen genauen Namen oder über einen Teil seiner Befehlszeile erkannt.</translation>
    </message>
    <message>
        <source>The CPU threshold must be between 1 and 6400 % of a core.</source>
        <translation>Der Schwellenwert für die CPU-Last muss zwischen 1 und 6400 % eines Kerns liegen.</translation>
    </message>
    <message>
        <source>The machine is not a name.</source>
        <translation>Der Name der Maschine ist ungültig.</translation>
    </message>
    <message>
        <source>Unknown condition “%1”</source>
        <translation>Unbekannte Bedingung „%1“</translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session open</source>
        <translation>Remote-Sitzung eines beliebigen Benutzers offen</translation>
    </message>
    <message>
        <source>Remote session open</source>
        <translation>Remote-Sitzung offen</translation>
    </message>
    <message>
        <source>%1 running (user unit)</source>
        <translation>%1 läuft (Benutzer-Unit)</translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation>%1 läuft</translation>
    </message>
    <message>
        <source>Schedule “%1”</source>
        <translation>Zeitplan „%1“</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Ton wird abgespielt</translation>
    </message>
    <message>
        <source>Sound playing from %1</source>
        <translation>Ton wird von %1 abgespielt</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Download läuft</translation>
    </message>
    <message>
        <source>Download in progress in %1</source>
        <translation>Download läuft in %1</translation>
    </message>
    <message>
        <source>Network traffic above %1 KB/s</source>
        <translation>Netzwerkverkehr über %1 KB/s</translation>
    </message>
    <message>
        <source>Traffic on %1 above %2 KB/s</source>
        <translation>Datenverkehr auf %1 über %2 KB/s</translation>
    </message>
    <message>
        <source>“%1” busy above %2 % of a core</source>
        <extracomment>%1 is the process name, %2 the CPU use in percent of one core it has to exceed</extracomment>
        <translation>„%1“ über %2 % eines Kerns ausgelastet</translation>
    </message>
    <message>
        <source>A virtual machine or container running</source>
        <translation>Eine virtuelle Maschine oder ein Container läuft</translation>
    </message>
    <message>
        <source>The machine “%1” running</source>
        <translation>Die Maschine „%1“ läuft</translation>
    </message>
    <message>
        <source>The stored rule could not be read whole (%1), so it was turned off; check it and turn it on again.</source>
        <translation>Die gespeicherte Regel konnte nicht vollständig gelesen werden (%1) und wurde daher ausgeschaltet; bitte prüfen und wieder einschalten.</translation>
    </message>
    <message>
        <source>The list “%1” is not a list of names.</source>
        <translation>Die Liste „%1“ ist keine Liste von Namen.</translation>
    </message>
    <message>
        <source>The list “%1” has more than 100 names.</source>
        <translation>Die Liste „%1“ enthält mehr als 100 Namen.</translation>
    </message>
    <message>
        <source>The list “%1” holds something that is not a name on one line.</source>
        <translation>Die Liste „%1“ enthält etwas, das kein einzeiliger Name ist.</translation>
    </message>
    <message>
        <source>The window to average over must be between %1 and %2 seconds.</source>
        <translation>Das Zeitfenster für den Mittelwert muss zwischen %1 und %2 Sekunden liegen.</translation>
    </message>
    <message>
        <source>Power adapter connected</source>
        <translation>Netzteil angeschlossen</translation>
    </message>
    <message>
        <source>External display connected</source>
        <translation>Externer Bildschirm angeschlossen</translation>
    </message>
    <message>
        <source>systemd unit running</source>
        <translation>systemd-Unit läuft</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Network traffic</source>
        <translation>Netzwerkverkehr</translation>
    </message>
    <message>
        <source>Process busy</source>
        <translation>Prozess ausgelastet</translation>
    </message>
    <message>
        <source>Virtual machine or container running</source>
        <translation>Virtuelle Maschine oder Container läuft</translation>
    </message>
</context>
<context>
    <name>TriggerRuleEditor</name>
    <message>
        <source>No trigger is called “%1”.</source>
        <translation>Kein Auslöser heißt „%1“.</translation>
    </message>
    <message>
        <source>Several triggers are called “%1”; name one by its id.</source>
        <translation>Mehrere Auslöser heißen „%1“; bitte einen über seine ID angeben.</translation>
    </message>
    <message>
        <source>There are %1 triggers already, as many as Vigila keeps.</source>
        <translation>Es gibt bereits %1 Auslöser, so viele, wie Vigila speichern kann.</translation>
    </message>
    <message>
        <source>A delay or grace time is at most %1 seconds.</source>
        <translation>Eine Verzögerung oder Nachlaufzeit beträgt höchstens %1 Sekunden.</translation>
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
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <source>User unit</source>
        <translation>Benutzer-Unit</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <extracomment>A traffic rate in its box; %1 is the number of kilobytes per second</extracomment>
        <translation>%1 KB/s</translation>
    </message>
    <message>
        <source>Match in command line</source>
        <translation>In Befehlszeile suchen</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of one CPU core in its box; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Only on AC power</source>
        <translation>Nur am Netz</translation>
    </message>
    <message>
        <source>Count remote sessions of every user, not only your own.</source>
        <translation>Remote-Sitzungen aller Benutzer zählen, nicht nur die eigenen.</translation>
    </message>
    <message>
        <source>backup.service</source>
        <extracomment>An example systemd unit name</extracomment>
        <translation>backup.service</translation>
    </message>
    <message>
        <source>The systemd unit that keeps the computer awake while it runs.</source>
        <translation>Die systemd-Unit, die den Computer wach hält, solange sie läuft.</translation>
    </message>
    <message>
        <source>A unit of your own user&apos;s systemd, rather than the system&apos;s.</source>
        <translation>Eine Unit der eigenen systemd-Benutzerinstanz statt einer des Systems.</translation>
    </message>
    <message>
        <source>Mon-Fri 09:00-17:30</source>
        <extracomment>An example schedule: the day names stay in English, as schedules are written with them</extracomment>
        <translation>Mon-Fri 09:00-17:30</translation>
    </message>
    <message>
        <source>Days and times, several separated by commas, such as “Mon-Fri 09:00-12:00, Sat 10:00-12:00” or “Daily 22:00-06:00”.</source>
        <extracomment>The day names in the examples stay in English, as schedules are written with them</extracomment>
        <translation>Tage und Uhrzeiten, mehrere durch Kommas getrennt, etwa „Mon-Fri 09:00-12:00, Sat 10:00-12:00“ oder „Daily 22:00-06:00“.</translation>
    </message>
    <message>
        <source>The condition counts only while the computer is on AC power.</source>
        <translation>Die Bedingung zählt nur, solange der Computer am Netz ist.</translation>
    </message>
    <message>
        <source>What stays awake; Default follows the General tab.</source>
        <translation>Was wach bleibt; „Standard“ richtet sich nach dem Reiter „Allgemein“.</translation>
    </message>
    <message>
        <source>How long the condition must hold before Vigila keeps the computer awake.</source>
        <translation>Wie lange die Bedingung erfüllt sein muss, bevor Vigila den Computer wach hält.</translation>
    </message>
    <message>
        <source>How long Vigila keeps the computer awake after the condition ends.</source>
        <translation>Wie lange Vigila den Computer nach dem Ende der Bedingung noch wach hält.</translation>
    </message>
    <message>
        <source>Applications whose sound does not count, separated by commas, such as “Firefox, Slack”. Their names or their programs both match.</source>
        <translation>Anwendungen, deren Ton nicht zählt, durch Kommas getrennt, etwa „Firefox, Slack“. Es passen sowohl ihre Namen als auch ihre Programme.</translation>
    </message>
    <message>
        <source>every application</source>
        <translation>alle Anwendungen</translation>
    </message>
    <message>
        <source>Only sound from these applications counts, separated by commas; empty for every application.</source>
        <translation>Nur Ton dieser Anwendungen zählt, durch Kommas getrennt; leer für alle Anwendungen.</translation>
    </message>
    <message>
        <source>The folders to watch, as full paths separated by commas or semicolons; empty for your Downloads folder.</source>
        <translation>Die zu überwachenden Ordner als vollständige Pfade, durch Kommas oder Semikolons getrennt; leer für den eigenen Download-Ordner.</translation>
    </message>
    <message>
        <source>The names of files still being downloaded, separated by commas; * stands for any text. Empty for the usual ones: %1.</source>
        <extracomment>%1 lists the usual names, such as &quot;*.part, *.crdownload&quot;</extracomment>
        <translation>Die Namen von Dateien, die noch heruntergeladen werden, durch Kommas getrennt; * steht für beliebigen Text. Leer für die üblichen: %1.</translation>
    </message>
    <message>
        <source>all physical interfaces</source>
        <translation>alle physischen Schnittstellen</translation>
    </message>
    <message>
        <source>The network interface to measure, such as eth0 or wlan0.</source>
        <translation>Die zu messende Netzwerkschnittstelle, etwa eth0 oder wlan0.</translation>
    </message>
    <message>
        <source>The condition holds while traffic, received and sent together, is above this rate.</source>
        <translation>Die Bedingung ist erfüllt, solange der Datenverkehr (empfangen und gesendet zusammen) über dieser Rate liegt.</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <extracomment>An example process name</extracomment>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>The name of the process to watch.</source>
        <translation>Der Name des zu überwachenden Prozesses.</translation>
    </message>
    <message>
        <source>Match every process whose command line contains the text, not only a process of exactly that name.</source>
        <translation>Jeden Prozess erfassen, dessen Befehlszeile den Text enthält, nicht nur einen Prozess mit genau diesem Namen.</translation>
    </message>
    <message>
        <source>The condition holds while the matching processes together use more than this share of one CPU core (100 % is a whole core).</source>
        <translation>Die Bedingung ist erfüllt, solange die passenden Prozesse zusammen mehr als diesen Anteil eines CPU-Kerns nutzen (100 % sind ein ganzer Kern).</translation>
    </message>
    <message>
        <source>How long the traffic or the CPU use is averaged over.</source>
        <translation>Über welchen Zeitraum der Datenverkehr oder die CPU-Last gemittelt wird.</translation>
    </message>
    <message>
        <source>The name of a virtual machine or container, as systemd-machined knows it; empty for any.</source>
        <translation>Der Name einer virtuellen Maschine oder eines Containers, wie systemd-machined ihn kennt; leer für beliebige.</translation>
    </message>
    <message>
        <source>Ignore:</source>
        <translation>Ignorieren:</translation>
    </message>
    <message>
        <source>Only:</source>
        <translation>Nur:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Namen:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>Above:</source>
        <translation>Über:</translation>
    </message>
    <message>
        <source>Process:</source>
        <translation>Prozess:</translation>
    </message>
    <message>
        <source>Machine:</source>
        <translation>Maschine:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Verzögerung:</translation>
    </message>
    <message>
        <source>Grace:</source>
        <translation>Nachlaufzeit:</translation>
    </message>
    <message>
        <source>Unknown kind “%1”</source>
        <extracomment>%1 is the kind as stored by another version of Vigila, such as &quot;bluetooth&quot;</extracomment>
        <translation>Unbekannte Art „%1“</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 says what is wrong with the parameters typed</extracomment>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <extracomment>%1 says what keeps the rule from running</extracomment>
        <translation>Kann nicht laufen: %1</translation>
    </message>
    <message>
        <source>Turned off.</source>
        <translation>Ausgeschaltet.</translation>
    </message>
    <message>
        <source>Keeping awake now: %1</source>
        <extracomment>%1 is the condition that holds now</extracomment>
        <translation>Hält jetzt wach: %1</translation>
    </message>
    <message>
        <source>The condition has ended; keeping awake for its grace time.</source>
        <translation>Die Bedingung ist vorbei; hält für die Nachlaufzeit noch wach.</translation>
    </message>
    <message>
        <source>Holds — waiting out its delay.</source>
        <translation>Erfüllt — wartet die Verzögerung ab.</translation>
    </message>
    <message>
        <source>Holds, but was stopped by hand; it starts again the next time the condition holds.</source>
        <translation>Erfüllt, aber von Hand gestoppt; startet erneut, sobald die Bedingung das nächste Mal erfüllt ist.</translation>
    </message>
    <message>
        <source>Not holding.</source>
        <translation>Nicht erfüllt.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <comment>the trigger is on</comment>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the trigger&apos;s name</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the trigger</comment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>the default keep-awake mode</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no applications are ignored</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any virtual machine or container</comment>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Window:</source>
        <comment>the time the rate is averaged over</comment>
        <translation>Zeitfenster:</translation>
    </message>
</context>
<context>
    <name>TriggerWatcher</name>
    <message>
        <source>The power source cannot be read here.</source>
        <translation>Die Stromquelle kann hier nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This computer has no battery, so it always counts as on AC power.</source>
        <translation>Dieser Computer hat keinen Akku, daher gilt er immer als am Netz.</translation>
    </message>
    <message>
        <source>Waiting for the power service to say whether the computer is on AC power.</source>
        <translation>Wartet auf die Antwort des Energiedienstes, ob der Computer am Netz ist.</translation>
    </message>
    <message>
        <source>While on AC power</source>
        <translation>Solange am Netz</translation>
    </message>
    <message>
        <source>Displays cannot be followed here.</source>
        <translation>Bildschirme können hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>While docked to an external display</source>
        <translation>Solange an einem externen Bildschirm angedockt</translation>
    </message>
    <message>
        <source>While an external display is connected (%1)</source>
        <translation>Solange ein externer Bildschirm angeschlossen ist (%1)</translation>
    </message>
    <message>
        <source>Login sessions cannot be followed here.</source>
        <translation>Anmeldesitzungen können hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>While %1 runs</source>
        <translation>Solange %1 läuft</translation>
    </message>
    <message>
        <source>systemd units cannot be followed here.</source>
        <translation>systemd-Units können hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>The user unit %1 does not exist; the rule waits for it.</source>
        <translation>Die Benutzer-Unit %1 existiert nicht; die Regel wartet auf sie.</translation>
    </message>
    <message>
        <source>The unit %1 does not exist; the rule waits for it.</source>
        <translation>Die Unit %1 existiert nicht; die Regel wartet auf sie.</translation>
    </message>
    <message>
        <source>Waiting for systemd to say whether %1 runs.</source>
        <translation>Wartet auf die Antwort von systemd, ob %1 läuft.</translation>
    </message>
    <message>
        <source>Sound cannot be followed here.</source>
        <translation>Ton kann hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>No sound server answers; the rule waits for one.</source>
        <translation>Kein Soundserver antwortet; die Regel wartet auf einen.</translation>
    </message>
    <message>
        <source>While an application plays sound</source>
        <translation>Solange eine Anwendung Ton abspielt</translation>
    </message>
    <message>
        <source>While %1 plays sound</source>
        <translation>Solange %1 Ton abspielt</translation>
    </message>
    <message>
        <source>Downloads cannot be followed here.</source>
        <translation>Downloads können hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>While “%1” downloads</source>
        <translation>Solange „%1“ heruntergeladen wird</translation>
    </message>
    <message>
        <source>“%1” has not grown for a minute; a paused download does not count.</source>
        <translation>„%1“ ist seit einer Minute nicht gewachsen; ein pausierter Download zählt nicht.</translation>
    </message>
    <message>
        <source>Network traffic cannot be followed here.</source>
        <translation>Netzwerkverkehr kann hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>There is no network interface called “%1”; the rule waits for it.</source>
        <translation>Es gibt keine Netzwerkschnittstelle „%1“; die Regel wartet auf sie.</translation>
    </message>
    <message>
        <source>Measuring the traffic…</source>
        <translation>Datenverkehr wird gemessen …</translation>
    </message>
    <message>
        <source>%1 %2 KB/s</source>
        <translation>%1 %2 KB/s</translation>
    </message>
    <message>
        <source>Now %1 KB/s.</source>
        <translation>Jetzt %1 KB/s.</translation>
    </message>
    <message>
        <source>Now %1 KB/s: %2.</source>
        <translation>Jetzt %1 KB/s: %2.</translation>
    </message>
    <message>
        <source>While network traffic is above %1 KB/s</source>
        <translation>Solange der Netzwerkverkehr über %1 KB/s liegt</translation>
    </message>
    <message>
        <source>While traffic on %1 is above %2 KB/s</source>
        <translation>Solange der Datenverkehr auf %1 über %2 KB/s liegt</translation>
    </message>
    <message>
        <source>Processes&apos; CPU use cannot be followed here.</source>
        <translation>Die CPU-Last von Prozessen kann hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>No process “%1” runs.</source>
        <translation>Kein Prozess „%1“ läuft.</translation>
    </message>
    <message>
        <source>Measuring the CPU use of “%1”…</source>
        <translation>CPU-Last von „%1“ wird gemessen …</translation>
    </message>
    <message>
        <source>“%1” uses %2 % of a core.</source>
        <extracomment>%1 is the process name, %2 its CPU use in percent of one core</extracomment>
        <translation>„%1“ nutzt %2 % eines Kerns.</translation>
    </message>
    <message>
        <source>While “%1” is busy</source>
        <translation>Solange „%1“ ausgelastet ist</translation>
    </message>
    <message>
        <source>Virtual machines cannot be followed here.</source>
        <translation>Virtuelle Maschinen können hier nicht verfolgt werden.</translation>
    </message>
    <message>
        <source>systemd-machined is not running; the rule waits for it.</source>
        <translation>systemd-machined läuft nicht; die Regel wartet darauf.</translation>
    </message>
    <message>
        <source>While the container “%1” runs</source>
        <translation>Solange der Container „%1“ läuft</translation>
    </message>
    <message>
        <source>While the virtual machine “%1” runs</source>
        <translation>Solange die virtuelle Maschine „%1“ läuft</translation>
    </message>
    <message>
        <source>Waits for AC power.</source>
        <translation>Wartet auf Netzbetrieb.</translation>
    </message>
    <message>
        <source>While %1 is logged in over SSH</source>
        <translation>Solange %1 per SSH angemeldet ist</translation>
    </message>
    <message>
        <source>While %1 is logged in remotely</source>
        <translation>Solange %1 entfernt angemeldet ist</translation>
    </message>
    <message>
        <source>While %1 is logged in over SSH from %2</source>
        <translation>Solange %1 per SSH von %2 aus angemeldet ist</translation>
    </message>
    <message>
        <source>While %1 is logged in remotely from %2</source>
        <translation>Solange %1 von %2 aus entfernt angemeldet ist</translation>
    </message>
    <message numerus="yes">
        <source>While %n remote session(s) are open</source>
        <translation>
            <numerusform>Solange %n Remote-Sitzung offen ist</numerusform>
            <numerusform>Solange %n Remote-Sitzungen offen sind</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n application(s) play sound</source>
        <translation>
            <numerusform>Solange %n Anwendung Ton abspielt</numerusform>
            <numerusform>Solange %n Anwendungen Ton abspielen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n file(s) download</source>
        <translation>
            <numerusform>Solange %n Datei heruntergeladen wird</numerusform>
            <numerusform>Solange %n Dateien heruntergeladen werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n virtual machine(s) or container(s) run</source>
        <translation>
            <numerusform>Solange %n virtuelle Maschine oder Container läuft</numerusform>
            <numerusform>Solange %n virtuelle Maschinen oder Container laufen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vigila is already running (process %1); leaving it as it is.</source>
        <translation>Vigila läuft bereits (Prozess %1) und wird nicht erneut gestartet.</translation>
    </message>
    <message>
        <source>Vigila is already running; leaving it as it is.</source>
        <translation>Vigila läuft bereits und wird nicht erneut gestartet.</translation>
    </message>
</context>
</TS>
