#include "uRasError.h"

#include "platform/Translation.h"

namespace zelmor {

QString RasStateText(unsigned state)
{
    const char *text = nullptr;
    switch (state) {
    case 0: text = "Open Poort"; break;
    case 1: text = "Poort Geopend"; break;
    case 2: text = "Bezig met verbinding op te zetten"; break;
    case 3: text = "Verbinding gemaakt"; break;
    case 4: text = "Verbinding OK"; break;
    case 5: text = "Controle inlog gegevens"; break;
    case 6: text = ""; break;
    case 7: text = "Hercontrole op de inloggegevens "; break;
    case 8: text = "De terugbelfunktie wordt gestart"; break;
    case 9: text = "Verander uw wachtwoord"; break;
    case 10: text = "Internet verbinding wordt gestart"; break;
    case 11: text = "De verbindingsnelheid wordt bepaald"; break;
    case 12: text = "Controle gestart"; break;
    case 13: text = "Hercontrole gestart"; break;
    case 14: text = "Inloggegevens OK"; break;
    case 15: text = "De terugbelverbinding wordt voorbereid"; break;
    case 16: text = "Wacht op reset van de modem"; break;
    case 17: text = "Wacht op terugbelllen van de server"; break;
    case 18: text = "Internet verbinding OK"; break;
    case 19: text = "Start controle"; break;
    case 20: text = "Terugbelfunktie klaar"; break;
    case 21: text = "Aanloggen op het netwerk"; break;
    case 22: text = ""; break;
    case 23: text = ""; break;
    case 0x1000: text = "Interactief"; break;
    case 0x1001: text = "Hercontrole inloggevens"; break;
    case 0x1002: text = "Terugbelfunktie ingesteld door gebruiker"; break;
    case 0x1003: text = "Het wachtwoord is verlopen"; break;
    case 0x2000: text = "Verbonden met inbelserver"; break;
    case 0x2001: text = "Verbinding verbroken"; break;
    default:
        return Translate(QStringLiteral("Verbindings status #")) + QString::number(state);
    }
    return Translate(QString::fromLatin1(text));
}

} // namespace zelmor
