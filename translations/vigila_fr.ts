<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutPrefs</name>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free app</source>
        <translation>Application gratuite</translation>
    </message>
</context>
<context>
    <name>AppCoordinator</name>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation>La session «&#xa0;%1&#xa0;» a été remplacée.</translation>
    </message>
    <message>
        <source>Manual (display awake)</source>
        <translation>Manuel (écran éveillé)</translation>
    </message>
    <message>
        <source>Manual keep-awake</source>
        <translation>Maintien en éveil manuel</translation>
    </message>
    <message>
        <source>Timed: %1</source>
        <extracomment>%1 is the time left, e.g. 1h 30m</extracomment>
        <translation>Minuté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Until %1</source>
        <extracomment>%1 is when the session ends, e.g. Today 6:00 PM</extracomment>
        <translation>Jusqu’à %1</translation>
    </message>
    <message>
        <source>All sessions</source>
        <translation>Toutes les sessions</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Vigila Preferences</source>
        <translation>Préférences de Vigila</translation>
    </message>
    <message>
        <source>Run Command With Vigila</source>
        <translation>Exécuter une commande avec Vigila</translation>
    </message>
</context>
<context>
    <name>AssertionManager</name>
    <message>
        <source>Tried %1: none available.</source>
        <translation>Services essayés&#xa0;: %1&#x202f;; aucun n’est disponible.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of services</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Could not create keep-awake assertion.</source>
        <translation>Impossible de créer le verrou anti-veille.</translation>
    </message>
    <message>
        <source>Vigila: keep system awake</source>
        <translation>Vigila&#xa0;: garder le système éveillé</translation>
    </message>
    <message>
        <source>Vigila: keep display awake</source>
        <translation>Vigila&#xa0;: garder l’écran éveillé</translation>
    </message>
</context>
<context>
    <name>AwakeReason</name>
    <message>
        <source>Keep System Awake</source>
        <translation>Garder le système éveillé</translation>
    </message>
    <message>
        <source>Keep Display Awake</source>
        <translation>Garder l’écran éveillé</translation>
    </message>
    <message>
        <source>Manual session</source>
        <translation>Session manuelle</translation>
    </message>
    <message>
        <source>Timed session</source>
        <translation>Session minutée</translation>
    </message>
    <message>
        <source>Until-time session</source>
        <translation>Session jusqu’à une heure donnée</translation>
    </message>
    <message>
        <source>Process watch</source>
        <translation>Surveillance de processus</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>a session kept while a command runs</comment>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Trigger</source>
        <comment>a session kept while a trigger holds</comment>
        <translation>Déclencheur</translation>
    </message>
