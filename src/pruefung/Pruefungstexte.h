// Every text of the workstation check's report, with the mark of its line. What a run fills in
// (a path, a number, a text of ACT!) is a parameter; the user's guide quotes each line with
// placeholders, and a unit test holds the two together.
#pragma once

#include "Bericht.h"
#include "platform/core/Types.h"

namespace pruefungstext {

using platform::Text;
using pruefung::Zeile;

inline constexpr wchar_t kTitel[] = L"Quendelhof-Prüfung";
inline constexpr wchar_t kZwischenablage[] =
    L"Dieser Bericht steht auch in der Zwischenablage: zum Einfügen in eine E-Mail an den Support.";

// "[OK]", "[Hinweis]", "[Fehler]".
Text Marke(pruefung::Marke marke);
// The heading: "Quendelhof-Prüfung 1.0.14 (32 Bit) auf COMPUTER".
Text Kopf(const Text& version, const Text& bits);
// The tally under the lines.
Text Ergebnis(int fehler, int hinweise);

// Windows and its user.
Zeile Windows(const Text& version, const Text& bitsWindows, const Text& bitsProgramm);
Zeile CodepageGut(const Text& codepage);
Zeile CodepageSchlecht(const Text& codepage);
Zeile Administrator(bool ja);

// Quendelhof's folder and files.
Zeile OrdnerGeschuetzt(const Text& ordner);
Zeile OrdnerOffen(const Text& ordner, const Text& gruppen);
Zeile OrdnerUnbekannt(const Text& ordner);
Zeile KeinDownloadVermerk();
Zeile DownloadVermerk(const Text& datei);
Zeile QuendelhofGleich(const Text& version);
Zeile QuendelhofAnders(const Text& version, const Text& eigene);
Zeile QuendelhofFehlt(const Text& ordner);
Zeile SigniertGueltig();
Zeile NichtSigniert();
Zeile SignaturUngueltig();
Zeile SignaturUnbekannt();

// QUENDELHOF_WAIT, the limits as whole or decimal seconds ("30", "2,5").
Zeile WartezeitNichtGesetzt(const Text& antwort, const Text& beschaeftigt);
Zeile WartezeitGelesen(const Text& wert, const Text& antwort, const Text& beschaeftigt);
Zeile WartezeitUnlesbar(const Text& wert, const Text& antwort, const Text& beschaeftigt);

// ACT!'s installation.
Zeile InstallDirGut(const Text& ordner);
Zeile InstallDirAbweichend(const Text& ordner, const Text& ordner64);
Zeile InstallDirNur64(const Text& ordner64);
Zeile InstallDirFehlt();
Zeile ActExeVorhanden(const Text& datei);
Zeile ActExeFehlt(const Text& datei);
Zeile DateiversionGut(const Text& version);
Zeile DateiversionFalsch(const Text& version);
Zeile DateiversionFehlt();

// ACT!'s automation server as the registry names it.
Zeile ProgIdFehlt();
Zeile KlasseNurAndereAnsicht(const Text& klasse);
Zeile KlasseOhneServer(const Text& klasse);
Zeile ServerFehlt(const Text& datei);
Zeile ServerWoanders(const Text& datei, const Text& actExe);
Zeile ServerGut(const Text& datei);

// ACT!'s current layouts; art is "Kontaktlayout" or "Gruppenlayout".
Zeile LayoutVorhanden(const Text& art, const Text& datei);
Zeile LayoutFehlt(const Text& art, const Text& datei);
Zeile LayoutNichtGesetzt(const Text& art);

// ACT! running, as Quendelhof meets it.
Zeile ActLaeuft();
Zeile ActLaeuftNicht();
Zeile VersionGut(const Text& version, const Text& ms);
Zeile VersionFalsch(const Text& version, const Text& ms);
Zeile Beschaeftigt(const Text& sekunden);
Zeile NichtErreichbar();
Zeile Fehlermeldung(const Text& nummer, const Text& beschreibung);
Zeile KeineAntwort(const Text& sekunden);
Zeile NichtGeprueft();
Zeile Datenbank(const Text& datei, const Text& ms);
Zeile KeineDatenbank(const Text& ms);
Zeile DatenbankdateiVorhanden();
Zeile DatenbankdateiFehlt(const Text& datei);
Zeile KurzformGut(const Text& kurz);
Zeile KurzformMitLeerzeichen(const Text& kurz);
Zeile Befehlszeile(const Text& beispiel);

}  // namespace pruefungstext
