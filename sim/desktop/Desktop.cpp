#include "SimDesktop.h"

#include "SimAct.h"
#include "SimWorkstation.h"

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
    ResetWorkstation();
}

}  // namespace platform::sim
