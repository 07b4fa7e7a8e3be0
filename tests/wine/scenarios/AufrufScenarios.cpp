// How Quendelhof.exe takes its argument from the raw command line that starts it.
#include <gtest/gtest.h>

#include "Meldungen.h"
#include "ScenarioTest.h"

namespace winetest {
namespace {

ExpectedBox DatenbankFehlt(const std::wstring& piece) {
    return Erwartet(meldungen::Id::DatenbankdateiFehlt, {piece});
}

class AufrufScenario : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        MakeFile(L"K.dbf");
        MakeFile(L"L.cly");
    }
};

TEST_F(AufrufScenario, WithoutArgumentShowsTheInformation) {
    std::wstring program = QuendelhofExe();
    ExpectRun(RunRaw(program, L"\"" + program + L"\"", {Button::Ok}), kErledigt, {Informationen()});
}

TEST_F(AufrufScenario, BlanksAfterTheProgramAreNoArgument) {
    std::wstring program = QuendelhofExe();
    ExpectRun(RunRaw(program, L"\"" + program + L"\"    ", {Button::Ok}), kErledigt,
              {Informationen()});
}

TEST_F(AufrufScenario, QuotedProgramPathWithBlanks) {
    std::wstring program = CopyProgramTo(L"Quendel Hof\\Neue Version");
    std::wstring quoted = L"\"" + program + L"\"";
    ExpectRun(RunRaw(program, quoted + L" K.dbf,L.cly", {Button::Ok}), kAngehalten,
              {AnwendungFehlt()});
    ExpectRun(RunRaw(program, quoted + L" Fehlt.dbf", {Button::Ok}), kAngehalten,
              {DatenbankFehlt(L"Fehlt.dbf")});
}

TEST_F(AufrufScenario, UnquotedProgramPath) {
    std::wstring program = CopyProgramTo(L"bin");
    ASSERT_EQ(program.find(L' '), std::wstring::npos) << "the test folder holds a blank";
    ExpectRun(RunRaw(program, program + L" K.dbf,L.cly", {Button::Ok}), kAngehalten,
              {AnwendungFehlt()});
    ExpectRun(RunRaw(program, program + L" Fehlt.dbf", {Button::Ok}), kAngehalten,
              {DatenbankFehlt(L"Fehlt.dbf")});
}

TEST_F(AufrufScenario, BlanksAroundTheArgumentAreRemoved) {
    std::wstring program = QuendelhofExe();
    ExpectRun(RunRaw(program, L"\"" + program + L"\"    K.dbf,L.cly   ", {Button::Ok}), kAngehalten,
              {AnwendungFehlt()});
    ExpectRun(RunRaw(program, L"\"" + program + L"\"   Fehlt.dbf  ", {Button::Ok}), kAngehalten,
              {DatenbankFehlt(L"Fehlt.dbf")});
}

TEST_F(AufrufScenario, QuotesInTheArgumentAreOrdinaryCharacters) {
    std::wstring program = QuendelhofExe();
    ExpectRun(RunRaw(program, L"\"" + program + L"\" \"K.dbf\"", {Button::Ok}), kAngehalten,
              {DatenbankFehlt(L"\"K.dbf\"")});
    ExpectRun(RunRaw(program, L"\"" + program + L"\" K.dbf,\"L.cly\"", {Button::Ok}), kAngehalten,
              {Erwartet(meldungen::Id::KontaktlayoutdateiFehlt, {L"\"L.cly\""})});
}

}  // namespace
}  // namespace winetest
