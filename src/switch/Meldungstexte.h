// The texts of the messages of modHaupt. The program shows them through these names only, and
// the user's guide (packaging/LIESMICH.txt.in) quotes every one of them word for word; a unit
// test holds the two together. What a run fills in (a path, a version) is a parameter.
#pragma once

#include "platform/Program.h"
#include "platform/Types.h"

namespace modHaupt::meldungstext {

// The tests of the command line: each names the piece exactly as given, in quotes.
platform::Text DatenbankdateiFehlt(const platform::Text& pfad);
platform::Text KontaktlayoutdateiFehlt(const platform::Text& pfad);
platform::Text KeineKontaktlayoutdatei(const platform::Text& pfad);
platform::Text GruppenlayoutdateiFehlt(const platform::Text& pfad);
platform::Text KeineGruppenlayoutdatei(const platform::Text& pfad);

// The database switch.
inline constexpr wchar_t kNurMitACT6[] =
    L"Bitte verwenden Sie das Programm Quendelhof nur mit ACT! 6";
// Two lines: the database that is open already, and the question whether to open it again.
platform::Text DatenbankBereitsGeoeffnet(const platform::Text& pfad);
inline constexpr wchar_t kDatenbankNichtGeschlossen[] =
    L"Die aktuelle ACT!-Datenbank konnte nicht geschlossen werden.";
inline constexpr wchar_t kAnwendungNichtGefunden[] = L"Die ACT!-Anwendung wurde nicht gefunden.";

// The run lock (see Laufsperre). The question while another run holds the lock, after the answer
// time of act/Wartezeiten.h. Yes and No, exclamation mark; Yes waits another such time.
inline constexpr wchar_t kAndererLaufWartet[] =
    L"Quendelhof wird gerade schon ausgeführt.\r\n"
    L"Soll gewartet werden, bis der andere Aufruf beendet ist?";

// After No to kAndererLaufWartet, before the run ends with exit code 2. OK, exclamation mark.
inline constexpr wchar_t kAndererLaufNichtBeendet[] =
    L"Der andere Aufruf von Quendelhof ist noch nicht beendet. Dieser Aufruf wird abgebrochen.\r\n"
    L"An ACT! wurde nichts geändert.\r\n"
    L"Bitte warten Sie, bis der andere Aufruf beendet ist, und rufen Sie den Benutzerbefehl dann "
    L"noch einmal auf.";

// The information box: its title and its fixed lines.
platform::Text InformationenTitel(const platform::Text& produkt);
platform::Text Versionszeile(const platform::ProgramVersion& version);
inline constexpr wchar_t kAufruf[] =
    L"Aufruf durch: Quendelhof.exe "
    L"<ACT!-Datenbankdatei.dbf>,<Kontaktlayoutdatei.cly>,<Gruppenlayoutdatei.gly>";
inline constexpr wchar_t kKeineLeerzeichen[] =
    L"Es dürfen keine Leerzeichen in den Pfadangaben enthalten sein.";
// Ends with a blank; the example command line follows on the next line.
inline constexpr wchar_t kBeispielKopf[] = L"Beispiel für die Befehlszeile: ";
inline constexpr wchar_t kBeispielHerkunft[] =
    L"Die Daten für diese Befehlszeile wurden aus den aktuellen ACT!-Einstellungen genommen.";
inline constexpr wchar_t kBeispielZwischenablage[] =
    L"Die Befefehlszeile wurde in die Zwischenablage kopiert, so dass sie bei einem neuen "
    L"Benutzerbefehl in ACT! eingefügt werden kann.";
platform::Text Copyright(const platform::Text& produkt);

}  // namespace modHaupt::meldungstext
