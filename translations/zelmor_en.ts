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
    <message>
        <source>Bestand %1 is verzonden maar kan niet worden verwijderd; het wordt niet opnieuw verzonden.</source>
        <translation>File %1 was sent but cannot be deleted; it will not be sent again.</translation>
    </message>
    <message>
        <source>Bezig met bestandsoverdracht</source>
        <translation>Transferring file</translation>
    </message>
    <message>
        <source>Bezig met verzamelen te zenden EDI berichten</source>
        <translation>Collecting EDI messages to send</translation>
    </message>
    <message>
        <source>Communicatie afgebroken door gebruiker</source>
        <translation>Communication broken off by the user</translation>
    </message>
    <message>
        <source>Communicatie is afgesloten</source>
        <translation>Communication has ended</translation>
    </message>
    <message>
        <source>DNS lookup</source>
        <translation>DNS lookup</translation>
    </message>
    <message>
        <source>Einddatum   = </source>
        <translation>End date   = </translation>
    </message>
    <message>
        <source>Fout van de server of de verbinding: %1</source>
        <translation>Error from the server or the connection: %1</translation>
    </message>
    <message>
        <source>Gebruiker   = </source>
        <translation>User       = </translation>
    </message>
    <message>
        <source>Internet verbinding verbroken</source>
        <translation>Internet connection closed</translation>
    </message>
    <message>
        <source>Klaar</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Klaar voor data overdracht</source>
        <translation>Ready for data transfer</translation>
    </message>
    <message>
        <source>Niet verbonden met de Server</source>
        <translation>Not connected to the server</translation>
    </message>
    <message>
        <source>Ongeldige bestandsnaam in de bestandenlijst overgeslagen: %1</source>
        <translation>Invalid file name in the file list skipped: %1</translation>
    </message>
    <message>
        <source>Ophalen bestand </source>
        <translation>Fetching file </translation>
    </message>
    <message>
        <source>Ophalen bestandenlijst van de server.</source>
        <translation>Fetching the file list from the server.</translation>
    </message>
    <message>
        <source>Postbestand %1 kan niet worden gelezen: %2</source>
        <translation>Post file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Sessie wordt afgebroken</source>
        <translation>Session is being aborted</translation>
    </message>
    <message>
        <source>Verbinding wordt afgebroken</source>
        <translation>Connection is being aborted</translation>
    </message>
    <message>
        <source>Verbindings status #</source>
        <translation>Connection status #</translation>
    </message>
    <message>
        <source>Verbonden met Zelmor Server.</source>
        <translation>Connected to the Zelmor server.</translation>
    </message>
    <message>
        <source>Verbonden met de Server</source>
        <translation>Connected to the server</translation>
    </message>
    <message>
        <source>Wacht op verbinding</source>
        <translation>Waiting for the connection</translation>
    </message>
    <message>
        <source>Wachtwoord  = </source>
        <translation>Password   = </translation>
    </message>
    <message>
        <source>Wachtwoord niet geldig of contract verlopen.</source>
        <translation>Password not valid or contract expired.</translation>
    </message>
    <message>
        <source>Wachtwoord verkeerd of contractdatum verstreken</source>
        <translation>Wrong password or contract date passed</translation>
    </message>
    <message>
        <source>Zend bestand </source>
        <translation>Sending file </translation>
    </message>
    <message>
        <source>Open Poort</source>
        <translation>Opening port</translation>
    </message>
    <message>
        <source>Poort Geopend</source>
        <translation>Port opened</translation>
    </message>
    <message>
        <source>Bezig met verbinding op te zetten</source>
        <translation>Setting up the connection</translation>
    </message>
    <message>
        <source>Verbinding gemaakt</source>
        <translation>Connection made</translation>
    </message>
    <message>
        <source>Verbinding OK</source>
        <translation>Connection OK</translation>
    </message>
    <message>
        <source>Controle inlog gegevens</source>
        <translation>Checking login details</translation>
    </message>
    <message>
        <source>Hercontrole op de inloggegevens </source>
        <translation>Checking the login details again </translation>
    </message>
    <message>
        <source>De terugbelfunktie wordt gestart</source>
        <translation>Starting the call-back function</translation>
    </message>
    <message>
        <source>Verander uw wachtwoord</source>
        <translation>Change your password</translation>
    </message>
    <message>
        <source>Internet verbinding wordt gestart</source>
        <translation>Starting the internet connection</translation>
    </message>
    <message>
        <source>De verbindingsnelheid wordt bepaald</source>
        <translation>Determining the connection speed</translation>
    </message>
    <message>
        <source>Controle gestart</source>
        <translation>Check started</translation>
    </message>
    <message>
        <source>Hercontrole gestart</source>
        <translation>Re-check started</translation>
    </message>
    <message>
        <source>Inloggegevens OK</source>
        <translation>Login details OK</translation>
    </message>
    <message>
        <source>De terugbelverbinding wordt voorbereid</source>
        <translation>Preparing the call-back connection</translation>
    </message>
    <message>
        <source>Wacht op reset van de modem</source>
        <translation>Waiting for the modem to reset</translation>
    </message>
    <message>
        <source>Wacht op terugbelllen van de server</source>
        <translation>Waiting for the server to call back</translation>
    </message>
    <message>
        <source>Internet verbinding OK</source>
        <translation>Internet connection OK</translation>
    </message>
    <message>
        <source>Start controle</source>
        <translation>Starting check</translation>
    </message>
    <message>
        <source>Terugbelfunktie klaar</source>
        <translation>Call-back function done</translation>
    </message>
    <message>
        <source>Aanloggen op het netwerk</source>
        <translation>Logging on to the network</translation>
    </message>
    <message>
        <source>Interactief</source>
        <translation>Interactive</translation>
    </message>
    <message>
        <source>Hercontrole inloggevens</source>
        <translation>Re-checking login details</translation>
    </message>
    <message>
        <source>Terugbelfunktie ingesteld door gebruiker</source>
        <translation>Call-back set by the user</translation>
    </message>
    <message>
        <source>Het wachtwoord is verlopen</source>
        <translation>The password has expired</translation>
    </message>
    <message>
        <source>Verbonden met inbelserver</source>
        <translation>Connected to the dial-in server</translation>
    </message>
    <message>
        <source>Verbinding verbroken</source>
        <translation>Connection closed</translation>
    </message>
    <message>
        <source>Bezig met uitpakken van : </source>
        <translation>Unpacking : </translation>
    </message>
    <message>
        <source>Bezig met uitvoeren van : </source>
        <translation>Running : </translation>
    </message>
    <message>
        <source>Instructie met ongeldige doelmap overgeslagen: %1</source>
        <translation>Instruction with an invalid target folder skipped: %1</translation>
    </message>
    <message>
        <source>Processing file </source>
        <translation>Processing file </translation>
    </message>
    <message>
        <source>Processing file : </source>
        <translation>Processing file : </translation>
    </message>
    <message>
        <source>Uitpakken bestand </source>
        <translation>Unpacking file </translation>
    </message>
    <message>
        <source>User bestand </source>
        <translation>User file </translation>
    </message>
</context>
</TS>
