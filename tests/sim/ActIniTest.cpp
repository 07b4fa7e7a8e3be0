// act.ini as the ACT! model reads and writes it: the knobs for faults, which the stand-in ACT!
// of the Wine tests and the world folder share.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/core/Failure.h"
#include "sim/act/ActIni.h"
#include "sim/act/ActModel.h"

namespace {

using platform::actmodel::ActState;

ActState Read(const std::string& text) {
    ActState state;
    std::istringstream in(text);
    platform::actmodel::ReadActIni(in, state);
    return state;
}

std::string Written(const ActState& state) {
    std::ostringstream out;
    platform::actmodel::WriteActIni(out, state);
    return out.str();
}

TEST(ActIniTest, FaultsKeepTheMembersSpellingNumberAndDescription) {
    ActState state = Read(
        "[ACT]\n"
        "fault.App.GetVersion = 70   Zugriff verweigert \n"
        "FAULT.Views.GetActive=-2147467259\n"
        "creation.fault=429 Kein Server\n"
        "fault.App.CloseDB=keine Zahl\n");
    ASSERT_EQ(state.faults.size(), 2u);
    EXPECT_EQ(state.faults.at(L"App.GetVersion").number, 70);
    EXPECT_EQ(state.faults.at(L"App.GetVersion").description, L"Zugriff verweigert");
    EXPECT_EQ(state.faults.at(L"App.GetVersion").times, -1);
    EXPECT_EQ(state.faults.at(L"Views.GetActive").number, -2147467259);
    EXPECT_EQ(state.faults.at(L"Views.GetActive").description, L"");
    ASSERT_TRUE(state.creationFault.has_value());
    EXPECT_EQ(state.creationFault->number, 429);
    EXPECT_EQ(state.creationFault->description, L"Kein Server");
}

TEST(ActIniTest, NothingCountersAreReadAndNegativeOnesIgnored) {
    ActState state = Read(
        "[ACT]\nnothing.views=1\nnothing.activeview=5\nnothing.contactview=-1\n"
        "nothing.groupview=x\n");
    EXPECT_EQ(state.viewsNothing, 1);
    EXPECT_EQ(state.activeViewNothing, 5);
    EXPECT_EQ(state.contactViewNothing, 0);
    EXPECT_EQ(state.groupViewNothing, 0);
}

TEST(ActIniTest, KnobsSurviveAWriteAndARead) {
    ActState state;
    state.faults[L"GroupView.AddNew"] = {13, L"Typen unverträglich", -1};
    state.creationFault = platform::actmodel::Fault{7, L"", -1};
    state.groupViewNothing = 3;
    std::string text = Written(state);
    EXPECT_NE(text.find("fault.GroupView.AddNew=13 Typen unverträglich\n"), std::string::npos)
        << text;
    EXPECT_NE(text.find("creation.fault=7\n"), std::string::npos) << text;
    EXPECT_NE(text.find("nothing.groupview=3\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("nothing.views"), std::string::npos) << text;

    ActState again = Read(text);
    EXPECT_EQ(again.faults.at(L"GroupView.AddNew").description, L"Typen unverträglich");
    EXPECT_EQ(again.creationFault->number, 7);
    EXPECT_EQ(again.groupViewNothing, 3);
    EXPECT_EQ(Written(again), text);
}

TEST(ActIniTest, BusyAndSlowKnobsSurviveAWriteAndARead) {
    ActState state = Read(
        "[ACT]\nbusy=3000\nbusy.App.CloseDB=never\ndelay.App.OpenDB=1500\n"
        "delay.App.GetVersion=NEVER\ndelay.App.CloseDB=-5\nbusy.Views.GetActive=bald\n");
    ASSERT_TRUE(state.busy.has_value());
    EXPECT_EQ(state.busy->forMs, 3000);
    ASSERT_EQ(state.busyMembers.size(), 1u);
    EXPECT_EQ(state.busyMembers.at(L"App.CloseDB").forMs, platform::actmodel::kNever);
    EXPECT_EQ(state.delays,
              (std::map<platform::Text, std::int64_t>{
                  {L"App.GetVersion", platform::actmodel::kNever}, {L"App.OpenDB", 1500}}));
    std::string text = Written(state);
    EXPECT_NE(text.find("busy=3000\nbusy.App.CloseDB=never\n"), std::string::npos) << text;
    EXPECT_NE(text.find("delay.App.GetVersion=never\ndelay.App.OpenDB=1500\n"), std::string::npos)
        << text;
    EXPECT_EQ(Written(Read(text)), text);
}

TEST(ActIniTest, ResultsOfAnyTypeAreReadAndWrittenBackAlike) {
    const char* const lines[] = {"EMPTY",
                                 "NULL&",
                                 "DISPATCH",
                                 "BOOL -1",
                                 "I1 -128",
                                 "UI1 255",
                                 "UI2 65535",
                                 "UI4 4294967295",
                                 "I8 -9223372036854775808",
                                 "UI8 18446744073709551615",
                                 "R4 0.4",
                                 "R8& 1e+300",
                                 "R8 nan",
                                 "R8 -inf",
                                 "DATE 45000.5",
                                 "CY -922337203685477.5808",
                                 "DECIMAL -79228162514264337593543950335",
                                 "DECIMAL 0.0000000000000000000000000001",
                                 "ERROR 5",
                                 "BSTR a\\0b\\\\c",
                                 "BSTR& "};
    for (const char* line : lines) {
        ActState state = Read(std::string("[ACT]\nresult.App.CloseDB=") + line + "\n");
        ASSERT_EQ(state.rawResults.size(), 1u) << line;
        std::string text = Written(state);
        EXPECT_NE(text.find(std::string("result.App.CloseDB=") + line + "\n"), std::string::npos)
            << text;
    }
    EXPECT_EQ(
        Read("[ACT]\nresult.App.CloseDB=BSTR a\\0b\n").rawResults.at(L"App.CloseDB").value.text,
        platform::Text(L"a\0b", 3));
    for (const char* refused :
         {"I1 128", "UI1 -1", "I8 9223372036854775808", "CY 0.00001",
          "DECIMAL 79228162514264337593543950336", "R8 x", "NULL 5", "VARIANT", "I4"}) {
        EXPECT_TRUE(
            Read(std::string("[ACT]\nresult.App.CloseDB=") + refused + "\n").rawResults.empty())
            << refused;
    }
}

TEST(ActIniTest, AFaultFromTheFileIsRaisedByTheModel) {
    platform::actmodel::ActModel model;
    std::istringstream in("[ACT]\nrunning=yes\nfault.App.GetVersion=70 Zugriff verweigert\n");
    platform::actmodel::ReadActIni(in, model.State());
    platform::ObjectRef app = model.CreateApplication();
    try {
        app->Invoke(L"GetVersion", platform::CallKind::MethodOrGet, {platform::Argument::I2(1)});
        FAIL() << "no error raised";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), 70);
        EXPECT_EQ(failure.Description(), L"Zugriff verweigert");
    }
}

}  // namespace
