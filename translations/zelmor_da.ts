<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="nl_NL">
<context>
    <name>Zelmor</name>
    <message>
        <source>Type verbinding</source>
        <translation>Forbindelsestype</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medie</translation>
    </message>
    <message>
        <source>Gebruiker</source>
        <translation>Bruger</translation>
    </message>
    <message>
        <source>Sessie</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>&amp;Maak verbinding</source>
        <translation>&amp;Opret forbindelse</translation>
    </message>
    <message>
        <source>&amp;Verbreek verbinding</source>
        <translation>&amp;Afbryd forbindelse</translation>
    </message>
    <message>
        <source>&amp;Instellingen</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Bestands Overdracht</source>
        <translation>Filoverførsel</translation>
    </message>
    <message>
        <source>Bestandsnaam</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Bestandsgrootte</source>
        <translation>Filstørrelse</translation>
    </message>
    <message>
        <source>Voortgang</source>
        <translation>Fremskridt</translation>
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
        <translation>ADSL/Kabel</translation>
    </message>
    <message>
        <source>Er wordt contact gezocht met de Zelmor-Server.</source>
        <translation>Der oprettes forbindelse til Zelmor-serveren.</translation>
    </message>
    <message>
        <source>Verbindig verbroken door gebruiker.</source>
        <translation>Forbindelsen afbrudt af brugeren.</translation>
    </message>
    <message>
        <source>Verzoek om verbinding geweigerd: er loopt al een sessie.</source>
        <translation>Anmodning om forbindelse afvist: en session kører allerede.</translation>
    </message>
    <message>
        <source>Dit verbindingstype is in deze versie nog niet beschikbaar.</source>
        <translation>Denne forbindelsestype er endnu ikke tilgængelig i denne version.</translation>
    </message>
    <message>
        <source>Onbekend verbindingstype %1: kies een verbindingstype bij Instellingen.</source>
        <translation>Ukendt forbindelsestype %1: vælg en forbindelsestype under Indstillinger.</translation>
    </message>
    <message>
        <source>Het instellingenvenster is in deze versie nog niet beschikbaar.</source>
        <translation>Indstillingsvinduet er endnu ikke tilgængeligt i denne version.</translation>
    </message>
    <message>
        <source>Uw UBN nummer is niet numeriek !</source>
        <translation>Dit CHR-nummer er ikke numerisk !</translation>
    </message>
    <message>
        <source>Uw UBN nummer is te lang !</source>
        <translation>Dit CHR-nummer er for langt !</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detaljer</translation>
    </message>
    <message>
        <source>Use Ctrl+C to copy the report to the clipboard</source>
        <translation>Brug Ctrl+C for at kopiere rapporten til udklipsholderen</translation>
    </message>
    <message>
        <source>Show or hide additional information</source>
        <translation>Vis eller skjul yderligere oplysninger</translation>
    </message>
</context>
</TS>
