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
    <message>
        <source>Bestand %1 is verzonden maar kan niet worden verwijderd; het wordt niet opnieuw verzonden.</source>
        <translation>Filen %1 er sendt, men kan ikke slettes; den sendes ikke igen.</translation>
    </message>
    <message>
        <source>Bezig met bestandsoverdracht</source>
        <translation>Overfører fil</translation>
    </message>
    <message>
        <source>Bezig met verzamelen te zenden EDI berichten</source>
        <translation>Samler EDI-meddelelser, der skal sendes</translation>
    </message>
    <message>
        <source>Communicatie afgebroken door gebruiker</source>
        <translation>Kommunikationen afbrudt af brugeren</translation>
    </message>
    <message>
        <source>Communicatie is afgesloten</source>
        <translation>Kommunikationen er afsluttet</translation>
    </message>
    <message>
        <source>DNS lookup</source>
        <translation>DNS-opslag</translation>
    </message>
    <message>
        <source>Einddatum   = </source>
        <translation>Slutdato   = </translation>
    </message>
    <message>
        <source>Fout van de server of de verbinding: %1</source>
        <translation>Fejl fra serveren eller forbindelsen: %1</translation>
    </message>
    <message>
        <source>Gebruiker   = </source>
        <translation>Bruger     = </translation>
    </message>
    <message>
        <source>Internet verbinding verbroken</source>
        <translation>Internetforbindelsen afbrudt</translation>
    </message>
    <message>
        <source>Klaar</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Klaar voor data overdracht</source>
        <translation>Klar til dataoverførsel</translation>
    </message>
    <message>
        <source>Niet verbonden met de Server</source>
        <translation>Ikke forbundet med serveren</translation>
    </message>
    <message>
        <source>Ongeldige bestandsnaam in de bestandenlijst overgeslagen: %1</source>
        <translation>Ugyldigt filnavn i fillisten sprunget over: %1</translation>
    </message>
    <message>
        <source>Ophalen bestand </source>
        <translation>Henter fil </translation>
    </message>
    <message>
        <source>Ophalen bestandenlijst van de server.</source>
        <translation>Henter fillisten fra serveren.</translation>
    </message>
    <message>
        <source>Postbestand %1 kan niet worden gelezen: %2</source>
        <translation>Postfilen %1 kan ikke læses: %2</translation>
    </message>
    <message>
        <source>Sessie wordt afgebroken</source>
        <translation>Sessionen afbrydes</translation>
    </message>
    <message>
        <source>Verbinding wordt afgebroken</source>
        <translation>Forbindelsen afbrydes</translation>
    </message>
    <message>
        <source>Verbindings status #</source>
        <translation>Forbindelsesstatus #</translation>
    </message>
    <message>
        <source>Verbonden met Zelmor Server.</source>
        <translation>Forbundet med Zelmor-serveren.</translation>
    </message>
    <message>
        <source>Verbonden met de Server</source>
        <translation>Forbundet med serveren</translation>
    </message>
    <message>
        <source>Wacht op verbinding</source>
        <translation>Venter på forbindelse</translation>
    </message>
    <message>
        <source>Wachtwoord  = </source>
        <translation>Adgangskode = </translation>
    </message>
    <message>
        <source>Wachtwoord niet geldig of contract verlopen.</source>
        <translation>Adgangskode ugyldig eller kontrakt udløbet.</translation>
    </message>
    <message>
        <source>Wachtwoord verkeerd of contractdatum verstreken</source>
        <translation>Forkert adgangskode eller kontraktdato overskredet</translation>
    </message>
    <message>
        <source>Zend bestand </source>
        <translation>Sender fil </translation>
    </message>
    <message>
        <source>Open Poort</source>
        <translation>Åbner port</translation>
    </message>
    <message>
        <source>Poort Geopend</source>
        <translation>Port åbnet</translation>
    </message>
    <message>
        <source>Bezig met verbinding op te zetten</source>
        <translation>Opretter forbindelsen</translation>
    </message>
    <message>
        <source>Verbinding gemaakt</source>
        <translation>Forbindelse oprettet</translation>
    </message>
    <message>
        <source>Verbinding OK</source>
        <translation>Forbindelse OK</translation>
    </message>
    <message>
        <source>Controle inlog gegevens</source>
        <translation>Kontrollerer logindata</translation>
    </message>
    <message>
        <source>Hercontrole op de inloggegevens </source>
        <translation>Kontrollerer logindata igen </translation>
    </message>
    <message>
        <source>De terugbelfunktie wordt gestart</source>
        <translation>Tilbagekaldsfunktionen startes</translation>
    </message>
    <message>
        <source>Verander uw wachtwoord</source>
        <translation>Skift din adgangskode</translation>
    </message>
    <message>
        <source>Internet verbinding wordt gestart</source>
        <translation>Internetforbindelsen startes</translation>
    </message>
    <message>
        <source>De verbindingsnelheid wordt bepaald</source>
        <translation>Forbindelseshastigheden bestemmes</translation>
    </message>
    <message>
        <source>Controle gestart</source>
        <translation>Kontrol startet</translation>
    </message>
    <message>
        <source>Hercontrole gestart</source>
        <translation>Genkontrol startet</translation>
    </message>
    <message>
        <source>Inloggegevens OK</source>
        <translation>Logindata OK</translation>
    </message>
    <message>
        <source>De terugbelverbinding wordt voorbereid</source>
        <translation>Tilbagekaldsforbindelsen forberedes</translation>
    </message>
    <message>
        <source>Wacht op reset van de modem</source>
        <translation>Venter på nulstilling af modemmet</translation>
    </message>
    <message>
        <source>Wacht op terugbelllen van de server</source>
        <translation>Venter på at serveren ringer tilbage</translation>
    </message>
    <message>
        <source>Internet verbinding OK</source>
        <translation>Internetforbindelse OK</translation>
    </message>
    <message>
        <source>Start controle</source>
        <translation>Starter kontrol</translation>
    </message>
    <message>
        <source>Terugbelfunktie klaar</source>
        <translation>Tilbagekaldsfunktion færdig</translation>
    </message>
    <message>
        <source>Aanloggen op het netwerk</source>
        <translation>Logger på netværket</translation>
    </message>
    <message>
        <source>Interactief</source>
        <translation>Interaktiv</translation>
    </message>
    <message>
        <source>Hercontrole inloggevens</source>
        <translation>Genkontrol af logindata</translation>
    </message>
    <message>
        <source>Terugbelfunktie ingesteld door gebruiker</source>
        <translation>Tilbagekald indstillet af brugeren</translation>
    </message>
    <message>
        <source>Het wachtwoord is verlopen</source>
        <translation>Adgangskoden er udløbet</translation>
    </message>
    <message>
        <source>Verbonden met inbelserver</source>
        <translation>Forbundet med opkaldsserveren</translation>
    </message>
    <message>
        <source>Verbinding verbroken</source>
        <translation>Forbindelsen afbrudt</translation>
    </message>
    <message>
        <source>Bezig met uitpakken van : </source>
        <translation>Udpakker : </translation>
    </message>
    <message>
        <source>Bezig met uitvoeren van : </source>
        <translation>Kører : </translation>
    </message>
    <message>
        <source>Instructie met ongeldige doelmap overgeslagen: %1</source>
        <translation>Instruktion med ugyldig destinationsmappe sprunget over: %1</translation>
    </message>
    <message>
        <source>Processing file </source>
        <translation>Behandler fil </translation>
    </message>
    <message>
        <source>Processing file : </source>
        <translation>Behandler fil : </translation>
    </message>
    <message>
        <source>Uitpakken bestand </source>
        <translation>Udpakker fil </translation>
    </message>
    <message>
        <source>User bestand </source>
        <translation>Brugerfil </translation>
    </message>
</context>
</TS>