</context>
<context>
    <name>BatteryGuard</name>
    <message>
        <source>Stopped because Vigila is set to keep awake only while plugged in.</source>
        <translation>Arrêté, car Vigila est réglé pour ne garder éveillé que sur secteur.</translation>
    </message>
    <message>
        <source>Stopped because battery dropped to %1% (limit %2%).</source>
        <extracomment>%1 is the battery level in percent, %2 the level set to stop at</extracomment>
        <translation>Arrêté, car la batterie est descendue à %1&#xa0;% (limite %2&#xa0;%).</translation>
    </message>
    <message>
        <source>Running on battery at %1%.</source>
        <translation>Sur batterie, à %1&#xa0;%.</translation>
    </message>
    <message>
        <source>Running on battery power.</source>
        <translation>Sur batterie.</translation>
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
        <translation>Avertir si actif sur batterie</translation>
    </message>
    <message>
        <source>Only keep awake while plugged in</source>
        <translation>Garder éveillé uniquement sur secteur</translation>
    </message>
    <message>
        <source>Auto-stop below a battery percentage</source>
        <translation>Arrêt automatique sous un niveau de batterie</translation>
    </message>
    <message>
        <source>Vigila can warn or stop automatically to protect your battery. Stops are explained in the menu.</source>
        <translation>Vigila peut avertir ou s’arrêter automatiquement pour protéger la batterie. Les arrêts sont expliqués dans le menu.</translation>
    </message>
    <message>
        <source>Warning threshold: %1%</source>
        <extracomment>%1 is a battery percentage</extracomment>
        <translation>Seuil d’avertissement&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Auto-stop threshold: %1%</source>
        <extracomment>%1 is a battery percentage</extracomment>
        <translation>Seuil d’arrêt automatique&#xa0;: %1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>vigila: the time zone “%1” (TZ) is unknown; using the system&apos;s time zone, %2.</source>
        <extracomment>%1 is the value of the TZ environment variable, %2 the name of the time zone used instead</extracomment>
        <translation>vigila&#xa0;: le fuseau horaire «&#xa0;%1&#xa0;» (TZ) est inconnu&#x202f;; utilisation du fuseau horaire du système, %2.</translation>
    </message>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation>vigila&#xa0;: le bus de session ne répond pas, Vigila est donc injoignable&#x202f;; le démon D-Bus de la session est peut-être bloqué.</translation>
    </message>
    <message>
        <source>Replaced the session “%1”.</source>
        <translation>La session «&#xa0;%1&#xa0;» a été remplacée.</translation>
    </message>
    <message>
        <source>status [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>status [--json]</translation>
    </message>
    <message>
        <source>Show whether, and why, the computer is kept awake.</source>
        <translation>Indiquer si l’ordinateur est gardé éveillé, et pourquoi.</translation>
    </message>
    <message>
        <source>list [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>list [--json]</translation>
    </message>
    <message>
        <source>List what keeps the computer awake, with the ids stop takes.</source>
        <extracomment>&quot;stop&quot; is the command&apos;s name: keep it as it is</extracomment>
        <translation>Lister ce qui garde l’ordinateur éveillé, avec les identifiants qu’accepte stop.</translation>
    </message>
    <message>
        <source>start [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>start [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake until you stop it.</source>
        <translation>Garder l’ordinateur éveillé jusqu’à ce que vous l’arrêtiez.</translation>
    </message>
    <message>
        <source>for DURATION [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>for DURÉE [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake for a while: 90 (seconds), 90s, 45m, 1h30m, 2h.</source>
        <extracomment>keep the durations as they are: they are what the command accepts</extracomment>
        <translation>Garder l’ordinateur éveillé pendant un moment&#xa0;: 90 (secondes), 90s, 45m, 1h30m, 2h.</translation>
    </message>
    <message>
        <source>until HH:MM [--display]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>until HH:MM [--display]</translation>
    </message>
    <message>
        <source>Keep the computer awake until a time of day (24-hour clock).</source>
        <translation>Garder l’ordinateur éveillé jusqu’à une heure donnée (format 24 heures).</translation>
    </message>
    <message>
        <source>extend [DURATION]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>extend [DURÉE]</translation>
    </message>
    <message>
        <source>Add time to the running timed or until session (default 30m).</source>
        <extracomment>keep 30m as it is: it is what the command takes</extracomment>
        <translation>Prolonger la session minutée ou «&#xa0;jusqu’à&#xa0;» en cours (30m par défaut).</translation>
    </message>
    <message>
        <source>stop ID | --all</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>stop ID | --all</translation>
    </message>
    <message>
        <source>Stop one reason (its id from “vigila list”), or all of them.</source>
        <extracomment>keep the command name &quot;vigila list&quot; as it is</extracomment>
        <translation>Arrêter une raison (son identifiant dans «&#xa0;vigila list&#xa0;»), ou toutes.</translation>
    </message>
    <message>
        <source>run [--display] [--label TEXT] -- COMMAND [ARG…]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>run [--display] [--label TEXTE] -- COMMANDE [ARG…]</translation>
    </message>
    <message>
        <source>Run a command here and keep the computer awake while it runs.</source>
        <translation>Exécuter ici une commande et garder l’ordinateur éveillé pendant son exécution.</translation>
    </message>
    <message>
        <source>triggers [--json]</source>
        <extracomment>keep the command and option names as they are</extracomment>
        <translation>triggers [--json]</translation>
    </message>
    <message>
        <source>List the triggers that keep the computer awake while a condition holds.</source>
        <translation>Lister les déclencheurs qui gardent l’ordinateur éveillé tant qu’une condition est remplie.</translation>
    </message>
    <message>
        <source>trigger add KIND [OPTIONS] | remove|enable|disable NAME-OR-ID</source>
        <extracomment>keep the command and option names, and add, remove, enable, disable, as they are</extracomment>
        <translation>trigger add TYPE [OPTIONS] | remove|enable|disable NOM-OU-ID</translation>
    </message>
    <message>
        <source>Add, remove, enable or disable a trigger: ac, display, remote-session, unit, schedule.</source>
        <extracomment>keep the trigger kinds (ac, display, remote-session, unit, schedule) as they are</extracomment>
        <translation>Ajouter, supprimer, activer ou désactiver un déclencheur&#xa0;: ac, display, remote-session, unit, schedule.</translation>
    </message>
    <message>
        <source>vigila %1: %2
Run &quot;vigila %1 --help&quot; for how to use it.
</source>
        <extracomment>%1 is the command&apos;s name, %2 what is wrong; keep &quot;vigila %1 --help&quot; as it is</extracomment>
        <translation>vigila %1&#xa0;: %2
Lancez «&#xa0;vigila %1 --help&#xa0;» pour savoir comment l’utiliser.
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
        <translation>Utilisation&#xa0;: vigila [COMMANDE [OPTIONS]]

Garde l’ordinateur éveillé pendant qu’un vrai travail s’exécute. Sans commande, lance Vigila dans
la zone de notification&#x202f;; les commandes ci-dessous pilotent Vigila depuis des scripts et des terminaux.

Commandes&#xa0;:
%1
Lancez «&#xa0;vigila COMMANDE --help&#xa0;» pour les options d’une commande.

Code de sortie&#xa0;: 0 réussi, 1 échec, 2 erreur d’utilisation, 3 Vigila n’est pas lancé.
«&#xa0;vigila run&#xa0;» renvoie à la place le code de sortie de sa commande.
</translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 90 (seconds), 90s, 45m, 1h30m or 2h, up to 366 days.</source>
        <extracomment>%1 is what the user wrote; keep the durations as they are: they are what the command accepts</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une durée&#x202f;; écrivez 90 (secondes), 90s, 45m, 1h30m ou 2h, jusqu’à 366 jours.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Print JSON (the D-Bus interface&apos;s keys) instead of text.</source>
        <translation>Afficher du JSON (les clés de l’interface D-Bus) au lieu de texte.</translation>
    </message>
    <message>
        <source>Keep the display on as well, not only the system.</source>
        <translation>Garder aussi l’écran allumé, pas seulement le système.</translation>
    </message>
    <message>
        <source>Stop every reason.</source>
        <translation>Arrêter toutes les raisons.</translation>
    </message>
    <message>
        <source>What the tray shows for the command (“Terminal: TEXT”).</source>
        <extracomment>&quot;Terminal: TEXT&quot; is how the tray labels the command; TEXT is the --label option&apos;s value</extracomment>
        <translation>Ce qu’affiche la zone de notification pour la commande («&#xa0;Terminal&#xa0;: TEXTE&#xa0;»).</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>the value of the --label option, as the help shows it</extracomment>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>DURATION</source>
        <translation>DURÉE</translation>
    </message>
    <message>
        <source>90 (seconds), 90s, 45m, 1h30m or 2h; whole numbers, hours first.</source>
        <extracomment>keep the durations as they are: they are what the command accepts</extracomment>
        <translation>90 (secondes), 90s, 45m, 1h30m ou 2h&#x202f;; nombres entiers, heures en premier.</translation>
    </message>
    <message>
        <source>[DURATION]</source>
        <translation>[DURÉE]</translation>
    </message>
    <message>
        <source>HH:MM</source>
        <translation>HH:MM</translation>
    </message>
    <message>
        <source>A time of day on the 24-hour clock; tomorrow if already past.</source>
        <translation>Une heure au format 24 heures&#x202f;; demain si elle est déjà passée.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>A reason&apos;s id, as “vigila list” shows it.</source>
        <extracomment>keep the command name &quot;vigila list&quot; as it is</extracomment>
        <translation>L’identifiant d’une raison, tel que l’affiche «&#xa0;vigila list&#xa0;».</translation>
    </message>
    <message>
        <source>[ID]</source>
        <translation>[ID]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>COMMANDE</translation>
    </message>
    <message>
        <source>The program to run (found in PATH) and its arguments.</source>
        <translation>Le programme à exécuter (trouvé dans le PATH) et ses arguments.</translation>
    </message>
    <message>
        <source>-- COMMAND [ARG…]</source>
        <translation>-- COMMANDE [ARG…]</translation>
    </message>
    <message>
        <source>Usage: vigila %1</source>
        <extracomment>%1 is the command&apos;s synopsis, such as &quot;status [--json]&quot;</extracomment>
        <translation>Utilisation&#xa0;: vigila %1</translation>
    </message>
    <message>
        <source>vigila: the keep-awake lock is still being taken; &quot;vigila status&quot; shows when it is held.
</source>
        <extracomment>keep the command name &quot;vigila status&quot; as it is</extracomment>
        <translation>vigila&#xa0;: le verrou anti-veille est en cours d’obtention&#x202f;; «&#xa0;vigila status&#xa0;» indique quand il est actif.
</translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <extracomment>%1 is an argument the command does not take</extracomment>
        <translation>«&#xa0;%1&#xa0;» inattendu.</translation>
    </message>
    <message>
        <source>name the command to run after “--”.</source>
        <translation>indiquez la commande à exécuter après «&#xa0;--&#xa0;».</translation>
    </message>
    <message>
        <source>Keeping the display awake until you stop it.</source>
        <translation>Écran gardé éveillé jusqu’à ce que vous l’arrêtiez.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until you stop it.</source>
        <translation>Ordinateur gardé éveillé jusqu’à ce que vous l’arrêtiez.</translation>
    </message>
    <message>
        <source>say for how long, such as 45m or 1h30m.</source>
        <extracomment>keep 45m and 1h30m as they are: they are what the command accepts</extracomment>
        <translation>indiquez pour combien de temps, par exemple 45m ou 1h30m.</translation>
    </message>
    <message>
        <source>Keeping the display awake for %1.</source>
        <extracomment>%1 is a duration, such as &quot;1h 30m&quot;</extracomment>
        <translation>Écran gardé éveillé pendant %1.</translation>
    </message>
    <message>
        <source>Keeping the computer awake for %1.</source>
        <translation>Ordinateur gardé éveillé pendant %1.</translation>
    </message>
    <message>
        <source>say until when, such as 18:30.</source>
        <translation>indiquez jusqu’à quand, par exemple 18:30.</translation>
    </message>
    <message>
        <source>“%1” is not a time of day; write HH:MM, such as 18:30.</source>
        <extracomment>%1 is what the user wrote</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure&#x202f;; écrivez HH:MM, par exemple 18:30.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until %1.</source>
        <extracomment>%1 is a time of day, such as 18:30</extracomment>
        <translation>Ordinateur gardé éveillé jusqu’à %1.</translation>
    </message>
    <message>
        <source>Keeping the display awake until %1 tomorrow.</source>
        <translation>Écran gardé éveillé jusqu’à demain %1.</translation>
    </message>
    <message>
        <source>Keeping the display awake until %1.</source>
        <translation>Écran gardé éveillé jusqu’à %1.</translation>
    </message>
    <message>
        <source>Keeping the computer awake until %1 tomorrow.</source>
        <translation>Ordinateur gardé éveillé jusqu’à demain %1.</translation>
    </message>
    <message>
        <source>Added %1 to the running session.</source>
        <extracomment>%1 is a duration, such as &quot;30m&quot;</extracomment>
        <translation>%1 ajouté à la session en cours.</translation>
    </message>
    <message>
        <source>give either a reason&apos;s id (see “vigila list”) or --all.</source>
        <extracomment>keep &quot;vigila list&quot; and --all as they are</extracomment>
        <translation>indiquez l’identifiant d’une raison (voir «&#xa0;vigila list&#xa0;») ou --all.</translation>
    </message>
    <message>
        <source>Stopped everything that kept the computer awake.</source>
        <translation>Tout ce qui gardait l’ordinateur éveillé a été arrêté.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <comment>one reason was stopped</comment>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>vigila: there is no command &quot;%1&quot;; run &quot;vigila --help&quot; for the list.
</source>
        <extracomment>%1 is the word given as a command; keep &quot;vigila --help&quot; as it is</extracomment>
        <translation>vigila&#xa0;: la commande «&#xa0;%1&#xa0;» n’existe pas&#x202f;; lancez «&#xa0;vigila --help&#xa0;» pour la liste.
</translation>
    </message>
    <message>
        <source>arguments must be UTF-8 text.</source>
        <translation>les arguments doivent être du texte UTF-8.</translation>
    </message>
</context>
<context>
    <name>CommandOutputView</name>
    <message>
        <source>Output</source>
        <comment>the command&apos;s output</comment>
        <translation>Sortie</translation>
    </message>
</context>
<context>
    <name>CommandPrefs</name>
    <message>
        <source>No saved commands yet</source>
        <translation>Aucune commande enregistrée</translation>
    </message>
    <message>
        <source>Keep command history</source>
        <translation>Conserver l’historique des commandes</translation>
    </message>
    <message>
        <source>Default shell</source>
        <translation>Shell par défaut</translation>
    </message>
    <message>
        <source>Default working directory</source>
        <translation>Répertoire de travail par défaut</translation>
    </message>
    <message>
        <source>Clear command history</source>
        <translation>Effacer l’historique des commandes</translation>
    </message>
    <message>
        <source>Saved commands</source>
        <translation>Commandes enregistrées</translation>
    </message>
    <message>
        <source>Command output is kept local only and is not inspected for secrets.</source>
        <translation>La sortie des commandes reste en local et n’est pas analysée à la recherche de secrets.</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the saved command</comment>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the saved command</comment>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>CommandRunner</name>
    <message>
        <source>Running: %1</source>
        <translation>En cours&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandRunnerView</name>
    <message>
        <source>Choose…</source>
        <comment>choose the working directory</comment>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the command</comment>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>stop the running command</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Favorite</source>
        <translation>Enregistrer en favori</translation>
    </message>
    <message>
        <source>Command, e.g. pnpm test</source>
        <translation>Commande, par ex. pnpm test</translation>
    </message>
    <message>
        <source>Working directory (optional)</source>
        <translation>Répertoire de travail (facultatif)</translation>
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
        <translation>Exécuter (%1)</translation>
    </message>
    <message>
        <source>Name to save as favorite</source>
        <translation>Nom du favori</translation>
    </message>
    <message>
        <source>Run Command With Vigila</source>
        <translation>Exécuter une commande avec Vigila</translation>
    </message>
    <message>
        <source>Vigila starts keep-awake before the command runs and releases it when the command exits.</source>
        <translation>Vigila active le maintien en éveil avant l’exécution de la commande et le libère quand elle se termine.</translation>
    </message>
    <message>
        <source>Choose Working Directory</source>
        <translation>Choisir le répertoire de travail</translation>
    </message>
    <message>
        <source>Ready</source>
        <comment>no command running</comment>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Running…</source>
        <comment>the command is running</comment>
        <translation>En cours…</translation>
    </message>
    <message>
        <source>Finished (exit 0)</source>
        <translation>Terminé (code 0)</translation>
    </message>
    <message>
        <source>Failed (exit %1)</source>
        <extracomment>%1 is the command&apos;s exit code</extracomment>
        <translation>Échec (code %1)</translation>
    </message>
    <message>
        <source>Could not start: %1</source>
        <extracomment>%1 says why, e.g. &quot;No such file or directory&quot;</extracomment>
        <translation>Impossible de démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>the command was stopped</comment>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>CommandSidebar</name>
    <message>
        <source>last exit %1</source>
        <extracomment>%1 is the exit code of the command&apos;s last run</extracomment>
        <translation>dernier code de sortie %1</translation>
    </message>
    <message>
        <source>Load</source>
        <comment>load the command into the editor</comment>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>run the command</comment>
        <translation>Exécuter</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the favorite command</comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>saved commands</comment>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>No favorites yet</source>
        <translation>Aucun favori</translation>
    </message>
    <message>
        <source>Recent</source>
        <comment>recently run commands</comment>
        <translation>Récentes</translation>
    </message>
    <message>
        <source>No recent commands</source>
        <translation>Aucune commande récente</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l’historique</translation>
    </message>
</context>
<context>
    <name>ControlClient</name>
    <message>
        <source>vigila: Vigila is not running here (there is no session bus); start it in your desktop session, or use &quot;vigila run&quot;, which works without it.
</source>
        <extracomment>keep the command name &quot;vigila run&quot; as it is</extracomment>
        <translation>vigila&#xa0;: Vigila n’est pas lancé ici (pas de bus de session)&#x202f;; lancez-le dans votre session de bureau, ou utilisez «&#xa0;vigila run&#xa0;», qui fonctionne sans lui.
</translation>
    </message>
    <message>
        <source>vigila: Vigila is not running; start it from your application menu (or run &quot;vigila&quot; in your desktop session) and try again.
</source>
        <extracomment>keep the command name &quot;vigila&quot; as it is</extracomment>
        <translation>vigila&#xa0;: Vigila n’est pas lancé&#x202f;; lancez-le depuis le menu des applications (ou lancez «&#xa0;vigila&#xa0;» dans votre session de bureau) et réessayez.
</translation>
    </message>
    <message>
        <source>vigila: Vigila did not answer in time; it may be busy or hung.
</source>
        <translation>vigila&#xa0;: Vigila n’a pas répondu à temps&#x202f;; il est peut-être occupé ou bloqué.
</translation>
    </message>
</context>
<context>
    <name>ControlService</name>
    <message>
        <source>A trigger&apos;s name is one line of at most %1 characters.</source>
        <translation>Le nom d’un déclencheur tient sur une ligne de %1 caractères au plus.</translation>
    </message>
    <message>
        <source>The end time %1 is not in the future.</source>
        <extracomment>%1 is the end time asked for, in seconds since 1970</extracomment>
        <translation>L’heure de fin %1 n’est pas dans le futur.</translation>
    </message>
    <message>
        <source>The end time %1 is more than 366 days away.</source>
        <extracomment>%1 is the end time asked for, in seconds since 1970</extracomment>
        <translation>L’heure de fin %1 est à plus de 366 jours.</translation>
    </message>
    <message>
        <source>No active reason has the id %1.</source>
        <translation>Aucune raison active n’a l’identifiant %1.</translation>
    </message>
    <message>
        <source>No timed or until-time session is running, so there is nothing to extend.</source>
        <translation>Aucune session minutée ou «&#xa0;jusqu’à&#xa0;» n’est en cours&#xa0;: rien à prolonger.</translation>
    </message>
    <message>
        <source>The end time is not in the future.</source>
        <translation>L’heure de fin n’est pas dans le futur.</translation>
    </message>
    <message numerus="yes">
        <source>This connection already holds %n hold(s), as many as one connection may; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>Cette connexion détient déjà %n maintien, le maximum pour une connexion&#x202f;; libérez-en un d’abord.</numerusform>
            <numerusform>Cette connexion détient déjà %n maintiens, le maximum pour une connexion&#x202f;; libérez-en un d’abord.</numerusform>
        </translation>
    </message>
    <message>
        <source>Terminal: %1</source>
        <extracomment>the tray&apos;s label for a command run with &quot;vigila run&quot;; %1 is the command or its --label</extracomment>
        <translation>Terminal&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>Vigila already holds %n hold(s) for its clients, as many as it keeps; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>Vigila détient déjà %n maintien pour ses clients, le maximum autorisé&#x202f;; libérez-en un d’abord.</numerusform>
            <numerusform>Vigila détient déjà %n maintiens pour ses clients, le maximum autorisé&#x202f;; libérez-en un d’abord.</numerusform>
        </translation>
    </message>
    <message>
        <source>This connection holds no hold with the id %1.</source>
        <translation>Cette connexion ne détient aucun maintien avec l’identifiant %1.</translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <extracomment>%1 is the mode asked for; keep system and display as they are</extracomment>
        <translation>Mode «&#xa0;%1&#xa0;» inconnu&#xa0;: utilisez system, display, ou une chaîne vide pour la valeur par défaut des préférences.</translation>
    </message>
    <message>
        <source>The duration must be more than 0 seconds and at most 366 days; %1 is not.</source>
        <extracomment>%1 is the number of seconds asked for</extracomment>
        <translation>La durée doit être supérieure à 0 seconde et d’au plus 366 jours&#x202f;; %1 ne convient pas.</translation>
    </message>
    <message>
        <source>The label is empty.</source>
        <translation>Le libellé est vide.</translation>
    </message>
    <message numerus="yes">
        <source>The label has %n character(s); at most %1 fit.</source>
        <extracomment>%1 is the most characters a label may have</extracomment>
        <translation>
            <numerusform>Le libellé compte %n caractère&#x202f;; %1 au plus sont permis.</numerusform>
            <numerusform>Le libellé compte %n caractères&#x202f;; %1 au plus sont permis.</numerusform>
        </translation>
    </message>
    <message>
        <source>The label contains a line break or another control character.</source>
        <translation>Le libellé contient un saut de ligne ou un autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>“%1” is not a reason id; “vigila list” (ListReasons) shows them.</source>
        <extracomment>%1 is the id given; keep &quot;vigila list&quot; and ListReasons as they are</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un identifiant de raison&#x202f;; «&#xa0;vigila list&#xa0;» (ListReasons) les affiche.</translation>
    </message>
</context>
<context>
    <name>DateFormatting</name>
    <message>
        <source>%1h %2m</source>
        <extracomment>Time left, short: %1 hours and %2 minutes (h and m abbreviate hour and minute)</extracomment>
        <translation>%1&#xa0;h %2&#xa0;min</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>Time left, short: %1 seconds (s abbreviates second)</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1m %2s</source>
        <extracomment>Time left, short: %1 minutes and %2 seconds (m and s abbreviate minute and second)</extracomment>
        <translation>%1&#xa0;min %2&#xa0;s</translation>
    </message>
    <message>
        <source>%1h</source>
        <extracomment>Hours left, drawn into the tray icon: at most three characters (h abbreviates hour)</extracomment>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1d</source>
        <extracomment>Days left, drawn into the tray icon: at most three characters (d abbreviates day)</extracomment>
        <translation>%1j</translation>
    </message>
    <message>
        <source>Today %1</source>
        <extracomment>%1 is a clock time, e.g. 5:00 PM</extracomment>
        <translation>Aujourd’hui à %1</translation>
    </message>
    <message>
        <source>Tomorrow %1</source>
        <extracomment>%1 is a clock time, e.g. 8:00 AM</extracomment>
        <translation>Demain à %1</translation>
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
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>DurationPreset</name>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n heure</numerusform>
            <numerusform>%n heures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FolderDownloadSource</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is not a folder.</source>
        <translation>%1 n’est pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>GeneralPrefs</name>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à l’ouverture de session</translation>
    </message>
    <message>
        <source>Show notifications</source>
        <translation>Afficher les notifications</translation>
    </message>
    <message>
        <source>Show remaining time in menu bar</source>
        <translation>Afficher le temps restant dans la zone de notification</translation>
    </message>
    <message>
        <source>Confirm before starting indefinite sessions</source>
        <translation>Confirmer avant de démarrer une session illimitée</translation>
    </message>
    <message>
        <source>Default keep-awake mode</source>
        <translation>Mode de maintien en éveil par défaut</translation>
    </message>
    <message>
        <source>Default duration</source>
        <translation>Durée par défaut</translation>
    </message>
</context>
<context>
    <name>HonestStatus</name>
    <message>
        <source>Running a background Claude/build task. I may be away from the keyboard, but the job is still active.</source>
        <translation>Une tâche Claude ou de compilation tourne en arrière-plan. Je ne suis peut-être pas devant mon clavier, mais le travail continue.</translation>
    </message>
    <message>
        <source>Running a long local task. My computer is kept awake, but I may not respond immediately.</source>
        <translation>Une longue tâche locale est en cours. Mon ordinateur est gardé éveillé, mais je ne répondrai peut-être pas tout de suite.</translation>
    </message>
    <message>
        <source>Claude Code is working through a repo task. I’ll check the results when it finishes.</source>
        <translation>Claude Code travaille sur une tâche dans un dépôt. Je regarderai les résultats quand il aura fini.</translation>
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
        <translation>le gestionnaire de session GNOME</translation>
    </message>
    <message>
        <source>logind</source>
        <extracomment>a keep-awake service&apos;s name, as in &quot;Tried %1: none available.&quot;; the program&apos;s name stays as it is</extracomment>
        <translation>logind</translation>
    </message>
    <message>
        <source>the desktop portal</source>
        <extracomment>a keep-awake service, as in &quot;Tried %1: none available.&quot;</extracomment>
        <translation>le portail du bureau</translation>
    </message>
</context>
<context>
    <name>LaunchCheck</name>
    <message>
        <source>No shell set</source>
        <translation>Aucun shell défini</translation>
    </message>
    <message>
        <source>Shell not found: %1</source>
        <translation>Shell introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shell is not executable: %1</source>
        <translation>Le shell n’est pas exécutable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Working directory does not exist: %1</source>
        <translation>Le répertoire de travail n’existe pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not a directory: %1</source>
        <translation>Pas un répertoire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Working directory is not accessible: %1</source>
        <translation>Répertoire de travail inaccessible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MenuBarController</name>
    <message>
        <source>Vigila: asking for the keep-awake lock</source>
        <translation>Vigila&#xa0;: demande du verrou anti-veille</translation>
    </message>
    <message>
        <source>No system tray found: on GNOME install and enable the AppIndicator extension, then log in again; meanwhile use `vigila` from a terminal</source>
        <translation>Aucune zone de notification trouvée&#xa0;: sous GNOME, installez et activez l’extension AppIndicator, puis reconnectez-vous&#x202f;; en attendant, utilisez `vigila` depuis un terminal</translation>
    </message>
    <message>
        <source>%1 — %2 left</source>
        <extracomment>%1 is the icon&apos;s description (&quot;Vigila: timed session active&quot;), %2 the time left</extracomment>
        <translation>%1 — %2 restant</translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message>
        <source>%1  (keeping awake now)</source>
        <translation>%1  (maintien en éveil en cours)</translation>
    </message>
    <message>
        <source>%1  (holds, waiting out its delay)</source>
        <translation>%1  (condition remplie, délai en cours)</translation>
    </message>
    <message>
        <source>No triggers yet</source>
        <translation>Aucun déclencheur</translation>
    </message>
    <message>
        <source>%1 more in Preferences</source>
        <translation>%1 de plus dans les Préférences</translation>
    </message>
    <message>
        <source>Manage Triggers…</source>
        <translation>Gérer les déclencheurs…</translation>
    </message>
    <message>
        <source>Keep Awake When…</source>
        <translation>Garder éveillé quand…</translation>
    </message>
    <message numerus="yes">
        <source>   %n more — `vigila list`</source>
        <translation>
            <numerusform>   %n de plus — `vigila list`</numerusform>
            <numerusform>   %n de plus — `vigila list`</numerusform>
        </translation>
    </message>
    <message>
        <source>GNOME also holds off suspend while this runs (a terminal’s `systemctl suspend` needs -i)</source>
        <translation>GNOME retarde aussi la mise en veille pendant l’exécution (`systemctl suspend` dans un terminal demande -i)</translation>
    </message>
    <message>
        <source>Custom…</source>
        <comment>a duration of one&apos;s own</comment>
        <translation>Personnalisé…</translation>
    </message>
    <message>
        <source>6:00 PM</source>
        <extracomment>The clock time 18:00, written as the locale writes times</extracomment>
        <translation>18:00</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Minuit</translation>
    </message>
    <message>
        <source>Tomorrow 8:00 AM</source>
        <extracomment>The clock time 08:00 on the next day, written as the locale writes times</extracomment>
        <translation>Demain à 8:00</translation>
    </message>
    <message>
        <source>Custom time…</source>
        <translation>Heure personnalisée…</translation>
    </message>
    <message numerus="yes">
        <source>%1  (%n running)</source>
        <extracomment>%1 is the process name; %n how many processes of that name run</extracomment>
        <translation>
            <numerusform>%1  (%n en cours)</numerusform>
            <numerusform>%1  (%n en cours)</numerusform>
        </translation>
    </message>
    <message>
        <source>No process rules yet</source>
        <translation>Aucune règle de processus</translation>
    </message>
    <message>
        <source>Add Process…</source>
        <translation>Ajouter un processus…</translation>
    </message>
    <message>
        <source>Manage in Preferences…</source>
        <translation>Gérer dans les Préférences…</translation>
    </message>
    <message>
        <source>Stop Keep Awake</source>
        <translation>Arrêter le maintien en éveil</translation>
    </message>
    <message>
        <source>Start Keep Awake</source>
        <translation>Démarrer le maintien en éveil</translation>
    </message>
    <message>
        <source>Keep Display Awake</source>
        <translation>Garder l’écran éveillé</translation>
    </message>
    <message>
        <source>Keep Awake For…</source>
        <translation>Garder éveillé pendant…</translation>
    </message>
    <message>
        <source>Keep Awake Until…</source>
        <translation>Garder éveillé jusqu’à…</translation>
    </message>
    <message>
        <source>Keep Awake While Process Runs…</source>
        <translation>Garder éveillé tant qu’un processus tourne…</translation>
    </message>
    <message>
        <source>Run Command With Vigila…</source>
        <translation>Exécuter une commande avec Vigila…</translation>
    </message>
    <message>
        <source>Active Reasons</source>
        <translation>Raisons actives</translation>
    </message>
    <message>
        <source>   • %1</source>
        <extracomment>A line of the list of what keeps the computer awake: %1 is its label</extracomment>
        <translation>   • %1</translation>
    </message>
    <message>
        <source>   • %1  —  %2 left</source>
        <extracomment>%1 is the reason&apos;s label, %2 the time left (e.g. 1h 30m)</extracomment>
        <translation>   • %1  —  %2 restant</translation>
    </message>
    <message>
        <source>Click to stop this reason</source>
        <translation>Cliquer pour arrêter cette raison</translation>
    </message>
    <message>
        <source>   None</source>
        <comment>no reason keeps the computer awake</comment>
        <translation>   Aucune</translation>
    </message>
    <message>
        <source>   ↻ Extend session by 30 min</source>
        <translation>   ↻ Prolonger la session de 30&#xa0;min</translation>
    </message>
    <message>
        <source>Stop Current Session</source>
        <translation>Arrêter la session en cours</translation>
    </message>
    <message>
        <source>Also Keeping Awake</source>
        <translation>Gardent aussi éveillé</translation>
    </message>
    <message>
        <source>   and %1 more</source>
        <translation>   et %1 de plus</translation>
    </message>
    <message>
        <source>Copy Honest Status Message</source>
        <translation>Copier un message de statut honnête</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Quit Vigila</source>
        <translation>Quitter Vigila</translation>
    </message>
    <message>
        <source>Inactive — your computer can sleep normally</source>
        <translation>Inactif — l’ordinateur peut se mettre en veille normalement</translation>
    </message>
    <message numerus="yes">
        <source>Starting — asking for the keep-awake lock (%n reason(s))</source>
        <translation>
            <numerusform>Démarrage — demande du verrou anti-veille (%n raison)</numerusform>
            <numerusform>Démarrage — demande du verrou anti-veille (%n raisons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Waiting — the keep-awake lock could not be taken (%n reason(s))</source>
        <translation>
            <numerusform>En attente — le verrou anti-veille n’a pas pu être obtenu (%n raison)</numerusform>
            <numerusform>En attente — le verrou anti-veille n’a pas pu être obtenu (%n raisons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping display awake (%n reason(s))</source>
        <translation>
            <numerusform>Actif — écran gardé éveillé (%n raison)</numerusform>
            <numerusform>Actif — écran gardé éveillé (%n raisons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping system awake (%n reason(s))</source>
        <translation>
            <numerusform>Actif — système gardé éveillé (%n raison)</numerusform>
            <numerusform>Actif — système gardé éveillé (%n raisons)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NotificationManager</name>
    <message>
        <source>Trigger “%1” started</source>
        <translation>Déclencheur «&#xa0;%1&#xa0;» démarré</translation>
    </message>
    <message>
        <source>Keeping awake: %1.</source>
        <translation>Maintien en éveil&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Trigger “%1” ended</source>
        <translation>Déclencheur «&#xa0;%1&#xa0;» terminé</translation>
    </message>
    <message>
        <source>Its condition no longer holds.</source>
        <translation>Sa condition n’est plus remplie.</translation>
    </message>
    <message>
        <source>Vigila has no icon</source>
        <translation>Vigila n’a pas d’icône</translation>
    </message>
    <message>
        <source>Keep-awake started</source>
        <translation>Maintien en éveil démarré</translation>
    </message>
    <message>
        <source>Keep-awake ended</source>
        <translation>Maintien en éveil terminé</translation>
    </message>
    <message>
        <source>Battery warning</source>
        <translation>Alerte batterie</translation>
    </message>
    <message>
        <source>Vigila error</source>
        <translation>Erreur de Vigila</translation>
    </message>
    <message>
        <source>Could not create keep-awake assertion.</source>
        <translation>Impossible de créer le verrou anti-veille.</translation>
    </message>
    <message>
        <source>Process watch active</source>
        <translation>Surveillance de processus active</translation>
    </message>
    <message>
        <source>Keeping awake while “%1” runs.</source>
        <translation>Maintien en éveil tant que «&#xa0;%1&#xa0;» s’exécute.</translation>
    </message>
    <message>
        <source>Process watch released</source>
        <translation>Surveillance de processus terminée</translation>
    </message>
    <message>
        <source>“%1” is no longer running.</source>
        <translation>«&#xa0;%1&#xa0;» ne s’exécute plus.</translation>
    </message>
    <message>
        <source>Command cancelled</source>
        <translation>Commande annulée</translation>
    </message>
    <message>
        <source>%1
Exit code %2</source>
        <extracomment>%1 is the command line, %2 its exit status</extracomment>
        <translation>%1
Code de sortie %2</translation>
    </message>
    <message>
        <source>Command finished</source>
        <translation>Commande terminée</translation>
    </message>
    <message>
        <source>Command failed</source>
        <translation>Échec de la commande</translation>
    </message>
    <message>
        <source>Command failed to start</source>
        <translation>Impossible de démarrer la commande</translation>
    </message>
</context>
<context>
    <name>OtherInhibitor</name>
    <message>
        <source>Unknown program</source>
        <translation>Programme inconnu</translation>
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
        <translation>…[début de la sortie tronqué]…
</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>General</source>
        <comment>preferences tab</comment>
        <translation>Général</translation>
    </message>
    <message>
        <source>Battery</source>
        <comment>preferences tab</comment>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Process Watch</source>
        <comment>preferences tab</comment>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Triggers</source>
        <comment>preferences tab</comment>
        <translation>Déclencheurs</translation>
    </message>
    <message>
        <source>Commands</source>
        <comment>preferences tab</comment>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Safety</source>
        <comment>preferences tab</comment>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>About</source>
        <comment>preferences tab</comment>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>ProcessPrefs</name>
    <message>
        <source>Add a process</source>
        <translation>Ajouter un processus</translation>
    </message>
    <message>
        <source>Keep awake while these processes run</source>
        <translation>Garder éveillé pendant l’exécution de ces processus</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A polling interval; %1 is a number of seconds</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Polling interval</source>
        <translation>Intervalle de vérification</translation>
    </message>
    <message>
        <source>Warn on broad process names</source>
        <translation>Avertir pour les noms de processus trop larges</translation>
    </message>
    <message>
        <source>Process watching reads /proc and needs no special permissions.</source>
        <translation>La surveillance des processus lit /proc et ne demande aucune permission particulière.</translation>
    </message>
</context>
<context>
    <name>ProcessRule</name>
    <message>
        <source>Exact</source>
        <comment>the process name is matched as a whole</comment>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Contains</source>
        <comment>the process name is found within the command line</comment>
        <translation>Contient</translation>
    </message>
</context>
<context>
    <name>ProcessRuleRow</name>
    <message>
        <source>Enabled</source>
        <comment>the process watch is on</comment>
        <translation>Activée</translation>
    </message>
    <message>
        <source>name</source>
        <comment>the process name</comment>
        <translation>nom</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the process watch</comment>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>ProcessWatcher</name>
    <message numerus="yes">
        <source>“%1” running (%n match(es))</source>
        <extracomment>%1 is the process name the rule looks for; %n how many running processes match it</extracomment>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» en cours (%n correspondance)</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» en cours (%n correspondances)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtMenuDialogs</name>
    <message>
        <source>Start an indefinite keep-awake session?</source>
        <translation>Démarrer une session de maintien en éveil illimitée&#x202f;?</translation>
    </message>
    <message>
        <source>This keeps your computer awake until you stop it. %1</source>
        <extracomment>%1 says why the computer may sleep all the same (lid closed, low battery, …)</extracomment>
        <translation>L’ordinateur restera éveillé jusqu’à ce que vous l’arrêtiez. %1</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>start the keep-awake session</comment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Keep Awake For…</source>
        <translation>Garder éveillé pendant…</translation>
    </message>
    <message>
        <source>Enter a duration in minutes.</source>
        <translation>Saisissez une durée en minutes.</translation>
    </message>
    <message>
        <source>Keep Awake Until…</source>
        <translation>Garder éveillé jusqu’à…</translation>
    </message>
    <message>
        <source>Choose the time to stop keeping your computer awake.</source>
        <translation>Choisissez l’heure à laquelle l’ordinateur cessera d’être gardé éveillé.</translation>
    </message>
    <message>
        <source>Add Process Watch</source>
        <translation>Surveiller un processus</translation>
    </message>
    <message>
        <source>Keep the computer awake while a process with this name is running.</source>
        <translation>Garder l’ordinateur éveillé tant qu’un processus portant ce nom s’exécute.</translation>
    </message>
    <message>
        <source>Add &amp; Enable</source>
        <extracomment>The &quot;&amp;&quot; shows as it is: the button has no keyboard mnemonic</extracomment>
        <translation>Ajouter et activer</translation>
    </message>
    <message>
        <source>e.g. claude</source>
        <extracomment>An example process name; &quot;claude&quot; is a program&apos;s name</extracomment>
        <translation>par ex. claude</translation>
    </message>
    <message>
        <source>Broad process name</source>
        <translation>Nom de processus trop large</translation>
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
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <extracomment>%1 is a note on the keep-awake lock</extracomment>
        <translation>Remarque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Battery: %1</source>
        <extracomment>%1 is what the battery guard says</extracomment>
        <translation>Batterie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last stopped: %1</source>
        <extracomment>%1 is what stopped the last session and why</extracomment>
        <translation>Dernier arrêt&#xa0;: %1</translation>
    </message>
    <message>
        <source>Also keeping awake:</source>
        <translation>Gardent aussi éveillé&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <extracomment>%1 is another program and why it keeps the computer awake, %2 its process id</extracomment>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <source>Nothing keeps the computer awake.</source>
        <translation>Rien ne garde l’ordinateur éveillé.</translation>
    </message>
    <message>
        <source>ID</source>
        <extracomment>a column title: a reason&apos;s id</extracomment>
        <translation>ID</translation>
    </message>
    <message>
        <source>TYPE</source>
        <extracomment>a column title: a reason&apos;s type</extracomment>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>MODE</source>
        <extracomment>a column title: the mode kept awake, system or display</extracomment>
        <translation>MODE</translation>
    </message>
    <message>
        <source>ENDS</source>
        <extracomment>a column title: when a reason ends</extracomment>
        <translation>FIN</translation>
    </message>
    <message>
        <source>LABEL</source>
        <extracomment>a column title: a reason&apos;s label</extracomment>
        <translation>LIBELLÉ</translation>
    </message>
</context>
<context>
    <name>SafetyCopy</name>
    <message>
        <source>Keep your computer awake while real work runs.</source>
        <translation>Gardez l’ordinateur éveillé pendant qu’un vrai travail s’exécute.</translation>
    </message>
    <message>
        <source>Vigila keeps your computer awake so real work can continue. It does not fake activity, bypass lock screens, or change your presence in communication apps.</source>
        <translation>Vigila garde l’ordinateur éveillé pour que le vrai travail puisse continuer. Il ne simule pas d’activité, ne contourne pas l’écran de verrouillage et ne modifie pas votre présence dans les applications de messagerie.</translation>
    </message>
    <message>
        <source>Display Awake keeps your screen on. It does not bypass lock screen or password settings.</source>
        <translation>Le mode «&#xa0;écran&#xa0;» garde l’écran allumé. Il ne contourne ni l’écran de verrouillage ni les réglages de mot de passe.</translation>
    </message>
    <message>
        <source>Vigila prevents idle sleep. Your computer may still sleep because of lid close, low battery, explicit Sleep, or administrator policies.</source>
        <translation>Vigila empêche la mise en veille pour inactivité. L’ordinateur peut tout de même se mettre en veille si l’écran est rabattu, si la batterie est faible, sur demande explicite ou selon les règles de l’administrateur.</translation>
    </message>
    <message>
        <source>Vigila runs locally. It does not track you, send analytics, or connect to chat apps.</source>
        <translation>Vigila fonctionne en local. Il ne vous suit pas, n’envoie pas de statistiques et ne se connecte à aucune messagerie.</translation>
    </message>
    <message>
        <source>Vigila does not fake activity.</source>
        <translation>Vigila ne simule pas d’activité.</translation>
    </message>
    <message>
        <source>Vigila does not prevent screen lock.</source>
        <translation>Vigila n’empêche pas le verrouillage de l’écran.</translation>
    </message>
    <message>
        <source>Vigila does not interact with Slack or Teams.</source>
        <translation>Vigila n’interagit ni avec Slack ni avec Teams.</translation>
    </message>
    <message>
        <source>Vigila does not move the mouse or press keys.</source>
        <translation>Vigila ne bouge pas la souris et n’appuie sur aucune touche.</translation>
    </message>
    <message>
        <source>Vigila only uses the standard keep-awake locks of your desktop and systemd-logind.</source>
        <translation>Vigila utilise uniquement les verrous anti-veille standard de votre bureau et de systemd-logind.</translation>
    </message>
    <message>
        <source>Broad names like “node” or “python” can match many unrelated processes, which may keep your computer awake longer than you expect.</source>
        <translation>Des noms larges comme «&#xa0;node&#xa0;» ou «&#xa0;python&#xa0;» peuvent correspondre à de nombreux processus sans rapport, ce qui peut garder l’ordinateur éveillé plus longtemps que prévu.</translation>
    </message>
</context>
<context>
    <name>SafetyPrefs</name>
    <message>
        <source>What Vigila does and doesn&apos;t do</source>
        <translation>Ce que Vigila fait et ne fait pas</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <source>The schedule is longer than %1 characters.</source>
        <translation>L’horaire dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>The schedule is empty. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation>L’horaire est vide. Indiquez des jours et des heures, par exemple «&#xa0;Mon-Fri 09:00-17:30&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is not a schedule. Write days and hours, like “Mon-Fri 09:00-17:30”.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un horaire. Indiquez des jours et des heures, par exemple «&#xa0;Mon-Fri 09:00-17:30&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” are not days of the week (use Mon, Tue, Wed, Thu, Fri, Sat, Sun or Daily).</source>
        <translation>«&#xa0;%1&#xa0;» ne sont pas des jours de la semaine (utilisez Mon, Tue, Wed, Thu, Fri, Sat, Sun ou Daily).</translation>
    </message>
    <message>
        <source>“%1-%2” are not hours of the day (use 00:00 to 24:00).</source>
        <translation>«&#xa0;%1-%2&#xa0;» ne sont pas des heures de la journée (utilisez 00:00 à 24:00).</translation>
    </message>
    <message>
        <source>A schedule has at most %1 windows.</source>
        <translation>Un horaire compte au plus %1 plages.</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>Every day %1</source>
        <translation>Tous les jours %1</translation>
    </message>
    <message>
        <source>Weekdays %1</source>
        <translation>En semaine %1</translation>
    </message>
    <message>
        <source>Weekends %1</source>
        <translation>Le week-end %1</translation>
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
        <translation>Vigila&#xa0;: inactif</translation>
    </message>
    <message>
        <source>Vigila: keeping system awake</source>
        <translation>Vigila&#xa0;: maintient le système éveillé</translation>
    </message>
    <message>
        <source>Vigila: keeping display awake</source>
        <translation>Vigila&#xa0;: maintient l’écran allumé</translation>
    </message>
    <message>
        <source>Vigila: timed session active</source>
        <translation>Vigila&#xa0;: session minutée active</translation>
    </message>
    <message>
        <source>Vigila: process-based session active</source>
        <translation>Vigila&#xa0;: session liée à un processus active</translation>
    </message>
    <message>
        <source>Vigila: command-based session active</source>
        <translation>Vigila&#xa0;: session liée à une commande active</translation>
    </message>
    <message>
        <source>Vigila: battery guardrail triggered</source>
        <translation>Vigila&#xa0;: garde-fou de batterie déclenché</translation>
    </message>
    <message>
        <source>Vigila: assertion failed</source>
        <translation>Vigila&#xa0;: échec du verrou anti-veille</translation>
    </message>
</context>
<context>
    <name>TerminalRun</name>
    <message>
        <source>the session bus does not answer; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>le bus de session ne répond pas&#x202f;; l’ordinateur est maintenu éveillé directement (%1) pendant l’exécution de la commande.</translation>
    </message>
    <message>
        <source>the session bus does not answer and no keep-awake lock is available; running the command anyway.</source>
        <translation>le bus de session ne répond pas et aucun verrou anti-veille n’est disponible&#x202f;; la commande est lancée quand même.</translation>
    </message>
    <message>
        <source>Vigila quit; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>Vigila s’est arrêté&#x202f;; l’ordinateur est maintenu éveillé directement (%1) pendant l’exécution de la commande.</translation>
    </message>
    <message>
        <source>cannot run “%1”: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>impossible de lancer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Vigila did not take the hold (%1); keeping the computer awake here instead.</source>
        <extracomment>%1 is Vigila&apos;s answer, the reason it did not take the hold</extracomment>
        <translation>Vigila n’a pas pris en charge le maintien en éveil (%1)&#x202f;; l’ordinateur est maintenu éveillé ici à la place.</translation>
    </message>
    <message>
        <source>Vigila is not running; keeping the computer awake itself (%1) while the command runs.</source>
        <extracomment>%1 is the service holding the lock, such as logind</extracomment>
        <translation>Vigila n’est pas lancé&#x202f;; l’ordinateur est maintenu éveillé directement (%1) pendant l’exécution de la commande.</translation>
    </message>
    <message>
        <source>Vigila is not running and no keep-awake lock is available; running the command anyway.</source>
        <translation>Vigila n’est pas lancé et aucun verrou anti-veille n’est disponible&#x202f;; la commande est lancée quand même.</translation>
    </message>
    <message>
        <source>the keep-awake hold was stopped in Vigila; the command keeps running.</source>
        <translation>le maintien en éveil a été arrêté dans Vigila&#x202f;; la commande continue de s’exécuter.</translation>
    </message>
    <message>
        <source>Vigila quit; the command keeps running without keeping the computer awake.</source>
        <translation>Vigila s’est arrêté&#x202f;; la commande continue de s’exécuter sans maintenir l’ordinateur éveillé.</translation>
    </message>
</context>
<context>
    <name>TriggerCommands</name>
    <message>
        <source>vigila: the session bus does not answer, so Vigila cannot be reached; the session&apos;s D-Bus daemon may be hung.</source>
        <translation>vigila&#xa0;: le bus de session ne répond pas, Vigila est donc injoignable&#x202f;; le démon D-Bus de la session est peut-être bloqué.</translation>
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
        <translation>Utilisation&#xa0;: vigila trigger add TYPE [OPTIONS]
              vigila trigger remove|enable|disable NOM-OU-ID

Ajoute un déclencheur qui garde l’ordinateur éveillé tant que sa condition est remplie,
ou en supprime, active ou désactive un (par son nom ou son id donné par «&#xa0;vigila triggers&#xa0;»).

Types&#xa0;:
  ac                          tant que l’adaptateur secteur est branché
  display                     tant qu’un écran externe est branché (ou sur station d’accueil)
  remote-session [--any-user] tant que vous (ou quiconque) êtes connecté à distance, par SSH
  unit NOM [--user|--system]  tant qu’une unité systemd tourne (une unité système par défaut)
  schedule &quot;Mon-Fri 09:00-17:30&quot;  pendant des plages hebdomadaires en heure locale
  audio [--ignore APP]... [--only APP]...
                              tant que du son est joué (ni en pause, ni coupé, ni silencieux)
  download [--folder DOSSIER]... [--pattern MOTIF]...
                              tant qu’un téléchargement partiel grossit (Téléchargements par défaut)
  network --above KB/S [--window DURÉE] [--interface NOM]
                              tant que le trafic reste au-dessus d’un débit (moyenne sur 30 s)
  busy PROCESSUS [--contains] [--above POURCENT] [--window DURÉE]
                              tant qu’un processus utilise plus de CPU (10 % d’un cœur, 60 s)
  machine [NOM]               tant qu’une machine virtuelle ou un conteneur tourne

Options de add&#xa0;:
  --name TEXTE    ce qu’affiche le menu (la condition par défaut)
  --display       garder aussi l’écran allumé (sinon le mode par défaut des préférences)
  --system-only   ne garder éveillé que le système
  --delay DURÉE   la condition doit d’abord durer ce temps (90, 90s, 5m&#x202f;; 0 par défaut)
  --grace DURÉE   rester éveillé ce temps après sa fin (0 par défaut)
  --only-on-ac    seulement sur secteur
  --disabled      l’ajouter désactivé

Affiche l’id du nouveau déclencheur.
</translation>
    </message>
    <message>
        <source>cannot run</source>
        <extracomment>a trigger&apos;s state, after its name</extracomment>
        <translation>ne peut pas fonctionner</translation>
    </message>
    <message>
        <source>off</source>
        <extracomment>a trigger&apos;s state: turned off</extracomment>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>on, keeping awake now</source>
        <extracomment>a trigger&apos;s state</extracomment>
        <translation>activé, maintient éveillé en ce moment</translation>
    </message>
    <message>
        <source>on, holds, waiting out its delay</source>
        <extracomment>a trigger&apos;s state: its condition holds, and it waits for its delay to pass</extracomment>
        <translation>activé, condition remplie, attend la fin de son délai</translation>
    </message>
    <message>
        <source>on, holds (stopped from the menu until it ends)</source>
        <extracomment>a trigger&apos;s state: its condition holds, but the user stopped it from the menu</extracomment>
        <translation>activé, condition remplie (arrêté depuis le menu jusqu’à sa fin)</translation>
    </message>
    <message>
        <source>on, waiting</source>
        <extracomment>a trigger&apos;s state: turned on, its condition does not hold</extracomment>
        <translation>activé, en attente</translation>
    </message>
    <message>
        <source>No triggers. Add one with &quot;vigila trigger add&quot; or in Preferences.
</source>
        <extracomment>keep &quot;vigila trigger add&quot; as it is</extracomment>
        <translation>Aucun déclencheur. Ajoutez-en un avec «&#xa0;vigila trigger add&#xa0;» ou dans les Préférences.
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
        <translation>%1, seulement sur secteur</translation>
    </message>
    <message>
        <source>%1, after %2</source>
        <extracomment>%1 is the trigger&apos;s condition, %2 how long it must hold first</extracomment>
        <translation>%1, après %2</translation>
    </message>
    <message>
        <source>%1, staying %2 after</source>
        <extracomment>%1 is the trigger&apos;s condition, %2 how long the computer stays awake after it ends</extracomment>
        <translation>%1, puis encore %2 après la fin</translation>
    </message>
    <message>
        <source>    when: %1
</source>
        <extracomment>%1 is the trigger&apos;s condition</extracomment>
        <translation>    quand&#xa0;: %1
</translation>
    </message>
    <message>
        <source>    now: %1
</source>
        <extracomment>%1 is what the trigger keeps the computer awake for now</extracomment>
        <translation>    maintenant&#xa0;: %1
</translation>
    </message>
    <message>
        <source>    id: %1
</source>
        <extracomment>%1 is the trigger&apos;s id</extracomment>
        <translation>    id&#xa0;: %1
</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>What the menu shows.</source>
        <translation>Ce qu’affiche le menu.</translation>
    </message>
    <message>
        <source>Keep the display on as well.</source>
        <translation>Garder aussi l’écran allumé.</translation>
    </message>
    <message>
        <source>Keep only the system awake.</source>
        <translation>Ne garder éveillé que le système.</translation>
    </message>
    <message>
        <source>How long the condition must hold first.</source>
        <translation>Durée pendant laquelle la condition doit d’abord être remplie.</translation>
    </message>
    <message>
        <source>How long to stay awake after it ends.</source>
        <translation>Durée du maintien en éveil après sa fin.</translation>
    </message>
    <message>
        <source>Only while on AC power.</source>
        <translation>Seulement sur secteur.</translation>
    </message>
    <message>
        <source>Add it turned off.</source>
        <translation>L’ajouter désactivé.</translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session counts, not only yours.</source>
        <translation>La session à distance de n’importe qui compte, pas seulement la vôtre.</translation>
    </message>
    <message>
        <source>The unit is one of your own systemd user units.</source>
        <translation>L’unité est l’une de vos propres unités utilisateur systemd.</translation>
    </message>
    <message>
        <source>The unit is a system unit (the default).</source>
        <translation>L’unité est une unité système (par défaut).</translation>
    </message>
    <message>
        <source>An application whose sound does not count.</source>
        <translation>Une application dont le son ne compte pas.</translation>
    </message>
    <message>
        <source>Only this application&apos;s sound counts.</source>
        <translation>Seul le son de cette application compte.</translation>
    </message>
    <message>
        <source>A folder to watch for downloads.</source>
        <translation>Un dossier où surveiller les téléchargements.</translation>
    </message>
    <message>
        <source>A partial download&apos;s name, such as *.part.</source>
        <translation>Le nom d’un téléchargement partiel, comme *.part.</translation>
    </message>
    <message>
        <source>The rate (KB/s) or CPU use (% of a core) to stay above.</source>
        <translation>Le débit (KB/s) ou l’usage CPU (% d’un cœur) à dépasser.</translation>
    </message>
    <message>
        <source>How long to average over (10s to 10m).</source>
        <translation>Durée sur laquelle calculer la moyenne (de 10s à 10m).</translation>
    </message>
    <message>
        <source>Only this network interface.</source>
        <translation>Seulement cette interface réseau.</translation>
    </message>
    <message>
        <source>Match the process anywhere in its command line.</source>
        <translation>Chercher le processus n’importe où dans sa ligne de commande.</translation>
    </message>
    <message>
        <source>%1 takes one trigger: its name or id.</source>
        <extracomment>%1 is remove, enable or disable, as the user wrote it</extracomment>
        <translation>%1 prend un seul déclencheur&#xa0;: son nom ou son id.</translation>
    </message>
    <message>
        <source>--%1 is an option of &quot;trigger add&quot;.</source>
        <extracomment>%1 is an option&apos;s name; keep &quot;trigger add&quot; as it is</extracomment>
        <translation>--%1 est une option de «&#xa0;trigger add&#xa0;».</translation>
    </message>
    <message>
        <source>Removed the trigger “%1”.</source>
        <translation>Déclencheur «&#xa0;%1&#xa0;» supprimé.</translation>
    </message>
    <message>
        <source>Enabled the trigger “%1”.</source>
        <translation>Déclencheur «&#xa0;%1&#xa0;» activé.</translation>
    </message>
    <message>
        <source>Disabled the trigger “%1”.</source>
        <translation>Déclencheur «&#xa0;%1&#xa0;» désactivé.</translation>
    </message>
    <message>
        <source>“%1” is not add, remove, enable or disable.</source>
        <extracomment>%1 is what the user wrote; keep add, remove, enable and disable as they are</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est ni add, ni remove, ni enable, ni disable.</translation>
    </message>
    <message>
        <source>say which kind: ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <extracomment>keep the kinds as they are</extracomment>
        <translation>indiquez le type&#xa0;: ac, display, remote-session, unit, schedule, audio, download, network, busy ou machine.</translation>
    </message>
    <message>
        <source>a unit is either --user or --system.</source>
        <translation>une unité est soit --user, soit --system.</translation>
    </message>
    <message>
        <source>name the unit, such as backup.service.</source>
        <translation>nommez l’unité, par exemple backup.service.</translation>
    </message>
    <message>
        <source>give the schedule, such as &quot;Mon-Fri 09:00-17:30&quot;.</source>
        <translation>indiquez l’horaire, par exemple &quot;Mon-Fri 09:00-17:30&quot;.</translation>
    </message>
    <message>
        <source>say above which rate, in KB/s: --above 500.</source>
        <translation>indiquez au-dessus de quel débit, en KB/s&#xa0;: --above 500.</translation>
    </message>
    <message>
        <source>name the process, such as ffmpeg.</source>
        <translation>nommez le processus, par exemple ffmpeg.</translation>
    </message>
    <message>
        <source>say above which CPU use, in percent of a core: --above 25.</source>
        <translation>indiquez au-dessus de quel usage CPU, en pourcentage d’un cœur&#xa0;: --above 25.</translation>
    </message>
    <message>
        <source>“%1” is not a kind; use ac, display, remote-session, unit, schedule, audio, download, network, busy or machine.</source>
        <extracomment>%1 is what the user wrote; keep the kinds as they are</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas un type&#x202f;; utilisez ac, display, remote-session, unit, schedule, audio, download, network, busy ou machine.</translation>
    </message>
    <message>
        <source>“%1” is not a duration; write 30s, 1m or 10m.</source>
        <extracomment>%1 is what the user wrote; keep 30s, 1m and 10m as they are</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une durée&#x202f;; écrivez 30s, 1m ou 10m.</translation>
    </message>
    <message>
        <source>unexpected “%1”.</source>
        <translation>«&#xa0;%1&#xa0;» inattendu.</translation>
    </message>
    <message>
        <source>--%1 does not go with %2.</source>
        <extracomment>%1 is an option&apos;s name, %2 the trigger&apos;s kind, such as ac</extracomment>
        <translation>--%1 ne va pas avec %2.</translation>
    </message>
    <message>
        <source>choose --display or --system-only, not both.</source>
        <translation>choisissez --display ou --system-only, pas les deux.</translation>
    </message>
    <message>
        <source>“%1” is not a duration of at most a day; write 0, 90 (seconds), 90s, 45m or 2h.</source>
        <extracomment>%1 is what the user wrote; keep the durations as they are</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une durée d’un jour au plus&#x202f;; écrivez 0, 90 (secondes), 90s, 45m ou 2h.</translation>
    </message>
    <message>
        <source>vigila trigger: %1
Run &quot;vigila trigger --help&quot; for how to use it.
</source>
        <extracomment>%1 is what is wrong; keep &quot;vigila trigger --help&quot; as it is</extracomment>
        <translation>vigila trigger&#xa0;: %1
Lancez «&#xa0;vigila trigger --help&#xa0;» pour savoir comment l’utiliser.
</translation>
    </message>
</context>
<context>
    <name>TriggerMaps</name>
    <message>
        <source>Unknown key “%1”.</source>
        <extracomment>%1 is the key given</extracomment>
        <translation>Clé «&#xa0;%1&#xa0;» inconnue.</translation>
    </message>
    <message>
        <source>The key “%1” has a value of the wrong type.</source>
        <extracomment>%1 is the key&apos;s name</extracomment>
        <translation>La clé «&#xa0;%1&#xa0;» a une valeur du mauvais type.</translation>
    </message>
    <message>
        <source>Unknown kind “%1”: use ac, display, remote-session, unit or schedule.</source>
        <extracomment>%1 is the kind given; keep the kinds as they are</extracomment>
        <translation>Type «&#xa0;%1&#xa0;» inconnu&#xa0;: utilisez ac, display, remote-session, unit ou schedule.</translation>
    </message>
    <message>
        <source>Unknown mode “%1”: use system, display, or an empty string for the preferences&apos; default.</source>
        <extracomment>%1 is the mode given; keep system and display as they are</extracomment>
        <translation>Mode «&#xa0;%1&#xa0;» inconnu&#xa0;: utilisez system, display ou une chaîne vide pour le mode par défaut des préférences.</translation>
    </message>
    <message>
        <source>The %1 must be between 0 and %2 seconds.</source>
        <extracomment>%1 is the key&apos;s name, delay or grace, as it is; %2 the most seconds</extracomment>
        <translation>La valeur %1 doit être comprise entre 0 et %2 secondes.</translation>
    </message>
</context>
<context>
    <name>TriggerPrefs</name>
    <message>
        <source>Add a trigger</source>
        <translation>Ajouter un déclencheur</translation>
    </message>
    <message>
        <source>Keep awake when…</source>
        <translation>Garder éveillé quand…</translation>
    </message>
    <message>
        <source>No triggers yet. Add one with the + button above.</source>
        <translation>Aucun déclencheur pour l’instant. Ajoutez-en un avec le bouton + ci-dessus.</translation>
    </message>
    <message>
        <source>Notify when a trigger starts or stops</source>
        <translation>Notifier quand un déclencheur démarre ou s’arrête</translation>
    </message>
    <message>
        <source>A trigger keeps the computer awake while its condition holds, after its delay, and for its grace time after the condition ends.</source>
        <translation>Un déclencheur garde l’ordinateur éveillé tant que sa condition est remplie, après son délai, et pendant son délai de grâce une fois la condition terminée.</translation>
    </message>
</context>
<context>
    <name>TriggerRule</name>
    <message>
        <source>This kind of trigger (“%1”) comes from a newer version of Vigila.</source>
        <translation>Ce type de déclencheur («&#xa0;%1&#xa0;») provient d’une version plus récente de Vigila.</translation>
    </message>
    <message>
        <source>Whose sessions count is not set.</source>
        <translation>Les sessions à prendre en compte ne sont pas définies.</translation>
    </message>
    <message>
        <source>No unit is named.</source>
        <translation>Aucune unité n’est indiquée.</translation>
    </message>
    <message>
        <source>“%1” is not a systemd unit name (like backup.service).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nom d’unité systemd (comme backup.service).</translation>
    </message>
    <message>
        <source>Whether the unit is the user&apos;s or the system&apos;s is not set.</source>
        <translation>Il n’est pas précisé si l’unité est une unité utilisateur ou système.</translation>
    </message>
    <message>
        <source>No schedule is set.</source>
        <translation>Aucun horaire n’est défini.</translation>
    </message>
    <message>
        <source>“%1” is not a full path to a folder (it must start with /).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas le chemin complet d’un dossier (il doit commencer par /).</translation>
    </message>
    <message>
        <source>The traffic threshold must be between 1 and 10 000 000 KB/s.</source>
        <translation>Le seuil de trafic doit être compris entre 1 et 10&#x202f;000&#x202f;000 KB/s.</translation>
    </message>
    <message>
        <source>The network interface is not a name.</source>
        <translation>L’interface réseau n’est pas un nom valide.</translation>
    </message>
    <message>
        <source>No process is named.</source>
        <translation>Aucun processus n’est indiqué.</translation>
    </message>
    <message>
        <source>A process is matched by its exact name or by what its command line contains.</source>
        <translation>Un processus est reconnu par son nom exact ou par le contenu de sa ligne de commande.</translation>
    </message>
    <message>
        <source>The CPU threshold must be between 1 and 6400 % of a core.</source>
        <translation>Le seuil CPU doit être compris entre 1 et 6&#x202f;400 % d’un cœur.</translation>
    </message>
    <message>
        <source>The machine is not a name.</source>
        <translation>La machine n’est pas un nom valide.</translation>
    </message>
    <message>
        <source>Unknown condition “%1”</source>
        <translation>Condition «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <source>Anyone&apos;s remote session open</source>
        <translation>Session à distance ouverte (tout utilisateur)</translation>
    </message>
    <message>
        <source>Remote session open</source>
        <translation>Session à distance ouverte</translation>
    </message>
    <message>
        <source>%1 running (user unit)</source>
        <translation>%1 actif (unité utilisateur)</translation>
    </message>
    <message>
        <source>%1 running</source>
        <translation>%1 actif</translation>
    </message>
    <message>
        <source>Schedule “%1”</source>
        <translation>Horaire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sound playing</source>
        <translation>Son en lecture</translation>
    </message>
    <message>
        <source>Sound playing from %1</source>
        <translation>Son en lecture dans %1</translation>
    </message>
    <message>
        <source>Download in progress</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>Download in progress in %1</source>
        <translation>Téléchargement en cours dans %1</translation>
    </message>
    <message>
        <source>Network traffic above %1 KB/s</source>
        <translation>Trafic réseau au-dessus de %1 KB/s</translation>
    </message>
    <message>
        <source>Traffic on %1 above %2 KB/s</source>
        <translation>Trafic sur %1 au-dessus de %2 KB/s</translation>
    </message>
    <message>
        <source>“%1” busy above %2 % of a core</source>
        <extracomment>%1 is the process name, %2 the CPU use in percent of one core it has to exceed</extracomment>
        <translation>«&#xa0;%1&#xa0;» occupé au-delà de %2 % d’un cœur</translation>
    </message>
    <message>
        <source>A virtual machine or container running</source>
        <translation>Une machine virtuelle ou un conteneur en cours d’exécution</translation>
    </message>
    <message>
        <source>The machine “%1” running</source>
        <translation>La machine «&#xa0;%1&#xa0;» en cours d’exécution</translation>
    </message>
    <message>
        <source>The stored rule could not be read whole (%1), so it was turned off; check it and turn it on again.</source>
        <translation>La règle enregistrée n’a pas pu être lue entièrement (%1), elle a donc été désactivée&#x202f;; vérifiez-la et réactivez-la.</translation>
    </message>
    <message>
        <source>The list “%1” is not a list of names.</source>
        <translation>La liste «&#xa0;%1&#xa0;» n’est pas une liste de noms.</translation>
    </message>
    <message>
        <source>The list “%1” has more than 100 names.</source>
        <translation>La liste «&#xa0;%1&#xa0;» contient plus de 100 noms.</translation>
    </message>
    <message>
        <source>The list “%1” holds something that is not a name on one line.</source>
        <translation>La liste «&#xa0;%1&#xa0;» contient un élément qui n’est pas un nom sur une seule ligne.</translation>
    </message>
    <message>
        <source>The window to average over must be between %1 and %2 seconds.</source>
        <translation>La période de moyenne doit être comprise entre %1 et %2 secondes.</translation>
    </message>
    <message>
        <source>Power adapter connected</source>
        <translation>Adaptateur secteur branché</translation>
    </message>
    <message>
        <source>External display connected</source>
        <translation>Écran externe branché</translation>
    </message>
    <message>
        <source>systemd unit running</source>
        <translation>Unité systemd active</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>Network traffic</source>
        <translation>Trafic réseau</translation>
    </message>
    <message>
        <source>Process busy</source>
        <translation>Processus occupé</translation>
    </message>
    <message>
        <source>Virtual machine or container running</source>
        <translation>Machine virtuelle ou conteneur en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>TriggerRuleEditor</name>
    <message>
        <source>No trigger is called “%1”.</source>
        <translation>Aucun déclencheur ne s’appelle «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Several triggers are called “%1”; name one by its id.</source>
        <translation>Plusieurs déclencheurs s’appellent «&#xa0;%1&#xa0;»&#x202f;; désignez-en un par son id.</translation>
    </message>
    <message>
        <source>There are %1 triggers already, as many as Vigila keeps.</source>
        <translation>Il y a déjà %1 déclencheurs, le maximum que Vigila conserve.</translation>
    </message>
    <message>
        <source>A delay or grace time is at most %1 seconds.</source>
        <translation>Un délai ou un délai de grâce est d’au plus %1 secondes.</translation>
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
        <translation>Tous les utilisateurs</translation>
    </message>
    <message>
        <source>User unit</source>
        <translation>Unité utilisateur</translation>
    </message>
    <message>
        <source>%1 KB/s</source>
        <extracomment>A traffic rate in its box; %1 is the number of kilobytes per second</extracomment>
        <translation>%1 KB/s</translation>
    </message>
    <message>
        <source>Match in command line</source>
        <translation>Chercher dans la ligne de commande</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share of one CPU core in its box; %1 is the number</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Only on AC power</source>
        <translation>Seulement sur secteur</translation>
    </message>
    <message>
        <source>Count remote sessions of every user, not only your own.</source>
        <translation>Compter les sessions à distance de tous les utilisateurs, pas seulement les vôtres.</translation>
    </message>
    <message>
        <source>backup.service</source>
        <extracomment>An example systemd unit name</extracomment>
        <translation>backup.service</translation>
    </message>
    <message>
        <source>The systemd unit that keeps the computer awake while it runs.</source>
        <translation>L’unité systemd qui garde l’ordinateur éveillé tant qu’elle est active.</translation>
    </message>
    <message>
        <source>A unit of your own user&apos;s systemd, rather than the system&apos;s.</source>
        <translation>Une unité systemd de votre propre utilisateur, plutôt qu’une unité système.</translation>
    </message>
    <message>
        <source>Mon-Fri 09:00-17:30</source>
        <extracomment>An example schedule: the day names stay in English, as schedules are written with them</extracomment>
        <translation>Mon-Fri 09:00-17:30</translation>
    </message>
    <message>
        <source>Days and times, several separated by commas, such as “Mon-Fri 09:00-12:00, Sat 10:00-12:00” or “Daily 22:00-06:00”.</source>
        <extracomment>The day names in the examples stay in English, as schedules are written with them</extracomment>
        <translation>Jours et heures, plusieurs séparés par des virgules, par exemple «&#xa0;Mon-Fri 09:00-12:00, Sat 10:00-12:00&#xa0;» ou «&#xa0;Daily 22:00-06:00&#xa0;» (jours en anglais).</translation>
    </message>
    <message>
        <source>The condition counts only while the computer is on AC power.</source>
        <translation>La condition ne compte que lorsque l’ordinateur est sur secteur.</translation>
    </message>
    <message>
        <source>What stays awake; Default follows the General tab.</source>
        <translation>Ce qui reste éveillé&#x202f;; «&#xa0;Par défaut&#xa0;» suit l’onglet Général.</translation>
    </message>
    <message>
        <source>How long the condition must hold before Vigila keeps the computer awake.</source>
        <translation>Durée pendant laquelle la condition doit être remplie avant que Vigila garde l’ordinateur éveillé.</translation>
    </message>
    <message>
        <source>How long Vigila keeps the computer awake after the condition ends.</source>
        <translation>Durée pendant laquelle Vigila garde l’ordinateur éveillé après la fin de la condition.</translation>
    </message>
    <message>
        <source>Applications whose sound does not count, separated by commas, such as “Firefox, Slack”. Their names or their programs both match.</source>
        <translation>Applications dont le son ne compte pas, séparées par des virgules, par exemple «&#xa0;Firefox, Slack&#xa0;». Leur nom comme leur programme sont reconnus.</translation>
    </message>
    <message>
        <source>every application</source>
        <translation>toutes les applications</translation>
    </message>
    <message>
        <source>Only sound from these applications counts, separated by commas; empty for every application.</source>
        <translation>Seul compte le son de ces applications, séparées par des virgules&#x202f;; vide pour toutes les applications.</translation>
    </message>
    <message>
        <source>The folders to watch, as full paths separated by commas or semicolons; empty for your Downloads folder.</source>
        <translation>Les dossiers à surveiller, en chemins complets séparés par des virgules ou des points-virgules&#x202f;; vide pour votre dossier Téléchargements.</translation>
    </message>
    <message>
        <source>The names of files still being downloaded, separated by commas; * stands for any text. Empty for the usual ones: %1.</source>
        <extracomment>%1 lists the usual names, such as &quot;*.part, *.crdownload&quot;</extracomment>
        <translation>Les noms des fichiers en cours de téléchargement, séparés par des virgules&#x202f;; * remplace n’importe quel texte. Vide pour les noms habituels&#xa0;: %1.</translation>
    </message>
    <message>
        <source>all physical interfaces</source>
        <translation>toutes les interfaces physiques</translation>
    </message>
    <message>
        <source>The network interface to measure, such as eth0 or wlan0.</source>
        <translation>L’interface réseau à mesurer, par exemple eth0 ou wlan0.</translation>
    </message>
    <message>
        <source>The condition holds while traffic, received and sent together, is above this rate.</source>
        <translation>La condition est remplie tant que le trafic, reçu et envoyé cumulés, dépasse ce débit.</translation>
    </message>
    <message>
        <source>ffmpeg</source>
        <extracomment>An example process name</extracomment>
        <translation>ffmpeg</translation>
    </message>
    <message>
        <source>The name of the process to watch.</source>
        <translation>Le nom du processus à surveiller.</translation>
    </message>
    <message>
        <source>Match every process whose command line contains the text, not only a process of exactly that name.</source>
        <translation>Reconnaître tout processus dont la ligne de commande contient le texte, et pas seulement un processus portant exactement ce nom.</translation>
    </message>
    <message>
        <source>The condition holds while the matching processes together use more than this share of one CPU core (100 % is a whole core).</source>
        <translation>La condition est remplie tant que les processus correspondants utilisent ensemble plus que cette part d’un cœur de processeur (100 % correspond à un cœur entier).</translation>
    </message>
    <message>
        <source>How long the traffic or the CPU use is averaged over.</source>
        <translation>Période sur laquelle le trafic ou l’usage CPU est moyenné.</translation>
    </message>
    <message>
        <source>The name of a virtual machine or container, as systemd-machined knows it; empty for any.</source>
        <translation>Le nom d’une machine virtuelle ou d’un conteneur, tel que systemd-machined le connaît&#x202f;; vide pour n’importe lequel.</translation>
    </message>
    <message>
        <source>Ignore:</source>
        <translation>Ignorer&#xa0;:</translation>
    </message>
    <message>
        <source>Only:</source>
        <translation>Seulement&#xa0;:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Dossiers&#xa0;:</translation>
    </message>
    <message>
        <source>Names:</source>
        <translation>Noms&#xa0;:</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Interface&#xa0;:</translation>
    </message>
    <message>
        <source>Above:</source>
        <translation>Seuil&#xa0;:</translation>
    </message>
    <message>
        <source>Process:</source>
        <translation>Processus&#xa0;:</translation>
    </message>
    <message>
        <source>Machine:</source>
        <translation>Machine&#xa0;:</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>Délai&#xa0;:</translation>
    </message>
    <message>
        <source>Grace:</source>
        <translation>Délai de grâce&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown kind “%1”</source>
        <extracomment>%1 is the kind as stored by another version of Vigila, such as &quot;bluetooth&quot;</extracomment>
        <translation>Type «&#xa0;%1&#xa0;» inconnu</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <extracomment>%1 says what is wrong with the parameters typed</extracomment>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot run: %1</source>
        <extracomment>%1 says what keeps the rule from running</extracomment>
        <translation>Ne peut pas fonctionner&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turned off.</source>
        <translation>Désactivé.</translation>
    </message>
    <message>
        <source>Keeping awake now: %1</source>
        <extracomment>%1 is the condition that holds now</extracomment>
        <translation>Maintien en éveil en cours&#xa0;: %1</translation>
    </message>
    <message>
        <source>The condition has ended; keeping awake for its grace time.</source>
        <translation>La condition a pris fin&#x202f;; maintien en éveil pendant son délai de grâce.</translation>
    </message>
    <message>
        <source>Holds — waiting out its delay.</source>
        <translation>Remplie — attente de la fin du délai.</translation>
    </message>
    <message>
        <source>Holds, but was stopped by hand; it starts again the next time the condition holds.</source>
        <translation>Remplie, mais arrêté manuellement&#x202f;; il reprendra la prochaine fois que la condition sera remplie.</translation>
    </message>
    <message>
        <source>Not holding.</source>
        <translation>Non remplie.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <comment>the trigger is on</comment>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>the trigger&apos;s name</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>delete the trigger</comment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>the default keep-awake mode</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no applications are ignored</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>any</source>
        <comment>any virtual machine or container</comment>
        <translation>toutes</translation>
    </message>
    <message>
        <source>Window:</source>
        <comment>the time the rate is averaged over</comment>
        <translation>Période&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TriggerWatcher</name>
    <message>
        <source>The power source cannot be read here.</source>
        <translation>La source d’alimentation ne peut pas être lue ici.</translation>
    </message>
    <message>
        <source>This computer has no battery, so it always counts as on AC power.</source>
        <translation>Cet ordinateur n’a pas de batterie, il est donc toujours considéré comme sur secteur.</translation>
    </message>
    <message>
        <source>Waiting for the power service to say whether the computer is on AC power.</source>
        <translation>En attente du service d’alimentation pour savoir si l’ordinateur est sur secteur.</translation>
    </message>
    <message>
        <source>While on AC power</source>
        <translation>Tant que l’ordinateur est sur secteur</translation>
    </message>
    <message>
        <source>Displays cannot be followed here.</source>
        <translation>Les écrans ne peuvent pas être suivis ici.</translation>
    </message>
    <message>
        <source>While docked to an external display</source>
        <translation>Tant que l’ordinateur est sur une station d’accueil avec écran externe</translation>
    </message>
    <message>
        <source>While an external display is connected (%1)</source>
        <translation>Tant qu’un écran externe est branché (%1)</translation>
    </message>
    <message>
        <source>Login sessions cannot be followed here.</source>
        <translation>Les sessions de connexion ne peuvent pas être suivies ici.</translation>
    </message>
    <message>
        <source>While %1 runs</source>
        <translation>Tant que %1 est actif</translation>
    </message>
    <message>
        <source>systemd units cannot be followed here.</source>
        <translation>Les unités systemd ne peuvent pas être suivies ici.</translation>
    </message>
    <message>
        <source>The user unit %1 does not exist; the rule waits for it.</source>
        <translation>L’unité utilisateur %1 n’existe pas&#x202f;; la règle l’attend.</translation>
    </message>
    <message>
        <source>The unit %1 does not exist; the rule waits for it.</source>
        <translation>L’unité %1 n’existe pas&#x202f;; la règle l’attend.</translation>
    </message>
    <message>
        <source>Waiting for systemd to say whether %1 runs.</source>
        <translation>En attente de systemd pour savoir si %1 est actif.</translation>
    </message>
    <message>
        <source>Sound cannot be followed here.</source>
        <translation>Le son ne peut pas être suivi ici.</translation>
    </message>
    <message>
        <source>No sound server answers; the rule waits for one.</source>
        <translation>Aucun serveur de son ne répond&#x202f;; la règle en attend un.</translation>
    </message>
    <message>
        <source>While an application plays sound</source>
        <translation>Tant qu’une application joue du son</translation>
    </message>
    <message>
        <source>While %1 plays sound</source>
        <translation>Tant que %1 joue du son</translation>
    </message>
    <message>
        <source>Downloads cannot be followed here.</source>
        <translation>Les téléchargements ne peuvent pas être suivis ici.</translation>
    </message>
    <message>
        <source>While “%1” downloads</source>
        <translation>Tant que «&#xa0;%1&#xa0;» se télécharge</translation>
    </message>
    <message>
        <source>“%1” has not grown for a minute; a paused download does not count.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas grossi depuis une minute&#x202f;; un téléchargement en pause ne compte pas.</translation>
    </message>
    <message>
        <source>Network traffic cannot be followed here.</source>
        <translation>Le trafic réseau ne peut pas être suivi ici.</translation>
    </message>
    <message>
        <source>There is no network interface called “%1”; the rule waits for it.</source>
        <translation>Il n’y a pas d’interface réseau nommée «&#xa0;%1&#xa0;»&#x202f;; la règle l’attend.</translation>
    </message>
    <message>
        <source>Measuring the traffic…</source>
        <translation>Mesure du trafic…</translation>
    </message>
    <message>
        <source>%1 %2 KB/s</source>
        <translation>%1 %2 KB/s</translation>
    </message>
    <message>
        <source>Now %1 KB/s.</source>
        <translation>Actuellement %1 KB/s.</translation>
    </message>
    <message>
        <source>Now %1 KB/s: %2.</source>
        <translation>Actuellement %1 KB/s&#xa0;: %2.</translation>
    </message>
    <message>
        <source>While network traffic is above %1 KB/s</source>
        <translation>Tant que le trafic réseau dépasse %1 KB/s</translation>
    </message>
    <message>
        <source>While traffic on %1 is above %2 KB/s</source>
        <translation>Tant que le trafic sur %1 dépasse %2 KB/s</translation>
    </message>
    <message>
        <source>Processes&apos; CPU use cannot be followed here.</source>
        <translation>L’usage CPU des processus ne peut pas être suivi ici.</translation>
    </message>
    <message>
        <source>No process “%1” runs.</source>
        <translation>Aucun processus «&#xa0;%1&#xa0;» en cours.</translation>
    </message>
    <message>
        <source>Measuring the CPU use of “%1”…</source>
        <translation>Mesure de l’usage CPU de «&#xa0;%1&#xa0;»…</translation>
    </message>
    <message>
        <source>“%1” uses %2 % of a core.</source>
        <extracomment>%1 is the process name, %2 its CPU use in percent of one core</extracomment>
        <translation>«&#xa0;%1&#xa0;» utilise %2 % d’un cœur.</translation>
    </message>
    <message>
        <source>While “%1” is busy</source>
        <translation>Tant que «&#xa0;%1&#xa0;» est occupé</translation>
    </message>
    <message>
        <source>Virtual machines cannot be followed here.</source>
        <translation>Les machines virtuelles ne peuvent pas être suivies ici.</translation>
    </message>
    <message>
        <source>systemd-machined is not running; the rule waits for it.</source>
        <translation>systemd-machined n’est pas lancé&#x202f;; la règle l’attend.</translation>
    </message>
    <message>
        <source>While the container “%1” runs</source>
        <translation>Tant que le conteneur «&#xa0;%1&#xa0;» est en cours d’exécution</translation>
    </message>
    <message>
        <source>While the virtual machine “%1” runs</source>
        <translation>Tant que la machine virtuelle «&#xa0;%1&#xa0;» est en cours d’exécution</translation>
    </message>
    <message>
        <source>Waits for AC power.</source>
        <translation>En attente du secteur.</translation>
    </message>
    <message>
        <source>While %1 is logged in over SSH</source>
        <translation>Tant que %1 est connecté via SSH</translation>
    </message>
    <message>
        <source>While %1 is logged in remotely</source>
        <translation>Tant que %1 est connecté à distance</translation>
    </message>
    <message>
        <source>While %1 is logged in over SSH from %2</source>
        <translation>Tant que %1 est connecté via SSH depuis %2</translation>
    </message>
    <message>
        <source>While %1 is logged in remotely from %2</source>
        <translation>Tant que %1 est connecté à distance depuis %2</translation>
    </message>
    <message numerus="yes">
        <source>While %n remote session(s) are open</source>
        <translation>
            <numerusform>Tant que %n session à distance est ouverte</numerusform>
            <numerusform>Tant que %n sessions à distance sont ouvertes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n application(s) play sound</source>
        <translation>
            <numerusform>Tant que %n application joue du son</numerusform>
            <numerusform>Tant que %n applications jouent du son</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n file(s) download</source>
        <translation>
            <numerusform>Tant que %n fichier se télécharge</numerusform>
            <numerusform>Tant que %n fichiers se téléchargent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n virtual machine(s) or container(s) run</source>
        <translation>
            <numerusform>Tant que %n machine virtuelle ou conteneur est en cours d’exécution</numerusform>
            <numerusform>Tant que %n machines virtuelles ou conteneurs sont en cours d’exécution</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vigila is already running (process %1); leaving it as it is.</source>
        <translation>Vigila est déjà lancé (processus %1) ; rien n’est modifié.</translation>
    </message>
    <message>
        <source>Vigila is already running; leaving it as it is.</source>
        <translation>Vigila est déjà lancé ; rien n’est modifié.</translation>
    </message>
</context>
</TS>
