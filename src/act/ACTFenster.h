// ACT!'s main window, as the program recognises it: a visible top-level window whose class name
// contains "act3.0frameclass" and whose caption contains "Kundenmanager" or "ACT".
#pragma once

namespace actfenster {

// Whether ACT!'s main window is there. Runs both searches, always.
bool Vorhanden();

}  // namespace actfenster
