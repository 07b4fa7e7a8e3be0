// Fixture of the tests of clACTApplication's contact, field and group operations: a running
// simulated ACT! with a database, and the journal of its calls.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

#include "act/clACTApplication.h"
#include "platform/MessageBox.h"
#include "platform/core/Failure.h"
#include "support/FailureNumber.h"
#include "support/SimDesktopTest.h"

namespace acttest {

using Lines = std::vector<platform::Text>;

inline constexpr std::uint32_t kWarnung = platform::kMbOk | platform::kMbIconExclamation;

class ActOperationsTest : public testsupport::SimDesktopTest {
  protected:
    platform::actmodel::ActState& Act() { return platform::sim::Act().State(); }
    Lines Journal() { return platform::sim::Act().JournalLines(); }

    void StartAct() {
        Act().running = true;
        Act().openDatabase = L"C:\\ACT\\Daten\\Kunden.dbf";
    }

    int Count(const platform::Text& line) {
        Lines lines = Journal();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

    // The journal of an operation that fetches a fresh view of the type (1 contacts, 3 groups),
    // makes the calls and releases everything.
    static Lines ViewFrame(int type, std::initializer_list<platform::Text> calls) {
        platform::Text view = type == 1 ? L"ContactView" : L"GroupView";
        Lines lines{L"create App", L"App.Views()", L"create Views",
                    L"Views.Create(I2 " + std::to_wstring(type) + L", I2 2)", L"create " + view};
        lines.insert(lines.end(), calls);
        lines.insert(lines.end(), {L"release " + view, L"release Views", L"release App"});
        return lines;
    }
    static Lines ContactFrame(std::initializer_list<platform::Text> calls) {
        return ViewFrame(1, calls);
    }
    static Lines GroupFrame(std::initializer_list<platform::Text> calls) {
        return ViewFrame(3, calls);
    }

    clACTApplication act;
};

}  // namespace acttest
