#include "ACTMeldungstexte.h"

namespace actmeldungstext {

using platform::Text;

Text CloseDBFehler(const Text& nummer) {
    return L"Fehler in Klasse ACTApplication - CloseDB\r\nACT!-Fehlernummer:" + nummer +
           L"\r\nDie Datenbank konnte nicht geschlossen werden.";
}

Text FalscherFeldtyp(const Text& feldtyp) {
    return L"Falsche Feldtyp-Bezeichnung (" + feldtyp + L"). Es wird Kontakt benutzt.";
}

}  // namespace actmeldungstext
