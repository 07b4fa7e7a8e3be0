// The boxes of Quendelhof.exe that several scenarios expect, with their exact texts.
#pragma once

#include <string>

#include "QuendelhofVersion.h"
#include "ScenarioTest.h"

namespace winetest {

inline constexpr DWORD kErledigt = 0;
inline constexpr DWORD kAngehalten = 1;
inline constexpr DWORD kFehler = 2;

// ACT! is not running and its program file is not where the registry says.
inline ExpectedBox AnwendungFehlt() {
    return {L"Die ACT!-Anwendung wurde nicht gefunden.", BoxIcon::None};
}

// ACT! has gone in the middle of a run; in front of every window.
inline ExpectedBox NichtErreichbar() {
    return {
        L"ACT! wurde geschlossen oder ist nicht mehr erreichbar. Quendelhof wird beendet.\r\n"
        L"Bitte starten Sie ACT! und rufen Sie den Benutzerbefehl noch einmal auf.",
        BoxIcon::Exclamation,
        {Button::Ok},
        L"Quendelhof",
        true};
}

// The information box; without an example when example is empty.
inline ExpectedBox Informationen(const std::wstring& example = std::wstring()) {
    std::wstring text =
        L"Version: " QUENDELHOF_VERSION_W L"\r\n"
        L"\r\n"
        L"Aufruf durch: Quendelhof.exe "
        L"<ACT!-Datenbankdatei.dbf>,<Kontaktlayoutdatei.cly>,<Gruppenlayoutdatei.gly>\r\n"
        L"\r\n"
        L"Es dürfen keine Leerzeichen in den Pfadangaben enthalten sein.\r\n"
        L"\r\n";
    if (example.empty()) {
        text += L"\r\n\r\n";
    } else {
        text += L"Beispiel für die Befehlszeile: \r\n" + example +
                L"\r\n\r\n"
                L"Die Daten für diese Befehlszeile wurden aus den aktuellen ACT!-Einstellungen "
                L"genommen.\r\n"
                L"Die Befefehlszeile wurde in die Zwischenablage kopiert, so dass sie bei einem "
                L"neuen Benutzerbefehl in ACT! eingefügt werden kann.\r\n\r\n";
    }
    text += L"Copyright © 2026 Quendelhof";
    return {text, BoxIcon::Information, {Button::Ok}, L"Informationen über Quendelhof"};
}

}  // namespace winetest
