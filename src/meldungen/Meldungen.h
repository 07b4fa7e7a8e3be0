// Every message the program can show, in one list: its text, its title, its icon and buttons,
// where it stands on the screen and the exit code of a run that ends with it. The program shows
// its messages from this list only (ZeigeMeldung.h), the user's guide quotes each one that
// Quendelhof.exe can show word for word (a unit test walks the whole list), and the Wine
// scenarios take the boxes they expect from it. It depends on nothing but the value types, so
// that test programs can build it as it is.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "platform/core/Types.h"

namespace meldungen {

enum class Id : std::size_t {
    // The information box, and the example in it (no box of its own).
    Informationen,
    Beispiel,
    // The tests of the command line.
    DatenbankdateiFehlt,
    KontaktlayoutdateiFehlt,
    KeineKontaktlayoutdatei,
    GruppenlayoutdateiFehlt,
    KeineGruppenlayoutdatei,
    // The database switch.
    NurMitACT6,
    DatenbankBereitsGeoeffnet,
    CloseDBFehler,
    DatenbankNichtGeschlossen,
    AnwendungNichtGefunden,
    // A busy, hung, vanished or refusing ACT!.
    ACTBeschaeftigt,
    ACTWeiterhinBeschaeftigt,
    ACTAntwortetNicht,
    ACTHatNichtGeantwortet,
    ACTNichtErreichbar,
    ACTVerweigertVerbindung,
    // Another run holds the run lock.
    AndererLaufWartet,
    AndererLaufNichtBeendet,
    // The error box of a failure.
    Fehlerfenster,
    // Members of clACTApplication that Quendelhof.exe does not call.
    KeineViews,
    KeinView,
    FalscherFeldtyp,
    Anzahl
};

enum class Symbol { Keins, Information, Frage, Ausrufezeichen };
enum class Knoepfe { Ok, JaNein };
// Vordergrund: takes the foreground without staying on top; Vorn: in front of every window,
// above an ACT! that a busy or hung call keeps on top.
enum class Lage { Gewoehnlich, Vordergrund, Vorn };

// The exit code of a message after which the run goes on.
inline constexpr int kLaeuftWeiter = -1;

struct Meldung {
    Id id;
    // Title and text with the placeholders of the values a run fills in; no title: the
    // program's name.
    const wchar_t* titel;
    const wchar_t* text;
    // The placeholders, in the order in which Titel and Wortlaut take their values.
    std::array<const wchar_t*, 3> platzhalter;
    Symbol symbol;
    Knoepfe knoepfe;
    Lage lage;
    // The exit code of the run it ends (after No for a question), or kLaeuftWeiter.
    int ende;
    // Whether Quendelhof.exe can show it (and its user's guide quotes it).
    bool vonQuendelhofExe;
};

// The whole list, in the order of Id.
std::span<const Meldung> Alle();

const Meldung& Eintrag(Id id);

// Text and title with the values filled in, in the order of the placeholders; a value is taken
// as it is, never searched for placeholders. No title: the program's name.
platform::Text Wortlaut(Id id, std::initializer_list<platform::Text> werte = {});
platform::Text Titel(Id id, std::initializer_list<platform::Text> werte = {});

}  // namespace meldungen
