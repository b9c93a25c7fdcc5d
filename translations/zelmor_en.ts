<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="nl_NL">
<context>
    <name>Zelmor</name>
    <message>
        <source>Type verbinding</source>
        <translation>Connection type</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Gebruiker</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Sessie</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>&amp;Maak verbinding</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Verbreek verbinding</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>&amp;Instellingen</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Bestands Overdracht</source>
        <translation>File transfer</translation>
    </message>
    <message>
        <source>Bestandsnaam</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Bestandsgrootte</source>
        <translation>File size</translation>
    </message>
    <message>
        <source>Voortgang</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Versie</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Zelmor 2 (RAS)</source>
        <translation>Zelmor 2 (RAS)</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>ADSL/Kabel</source>
        <translation>ADSL/Cable</translation>
    </message>
    <message>
        <source>Er wordt contact gezocht met de Zelmor-Server.</source>
        <translation>Contacting the Zelmor server.</translation>
    </message>
    <message>
        <source>Verbindig verbroken door gebruiker.</source>
        <translation>Connection broken off by the user.</translation>
    </message>
    <message>
        <source>Verzoek om verbinding geweigerd: er loopt al een sessie.</source>
        <translation>Connect request refused: a session is already running.</translation>
    </message>
    <message>
        <source>Dit verbindingstype is in deze versie nog niet beschikbaar.</source>
        <translation>This connection type is not available in this version yet.</translation>
    </message>
    <message>
        <source>Onbekend verbindingstype %1: kies een verbindingstype bij Instellingen.</source>
        <translation>Unknown connection type %1: choose a connection type under Settings.</translation>
    </message>
    <message>
        <source>Het instellingenvenster is in deze versie nog niet beschikbaar.</source>
        <translation>The settings window is not available in this version yet.</translation>
    </message>
    <message>
        <source>Uw UBN nummer is niet numeriek !</source>
        <translation>Your holding number is not numeric !</translation>
    </message>
    <message>
        <source>Uw UBN nummer is te lang !</source>
        <translation>Your holding number is too long !</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Use Ctrl+C to copy the report to the clipboard</source>
        <translation>Use Ctrl+C to copy the report to the clipboard</translation>
    </message>
    <message>
        <source>Show or hide additional information</source>
        <translation>Show or hide additional information</translation>
    </message>
</context>
</TS>
