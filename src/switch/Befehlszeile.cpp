#include <cstdint>
#include <vector>

#include "Existenztest.h"
#include "Meldungstexte.h"
#include "modHaupt.h"
#include "modHauptZustand.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/TextUtil.h"

namespace modHaupt {

namespace {

using platform::Text;
using Meldungstext = Text (*)(const Text&);

constexpr std::uint32_t kWarnung = platform::kMbOk | platform::kMbIconExclamation;

bool HatEndung(const Text& stueck, const Text& endung) {
    if (stueck.size() <= 4) {
        return true;  // too short to be tested
    }
    return platform::LowerCase(stueck.substr(stueck.size() - 4)) == endung;
}

// Tests one layout piece; false when the file is missing (after its message). A wrong
// extension is only warned about.
bool PruefeLayout(const Text& stueck, Meldungstext fehlt, const Text& endung,
                  Meldungstext falscheEndung, Text& ziel) {
    if (!DateiExistiert(stueck)) {
        detail::ZeigeHaltemeldung(fehlt(stueck), kWarnung);
        return false;
    }
    if (!HatEndung(stueck, endung)) {
        platform::ShowMessageBox(falscheEndung(stueck), detail::Programmtitel(), kWarnung);
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
        detail::ZeigeHaltemeldung(meldungstext::DatenbankdateiFehlt(datenbank), kWarnung);
        return platform::kFalse;
    }
    zustand.strDatenbank = datenbank;

    if (stuecke.size() > 1 && !stuecke[1].empty() &&
        !PruefeLayout(stuecke[1], meldungstext::KontaktlayoutdateiFehlt, L".cly",
                      meldungstext::KeineKontaktlayoutdatei, zustand.strKontaktlayout)) {
        return platform::kFalse;
    }
    if (stuecke.size() > 2 && !stuecke[2].empty() &&
        !PruefeLayout(stuecke[2], meldungstext::GruppenlayoutdateiFehlt, L".gly",
                      meldungstext::KeineGruppenlayoutdatei, zustand.strGruppenlayout)) {
        return platform::kFalse;
    }
    return platform::kTrue;
}

}  // namespace modHaupt
