// The list of the contacts of ACT!'s current lookup, and its progress display.
#include <gtest/gtest.h>

#include "act/ActOperationsFixture.h"

namespace {

using acttest::Lines;
using platform::ObjectRef;
using platform::Text;
using testsupport::FailureNumberOf;
namespace sim = platform::sim;

class AktuelleSucheTest : public acttest::ActOperationsTest {
  protected:
    void SetUp() override {
        ActOperationsTest::SetUp();
        StartAct();
        sim::Act().AddContact(L"K0001");
        sim::Act().AddContact(L"K0002");
        sim::Act().AddContact(L"K0003");
        status = sim::Act().CreateStatusObject();
        sim::Act().ClearJournal();
    }

    static Text Progress(const Text& number) {
        return L"Bestimme aktuelle ACT!-Suche (" + number + L")";
    }

    ObjectRef status;
};

TEST_F(AktuelleSucheTest, ListJoinsTheIdsOfTheCurrentLookupWithoutSeparator) {
    Act().contactLookup = {L"K0003", L"K0001"};
    Act().contactPosition = 1;
    EXPECT_EQ(act.getIDsAktuelleSuche(), L"K0003       K0001       ");
    EXPECT_EQ(Journal(),
              ContactFrame({L"call ContactView.MoveFirst()", L"ContactView.GetCount()",
                            L"ContactView.GetField(I2 1)", L"call ContactView.MoveNext()",
                            L"ContactView.GetField(I2 1)", L"call ContactView.MoveNext()"}));
    // Once after connecting, twice for the view, once after MoveFirst, twice per contact.
    EXPECT_EQ(sim::Messages().dispatches, 4 + 2 * 2);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(AktuelleSucheTest, ProgressInGermanSettingsUsesTheDecimalComma) {
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"K0001       K0002       K0003       ");
    EXPECT_EQ(Act().statusTexts,
              (std::vector<Text>{Progress(L"33,33"), Progress(L"66,67"), Progress(L"100,00")}));
    Lines journal = Journal();
    Lines expected = ContactFrame(
        {L"call ContactView.MoveFirst()", L"ContactView.GetCount()", L"ContactView.GetField(I2 1)",
         L"call ContactView.MoveNext()", L"put Status(BSTR \"" + Progress(L"33,33") + L"\")",
         L"ContactView.GetField(I2 1)", L"call ContactView.MoveNext()",
         L"put Status(BSTR \"" + Progress(L"66,67") + L"\")", L"ContactView.GetField(I2 1)",
         L"call ContactView.MoveNext()", L"put Status(BSTR \"" + Progress(L"100,00") + L"\")"});
    EXPECT_EQ(journal, expected);
    // A third dispatch per contact after each progress text.
    EXPECT_EQ(sim::Messages().dispatches, 4 + 3 * 3);
}

TEST_F(AktuelleSucheTest, ProgressInEnglishSettingsUsesTheDecimalPoint) {
    sim::Regional().decimalSeparator = L".";
    act.getIDsAktuelleSuche(status);
    EXPECT_EQ(Act().statusTexts,
              (std::vector<Text>{Progress(L"33.33"), Progress(L"66.67"), Progress(L"100.00")}));
}

TEST_F(AktuelleSucheTest, ProgressBelowOnePercentKeepsTheLeadingZero) {
    // ACT! counts 400 records; the walk reads past the three there are and gets no value.
    Act().resultOverrides[L"ContactView.GetCount"] = std::int32_t{400};
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"K0001       K0002       K0003       ");
    ASSERT_EQ(Act().statusTexts.size(), 400u);
    EXPECT_EQ(Act().statusTexts[0], Progress(L"0,25"));
    EXPECT_EQ(Act().statusTexts[1], Progress(L"0,50"));
    EXPECT_EQ(Act().statusTexts[39], Progress(L"10,00"));
    EXPECT_EQ(Act().statusTexts[399], Progress(L"100,00"));
}

TEST_F(AktuelleSucheTest, ProgressIsRoundedToTheNearestHundredth) {
    Act().resultOverrides[L"ContactView.GetCount"] = std::int32_t{7};
    act.getIDsAktuelleSuche(status);
    EXPECT_EQ(Act().statusTexts,
              (std::vector<Text>{Progress(L"14,29"), Progress(L"28,57"), Progress(L"42,86"),
                                 Progress(L"57,14"), Progress(L"71,43"), Progress(L"85,71"),
                                 Progress(L"100,00")}));
}

TEST_F(AktuelleSucheTest, EmptyLookupGivesEmptyTextAndNeverTouchesStatus) {
    Act().contactLookup.clear();
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"");
    EXPECT_EQ(Act().statusWrites, 0u);
    EXPECT_EQ(Count(L"ContactView.GetField(I2 1)"), 0);
    EXPECT_EQ(Count(L"call ContactView.MoveNext()"), 0);
}

TEST_F(AktuelleSucheTest, NegativeCountWalksNothing) {
    Act().resultOverrides[L"ContactView.GetCount"] = std::int32_t{-5};
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"");
    EXPECT_EQ(Act().statusWrites, 0u);
}

TEST_F(AktuelleSucheTest, StatusThatIsNothingGivesTheSameListWithoutProgress) {
    ObjectRef nothing;
    EXPECT_EQ(act.getIDsAktuelleSuche(nothing), L"K0001       K0002       K0003       ");
    EXPECT_EQ(Act().statusWrites, 0u);
    EXPECT_EQ(sim::Messages().dispatches, 4 + 2 * 3);
}

TEST_F(AktuelleSucheTest, WalkDoesNotLookUpAllContacts) {
    Act().contactLookup = {L"K0002"};
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"K0002       ");
    EXPECT_EQ(Count(L"call ContactView.LookupAll()"), 0);
    EXPECT_EQ(Act().statusTexts, (std::vector<Text>{Progress(L"100,00")}));
}

TEST_F(AktuelleSucheTest, WalkStartsAtTheFirstContactWhereverActStood) {
    Act().contactPosition = 2;
    EXPECT_EQ(act.getIDsAktuelleSuche(), L"K0001       K0002       K0003       ");
}

TEST_F(AktuelleSucheTest, CallersHandlerThatDropsStatusEndsTheProgressDisplay) {
    int dispatches = 0;
    sim::Messages().onDispatch = [&] {
        // The third dispatch of the walk follows the first progress text.
        if (++dispatches == 4 + 3) {
            status = nullptr;
        }
    };
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"K0001       K0002       K0003       ");
    EXPECT_EQ(Act().statusTexts, (std::vector<Text>{Progress(L"33,33")}));
}

TEST_F(AktuelleSucheTest, FailingStatusPassesAndKeepsTheView) {
    Act().faults[L"Status."] = {424, L"Objekt erforderlich", 1};
    EXPECT_EQ(FailureNumberOf([&] { act.getIDsAktuelleSuche(status); }), 424);
    EXPECT_TRUE(act.DiagnoseHeldObjects().objContactView);
    EXPECT_EQ(Count(L"ContactView.GetField(I2 1)"), 1);
}

TEST_F(AktuelleSucheTest, FieldValueOfTheWrongKindIsAFailure) {
    Act().resultOverrides[L"ContactView.GetField"] = platform::ByteArray{0, {1, 2}};
    EXPECT_EQ(FailureNumberOf([&] { act.getIDsAktuelleSuche(); }), platform::kTypeMismatch);
}

}  // namespace
