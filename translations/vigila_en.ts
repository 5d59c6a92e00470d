<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
