<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Cli</name>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>hint: %1</source>
        <comment>what to try next, after a message</comment>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>the heading of the help&apos;s options</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Usage</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>Print this help message and exit</source>
        <translation>Diese Hilfe zeigen und beenden</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>history show: no image numbered %1 in %2</source>
        <translation>history show: in %2 trägt kein Abbild die Nummer %1</translation>
    </message>
</context>
</TS>
