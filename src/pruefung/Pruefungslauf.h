// The workstation check, QuendelhofPruefung.exe: it looks at Windows, at Quendelhof's folder, at
// ACT!'s installation and at a running ACT!, changes nothing, and shows one report.
#pragma once

namespace pruefung {

// Runs every check, puts the report on the clipboard, shows it in a message box and gives the
// exit code: 0 when every line is OK, 1 with a note, 2 with a fault.
int Pruefungslauf();

}  // namespace pruefung
