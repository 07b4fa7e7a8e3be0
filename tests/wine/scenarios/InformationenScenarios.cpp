// The information mode of the real Quendelhof.exe: the box, and the clipboard read back by the
// test's own helper, with and without the stand-in ACT! 6.
#include <gtest/gtest.h>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "tools/ClipboardText.h"

namespace winetest {
namespace {

std::wstring ShortPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

class InformationenScenario : public ActScenarioTest {
  protected:
    void SetUp() override {
        ActScenarioTest::SetUp();
        ASSERT_TRUE(SetClipboardText(L"vorher"));
    }
    std::wstring InfoRun() { return Quoted(QuendelhofExe()); }
};

TEST_F(InformationenScenario, WithoutActTheBoxHasNoExampleAndTheClipboardIsEmptied) {
    SetCurrentLayouts(contact_, group_);
    ExpectRun(RunRaw(QuendelhofExe(), InfoRun(), {Button::Ok}), kErledigt, {Informationen()});
    EXPECT_EQ(ReadClipboardText().value_or(L""), L"");
}

TEST_F(InformationenScenario, WithActTheExampleHoldsShortPathsAndIsOnTheClipboard) {
    std::wstring db = MakeFile(L"Daten Ordner\\Kunden Datei.dbf");
    std::wstring contact = MakeFile(L"Layouts mit Blank\\Kontakt Layout.cly");
    std::wstring shortDb = ShortPath(db);
    std::wstring shortContact = ShortPath(contact);
    ASSERT_EQ(shortDb.find(L' '), std::wstring::npos) << "no short name: " << shortDb.size();
    ASSERT_EQ(shortContact.find(L' '), std::wstring::npos);
    ASSERT_FALSE(shortDb.empty());
    SetCurrentLayouts(contact, group_);
    StartAct(L"[ACT]\ndatabase=" + db + L"\n");

    std::wstring example =
        Quoted(QuendelhofExe()) + L" " + shortDb + L"," + shortContact + L"," + ShortPath(group_);
    ExpectRun(RunRaw(QuendelhofExe(), InfoRun(), {Button::Ok}), kErledigt,
              {Informationen(example)});
    EXPECT_EQ(ReadClipboardText(), std::optional<std::wstring>(example));
    StopAct();
    // Asked twice for the database, never changed.
    EXPECT_EQ(Act().Journal(), Joined({{L"commandline " + Quoted(Act().Program())},
                                       Connected({L"App.GetOpenDBName()"}),
                                       Connected({L"App.GetOpenDBName()"}),
                                       {L"stopped"}}));
}

TEST_F(InformationenScenario, OnlyAGroupLayoutFollowsTheDatabaseDirectly) {
    SetCurrentLayouts(L"", group_);
    StartAct(L"[ACT]\ndatabase=" + db_ + L"\n");
    std::wstring example =
        Quoted(QuendelhofExe()) + L" " + ShortPath(db_) + L"," + ShortPath(group_);
    ExpectRun(RunRaw(QuendelhofExe(), InfoRun(), {Button::Ok}), kErledigt,
              {Informationen(example)});
    EXPECT_EQ(ReadClipboardText(), std::optional<std::wstring>(example));
}

TEST_F(InformationenScenario, ActWithoutDatabaseGivesNoExample) {
    SetCurrentLayouts(contact_, group_);
    StartAct(L"[ACT]\ndatabase=\n");
    ExpectRun(RunRaw(QuendelhofExe(), InfoRun(), {Button::Ok}), kErledigt, {Informationen()});
    EXPECT_EQ(ReadClipboardText().value_or(L""), L"");
}

}  // namespace
}  // namespace winetest
