#include "SimDesktop.h"

namespace platform::sim {

void ResetDesktop() {
    ResetProgram();
    ResetFiles();
    ResetMessageBoxes();
    ResetRegistry();
    ResetWindows();
    ResetShell();
    ResetShortPaths();
    ResetAutomation();
    ResetMessages();
    ResetClipboard();
    ResetRegionalSettings();
}

}  // namespace platform::sim
