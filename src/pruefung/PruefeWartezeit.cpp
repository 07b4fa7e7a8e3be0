#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "act/Wartezeiten.h"
#include "platform/Program.h"

namespace pruefung {

namespace {

// Whether the value sets a time: read after two different settings of both times, it leaves
// neither of them as it was.
bool LiestEineZeit(const platform::Text& wert) {
    const wartezeiten::Zeiten a = wartezeiten::AusText(L"hang=0.1;busy=0.1;" + wert);
    const wartezeiten::Zeiten b = wartezeiten::AusText(L"hang=0.2;busy=0.2;" + wert);
    return a.antwortMs != 100 || b.antwortMs != 200 || a.beschaeftigtMs != 100 ||
           b.beschaeftigtMs != 200;
}

}  // namespace

platform::Text Sekunden(std::uint32_t ms) {
    platform::Text text = std::to_wstring(ms / 1000);
    std::uint32_t rest = ms % 1000;
    if (rest != 0) {
        platform::Text stellen = std::to_wstring(1000 + rest).substr(1);
        stellen.erase(stellen.find_last_not_of(L'0') + 1);
        text += L"," + stellen;
    }
    return text;
}

void PruefeWartezeit(Bericht& bericht) {
    const std::optional<platform::Text> wert =
        platform::EnvironmentVariable(wartezeiten::kVariable);
    const wartezeiten::Zeiten zeiten = wartezeiten::Aktuell();
    const platform::Text antwort = Sekunden(zeiten.antwortMs);
    const platform::Text beschaeftigt = Sekunden(zeiten.beschaeftigtMs);
    if (!wert) {
        bericht.Fuege(pruefungstext::WartezeitNichtGesetzt(antwort, beschaeftigt));
    } else if (!LiestEineZeit(*wert)) {
        bericht.Fuege(pruefungstext::WartezeitUnlesbar(*wert, antwort, beschaeftigt));
    } else {
        bericht.Fuege(pruefungstext::WartezeitGelesen(*wert, antwort, beschaeftigt));
    }
}

}  // namespace pruefung
