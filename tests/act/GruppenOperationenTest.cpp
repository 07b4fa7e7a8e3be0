// The group operations of clACTApplication, with the calls made on ACT! and how ACT!'s answers
// are taken.
#include <gtest/gtest.h>

#include "act/ActOperationsFixture.h"
#include "platform/core/RawVariant.h"

namespace {

using acttest::Lines;
using platform::Text;
using testsupport::FailureNumberOf;
namespace sim = platform::sim;

class GruppenOperationenTest : public acttest::ActOperationsTest {
  protected:
    void SetUp() override {
        ActOperationsTest::SetUp();
        StartAct();
        sim::Act().AddGroup(L"G0001", L"Kunden");
        sim::Act().AddGroup(L"G0002", L"Lieferanten");
        sim::Act().AddGroup(L"G0003", L"Presse");
        sim::Act().AddContact(L"K0001");
        sim::Act().AddContact(L"K0002");
    }
};

TEST_F(GruppenOperationenTest, CurrentGroupIdComesFromAFreshGroupView) {
    Act().groupPosition = 2;
    EXPECT_EQ(act.AktuelleGruppenID(), L"G0003       ");
    EXPECT_EQ(Journal(), GroupFrame({L"GroupView.GetCurrentID()"}));
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(GruppenOperationenTest, ContactIsAddedToTheGroupWithTheIdAsPassed) {
    Act().contactPosition = 1;
    EXPECT_EQ(act.ordneKonatktzuGruppe(L"G0002"), platform::kTrue);
    EXPECT_EQ(Journal(), ContactFrame({L"call ContactView.AddContactToGroup(BSTR& \"G0002\")"}));
    EXPECT_EQ(Act().groups[1].members, (std::vector<Text>{L"K0002"}));
}

TEST_F(GruppenOperationenTest, AddingTheContactCountsAsDoneWhateverActAnswers) {
    EXPECT_EQ(act.ordneKonatktzuGruppe(L"G9999"), platform::kTrue);
    for (const auto& group : Act().groups) {
        EXPECT_TRUE(group.members.empty());
    }
}

TEST_F(GruppenOperationenTest, AddingTheContactRefusesAThirteenCharacterIdAfterTheView) {
    EXPECT_EQ(FailureNumberOf([&] { act.ordneKonatktzuGruppe(L"G000000000001"); }),
              platform::kInvalidArgument);
    EXPECT_EQ(Count(L"create ContactView"), 1);
    EXPECT_EQ(Count(L"call ContactView.AddContactToGroup(BSTR& \"G000000000001\")"), 0);
    EXPECT_EQ(act.DiagnoseHeldObjects(),
              (clACTApplication::HeldObjects{true, false, true, true, false}));
}

TEST_F(GruppenOperationenTest, GroupExistsWalksAllGroupsAndStopsAtTheMatch) {
    Act().groupLookup = {L"G0003"};
    EXPECT_EQ(act.GroupExist(L"Lieferanten"), platform::kTrue);
    EXPECT_EQ(Journal(), GroupFrame({L"call GroupView.LookupAll()", L"call GroupView.MoveFirst()",
                                     L"GroupView.GetCount()", L"GroupView.GetField(I2 25)",
                                     L"call GroupView.MoveNext()", L"GroupView.GetField(I2 25)"}));
}

TEST_F(GruppenOperationenTest, GroupExistsMakesExactlyOnePassPerGroup) {
    EXPECT_EQ(act.GroupExist(L"Vereine"), platform::kFalse);
    EXPECT_EQ(Count(L"GroupView.GetField(I2 25)"), 3);
    EXPECT_EQ(Count(L"call GroupView.MoveNext()"), 3);
}

TEST_F(GruppenOperationenTest, GroupExistsFindsTheLastGroup) {
    EXPECT_EQ(act.GroupExist(L"Presse"), platform::kTrue);
    EXPECT_EQ(Count(L"GroupView.GetField(I2 25)"), 3);
    EXPECT_EQ(Count(L"call GroupView.MoveNext()"), 2);
}

TEST_F(GruppenOperationenTest, GroupExistsComparesExactly) {
    EXPECT_EQ(act.GroupExist(L"kunden"), platform::kFalse);
    EXPECT_EQ(act.GroupExist(L"Kunden "), platform::kFalse);
    EXPECT_EQ(act.GroupExist(L" Kunden"), platform::kFalse);
    EXPECT_EQ(act.GroupExist(L"Kunde"), platform::kFalse);
    EXPECT_EQ(act.GroupExist(L"Kunden"), platform::kTrue);
}

TEST_F(GruppenOperationenTest, GroupExistsWithoutGroupsReadsNoField) {
    Act().groups.clear();
    EXPECT_EQ(act.GroupExist(L""), platform::kFalse);
    EXPECT_EQ(Count(L"GroupView.GetField(I2 25)"), 0);
}

TEST_F(GruppenOperationenTest, GroupIsShownByNameWithTheLookupByReference) {
    EXPECT_EQ(act.ShowGroupByName(L"Presse", 7), platform::kTrue);
    EXPECT_EQ(Journal(), GroupFrame({L"GroupView.LookupFieldEx(I2 25, BSTR& \"Presse\", I4& 7)"}));
    EXPECT_EQ(Act().groupLookup, (std::vector<Text>{L"G0003"}));
}

TEST_F(GruppenOperationenTest, UnknownNameIsNotShown) {
    EXPECT_EQ(act.ShowGroupByName(L"presse", 0), platform::kFalse);
    EXPECT_EQ(Act().groupLookup.size(), 3u);
}

TEST_F(GruppenOperationenTest, GroupIsShownByPaddedIdAfterLookingUpAll) {
    Act().groupLookup = {L"G0001"};
    EXPECT_EQ(act.ShowGroupByUniqueID(L"G0002", platform::kTrue), platform::kTrue);
    EXPECT_EQ(Journal(), GroupFrame({L"call GroupView.LookupAll()",
                                     L"GroupView.GoTo(BSTR& \"G0002       \")"}));
    EXPECT_EQ(Act().groupPosition, 1u);
}

TEST_F(GruppenOperationenTest, WithoutLookingUpAllTheGroupIsSoughtInTheCurrentLookup) {
    Act().groupLookup = {L"G0001"};
    for (platform::TruthValue lookupAll : {platform::TruthValue{0}, platform::TruthValue{1}}) {
        sim::Act().ClearJournal();
        EXPECT_EQ(act.ShowGroupByUniqueID(L"G0002", lookupAll), platform::kFalse);
        EXPECT_EQ(Journal(), GroupFrame({L"GroupView.GoTo(BSTR& \"G0002       \")"}));
    }
    EXPECT_EQ(act.ShowGroupByUniqueID(L"G0001", platform::kFalse), platform::kTrue);
}

TEST_F(GruppenOperationenTest, ShowingByIdRefusesAThirteenCharacterIdAfterLookingUpAll) {
    EXPECT_EQ(FailureNumberOf([&] { act.ShowGroupByUniqueID(L"G000000000001", platform::kTrue); }),
              platform::kInvalidArgument);
    EXPECT_EQ(Count(L"call GroupView.LookupAll()"), 1);
    EXPECT_EQ(Count(L"GroupView.GoTo(BSTR& \"G000000000001\")"), 0);
    EXPECT_EQ(act.DiagnoseHeldObjects(),
              (clACTApplication::HeldObjects{true, false, true, false, true}));
}

TEST_F(GruppenOperationenTest, TwelveCharacterIdGoesUnchanged) {
    sim::Act().AddGroup(L"G00000000004", L"Vereine");
    EXPECT_EQ(act.ShowGroupByUniqueID(L"G00000000004", platform::kTrue), platform::kTrue);
    EXPECT_EQ(Count(L"GroupView.GoTo(BSTR& \"G00000000004\")"), 1);
}

TEST_F(GruppenOperationenTest, CurrentGroupIsDeleted) {
    Act().groupPosition = 1;
    EXPECT_EQ(act.DeleteCurrentGroup(), platform::kTrue);
    EXPECT_EQ(Journal(), GroupFrame({L"GroupView.DeleteGroupFast()"}));
    ASSERT_EQ(Act().groups.size(), 2u);
    EXPECT_EQ(Act().groups[1].id, L"G0003");
}

TEST_F(GruppenOperationenTest, DeletingWithoutACurrentGroupFails) {
    Act().groupLookup.clear();
    EXPECT_EQ(act.DeleteCurrentGroup(), platform::kFalse);
    EXPECT_EQ(Act().groups.size(), 3u);
}

TEST_F(GruppenOperationenTest, GroupIsCreatedAndNamed) {
    EXPECT_EQ(act.AddGroup(L"Vereine"), platform::kTrue);
    EXPECT_EQ(Journal(),
              GroupFrame({L"GroupView.AddNew()", L"GroupView.SetField(I2 25, BSTR& \"Vereine\")"}));
    ASSERT_EQ(Act().groups.size(), 4u);
    EXPECT_EQ(Act().groups[3].fields[25], L"Vereine");
    EXPECT_EQ(act.GroupExist(L"Vereine"), platform::kTrue);
}

TEST_F(GruppenOperationenTest, FailedCreationIsNotNamed) {
    Act().resultOverrides[L"GroupView.AddNew"] = std::int32_t{1};
    EXPECT_EQ(act.AddGroup(L"Vereine"), platform::kFalse);
    EXPECT_EQ(Count(L"GroupView.SetField(I2 25, BSTR& \"Vereine\")"), 0);
    EXPECT_EQ(Count(L"release GroupView"), 1);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(GruppenOperationenTest, GroupWhoseNameIsRefusedStays) {
    Act().resultOverrides[L"GroupView.SetField"] = std::int32_t{2};
    EXPECT_EQ(act.AddGroup(L"Vereine"), platform::kFalse);
    EXPECT_EQ(Act().groups.size(), 4u);
}

TEST_F(GruppenOperationenTest, MemberIsAddedByPaddedId) {
    Act().groupPosition = 2;
    EXPECT_EQ(act.AddGroupMember(L"K0002"), platform::kTrue);
    EXPECT_EQ(Journal(), GroupFrame({L"GroupView.AddMemberToGroup(BSTR& \"K0002       \")"}));
    EXPECT_EQ(Act().groups[2].members, (std::vector<Text>{L"K0002"}));
}

TEST_F(GruppenOperationenTest, MemberWithATwelveCharacterIdGoesUnchanged) {
    sim::Act().AddContact(L"K00000000003");
    EXPECT_EQ(act.AddGroupMember(L"K00000000003"), platform::kTrue);
    EXPECT_EQ(Count(L"GroupView.AddMemberToGroup(BSTR& \"K00000000003\")"), 1);
}

TEST_F(GruppenOperationenTest, UnknownMemberIsRefused) {
    EXPECT_EQ(act.AddGroupMember(L"K9999"), platform::kFalse);
}

TEST_F(GruppenOperationenTest, MemberWithAThirteenCharacterIdIsRefusedAfterTheView) {
    EXPECT_EQ(FailureNumberOf([&] { act.AddGroupMember(L"K000000000003"); }),
              platform::kInvalidArgument);
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.Views()", L"create Views",
                                L"Views.Create(I2 3, I2 2)", L"create GroupView"}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(GruppenOperationenTest, TabOfTheGroupWindowIsShown) {
    EXPECT_EQ(act.ShowGroupRegister(L"Notizen/Verlauf"), platform::kTrue);
    EXPECT_EQ(Journal(), GroupFrame({L"GroupView.SetActiveTab(BSTR& \"Notizen/Verlauf\")"}));
    EXPECT_EQ(Act().activeGroupTab, L"Notizen/Verlauf");
}

TEST_F(GruppenOperationenTest, MemberReturningNothingCountsAsSuccess) {
    Act().groupLookup.clear();  // so that ACT! itself would refuse
    for (const wchar_t* member : {L"GroupView.DeleteGroupFast", L"GroupView.SetActiveTab"}) {
        Act().resultOverrides[member] = platform::Empty();
    }
    EXPECT_EQ(act.DeleteCurrentGroup(), platform::kTrue);
    EXPECT_EQ(act.ShowGroupRegister(L"Kontakte"), platform::kTrue);
}

TEST_F(GruppenOperationenTest, ReturnedFalseCountsAsSuccessAndTrueAsFailure) {
    Act().resultOverrides[L"GroupView.SetActiveTab"] = std::int16_t{0};
    EXPECT_EQ(act.ShowGroupRegister(L"Kontakte"), platform::kTrue);
    Act().resultOverrides[L"GroupView.SetActiveTab"] = std::int16_t{-1};
    EXPECT_EQ(act.ShowGroupRegister(L"Kontakte"), platform::kFalse);
}

TEST_F(GruppenOperationenTest, ReturnedNumberAsTextIsComparedByValue) {
    Act().resultOverrides[L"GroupView.GoTo"] = Text(L" 0 ");
    EXPECT_EQ(act.ShowGroupByUniqueID(L"G9999", platform::kFalse), platform::kTrue);
    Act().resultOverrides[L"GroupView.GoTo"] = Text(L"3000000000");
    EXPECT_EQ(act.ShowGroupByUniqueID(L"G0001", platform::kFalse), platform::kFalse);
}

TEST_F(GruppenOperationenTest, SuccessIsTheNumberZeroNeitherNullNorAFraction) {
    using platform::RawVariant;
    const std::pair<RawVariant, platform::TruthValue> table[] = {
        {RawVariant::OfType(platform::kVtNull), platform::kFalse},
        {RawVariant::Real(platform::kVtR4, 0.4), platform::kFalse},
        {RawVariant::Real(platform::kVtR8, 1e-300), platform::kFalse},
        {RawVariant::String(L"0.4"), platform::kFalse},
        {RawVariant::Integer(platform::kVtBool, -1), platform::kFalse},
        {RawVariant::Integer(platform::kVtCy, 0), platform::kTrue},
        {RawVariant::Decimal(true, 0, 0, 0), platform::kTrue},
        {RawVariant::OfType(platform::kVtEmpty), platform::kTrue},
    };
    for (const auto& [raw, expected] : table) {
        Act().rawResults[L"GroupView.AddNew"] = {raw};
        Act().rawResults[L"GroupView.SetActiveTab"] = {raw};
        EXPECT_EQ(act.AddGroup(L"Vereine"), expected) << raw.type;
        EXPECT_EQ(act.ShowGroupRegister(L"Kontakte"), expected) << raw.type;
    }
}

TEST_F(GruppenOperationenTest, ReturnedValueThatIsNoNumberIsAFailure) {
    Act().resultOverrides[L"GroupView.AddMemberToGroup"] = Text(L"OK");
    EXPECT_EQ(FailureNumberOf([&] { act.AddGroupMember(L"K0001"); }), platform::kTypeMismatch);
    EXPECT_TRUE(act.DiagnoseHeldObjects().objGroupView);
}

TEST_F(GruppenOperationenTest, GroupViewNotToBeHadGivesFalseAfterTheQuestion) {
    Act().groupViewNothing = 2;
    sim::AnswerNextBoxes({platform::kIdNo});
    EXPECT_EQ(act.GroupExist(L"Kunden"), platform::kFalse);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(act.AktuelleGruppenID(), L"");
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Count(L"call GroupView.LookupAll()"), 0);
}

}  // namespace
