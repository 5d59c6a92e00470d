<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ControlService</name>
    <message numerus="yes">
        <source>This connection already holds %n hold(s), as many as one connection may; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>This connection already holds %n hold, as many as one connection may; release one first.</numerusform>
            <numerusform>This connection already holds %n holds, as many as one connection may; release one first.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Vigila already holds %n hold(s) for its clients, as many as it keeps; release one first.</source>
        <extracomment>a hold keeps the computer awake for a client, such as &quot;vigila run&quot;</extracomment>
        <translation>
            <numerusform>Vigila already holds %n hold for its clients, as many as it keeps; release one first.</numerusform>
            <numerusform>Vigila already holds %n holds for its clients, as many as it keeps; release one first.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The label has %n character(s); at most %1 fit.</source>
        <extracomment>%1 is the most characters a label may have</extracomment>
        <translation>
            <numerusform>The label has %n character; at most %1 fit.</numerusform>
            <numerusform>The label has %n characters; at most %1 fit.</numerusform>
        </translation>
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
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MenuModel</name>
    <message numerus="yes">
        <source>   %n more — `vigila list`</source>
        <translation>
            <numerusform>   %n more — `vigila list`</numerusform>
            <numerusform>   %n more — `vigila list`</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  (%n running)</source>
        <extracomment>%1 is the process name; %n how many processes of that name run</extracomment>
        <translation>
            <numerusform>%1  (%n running)</numerusform>
            <numerusform>%1  (%n running)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Starting — asking for the keep-awake lock (%n reason(s))</source>
        <translation>
            <numerusform>Starting — asking for the keep-awake lock (%n reason)</numerusform>
            <numerusform>Starting — asking for the keep-awake lock (%n reasons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Waiting — the keep-awake lock could not be taken (%n reason(s))</source>
        <translation>
            <numerusform>Waiting — the keep-awake lock could not be taken (%n reason)</numerusform>
            <numerusform>Waiting — the keep-awake lock could not be taken (%n reasons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping display awake (%n reason(s))</source>
        <translation>
            <numerusform>Active — keeping display awake (%n reason)</numerusform>
            <numerusform>Active — keeping display awake (%n reasons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Active — keeping system awake (%n reason(s))</source>
        <translation>
            <numerusform>Active — keeping system awake (%n reason)</numerusform>
            <numerusform>Active — keeping system awake (%n reasons)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProcessWatcher</name>
    <message numerus="yes">
        <source>“%1” running (%n match(es))</source>
        <extracomment>%1 is the process name the rule looks for; %n how many running processes match it</extracomment>
        <translation>
            <numerusform>“%1” running (%n match)</numerusform>
            <numerusform>“%1” running (%n matches)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TriggerWatcher</name>
    <message numerus="yes">
        <source>While %n remote session(s) are open</source>
        <translation>
            <numerusform>While %n remote session is open</numerusform>
            <numerusform>While %n remote sessions are open</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n application(s) play sound</source>
        <translation>
            <numerusform>While %n application plays sound</numerusform>
            <numerusform>While %n applications play sound</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n file(s) download</source>
        <translation>
            <numerusform>While %n file downloads</numerusform>
            <numerusform>While %n files download</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While %n virtual machine(s) or container(s) run</source>
        <translation>
            <numerusform>While %n virtual machine or container runs</numerusform>
            <numerusform>While %n virtual machines or containers run</numerusform>
        </translation>
    </message>
</context>
</TS>
