#include "SimDesktop.h"

#include "SimAct.h"

namespace platform::sim {

void ResetDesktop() {
    ResetProgram();
    ResetFiles();
    ResetMessageBoxes();
    ResetRegistry();
    ResetWindows();
    ResetShell();
    Shell().onLaunch = StartActWhenLaunched;
    ResetShortPaths();
    ResetAutomation();
    ResetMessages();
    ResetClipboard();
    ResetRegionalSettings();
    ResetClock();
    ResetRunLock();
    ResetCodePage();
}

}  // namespace platform::sim
