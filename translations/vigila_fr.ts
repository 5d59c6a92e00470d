<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppCoordinator</name>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AssertionManager</name>
    <message>
        <source>Tried %1: none available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of services</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vigila: the time zone “%1” (TZ) is unknown; using the system&apos;s time zone, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlService</name>
    <message>
        <source>A trigger&apos;s name is one line of at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderDownloadSource</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InhibitorProvider</name>
    <message>
        <source>PowerManagement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ScreenSaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME session manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuBarController</name>
    <message>
        <source>Vigila: asking for the keep-awake lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No system tray found: on GNOME install and enable the AppIndicator extension, then log in again; meanwhile use `vigila` from a terminal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message>
        <source>%1  (keeping awake now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (holds, waiting out its delay)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No triggers yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more in Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Triggers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Awake When…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>   %n more — `vigila list`</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME also holds off suspend while this runs (a terminal’s `systemctl suspend` needs -i)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Trigger “%1” started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping awake: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger “%1” ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its condition no longer holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigila has no icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>Triggers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>The schedule is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule is empty. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a schedule. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” are not days of the week (use Mon, Tue, Wed, Thu, Fri, Sat, Sun or Daily).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1-%2” are not hours of the day (use 00:00 to 24:00).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A schedule has at most %1 windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekdays %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekends %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TerminalRun</name>
    <message>
        <source>the session bus does not answer; keeping the computer awake itself (%1) while the command runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the session bus does not answer and no keep-awake lock is available; running the command anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vigila quit; keeping the computer awake itself (%1) while the command runs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerCommands</name>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on, keeping awake now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on, holds, waiting out its delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on, holds (stopped from the menu until it ends)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on, waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No triggers. Add one with &quot;vigila trigger add&quot; or in Preferences.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, only on AC power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, after %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, staying %2 after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    when: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    now: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    id: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the menu shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the display on as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep only the system awake.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the condition must hold first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long to stay awake after it ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only while on AC power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add it turned off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session counts, not only yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit is one of your own systemd user units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit is a system unit (the default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An application whose sound does not count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this application&apos;s sound counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder to watch for downloads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A partial download&apos;s name, such as *.part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate (KB/s) or CPU use (% of a core) to stay above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long to average over (10s to 10m).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this network interface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match the process anywhere in its command line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes one trigger: its name or id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is an option of &quot;trigger add&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed the trigger “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled the trigger “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled the trigger “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not add, remove, enable or disable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say which kind: ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a unit is either --user or --system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name the unit, such as backup.service.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give the schedule, such as &quot;Mon-Fri 09:00-17:30&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say above which rate, in KB/s: --above 500.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name the process, such as ffmpeg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say above which CPU use, in percent of a core: --above 25.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a kind; use ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 30s, 1m or 10m.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not go with %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose --display or --system-only, not both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a duration of at most a day; write 0, 90 (seconds), 90s, 45m or 2h.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerMaps</name>
    <message>
        <source>Unknown key “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key “%1” has a value of the wrong type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown kind “%1”: use ac, display, remote-session, unit or schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 must be between 0 and %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerPrefs</name>
    <message>
        <source>Add a trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep awake when…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No triggers yet. Add one with the + button above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify when a trigger starts or stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A trigger keeps the computer awake while its condition holds, after its delay, and for its grace time after the condition ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerRule</name>
    <message>
        <source>This kind of trigger (“%1”) comes from a newer version of Vigila.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose sessions count is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit is named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a systemd unit name (like backup.service).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the unit is the user&apos;s or the system&apos;s is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No schedule is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a full path to a folder (it must start with /).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The traffic threshold must be between 1 and 10 000 000 KB/s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network interface is not a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No process is named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A process is matched by its exact name or by what its command line contains.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CPU threshold must be between 1 and 6400 % of a core.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine is not a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown condition “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote session open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 running (user unit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound playing from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download in progress in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network traffic above %1 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traffic on %1 above %2 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” busy above %2 % of a core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A virtual machine or container running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine “%1” running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stored rule could not be read whole (%1), so it was turned off; check it and turn it on again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerRuleEditor</name>
    <message>
        <source>No trigger is called “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Several triggers are called “%1”; name one by its id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are %1 triggers already, as many as Vigila keeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A delay or grace time is at most %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerRuleRow</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anyone&apos;s sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match in command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only on AC power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count remote sessions of every user, not only your own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup.service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The systemd unit that keeps the computer awake while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A unit of your own user&apos;s systemd, rather than the system&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon-Fri 09:00-17:30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days and times, several separated by commas, such as “Mon-Fri 09:00-12:00, Sat 10:00-12:00” or ᳚ily 22:00-06:00”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The condition counts only while the computer is on AC power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What stays awake; Default follows the General tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the condition must hold before Vigila keeps the computer awake.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long Vigila keeps the computer awake after the condition ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications whose sound does not count, separated by commas, such as Ǐirefox, Slack”. Their names or their programs both match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only sound from these applications counts, separated by commas; empty for every application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folders to watch, as full paths separated by commas or semicolons; empty for your Downloads folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The names of files still being downloaded, separated by commas; * stands for any text. Empty for the usual ones: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all physical interfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network interface to measure, such as eth0 or wlan0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The condition holds while traffic, received and sent together, is above this rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the process to watch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match every process whose command line contains the text, not only a process of exactly that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The condition holds while the matching processes together use more than this share of one CPU core (100 % is a whole core).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the traffic or the CPU use is averaged over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of a virtual machine or container, as systemd-machined knows it; empty for any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown kind “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping awake now: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The condition has ended; keeping awake for its grace time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds — waiting out its delay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds, but was stopped by hand; it starts again the next time the condition holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not holding.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerWatcher</name>
    <message>
        <source>The power source cannot be read here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no battery, so it always counts as on AC power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the power service to say whether the computer is on AC power.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While on AC power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While docked to an external display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While an external display is connected (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login sessions cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While %1 remote sessions are open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While %1 runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>systemd units cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user unit %1 does not exist; the rule waits for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit %1 does not exist; the rule waits for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for systemd to say whether %1 runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound server answers; the rule waits for one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While an application plays sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While %1 plays sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While %1 applications play sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While “%1” downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While %1 files download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” has not grown for a minute; a paused download does not count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network traffic cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no network interface called “%1”; the rule waits for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring the traffic…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now %1 KB/s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now %1 KB/s: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While network traffic is above %1 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While traffic on %1 is above %2 KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes&apos; CPU use cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No process “%1” runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring the CPU use of “%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” uses %2 % of a core.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While “%1” is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual machines cannot be followed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>systemd-machined is not running; the rule waits for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the container “%1” runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the virtual machine “%1” runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While %1 virtual machines or containers run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waits for AC power.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
