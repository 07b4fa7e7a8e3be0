// Courses of the program's ACT! class that Quendelhof.exe itself never takes, run through the
// test driver (qh_actdriver.exe) against the stand-in ACT! 6.
#include <gtest/gtest.h>

#include <algorithm>

#include "ActScenarioTest.h"
#include "Meldungen.h"

namespace winetest {
namespace {

ExpectedBox KeineVerbindung() {
    return Erwartet(meldungen::Id::KeinView);
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
    ExpectRun(run, 0, {Erwartet(meldungen::Id::KeineViews)});
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

namespace winetest {
namespace {

std::wstring DecimalSeparator() {
    wchar_t separator[8] = {};
    // GetLocaleInfoEx, which names the locale, came with Windows Vista.
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return separator;
}

const std::wstring kDreiKontakte =
    L"[ACT]\n[Contact]\nid=K1\n[Contact]\nid=K2\n[Contact]\nid=K3\n"
    L"[Group]\nid=G1\n25=Kunden\n[Group]\nid=G2\n25=Lieferanten\n";

TEST_F(ActKlasseScenario, CurrentLookupWithAProgressDisplayOfAnotherProcess) {
    StartAct(kDreiKontakte);
    RunResult run;
    EXPECT_EQ(Drive(L"getIDsAktuelleSuche status", {}, run),
              L"result K1          K2          K3          ");
    ExpectRun(run, 0, {});
    StopAct();
    std::vector<std::wstring> puts;
    for (const std::wstring& line : Act().Journal()) {
        if (line.starts_with(L"put ")) {
            puts.push_back(line);
        }
    }
    std::wstring sep = DecimalSeparator();
    EXPECT_EQ(puts, (std::vector<std::wstring>{
                        L"put Status(BSTR \"Bestimme aktuelle ACT!-Suche (33" + sep + L"33)\")",
                        L"put Status(BSTR \"Bestimme aktuelle ACT!-Suche (66" + sep + L"67)\")",
                        L"put Status(BSTR \"Bestimme aktuelle ACT!-Suche (100" + sep + L"00)\")"}));
    EXPECT_NE(Act().FinalState().find(L"[Contact]\nid=K3\n"), std::wstring::npos);
}

TEST_F(ActKlasseScenario, GroupExistFindsOnlyTheExactName) {
    StartAct(kDreiKontakte);
    RunResult run;
    EXPECT_EQ(Drive(L"GroupExist Lieferanten", {}, run), L"result -1");
    ExpectRun(run, 0, {});
    EXPECT_EQ(Drive(L"GroupExist lieferanten", {}, run), L"result 0");
    ExpectRun(run, 0, {});
}

TEST_F(ActKlasseScenario, AddGroupMakesANamedGroup) {
    StartAct(kDreiKontakte);
    RunResult run;
    EXPECT_EQ(Drive(L"AddGroup \"Neue Gruppe\"", {}, run), L"result -1");
    ExpectRun(run, 0, {});
    StopAct();
    std::vector<std::wstring> journal = Act().Journal();
    EXPECT_NE(std::find(journal.begin(), journal.end(), L"GroupView.AddNew()"), journal.end());
    EXPECT_NE(std::find(journal.begin(), journal.end(),
                        L"GroupView.SetField(I2 25, BSTR& \"Neue Gruppe\")"),
              journal.end());
    EXPECT_NE(Act().FinalState().find(L"25=Neue Gruppe\n"), std::wstring::npos)
        << testing::PrintToString(Act().FinalState());
}

TEST_F(ActKlasseScenario, GoingToAContactPadsItsIdentifier) {
    StartAct(kDreiKontakte);
    RunResult run;
    EXPECT_EQ(Drive(L"gehezuKonatkt K2", {}, run), L"result -1");
    ExpectRun(run, 0, {});
    StopAct();
    std::vector<std::wstring> journal = Act().Journal();
    auto lookupAll = std::find(journal.begin(), journal.end(), L"call ContactView.LookupAll()");
    auto goTo =
        std::find(journal.begin(), journal.end(), L"call ContactView.GoTo(BSTR& \"K2          \")");
    EXPECT_NE(lookupAll, journal.end());
    EXPECT_NE(goTo, journal.end());
    EXPECT_LT(lookupAll, goTo);
}

TEST_F(ActKlasseScenario, AnIdentifierOfThirteenCharactersIsRefusedWithFailureFive) {
    StartAct(kDreiKontakte);
    RunResult run;
    std::wstring result = Drive(L"gehezuKonatkt ABCDEFGHIJKLM", {}, run);
    EXPECT_TRUE(result.starts_with(L"failure 5 ")) << testing::PrintToString(result);
    ExpectRun(run, 0, {});
    StopAct();
    std::vector<std::wstring> journal = Act().Journal();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), L"call ContactView.LookupAll()"), 0);
    EXPECT_NE(std::find(journal.begin(), journal.end(), L"create ContactView"), journal.end());
}

}  // namespace
}  // namespace winetest
