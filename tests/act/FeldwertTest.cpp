// Reading and writing one field of the current contact or group, and the field type words.
#include <gtest/gtest.h>

#include "act/ActOperationsFixture.h"

namespace {

using acttest::kWarnung;
using acttest::Lines;
using platform::Text;
namespace sim = platform::sim;

class FeldwertTest : public acttest::ActOperationsTest {
  protected:
    void SetUp() override {
        ActOperationsTest::SetUp();
        StartAct();
        sim::Act().AddContact(L"K0001", {{2, L"Meier"}, {30, L"Köln"}});
        sim::Act().AddGroup(L"G0001", L"Kunden");
        Act().groups[0].fields[30] = L"Rheinland";
    }

    static Text Warning(const Text& word) {
        return L"Falsche Feldtyp-Bezeichnung (" + word + L"). Es wird Kontakt benutzt.";
    }
};

TEST_F(FeldwertTest, ReadsAContactFieldWithTheNumberByReference) {
    EXPECT_EQ(act.getFeldwert(L"kontakt", 2), L"Meier");
    EXPECT_EQ(Journal(), ContactFrame({L"ContactView.GetField(I4& 2)"}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(FeldwertTest, ReadsAGroupFieldThroughAGroupView) {
    EXPECT_EQ(act.getFeldwert(L"gruppe", 30), L"Rheinland");
    EXPECT_EQ(Journal(), GroupFrame({L"GroupView.GetField(I4& 30)"}));
}

TEST_F(FeldwertTest, FieldWithoutValueReadsAsEmptyText) {
    Act().resultOverrides[L"ContactView.GetField"] = platform::Empty();
    EXPECT_EQ(act.getFeldwert(L"contact", 2), L"");
}

TEST_F(FeldwertTest, WritesAContactFieldAsMethodWithNumberAndValueByReference) {
    EXPECT_EQ(act.setFeldwert(L"contact", 2, L"Müller"), platform::kTrue);
    EXPECT_EQ(Act().contacts[0].fields[2], L"Müller");
    EXPECT_EQ(Journal(), ContactFrame({L"call ContactView.SetField(I4& 2, BSTR& \"Müller\")"}));
}

TEST_F(FeldwertTest, WritesAGroupField) {
    EXPECT_EQ(act.setFeldwert(L"groups", 30, L"Westfalen"), platform::kTrue);
    EXPECT_EQ(Act().groups[0].fields[30], L"Westfalen");
    EXPECT_EQ(Journal(), GroupFrame({L"call GroupView.SetField(I4& 30, BSTR& \"Westfalen\")"}));
}

TEST_F(FeldwertTest, WritingCountsAsDoneEvenWhenActRefusesTheValue) {
    // Field 1 is the identifier, which ACT! does not let anyone write.
    EXPECT_EQ(act.setFeldwert(L"kontakt", 1, L"K9999"), platform::kTrue);
    EXPECT_EQ(Act().contacts[0].id, L"K0001");
    Act().resultOverrides[L"ContactView.SetField"] = std::int32_t{-1};
    EXPECT_EQ(act.setFeldwert(L"kontakt", 2, L"Neu"), platform::kTrue);
}

TEST_F(FeldwertTest, EveryWordOfTheTableInCapitalsOrMixedCaseNeedsNoWarning) {
    struct Case {
        Text word;
        Text view;
    };
    for (const Case& c : {Case{L"KONTAKT", L"1"}, Case{L"Contact", L"1"}, Case{L"cOnTaCt", L"1"},
                          Case{L"GRUPPE", L"3"}, Case{L"Gruppen", L"3"}, Case{L"GROUP", L"3"},
                          Case{L"gRoUpS", L"3"}}) {
        sim::Act().ClearJournal();
        act.getFeldwert(c.word, 30);
        EXPECT_EQ(Count(L"Views.Create(I2 " + c.view + L", I2 2)"), 1) << c.word;
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(FeldwertTest, WordWithALeadingBlankIsWarnedAboutAndTakenAsContact) {
    EXPECT_EQ(act.getFeldwert(L" gruppe", 30), L"Köln");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, Warning(L" gruppe"));
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[0].style, kWarnung);
    EXPECT_EQ(Count(L"Views.Create(I2 1, I2 2)"), 1);
    EXPECT_EQ(Count(L"Views.Create(I2 3, I2 2)"), 0);
}

TEST_F(FeldwertTest, WarningShowsTheWordAsTheCallerPassedIt) {
    EXPECT_EQ(act.setFeldwert(L"Kontakte", 30, L"Bonn"), platform::kTrue);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, Warning(L"Kontakte"));
    EXPECT_EQ(Act().contacts[0].fields[30], L"Bonn");
}

TEST_F(FeldwertTest, EmptyWordIsWarnedAbout) {
    EXPECT_EQ(act.getFeldwert(L"", 2), L"Meier");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"Falsche Feldtyp-Bezeichnung (). Es wird Kontakt benutzt.");
}

TEST_F(FeldwertTest, WordsAreNotTrimmed) {
    act.getFeldwert(L"group ", 30);
    act.getFeldwert(L"kontakt\t", 2);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, Warning(L"group "));
    EXPECT_EQ(Count(L"Views.Create(I2 3, I2 2)"), 0);
}

TEST_F(FeldwertTest, WarningComesBeforeAnyAttemptToReachAct) {
    Act().contactViewNothing = 1;
    sim::AnswerNextBoxes({platform::kIdOk, platform::kIdNo});
    EXPECT_EQ(act.getFeldwert(L"Firma", 2), L"");
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, Warning(L"Firma"));
    EXPECT_EQ(Boxes()[1].style, platform::kMbYesNo | platform::kMbIconExclamation);
}

TEST_F(FeldwertTest, GroupViewNotToBeHadGivesFalseWithoutWriting) {
    Act().groupViewNothing = 1;
    sim::AnswerNextBoxes({platform::kIdNo});
    EXPECT_EQ(act.setFeldwert(L"gruppe", 30, L"x"), platform::kFalse);
    EXPECT_EQ(Act().groups[0].fields[30], L"Rheinland");
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

}  // namespace
