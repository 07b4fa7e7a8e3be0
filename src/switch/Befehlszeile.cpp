#include <vector>

#include "Existenztest.h"
#include "modHaupt.h"
#include "modHauptZustand.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/TextUtil.h"

namespace modHaupt {

namespace {

using platform::Text;

// Shows a message about a piece of the command line: head, the piece in quotes, tail.
void MeldeStueck(const Text& kopf, const Text& stueck, const Text& schluss) {
    detail::ZeigeHaltemeldung(kopf + L"\"" + stueck + L"\"" + schluss,
                              platform::kMbOk | platform::kMbIconExclamation);
}

void WarneStueck(const Text& kopf, const Text& stueck, const Text& schluss) {
    platform::ShowMessageBox(kopf + L"\"" + stueck + L"\"" + schluss, detail::Programmtitel(),
                             platform::kMbOk | platform::kMbIconExclamation);
}

bool HatEndung(const Text& stueck, const Text& endung) {
    if (stueck.size() <= 4) {
        return true;  // too short to be tested
    }
    return platform::LowerCase(stueck.substr(stueck.size() - 4)) == endung;
}

// Tests one layout piece; false when the file is missing (after its message).
bool PruefeLayout(const Text& stueck, const Text& fehltKopf, const Text& endung,
                  const Text& endungSchluss, Text& ziel) {
    if (!DateiExistiert(stueck)) {
        MeldeStueck(fehltKopf, stueck, L" wurde nicht gefunden.");
        return false;
    }
    if (!HatEndung(stueck, endung)) {
        WarneStueck(L"Die Datei ", stueck, endungSchluss);
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
        MeldeStueck(L"Die ACT!-Datenbankdatei ", datenbank, L" wurde nicht gefunden.");
        return platform::kFalse;
    }
    zustand.strDatenbank = datenbank;

    if (stuecke.size() > 1 && !stuecke[1].empty() &&
        !PruefeLayout(stuecke[1], L"Die Kontaktlayoutdatei ", L".cly",
                      L" ist keine Kontaktlayoutdatei.", zustand.strKontaktlayout)) {
        return platform::kFalse;
    }
    if (stuecke.size() > 2 && !stuecke[2].empty() &&
        !PruefeLayout(stuecke[2], L"Die Gruppenlayoutdatei ", L".gly",
                      L" ist keine Gruppenlayoutdatei.", zustand.strGruppenlayout)) {
        return platform::kFalse;
    }
    return platform::kTrue;
}

}  // namespace modHaupt
