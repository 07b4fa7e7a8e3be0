#include <memory>

#include "Existenztest.h"
#include "act/ACTGeduld.h"
#include "act/Wartezeiten.h"
#include "act/clACTApplication.h"
#include "meldungen/ZeigeMeldung.h"
#include "modHaupt.h"
#include "modHauptZustand.h"
#include "platform/MessageBox.h"
#include "platform/Waiting.h"
#include "platform/core/Failure.h"
#include "platform/core/TextUtil.h"
#include "winservices/clShellExecute.h"
#include "winservices/modRegistry.h"

namespace modHaupt {

namespace {

using platform::Text;

const Text kInstallKey = L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0";

// The text of a registry value that must be a text: nothing counts as the empty text; a value
// of another kind cannot stand for a folder and is a failure of the run.
Text TextDesWerts(const platform::Variant& vntWert) {
    if (platform::IsEmpty(vntWert)) {
        return Text();
    }
    if (const Text* text = std::get_if<Text>(&vntWert)) {
        return *text;
    }
    throw platform::StandardFailure(platform::kTypeMismatch);
}

// Ends the run with the message that ACT! has gone when its main window is no longer there.
void StelleSicherDassACTNochLaeuft(clACTApplication& objACT) {
    if (objACT.ACTgestartet() == platform::kFalse) {
        actgeduld::BeendeWeilACTFort();
    }
}

// ACT! is running: check its version, ask before reopening, close, write the layouts, open.
void WechsleImLaufendenACT(clACTApplication& objACT) {
    Laufzustand& zustand = detail::Zustand();
    Text strVersion = platform::TrimBlanks(objACT.ACTVersion());
    if (strVersion.empty() || strVersion[0] != L'6') {
        detail::ZeigeHaltemeldung(meldungen::Id::NurMitACT6);
        return;
    }
    if (platform::LowerCase(objACT.ACTDatenbank()) == platform::LowerCase(zustand.strDatenbank)) {
        constexpr meldungen::Id kFrage = meldungen::Id::DatenbankBereitsGeoeffnet;
        if (meldungen::ZeigeMeldung(kFrage, {zustand.strDatenbank}) != platform::kIdYes) {
            zustand.eLaufergebnis = static_cast<Laufergebnis>(meldungen::Eintrag(kFrage).ende);
            return;
        }
    }
    if (!objACT.ACTDatenbank().empty() && objACT.CloseDatenbank() == platform::kFalse) {
        detail::ZeigeHaltemeldung(meldungen::Id::DatenbankNichtGeschlossen);
        return;
    }
    // ACT! was found running: if it has gone since (closed while the question was open, or
    // right after it closed its database), nothing is written and nothing is opened, and the
    // user is told; an ACT! that runs with no database open is still running.
    StelleSicherDassACTNochLaeuft(objACT);
    SchreibeLayouts();
    StelleSicherDassACTNochLaeuft(objACT);
    // Once ACT! has taken the open, the switch is done, even should a release hang after it.
    const actgeduld::LetzterAufruf letzterAufruf;
    objACT.OpenDatenbank(zustand.strDatenbank);
}

// The run lock is held until the ACT! just started shows its main window, for at most the answer
// time, so that a run that follows finds ACT! running and switches in it, instead of starting
// a second ACT! with its own layouts. The end of the started process ends nothing: the program
// file the shell started may hand over to another process (a launcher, a compatibility shim)
// that opens the window later. At the limit the run ends as done: the shell did start ACT!.
void WarteAufDasFenster(clACTApplication& objACT) {
    const wartezeiten::Zeiten zeiten = wartezeiten::Aktuell();
    const std::uint32_t beginn = platform::TickCount();
    while (objACT.ACTgestartet() == platform::kFalse &&
           static_cast<std::uint32_t>(platform::TickCount() - beginn) < zeiten.antwortMs) {
        platform::PauseWithMessages(zeiten.wiederholungMs);
    }
}

// The database path as ACT!'s one argument: in double quotes when it holds a blank, so that it
// reaches ACT! whole; otherwise exactly as given.
Text DatenbankArgument(const Text& strDatenbank) {
    if (strDatenbank.find(L' ') == Text::npos) {
        return strDatenbank;
    }
    return L"\"" + strDatenbank + L"\"";
}

// ACT! is not running: find its program file, write the layouts and start it with the database.
void StarteACT() {
    Laufzustand& zustand = detail::Zustand();
    zustand.strACTProgramm = TextDesWerts(modRegistry::RegistryGetKeyValue(
                                 platform::kHkeyLocalMachine, kInstallKey, L"InstallDir")) +
                             L"\\ACT.EXE";
    if (!DateiExistiert(zustand.strACTProgramm)) {
        detail::ZeigeHaltemeldung(meldungen::Id::AnwendungNichtGefunden);
        return;
    }
    SchreibeLayouts();
    zustand.objShellExecute = std::make_shared<clShellExecute>();
    platform::Handle32 lnghWnd = -1;
    std::int32_t ergebnis = zustand.objShellExecute->LaunchProgram(
        zustand.strACTProgramm, lnghWnd, DatenbankArgument(zustand.strDatenbank), std::nullopt,
        platform::kSwShowDefault);
    // The shell shows its own message when it cannot start ACT!; the exit code tells it too.
    if (ergebnis != -1) {
        zustand.eLaufergebnis = Laufergebnis::Angehalten;
        return;
    }
    WarteAufDasFenster(*zustand.objACTApplication);
}

}  // namespace

void WechsleDatenbank() {
    Laufzustand& zustand = detail::Zustand();
    zustand.objACTApplication = std::make_shared<clACTApplication>();
    if (zustand.objACTApplication->ACTgestartet() != platform::kFalse) {
        WechsleImLaufendenACT(*zustand.objACTApplication);
    } else {
        StarteACT();
    }
}

}  // namespace modHaupt
