#include <variant>

#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "switch/Existenztest.h"
#include "winservices/modRegistry.h"

namespace pruefung {

namespace {

using platform::Text;

const Text kLayoutKey = L"Software\\Symantec\\ACT!\\Layout";

void PruefeLayout(Bericht& bericht, const Text& art, const Text& name) {
    const Text datei = AktuellesLayout(name);
    if (datei.empty()) {
        bericht.Fuege(pruefungstext::LayoutNichtGesetzt(art));
    } else if (modHaupt::DateiExistiert(datei)) {
        bericht.Fuege(pruefungstext::LayoutVorhanden(art, datei));
    } else {
        bericht.Fuege(pruefungstext::LayoutFehlt(art, datei));
    }
}

}  // namespace

Text AktuellesLayout(const Text& name) {
    const platform::Variant wert =
        modRegistry::RegistryGetKeyValue(platform::kHkeyCurrentUser, kLayoutKey, name);
    const Text* datei = std::get_if<Text>(&wert);
    return datei != nullptr ? *datei : Text();
}

void PruefeLayouts(Bericht& bericht) {
    PruefeLayout(bericht, L"Kontaktlayout", L"CurrentContactLayout");
    PruefeLayout(bericht, L"Gruppenlayout", L"CurrentGroupLayout");
}

}  // namespace pruefung
