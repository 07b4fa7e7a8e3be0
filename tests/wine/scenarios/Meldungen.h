// The boxes of Quendelhof.exe that the scenarios expect, from the program's own message list.
#pragma once

#include <initializer_list>
#include <string>

#include "QuendelhofVersion.h"
#include "ScenarioTest.h"
#include "meldungen/Meldungen.h"

namespace winetest {

inline constexpr DWORD kErledigt = 0;
inline constexpr DWORD kAngehalten = 1;
inline constexpr DWORD kFehler = 2;

// The message with the values filled in, as the program shows it.
inline ExpectedBox Erwartet(meldungen::Id id, std::initializer_list<std::wstring> werte = {}) {
    using meldungen::Symbol;
    const meldungen::Meldung& meldung = meldungen::Eintrag(id);
    const BoxIcon icon = meldung.symbol == Symbol::Information      ? BoxIcon::Information
                         : meldung.symbol == Symbol::Frage          ? BoxIcon::Question
                         : meldung.symbol == Symbol::Ausrufezeichen ? BoxIcon::Exclamation
                                                                    : BoxIcon::None;
    std::vector<Button> buttons = {Button::Ok};
    if (meldung.knoepfe == meldungen::Knoepfe::JaNein) {
        buttons = {Button::Yes, Button::No};
    }
    return {meldungen::Wortlaut(id, werte), icon, buttons, meldungen::Titel(id, werte),
            meldung.lage == meldungen::Lage::Vorn};
}

// ACT! is not running and its program file is not where the registry says.
inline ExpectedBox AnwendungFehlt() {
    return Erwartet(meldungen::Id::AnwendungNichtGefunden);
}

// ACT! has gone in the middle of a run; in front of every window.
inline ExpectedBox NichtErreichbar() {
    return Erwartet(meldungen::Id::ACTNichtErreichbar);
}

// The information box; without an example when example is empty.
inline ExpectedBox Informationen(const std::wstring& example = std::wstring()) {
    using meldungen::Id;
    const std::wstring teil =
        example.empty() ? std::wstring() : meldungen::Wortlaut(Id::Beispiel, {example});
    return Erwartet(Id::Informationen, {L"Quendelhof", QUENDELHOF_VERSION_W, teil});
}

}  // namespace winetest
