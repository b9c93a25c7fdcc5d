<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="nl_NL">
<context>
    <name>Zelmor</name>
    <message>
        <source>Type verbinding</source>
        <translation>Verbindungsart</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Gebruiker</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Sessie</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>&amp;Maak verbinding</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Verbreek verbinding</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Instellingen</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Bestands Overdracht</source>
        <translation>Dateiübertragung</translation>
    </message>
    <message>
        <source>Bestandsnaam</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Bestandsgrootte</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Voortgang</source>
        <translation>Fortschritt</translation>
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
        <translation>DSL/Kabel</translation>
    </message>
    <message>
        <source>Er wordt contact gezocht met de Zelmor-Server.</source>
        <translation>Verbindung zum Zelmor-Server wird hergestellt.</translation>
    </message>
    <message>
        <source>Verbindig verbroken door gebruiker.</source>
        <translation>Verbindung vom Benutzer getrennt.</translation>
    </message>
    <message>
        <source>Verzoek om verbinding geweigerd: er loopt al een sessie.</source>
        <translation>Verbindungsanfrage abgelehnt: eine Sitzung läuft bereits.</translation>
    </message>
    <message>
        <source>Dit verbindingstype is in deze versie nog niet beschikbaar.</source>
        <translation>Diese Verbindungsart ist in dieser Version noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>Onbekend verbindingstype %1: kies een verbindingstype bij Instellingen.</source>
        <translation>Unbekannte Verbindungsart %1: wählen Sie eine Verbindungsart unter Einstellungen.</translation>
    </message>
    <message>
        <source>Het instellingenvenster is in deze versie nog niet beschikbaar.</source>
        <translation>Das Einstellungsfenster ist in dieser Version noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>Uw UBN nummer is niet numeriek !</source>
        <translation>Ihre Betriebsnummer ist nicht numerisch !</translation>
    </message>
    <message>
        <source>Uw UBN nummer is te lang !</source>
        <translation>Ihre Betriebsnummer ist zu lang !</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Use Ctrl+C to copy the report to the clipboard</source>
        <translation>Mit Strg+C kopieren Sie den Bericht in die Zwischenablage</translation>
    </message>
    <message>
        <source>Show or hide additional information</source>
        <translation>Zusätzliche Informationen ein- oder ausblenden</translation>
    </message>
</context>
</TS>
