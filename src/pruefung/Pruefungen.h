// The checks of the workstation check, each adding its lines to the report. None of them writes
// to the registry, starts a program or asks ACT! anything but its version and its open
// database; none waits for ACT! beyond the limits of QUENDELHOF_WAIT.
#pragma once

#include <cstdint>

#include "Bericht.h"
#include "platform/core/Types.h"

namespace pruefung {

// Windows' version and bitness, the ANSI code page, the user's rights.
void PruefeWindows(Bericht& bericht);

// Quendelhof's folder (who may write there), the download mark, Quendelhof.exe beside the
// check, its version and signature.
void PruefeProgramm(Bericht& bericht);

// QUENDELHOF_WAIT and the limits it gives.
void PruefeWartezeit(Bericht& bericht);

// ACT!'s InstallDir in both views of the registry, ACT.EXE there and its file version, and
// ACT!'s automation server as the registry names it.
void PruefeInstallation(Bericht& bericht);

// ACT!'s current layouts and whether their files exist.
void PruefeLayouts(Bericht& bericht);
// One of ACT!'s current layouts ("CurrentContactLayout", "CurrentGroupLayout"); "" when unset.
platform::Text AktuellesLayout(const platform::Text& name);

// ACT! running: its main window, its version and open database as it answers them, the
// database file, its short form and the example command line. A call that ACT! does not answer
// within the limit ends the process with the report so far (headed by kopf) on the screen and
// on the clipboard, and exit code 2.
void PruefeLaufendesACT(Bericht& bericht, const platform::Text& kopf);

// Milliseconds as seconds with a decimal comma and no trailing zeros: "30", "2,5", "0,125".
platform::Text Sekunden(std::uint32_t ms);

// The program file of a LocalServer32 entry: the quoted path, or the text up to and with the
// first ".exe", or the whole entry; without blanks around it.
platform::Text ServerPfad(const platform::Text& eintrag);

}  // namespace pruefung
