// The message-box robot: finds the modal message boxes (dialog class "#32770") of one process,
// records each one and presses the button its script names for it.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <vector>

#include "BoxRecord.h"

namespace winetest {

class BoxRobot {
  public:
    // script: the button to press in each box, in the order the boxes appear. beforePress, when
    // set, is called with what the robot saw of each box before it presses the box's button:
    // the box stays open meanwhile, as for a user who answers slowly.
    BoxRobot(DWORD processId, std::vector<Button> script,
             std::function<void(const BoxRecord&)> beforePress = {});

    // Handles every box of the process that is showing now, then returns.
    void Poll();

    const std::vector<BoxRecord>& Boxes() const { return boxes_; }
    // True when every script step was used and no box was unexpected or had a problem.
    bool ScriptFulfilled() const;

  private:
    // False when the box stays open: it would not close, or the script leaves it open.
    bool Handle(HWND box);

    DWORD processId_;
    std::vector<Button> script_;
    std::function<void(const BoxRecord&)> beforePress_;
    std::size_t nextStep_ = 0;
    std::vector<BoxRecord> boxes_;
    std::set<HWND> stuck_;  // boxes that would not close or are left open; never handled twice
};

}  // namespace winetest
