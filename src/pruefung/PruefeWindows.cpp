#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "platform/CodePage.h"
#include "platform/Program.h"
#include "platform/SystemFacts.h"
#include "platform/core/Ansi.h"

namespace pruefung {

void PruefeWindows(Bericht& bericht) {
    const platform::WindowsVersion windows = platform::GetWindowsVersion();
    platform::Text version = std::to_wstring(windows.major) + L"." +
                             std::to_wstring(windows.minor) + L"." + std::to_wstring(windows.build);
    if (!windows.servicePack.empty()) {
        version += L" " + windows.servicePack;
    }
    bericht.Fuege(pruefungstext::Windows(version, windows.windows64 ? L"64" : L"32",
                                         windows.program64 ? L"64" : L"32"));
    const platform::Text codepage = std::to_wstring(platform::codepage::AnsiCodePage());
    bericht.Fuege(platform::IsAnsiRepresentable(platform::ProgramFolder())
                      ? pruefungstext::CodepageGut(codepage)
                      : pruefungstext::CodepageSchlecht(codepage));
    bericht.Fuege(pruefungstext::Administrator(platform::UserIsAdministrator()));
}

}  // namespace pruefung
