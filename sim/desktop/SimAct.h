// The simulated ACT! 6 on the simulated desktop.
//
// Its state and knobs are those of the object model (sim/act). The desktop adds two
// things: the ProgID "ACTOLE.APPOBJECT" gives the model's application object (activation fails
// with 429 while ACT! is not running), and while ACT! runs its main window, with the class,
// caption and visibility of the model's state, is among the top-level windows under the handle
// kActMainWindow. It joins the list at the front (the topmost window) when ACT! starts and
// leaves it when ACT! stops. A busy or slow ACT! keeps the desktop's simulated time
// (SimWaiting.h): a member that never answers throws NeverReturns. Started by the shell, its
// window shows once the window's appearsAfterMs have passed on that clock; an ACT! that crashes
// in a member stops running, and its window goes.
#pragma once

#include "SimShell.h"
#include "platform/core/Types.h"
#include "sim/act/ActModel.h"

namespace platform::sim {

inline constexpr Handle32 kActMainWindow = 0x000A0C2E;

// The simulated ACT!.
actmodel::ActModel& Act();

// The shell's part in it: a launch of ACT!'s program file (a file named ACT.EXE) starts the
// simulated ACT! with the launch's parameters as its open database, as the real one opens the
// database named on its command line.
void StartActWhenLaunched(const ShellLaunch& launch);

// Brings ACT!'s main window in the window list in line with the model's state.
void SyncActMainWindow();

}  // namespace platform::sim
