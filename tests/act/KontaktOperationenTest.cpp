// The contact and user operations of clACTApplication: the current contact and field, ACT!'s
// user, building a lookup, creating a contact and moving to one, with the calls made on ACT!.
#include <gtest/gtest.h>

#include "act/ActOperationsFixture.h"

namespace {

using acttest::Lines;
using platform::Text;
using testsupport::FailureNumberOf;
namespace sim = platform::sim;

class KontaktOperationenTest : public acttest::ActOperationsTest {
  protected:
    void SetUp() override {
        ActOperationsTest::SetUp();
        StartAct();
        sim::Act().AddContact(L"K0001", {{2, L"Meier"}});
        sim::Act().AddContact(L"K0002", {{2, L"Schulz"}});
        sim::Act().AddContact(L"K0003", {{2, L"Wagner"}});
    }
};

TEST_F(KontaktOperationenTest, CurrentContactIdComesFromAFreshContactView) {
    Act().contactPosition = 1;
    EXPECT_EQ(act.AktuelleKontaktID(), L"K0002       ");
    EXPECT_EQ(Journal(), ContactFrame({L"ContactView.GetCurrentID()"}));
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(KontaktOperationenTest, CurrentFieldIdComesFromTheActiveView) {
    Act().currentFieldId = 57;
    EXPECT_EQ(act.AktuelleFeldID(), 57);
    EXPECT_EQ(Journal(),
              (Lines{L"create App", L"App.Views()", L"create Views", L"Views.GetActive()",
                     L"create ActiveView", L"ActiveView.CurrentFieldId()", L"release Views",
                     L"release App", L"release ActiveView"}));
}

TEST_F(KontaktOperationenTest, CurrentFieldIdOfNoValueIsZero) {
    Act().resultOverrides[L"ActiveView.CurrentFieldId"] = platform::Empty();
    EXPECT_EQ(act.AktuelleFeldID(), 0);
}

TEST_F(KontaktOperationenTest, UserIdAndNameComeFromTheApplicationObject) {
    Act().userId = L"U17";
    Act().userName = L"Bernd Krüger";
    EXPECT_EQ(act.getBenutzerID(), L"U17");
    EXPECT_EQ(act.AktuellerBenutzerName(), L"Bernd Krüger");
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.GetUserId()", L"release App", L"create App",
                                L"App.GetCurrentUserName()", L"release App"}));
}

TEST_F(KontaktOperationenTest, LookupIsBuiltOverAllContactsFromTheIdList) {
    Act().contactLookup = {L"K0002"};
    EXPECT_EQ(act.bildeKontaktSuche(L"K0003       K0001       "), platform::kTrue);
    EXPECT_EQ(Act().contactLookup, (std::vector<Text>{L"K0003", L"K0001"}));
    EXPECT_EQ(Journal(),
              ContactFrame({L"call ContactView.LookupAll()",
                            L"call ContactView.CreateLookup(BSTR& \"K0003       K0001       \")"}));
}

TEST_F(KontaktOperationenTest, LookupOfAnUnknownListIsStillReportedAsDone) {
    EXPECT_EQ(act.bildeKontaktSuche(L"X"), platform::kTrue);
    EXPECT_TRUE(Act().contactLookup.empty());
}

TEST_F(KontaktOperationenTest, ListOfTheCurrentLookupBuildsTheSameLookupAgain) {
    Act().contactLookup = {L"K0003", L"K0002"};
    Text list = act.getIDsAktuelleSuche();
    Act().contactLookup = {L"K0001"};
    EXPECT_EQ(act.bildeKontaktSuche(list), platform::kTrue);
    EXPECT_EQ(Act().contactLookup, (std::vector<Text>{L"K0003", L"K0002"}));
}

TEST_F(KontaktOperationenTest, NewContactIsAddedAndCountsAsDoneWhateverActAnswers) {
    Act().resultOverrides[L"ContactView.AddNewContact"] = std::int32_t{3};
    EXPECT_EQ(act.neuerKontakt(), platform::kTrue);
    EXPECT_EQ(Act().contacts.size(), 4u);
    EXPECT_EQ(Journal(), ContactFrame({L"call ContactView.AddNewContact()"}));
}

TEST_F(KontaktOperationenTest, GoToPadsAShortIdToTwelveCharactersAfterLookingUpAll) {
    Act().contactLookup = {L"K0001"};
    EXPECT_EQ(act.gehezuKonatkt(L"K0003"), platform::kTrue);
    EXPECT_EQ(Journal(), ContactFrame({L"call ContactView.LookupAll()",
                                       L"call ContactView.GoTo(BSTR& \"K0003       \")"}));
    EXPECT_EQ(Act().contactPosition, 2u);
}

TEST_F(KontaktOperationenTest, GoToHandsATwelveCharacterIdUnchanged) {
    sim::Act().AddContact(L"ABCDEFGHIJKL");
    EXPECT_EQ(act.gehezuKonatkt(L"ABCDEFGHIJKL"), platform::kTrue);
    EXPECT_EQ(Count(L"call ContactView.GoTo(BSTR& \"ABCDEFGHIJKL\")"), 1);
    EXPECT_EQ(Act().contactPosition, 3u);
}

TEST_F(KontaktOperationenTest, GoToHandsTheEmptyIdAsTwelveBlanks) {
    EXPECT_EQ(act.gehezuKonatkt(L""), platform::kTrue);
    EXPECT_EQ(Count(L"call ContactView.GoTo(BSTR& \"            \")"), 1);
}

