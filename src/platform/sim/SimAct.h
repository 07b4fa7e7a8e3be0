// The simulated ACT! 6 on the simulated desktop.
//
// Its state and knobs are those of the object model (platform/actmodel). The desktop adds two
// things: the ProgID "ACTOLE.APPOBJECT" gives the model's application object (activation fails
// with 429 while ACT! is not running), and while ACT! runs its main window, with the class,
// caption and visibility of the model's state, is among the top-level windows under the handle
// kActMainWindow. It joins the list at the front (the topmost window) when ACT! starts and
// leaves it when ACT! stops.
#pragma once

#include "../Types.h"
#include "platform/actmodel/ActModel.h"

namespace platform::sim {

inline constexpr Handle32 kActMainWindow = 0x000A0C2E;

// The simulated ACT!.
actmodel::ActModel& Act();
void ResetAct();

// Brings ACT!'s main window in the window list in line with the model's state.
void SyncActMainWindow();

}  // namespace platform::sim
