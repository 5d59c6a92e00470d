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
    <name>MenuModel</name>
    <message numerus="yes">
        <source>   %n more — `vigila list`</source>
        <translation>
            <numerusform>   %n more — `vigila list`</numerusform>
            <numerusform>   %n more — `vigila list`</numerusform>
        </translation>
    </message>
</context>
</TS>
