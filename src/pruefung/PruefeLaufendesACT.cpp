#include <functional>

#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "act/ACTGeduld.h"
#include "act/Wartezeiten.h"
#include "act/clACTApplication.h"
#include "platform/Automation.h"
#include "platform/Program.h"
#include "platform/Waiting.h"
#include "switch/Existenztest.h"
#include "switch/modKurznameVon.h"

namespace pruefung {

namespace {

using platform::Text;

// The exit code of a report with a fault, and of a run that ACT! left without an answer.
constexpr int kFehler = 2;

// The call, and the milliseconds it took.
Text Gemessen(const std::function<Text()>& aufruf, Text& ms) {
    const std::uint32_t beginn = platform::TickCount();
    Text ergebnis = aufruf();
    ms = std::to_wstring(static_cast<std::uint32_t>(platform::TickCount() - beginn));
    return ergebnis;
}

// The example command line as the information mode builds it: Quendelhof.exe in this folder
// and the short forms of the database and the current layouts.
Text Beispiel(const Text& datenbank) {
    Text ordner = platform::ProgramFolder();
    Text trenner = !ordner.empty() && ordner.back() == L'\\' ? Text() : Text(L"\\");
    Text beispiel =
        L"\"" + ordner + trenner + L"Quendelhof.exe\" " + modKurznameVon::KurznameVon(datenbank);
    for (const wchar_t* name : {L"CurrentContactLayout", L"CurrentGroupLayout"}) {
        const Text layout = AktuellesLayout(name);
        if (!layout.empty()) {
            beispiel += L"," + modKurznameVon::KurznameVon(layout);
        }
    }
    return beispiel;
}

void PruefeDatenbank(Bericht& bericht, const Text& datenbank) {
    if (!modHaupt::DateiExistiert(datenbank)) {
        bericht.Fuege(pruefungstext::DatenbankdateiFehlt(datenbank));
        return;
    }
    bericht.Fuege(pruefungstext::DatenbankdateiVorhanden());
    const Text kurz = modKurznameVon::KurznameVon(datenbank);
    bericht.Fuege(kurz.find(L' ') == Text::npos ? pruefungstext::KurzformGut(kurz)
                                                : pruefungstext::KurzformMitLeerzeichen(kurz));
    bericht.Fuege(pruefungstext::Befehlszeile(Beispiel(datenbank)));
}

}  // namespace

void PruefeLaufendesACT(Bericht& bericht, const Text& kopf) {
    clACTApplication objACT;
    if (objACT.ACTgestartet() == platform::kFalse) {
        bericht.Fuege(pruefungstext::ActLaeuftNicht());
        return;
    }
    bericht.Fuege(pruefungstext::ActLaeuft());

    const wartezeiten::Zeiten zeiten = wartezeiten::Aktuell();
    // What the report says if the next call to ACT! is not answered in time.
    const auto bereitAufKeineAntwort = [&] {
        Bericht abschied = bericht;
        abschied.Fuege(pruefungstext::KeineAntwort(Sekunden(zeiten.antwortMs)));
        abschied.Fuege(pruefungstext::NichtGeprueft());
        actgeduld::OhneFragen(platform::WaitPrompt{pruefungstext::kTitel, Text(),
                                                   abschied.Text(kopf), kFehler, true});
    };
    try {
        Text ms;
        bereitAufKeineAntwort();
        const Text version = Gemessen([&] { return objACT.ACTVersion(); }, ms);
        bericht.Fuege(!version.empty() && version[0] == L'6'
                          ? pruefungstext::VersionGut(version, ms)
                          : pruefungstext::VersionFalsch(version, ms));
        bereitAufKeineAntwort();
        const Text datenbank = Gemessen([&] { return objACT.ACTDatenbank(); }, ms);
        if (datenbank.empty()) {
            bericht.Fuege(pruefungstext::KeineDatenbank(ms));
            return;
        }
        bericht.Fuege(pruefungstext::Datenbank(datenbank, ms));
        PruefeDatenbank(bericht, datenbank);
    } catch (const platform::ServerBusy&) {
        bericht.Fuege(pruefungstext::Beschaeftigt(Sekunden(zeiten.beschaeftigtMs)));
    } catch (const platform::ServerGone&) {
        bericht.Fuege(pruefungstext::NichtErreichbar());
    } catch (const platform::Failure& fehler) {
        bericht.Fuege(
            pruefungstext::Fehlermeldung(std::to_wstring(fehler.Number()), fehler.Description()));
    }
}

}  // namespace pruefung
