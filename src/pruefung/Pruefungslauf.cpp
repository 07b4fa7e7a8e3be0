#include "Pruefungslauf.h"

#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "platform/Clipboard.h"
#include "platform/MessageBox.h"
#include "platform/Program.h"
#include "platform/SystemFacts.h"
#include "platform/Waiting.h"
#include "platform/core/Failure.h"

namespace pruefung {

int Pruefungslauf() {
    const platform::ProgramVersion version = platform::GetProgramVersion();
    const platform::Text kopf =
        pruefungstext::Kopf(std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) +
                                L"." + std::to_wstring(version.revision),
                            platform::GetWindowsVersion().program64 ? L"64" : L"32");
    Bericht bericht;
    try {
        PruefeWindows(bericht);
        PruefeProgramm(bericht);
        PruefeWartezeit(bericht);
        PruefeInstallation(bericht);
        PruefeLayouts(bericht);
        // Last: a call that ACT! never answers ends the run with what was found so far.
        PruefeLaufendesACT(bericht, kopf);
    } catch (const platform::ProcessEnded& ende) {
        return ende.exitCode;
    } catch (const platform::Failure& fehler) {
        bericht.Fuege(
            pruefungstext::Fehlermeldung(std::to_wstring(fehler.Number()), fehler.Description()));
    }
    const platform::Text text = bericht.Text(kopf);
    // The report is shown whether the clipboard could be had or not.
    static_cast<void>(platform::PutTextOnClipboard(text));
    platform::ShowMessageBox(
        text, pruefungstext::kTitel,
        platform::kMbOk | (bericht.Exitcode() == 0 ? platform::kMbIconInformation
                                                   : platform::kMbIconExclamation));
    return bericht.Exitcode();
}

}  // namespace pruefung
