// Courses of the program's ACT! class that Quendelhof.exe itself never takes, run through the
// test driver (qh_actdriver.exe) against the stand-in ACT! 6.
#include <gtest/gtest.h>

#include "ActScenarioTest.h"
#include "Meldungen.h"

namespace winetest {
namespace {

ExpectedBox KeineVerbindung() {
    return {
        L"Eine OLE-Verbindung zu Act! ist nicht möglich.\r\n"
        L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
        L"Weiter versuchen ?",
        BoxIcon::Exclamation,
        {Button::Yes, Button::No}};
}

using ActKlasseScenario = ActScenarioTest;

TEST_F(ActKlasseScenario, NoActiveViewAskedAgainUntilNo) {
    StartAct(L"[ACT]\nview.type=3\nnothing.activeview=5\n");
    RunResult run;
    EXPECT_EQ(Drive(L"aktuellerViewTyp", {Button::Yes, Button::No}, run), L"result -1");
    ExpectRun(run, 0, {KeineVerbindung(), KeineVerbindung()});
    StopAct();
    std::vector<std::wstring> journal = Act().Journal();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), L"Views.GetActive()"), 2);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), L"ActiveView.Type()"), 0);
}

TEST_F(ActKlasseScenario, NoActiveViewThenYesGetsTheView) {
    StartAct(L"[ACT]\nview.type=3\nnothing.activeview=1\n");
    RunResult run;
    EXPECT_EQ(Drive(L"aktuellerViewTyp", {Button::Yes}, run), L"result 3");
    ExpectRun(run, 0, {KeineVerbindung()});
    StopAct();
    EXPECT_EQ(Act().Journal(),
              Joined({{L"commandline " + Quoted(Act().Program()), L"create App", L"App.Views()",
                       L"create Views", L"Views.GetActive()", L"Views.GetActive()",
                       L"create ActiveView", L"ActiveView.Type()"},
                      {L"release Views", L"release App", L"release ActiveView", L"stopped"}}));
}

TEST_F(ActKlasseScenario, NoViewCollectionIsReported) {
    StartAct(L"[ACT]\nnothing.views=1\n");
    RunResult run;
    EXPECT_EQ(Drive(L"aktuellerViewTyp", {Button::Ok}, run), L"result -1");
    ExpectRun(run, 0, {{L"OLE-Verbindung zu ACT! ist nicht möglich.(View)"}});
}

TEST_F(ActKlasseScenario, ErrorOfActPassesToTheCaller) {
    StartAct(L"[ACT]\nfault.App.GetVersion=1234 Die Lizenz ist abgelaufen\n");
    RunResult run;
    EXPECT_EQ(Drive(L"ACTVersion", {}, run), L"failure 1234 Die Lizenz ist abgelaufen");
    ExpectRun(run, 0, {});
}

TEST_F(ActKlasseScenario, WithoutActNothingIsAsked) {
    RunResult run;
    EXPECT_EQ(Drive(L"aktuellerViewTyp", {}, run), L"result -1");
    ExpectRun(run, 0, {});
    EXPECT_EQ(Drive(L"ACTDatenbank", {}, run), L"result ");
    ExpectRun(run, 0, {});
}

}  // namespace
}  // namespace winetest