TEST_F(KontaktOperationenTest, GoToRefusesAThirteenCharacterIdAfterFetchingTheView) {
    EXPECT_EQ(FailureNumberOf([&] { act.gehezuKonatkt(L"ABCDEFGHIJKLM"); }),
              platform::kInvalidArgument);
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.Views()", L"create Views",
                                L"Views.Create(I2 1, I2 2)", L"create ContactView"}));
    EXPECT_EQ(act.DiagnoseHeldObjects(),
              (clACTApplication::HeldObjects{true, false, true, true, false}));
    EXPECT_TRUE(Boxes().empty());

    // The next operation starts clean.
    EXPECT_EQ(act.gehezuKonatkt(L"K0002"), platform::kTrue);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(KontaktOperationenTest, GoToOfAnUnknownContactIsStillReportedAsDone) {
    EXPECT_EQ(act.gehezuKonatkt(L"K9999"), platform::kTrue);
}

TEST_F(KontaktOperationenTest, ErrorOfActPassesAndKeepsTheViewUntilTheNextOperation) {
    Act().faults[L"ContactView.AddNewContact"] = {-2147220991, L"Datenbank ist schreibgeschützt",
                                                  1};
    try {
        act.neuerKontakt();
        FAIL() << "no failure";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), -2147220991);
        EXPECT_EQ(failure.Description(), L"Datenbank ist schreibgeschützt");
    }
    EXPECT_TRUE(act.DiagnoseHeldObjects().objContactView);
    EXPECT_EQ(act.neuerKontakt(), platform::kTrue);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(KontaktOperationenTest, ContactViewNotToBeHadGivesTheNeutralResultAfterTheQuestion) {
    Act().contactViewNothing = 1;
    sim::AnswerNextBoxes({platform::kIdNo});
    EXPECT_EQ(act.neuerKontakt(), platform::kFalse);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Count(L"call ContactView.AddNewContact()"), 0);
    EXPECT_EQ(Act().contacts.size(), 3u);
}

TEST_F(KontaktOperationenTest, ContactViewThatComesOnTheSecondAttemptIsUsed) {
    Act().contactViewNothing = 1;
    sim::AnswerNextBoxes({platform::kIdYes});
    Act().contactPosition = 2;
    EXPECT_EQ(act.AktuelleKontaktID(), L"K0003       ");
    EXPECT_EQ(Count(L"Views.Create(I2 1, I2 2)"), 2);
}

class OhneActTest : public acttest::ActOperationsTest {};

TEST_F(OhneActTest, EveryOperationGivesItsNeutralResultWithoutAWord) {
    sim::Act().AddContact(L"K0001");
    sim::Act().AddGroup(L"G0001", L"Kunden");
    platform::ObjectRef status = sim::Act().CreateStatusObject();
    sim::Act().ClearJournal();

    EXPECT_EQ(act.AktuelleKontaktID(), L"");
    EXPECT_EQ(act.AktuelleFeldID(), 0);
    EXPECT_EQ(act.getIDsAktuelleSuche(), L"");
    EXPECT_EQ(act.getIDsAktuelleSuche(status), L"");
    EXPECT_EQ(act.setFeldwert(L"kontakt", 2, L"x"), platform::kFalse);
    EXPECT_EQ(act.getBenutzerID(), L"");
    EXPECT_EQ(act.AktuellerBenutzerName(), L"");
    EXPECT_EQ(act.getFeldwert(L"Gruppe", 25), L"");
    EXPECT_EQ(act.bildeKontaktSuche(L"K0001"), platform::kFalse);
    EXPECT_EQ(act.neuerKontakt(), platform::kFalse);
    EXPECT_EQ(act.gehezuKonatkt(L"K0001"), platform::kFalse);
    EXPECT_EQ(act.gehezuKonatkt(L"ABCDEFGHIJKLM"), platform::kFalse);
    EXPECT_EQ(act.AktuelleGruppenID(), L"");
    EXPECT_EQ(act.ordneKonatktzuGruppe(L"G0001"), platform::kFalse);
    EXPECT_EQ(act.GroupExist(L"Kunden"), platform::kFalse);
    EXPECT_EQ(act.ShowGroupByName(L"Kunden", 0), platform::kFalse);
    EXPECT_EQ(act.ShowGroupByUniqueID(L"G0001", platform::kTrue), platform::kFalse);
    EXPECT_EQ(act.DeleteCurrentGroup(), platform::kFalse);
    EXPECT_EQ(act.AddGroup(L"Neu"), platform::kFalse);
    EXPECT_EQ(act.AddGroupMember(L"K0001"), platform::kFalse);
    EXPECT_EQ(act.ShowGroupRegister(L"Notizen"), platform::kFalse);

    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(Journal().empty());
    EXPECT_EQ(sim::Servers().activations, 0);
    EXPECT_EQ(sim::Messages().dispatches, 0);
    EXPECT_EQ(Act().groups.size(), 1u);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(OhneActTest, FieldTypeWarningIsShownEvenSo) {
    EXPECT_EQ(act.getFeldwert(L"Firma", 2), L"");
    EXPECT_EQ(act.setFeldwert(L"", 2, L"x"), platform::kFalse);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, L"Falsche Feldtyp-Bezeichnung (Firma). Es wird Kontakt benutzt.");
    EXPECT_EQ(Boxes()[1].text, L"Falsche Feldtyp-Bezeichnung (). Es wird Kontakt benutzt.");
    EXPECT_EQ(sim::Servers().activations, 0);
}

}  // namespace
