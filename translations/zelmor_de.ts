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
    <message>
        <source>Bestand %1 is verzonden maar kan niet worden verwijderd; het wordt niet opnieuw verzonden.</source>
        <translation>Datei %1 wurde gesendet, kann aber nicht gelöscht werden; sie wird nicht erneut gesendet.</translation>
    </message>
    <message>
        <source>Bezig met bestandsoverdracht</source>
        <translation>Datei wird übertragen</translation>
    </message>
    <message>
        <source>Bezig met verzamelen te zenden EDI berichten</source>
        <translation>EDI-Nachrichten zum Senden werden gesammelt</translation>
    </message>
    <message>
        <source>Communicatie afgebroken door gebruiker</source>
        <translation>Kommunikation vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Communicatie is afgesloten</source>
        <translation>Kommunikation ist beendet</translation>
    </message>
    <message>
        <source>DNS lookup</source>
        <translation>DNS-Abfrage</translation>
    </message>
    <message>
        <source>Einddatum   = </source>
        <translation>Enddatum   = </translation>
    </message>
    <message>
        <source>Fout van de server of de verbinding: %1</source>
        <translation>Fehler vom Server oder der Verbindung: %1</translation>
    </message>
    <message>
        <source>Gebruiker   = </source>
        <translation>Benutzer   = </translation>
    </message>
    <message>
        <source>Internet verbinding verbroken</source>
        <translation>Internetverbindung getrennt</translation>
    </message>
    <message>
        <source>Klaar</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Klaar voor data overdracht</source>
        <translation>Bereit zur Datenübertragung</translation>
    </message>
    <message>
        <source>Niet verbonden met de Server</source>
        <translation>Nicht mit dem Server verbunden</translation>
    </message>
    <message>
        <source>Ongeldige bestandsnaam in de bestandenlijst overgeslagen: %1</source>
        <translation>Ungültiger Dateiname in der Dateiliste übersprungen: %1</translation>
    </message>
    <message>
        <source>Ophalen bestand </source>
        <translation>Datei wird abgeholt </translation>
    </message>
    <message>
        <source>Ophalen bestandenlijst van de server.</source>
        <translation>Dateiliste wird vom Server abgeholt.</translation>
    </message>
    <message>
        <source>Postbestand %1 kan niet worden gelezen: %2</source>
        <translation>Postdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Sessie wordt afgebroken</source>
        <translation>Sitzung wird abgebrochen</translation>
    </message>
    <message>
        <source>Verbinding wordt afgebroken</source>
        <translation>Verbindung wird abgebrochen</translation>
    </message>
    <message>
        <source>Verbindings status #</source>
        <translation>Verbindungsstatus #</translation>
    </message>
    <message>
        <source>Verbonden met Zelmor Server.</source>
        <translation>Mit dem Zelmor-Server verbunden.</translation>
    </message>
    <message>
        <source>Verbonden met de Server</source>
        <translation>Mit dem Server verbunden</translation>
    </message>
    <message>
        <source>Wacht op verbinding</source>
        <translation>Warte auf Verbindung</translation>
    </message>
    <message>
        <source>Wachtwoord  = </source>
        <translation>Passwort   = </translation>
    </message>
    <message>
        <source>Wachtwoord niet geldig of contract verlopen.</source>
        <translation>Passwort ungültig oder Vertrag abgelaufen.</translation>
    </message>
    <message>
        <source>Wachtwoord verkeerd of contractdatum verstreken</source>
        <translation>Falsches Passwort oder Vertragsdatum abgelaufen</translation>
    </message>
    <message>
        <source>Zend bestand </source>
        <translation>Sende Datei </translation>
    </message>
    <message>
        <source>Open Poort</source>
        <translation>Port wird geöffnet</translation>
    </message>
    <message>
        <source>Poort Geopend</source>
        <translation>Port geöffnet</translation>
    </message>
    <message>
        <source>Bezig met verbinding op te zetten</source>
        <translation>Verbindung wird aufgebaut</translation>
    </message>
    <message>
        <source>Verbinding gemaakt</source>
        <translation>Verbindung hergestellt</translation>
    </message>
    <message>
        <source>Verbinding OK</source>
        <translation>Verbindung OK</translation>
    </message>
    <message>
        <source>Controle inlog gegevens</source>
        <translation>Anmeldedaten werden geprüft</translation>
    </message>
    <message>
        <source>Hercontrole op de inloggegevens </source>
        <translation>Anmeldedaten werden erneut geprüft </translation>
    </message>
    <message>
        <source>De terugbelfunktie wordt gestart</source>
        <translation>Rückruffunktion wird gestartet</translation>
    </message>
    <message>
        <source>Verander uw wachtwoord</source>
        <translation>Ändern Sie Ihr Passwort</translation>
    </message>
    <message>
        <source>Internet verbinding wordt gestart</source>
        <translation>Internetverbindung wird gestartet</translation>
    </message>
    <message>
        <source>De verbindingsnelheid wordt bepaald</source>
        <translation>Verbindungsgeschwindigkeit wird ermittelt</translation>
    </message>
    <message>
        <source>Controle gestart</source>
        <translation>Prüfung gestartet</translation>
    </message>
    <message>
        <source>Hercontrole gestart</source>
        <translation>Erneute Prüfung gestartet</translation>
    </message>
    <message>
        <source>Inloggegevens OK</source>
        <translation>Anmeldedaten OK</translation>
    </message>
    <message>
        <source>De terugbelverbinding wordt voorbereid</source>
        <translation>Rückrufverbindung wird vorbereitet</translation>
    </message>
    <message>
        <source>Wacht op reset van de modem</source>
        <translation>Warte auf Zurücksetzen des Modems</translation>
    </message>
    <message>
        <source>Wacht op terugbelllen van de server</source>
        <translation>Warte auf Rückruf des Servers</translation>
    </message>
    <message>
        <source>Internet verbinding OK</source>
        <translation>Internetverbindung OK</translation>
    </message>
    <message>
        <source>Start controle</source>
        <translation>Prüfung beginnt</translation>
    </message>
    <message>
        <source>Terugbelfunktie klaar</source>
        <translation>Rückruffunktion fertig</translation>
    </message>
    <message>
        <source>Aanloggen op het netwerk</source>
        <translation>Anmeldung am Netzwerk</translation>
    </message>
    <message>
        <source>Interactief</source>
        <translation>Interaktiv</translation>
    </message>
    <message>
        <source>Hercontrole inloggevens</source>
        <translation>Anmeldedaten erneut prüfen</translation>
    </message>
    <message>
        <source>Terugbelfunktie ingesteld door gebruiker</source>
        <translation>Rückruf vom Benutzer eingestellt</translation>
    </message>
    <message>
        <source>Het wachtwoord is verlopen</source>
        <translation>Das Passwort ist abgelaufen</translation>
    </message>
    <message>
        <source>Verbonden met inbelserver</source>
        <translation>Mit dem Einwahlserver verbunden</translation>
    </message>
    <message>
        <source>Verbinding verbroken</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <source>Bezig met uitpakken van : </source>
        <translation>Entpacke : </translation>
    </message>
    <message>
        <source>Bezig met uitvoeren van : </source>
        <translation>Führe aus : </translation>
    </message>
    <message>
        <source>Instructie met ongeldige doelmap overgeslagen: %1</source>
        <translation>Anweisung mit ungültigem Zielordner übersprungen: %1</translation>
    </message>
    <message>
        <source>Processing file </source>
        <translation>Verarbeite Datei </translation>
    </message>
    <message>
        <source>Processing file : </source>
        <translation>Verarbeite Datei : </translation>
    </message>
    <message>
        <source>Uitpakken bestand </source>
        <translation>Entpacke Datei </translation>
    </message>
    <message>
        <source>User bestand </source>
        <translation>Benutzerdatei </translation>
    </message>
</context>
</TS>
