#include <cstdint>
#include <vector>

#include "Existenztest.h"
#include "meldungen/ZeigeMeldung.h"
#include "modHaupt.h"
#include "modHauptZustand.h"
#include "platform/Program.h"
#include "platform/core/TextUtil.h"

namespace modHaupt {

namespace {

using meldungen::Id;
using platform::Text;

bool HatEndung(const Text& stueck, const Text& endung) {
    if (stueck.size() <= 4) {
        return true;  // too short to be tested
    }
    return platform::LowerCase(stueck.substr(stueck.size() - 4)) == endung;
}

// Tests one layout piece; false when the file is missing (after its message). A wrong
// extension is only warned about.
bool PruefeLayout(const Text& stueck, Id fehlt, const Text& endung, Id falscheEndung, Text& ziel) {
    if (!DateiExistiert(stueck)) {
        detail::ZeigeHaltemeldung(fehlt, {stueck});
        return false;
    }
    if (!HatEndung(stueck, endung)) {
        meldungen::ZeigeMeldung(falscheEndung, {stueck});
    }
    ziel = stueck;
    return true;
}

}  // namespace

platform::TruthValue PruefeBefehlszeile() {
    Laufzustand& zustand = detail::Zustand();
    zustand.strDatenbank.clear();
    zustand.strKontaktlayout.clear();
    zustand.strGruppenlayout.clear();

    std::vector<Text> stuecke =
        platform::Split(platform::TrimBlanks(platform::ArgumentText()), L',');
    // An argument of blanks only has no piece at all: it names the empty database path.
    Text datenbank = stuecke.empty() ? Text() : stuecke[0];
    if (!DateiExistiert(datenbank)) {
        detail::ZeigeHaltemeldung(Id::DatenbankdateiFehlt, {datenbank});
        return platform::kFalse;
    }
    zustand.strDatenbank = datenbank;

    if (stuecke.size() > 1 && !stuecke[1].empty() &&
        !PruefeLayout(stuecke[1], Id::KontaktlayoutdateiFehlt, L".cly", Id::KeineKontaktlayoutdatei,
                      zustand.strKontaktlayout)) {
        return platform::kFalse;
    }
    if (stuecke.size() > 2 && !stuecke[2].empty() &&
        !PruefeLayout(stuecke[2], Id::GruppenlayoutdateiFehlt, L".gly", Id::KeineGruppenlayoutdatei,
                      zustand.strGruppenlayout)) {
        return platform::kFalse;
    }
    return platform::kTrue;
}

}  // namespace modHaupt
