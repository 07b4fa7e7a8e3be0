// The simulated ACT!: its activation, its members as the program relies on them, the fault knobs,
// the journal, and its main window on the simulated desktop.
#include <gtest/gtest.h>

#include "platform/Automation.h"
#include "platform/TopLevelWindows.h"
#include "platform/core/Failure.h"
#include "support/FailureNumber.h"
#include "support/SimDesktopTest.h"

namespace {

using platform::Argument;
using platform::CallKind;
using platform::ObjectRef;
using platform::Text;
using platform::Variant;
namespace sim = platform::sim;
using Lines = std::vector<Text>;

class SimActTest : public testsupport::SimDesktopTest {
  protected:
    platform::actmodel::ActState& Act() { return sim::Act().State(); }

    ObjectRef App() {
        Act().running = true;
        return platform::CreateAutomationObject(L"ACTOLE.APPOBJECT");
    }
    static Variant Get(const ObjectRef& object, const Text& member,
                       const std::vector<Argument>& args = {}) {
        return object->Invoke(member, CallKind::MethodOrGet, args);
    }
    ObjectRef View(std::int16_t type) {
        ObjectRef views = platform::VariantToObject(Get(App(), L"Views"));
        return platform::VariantToObject(
            Get(views, L"Create", {Argument::I2(type), Argument::I2(2)}));
    }
};

TEST_F(SimActTest, ActivationFailsWhileActIsNotRunning) {
    EXPECT_EQ(
        testsupport::FailureNumberOf([] { platform::CreateAutomationObject(L"ACTOLE.APPOBJECT"); }),
        429);
    EXPECT_TRUE(sim::Act().JournalLines().empty());
}

TEST_F(SimActTest, UnknownProgIdFailsAndTheKnownOneIgnoresCase) {
    Act().running = true;
    EXPECT_EQ(
        testsupport::FailureNumberOf([] { platform::CreateAutomationObject(L"Word.Application"); }),
        429);
    EXPECT_NE(platform::CreateAutomationObject(L"actole.appobject"), nullptr);
}

TEST_F(SimActTest, MemberNamesIgnoreCaseAndUnknownMembersFail) {
    ObjectRef app = App();
    Act().version = L"6.0";
    EXPECT_EQ(platform::VariantToText(Get(app, L"getversion", {Argument::I2(1)})), L"6.0");
    EXPECT_EQ(testsupport::FailureNumberOf([&] { Get(app, L"Quit"); }), 438);
    EXPECT_EQ(testsupport::FailureNumberOf([&] { Get(app, L"GetVersion"); }), 450);
    EXPECT_EQ(testsupport::FailureNumberOf([&] {
                  Get(app, L"OpenDB", {Argument{ObjectRef(), false}});
              }),
              13);
}

TEST_F(SimActTest, OpenAndCloseChangeTheOpenDatabase) {
    ObjectRef app = App();
    app->Invoke(L"OpenDB", CallKind::Method, {Argument::StrRef(L"C:\\A.dbf")});
    EXPECT_EQ(platform::VariantToText(Get(app, L"GetOpenDBName")), L"C:\\A.dbf");
    EXPECT_EQ(platform::VariantToLong(Get(app, L"CloseDB")), 0);
    EXPECT_EQ(Act().openDatabase, L"");
}

TEST_F(SimActTest, CloseWithAnErrorNumberKeepsTheDatabase) {
    ObjectRef app = App();
    Act().openDatabase = L"C:\\A.dbf";
    Act().closeDbResult = 3;
    EXPECT_EQ(platform::VariantToLong(Get(app, L"CloseDB")), 3);
    EXPECT_EQ(Act().openDatabase, L"C:\\A.dbf");
}

TEST_F(SimActTest, ViewsComeBackAsNothingForTheGivenNumberOfCalls) {
    ObjectRef app = App();
    Act().viewsNothing = 2;
    EXPECT_EQ(platform::VariantToObject(Get(app, L"Views")), nullptr);
    EXPECT_EQ(platform::VariantToObject(Get(app, L"Views")), nullptr);
    ObjectRef views = platform::VariantToObject(Get(app, L"Views"));
    ASSERT_NE(views, nullptr);
    Act().groupViewNothing = 1;
    EXPECT_EQ(platform::VariantToObject(Get(views, L"Create", {Argument::I2(3), Argument::I2(2)})),
              nullptr);
    EXPECT_NE(platform::VariantToObject(Get(views, L"Create", {Argument::I2(1), Argument::I2(2)})),
              nullptr);
    EXPECT_NE(platform::VariantToObject(Get(views, L"Create", {Argument::I2(3), Argument::I2(2)})),
              nullptr);
    EXPECT_EQ(testsupport::FailureNumberOf([&] {
                  Get(views, L"Create", {Argument::I2(2), Argument::I2(2)});
              }),
              platform::kInvalidArgument);
}

TEST_F(SimActTest, FaultWithACountIsRaisedThatOftenOnly) {
    ObjectRef app = App();
    Act().faults[L"App.GetUserId"] = {77, L"gesperrt", 2};
    EXPECT_EQ(testsupport::FailureNumberOf([&] { Get(app, L"GetUserId"); }), 77);
    EXPECT_EQ(testsupport::FailureNumberOf([&] { Get(app, L"GetUserId"); }), 77);
    EXPECT_EQ(platform::VariantToText(Get(app, L"GetUserId")), Act().userId);
}

TEST_F(SimActTest, ContactViewWalksTheCurrentLookupWithPaddedIds) {
    sim::Act().AddContact(L"K1", {{2, L"Meier"}});
    sim::Act().AddContact(L"K2", {{2, L"Schulz"}});
    ObjectRef view = View(1);
    view->Invoke(L"MoveFirst", CallKind::Method, {});
    EXPECT_EQ(platform::VariantToLong(Get(view, L"GetCount")), 2);
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetField", {Argument::I2(1)})), L"K1          ");
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetField", {Argument::I4Ref(2)})), L"Meier");
    view->Invoke(L"MoveNext", CallKind::Method, {});
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetCurrentID")), L"K2          ");
    view->Invoke(L"MoveNext", CallKind::Method, {});
    EXPECT_TRUE(platform::IsEmpty(Get(view, L"GetField", {Argument::I2(1)})));
}

TEST_F(SimActTest, CreateLookupReadsTwelveCharacterPiecesAndGoToComparesPadded) {
    sim::Act().AddContact(L"K1");
    sim::Act().AddContact(L"K2");
    sim::Act().AddContact(L"K3");
    ObjectRef view = View(1);
    view->Invoke(L"CreateLookup", CallKind::Method,
                 {Argument::StrRef(L"K3          K1          ")});
    EXPECT_EQ(Act().contactLookup, (std::vector<Text>{L"K3", L"K1"}));
    EXPECT_EQ(platform::VariantToLong(Get(view, L"GoTo", {Argument::StrRef(L"K1          ")})), 0);
    EXPECT_EQ(platform::VariantToLong(Get(view, L"GoTo", {Argument::StrRef(L"K2")})), 1);
    view->Invoke(L"LookupAll", CallKind::Method, {});
    EXPECT_EQ(platform::VariantToLong(Get(view, L"GetCount")), 3);
}

TEST_F(SimActTest, GroupViewFindsCreatesNamesAndDeletesGroups) {
    sim::Act().AddGroup(L"G1", L"Kunden");
    sim::Act().AddContact(L"K1");
    ObjectRef view = View(3);
    auto lookupByName = [&](const Text& name) {
        return platform::VariantToLong(
            Get(view, L"LookupFieldEx",
                {Argument::I2(25), Argument::StrRef(name), Argument::I4Ref(0)}));
    };
    EXPECT_EQ(lookupByName(L"kunden"), 1);
    EXPECT_EQ(lookupByName(L"Kunden"), 0);
    EXPECT_EQ(platform::VariantToLong(Get(view, L"AddMemberToGroup", {Argument::StrRef(L"K1")})),
              0);
    EXPECT_EQ(Act().groups[0].members, (std::vector<Text>{L"K1"}));
    EXPECT_EQ(platform::VariantToLong(Get(view, L"AddNew")), 0);
    EXPECT_EQ(platform::VariantToLong(
                  Get(view, L"SetField", {Argument::I2(25), Argument::StrRef(L"Lieferanten")})),
              0);
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetField", {Argument::I2(25)})), L"Lieferanten");
    EXPECT_EQ(platform::VariantToLong(Get(view, L"DeleteGroupFast")), 0);
    ASSERT_EQ(Act().groups.size(), 1u);
    EXPECT_EQ(Act().groups[0].id, L"G1");
}

TEST_F(SimActTest, JournalShowsKindsOfCallsAndArgumentsAndTheLifeOfObjects) {
    ObjectRef app = App();
    app->Invoke(L"OpenDB", CallKind::Method, {Argument::StrRef(L"C:\\K.dbf")});
    ObjectRef view = View(1);
    Get(view, L"GetField", {Argument::I4Ref(7)});
    ObjectRef status = sim::Act().CreateStatusObject();
    status->PutDefault(Text(L"Bestimme"));
    view.reset();
    EXPECT_EQ(sim::Act().JournalLines(),
              (Lines{L"create App", L"call App.OpenDB(BSTR& \"C:\\K.dbf\")", L"create App",
                     L"App.Views()", L"create Views", L"release App", L"Views.Create(I2 1, I2 2)",
                     L"create ContactView", L"release Views", L"ContactView.GetField(I4& 7)",
                     L"create Status", L"put Status(BSTR \"Bestimme\")", L"release ContactView"}));
    EXPECT_EQ(Act().statusTexts, (std::vector<Text>{L"Bestimme"}));
}

TEST_F(SimActTest, ObjectsOtherThanStatusHaveNoDefaultProperty) {
    ObjectRef app = App();
    EXPECT_EQ(testsupport::FailureNumberOf([&] { app->PutDefault(Text(L"x")); }), 438);
}

TEST_F(SimActTest, MainWindowIsOnTheDesktopOnlyWhileActRuns) {
    EXPECT_EQ(platform::IsWindow(sim::kActMainWindow), 0);
    Act().running = true;
    Act().window.caption = L"ACT! - Kunden.dbf";
    EXPECT_EQ(platform::IsWindow(sim::kActMainWindow), 1);
    char buffer[64] = {};
    EXPECT_EQ(platform::GetClassNameA(sim::kActMainWindow, buffer, sizeof buffer), 16);
    EXPECT_STREQ(buffer, "ACT3.0FrameClass");
    EXPECT_EQ(platform::GetWindowTextA(sim::kActMainWindow, buffer, sizeof buffer), 17);
    EXPECT_STREQ(buffer, "ACT! - Kunden.dbf");
    Act().window.visible = false;
    EXPECT_EQ(platform::IsWindowVisible(sim::kActMainWindow), 0);
    Act().running = false;
    EXPECT_EQ(platform::IsWindow(sim::kActMainWindow), 0);
}

TEST_F(SimActTest, ObjectsOutliveAResetOfTheDesktop) {
    ObjectRef app = App();
    sim::TheDesktop() = sim::Desktop();
    EXPECT_EQ(platform::VariantToText(Get(app, L"GetVersion", {Argument::I2(1)})), L"6.0");
    EXPECT_TRUE(sim::Act().JournalLines().empty());
}

TEST_F(SimActTest, WithRecordingOffNothingIsKeptButTheLastStatusText) {
    Act().recording = false;
    ObjectRef view = View(1);
    ObjectRef status = sim::Act().CreateStatusObject();
    status->PutDefault(Text(L"eins"));
    status->PutDefault(Text(L"zwei"));
    view.reset();
    EXPECT_TRUE(sim::Act().JournalLines().empty());
    EXPECT_TRUE(Act().statusTexts.empty());
    EXPECT_EQ(Act().statusWrites, 2u);
    EXPECT_EQ(Act().lastStatusText, L"zwei");
}

TEST_F(SimActTest, ContactsReplacedDirectlyAreFoundUnderTheirNewIds) {
    sim::Act().AddContact(L"K1", {{2, L"Meier"}});
    sim::Act().AddContact(L"K2", {{2, L"Schulz"}});
    ObjectRef view = View(1);
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetField", {Argument::I4Ref(2)})), L"Meier");
    // Same number of records, other identifiers and values.
    Act().contacts = {{L"K7", {{2, L"Wagner"}}}, {L"K8", {{2, L"Becker"}}}};
    Act().contactLookup = {L"K8", L"K7"};
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetField", {Argument::I4Ref(2)})), L"Becker");
    Act().contacts[1].id = L"K9";
    Act().contactLookup = {L"K9"};
    EXPECT_EQ(platform::VariantToText(Get(view, L"GetField", {Argument::I2(1)})), L"K9          ");
    Act().contactLookup = {L"K8"};
    EXPECT_TRUE(platform::IsEmpty(Get(view, L"GetField", {Argument::I2(1)})));
}

TEST_F(SimActTest, ContactAndGroupFromBothSidesOfTheMembership) {
    sim::Act().AddContact(L"K1");
    sim::Act().AddContact(L"K2");
    sim::Act().AddGroup(L"G1", L"Kunden");
    ObjectRef contacts = View(1);
    EXPECT_EQ(platform::VariantToLong(
                  Get(contacts, L"AddContactToGroup", {Argument::StrRef(L"G1          ")})),
              0);
    EXPECT_EQ(
        platform::VariantToLong(Get(contacts, L"AddContactToGroup", {Argument::StrRef(L"G2")})), 1);
    ObjectRef groups = View(3);
    EXPECT_EQ(platform::VariantToLong(
                  Get(groups, L"AddMemberToGroup", {Argument::StrRef(L"K2          ")})),
              0);
    EXPECT_EQ(platform::VariantToLong(Get(groups, L"AddMemberToGroup", {Argument::StrRef(L"K1")})),
              0);
    EXPECT_EQ(Act().groups[0].members, (std::vector<Text>{L"K1", L"K2"}));
    EXPECT_EQ(platform::VariantToLong(Get(groups, L"SetActiveTab", {Argument::StrRef(L"Notizen")})),
              0);
    EXPECT_EQ(Act().activeGroupTab, L"Notizen");
}

}  // namespace
