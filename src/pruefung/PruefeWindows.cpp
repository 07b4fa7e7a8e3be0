#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "platform/Ansi.h"
#include "platform/CodePage.h"
#include "platform/Program.h"
#include "platform/SystemFacts.h"

namespace pruefung {

void PruefeWindows(Bericht& bericht) {
    const platform::WindowsVersion windows = platform::GetWindowsVersion();
    platform::Text version = std::to_wstring(windows.major) + L"." +
                             std::to_wstring(windows.minor) + L"." + std::to_wstring(windows.build);
    if (!windows.servicePack.empty()) {
        version += L" " + windows.servicePack;
    }
    bericht.Fuege(
        pruefungstext::Windows(version, windows.windows64 ? 64 : 32, windows.program64 ? 64 : 32));
    const std::uint32_t codepage = platform::codepage::AnsiCodePage();
    bericht.Fuege(platform::IsAnsiRepresentable(platform::ProgramFolder())
                      ? pruefungstext::CodepageGut(codepage)
                      : pruefungstext::CodepageSchlecht(codepage));
    bericht.Fuege(pruefungstext::Administrator(platform::UserIsAdministrator()));
}

}  // namespace pruefung
