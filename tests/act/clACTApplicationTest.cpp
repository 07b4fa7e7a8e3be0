// The ACT! connection: the window test, connecting per operation, version, database, active
// view, the messages and the retry loop, and the calls made on ACT!.
#include <gtest/gtest.h>

#include "act/clACTApplication.h"
#include "platform/MessageBox.h"
#include "platform/core/Failure.h"
#include "platform/core/RawVariant.h"
#include "support/FailureNumber.h"
#include "support/SimDesktopTest.h"

namespace {

using platform::Text;
namespace sim = platform::sim;
using Lines = std::vector<Text>;

constexpr std::uint32_t kWarnung = platform::kMbOk | platform::kMbIconExclamation;
constexpr std::uint32_t kFrage = platform::kMbYesNo | platform::kMbIconExclamation;
const Text kRetryText =
    L"Eine OLE-Verbindung zu Act! ist nicht möglich.\r\n"
    L"Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\r\n"
    L"Weiter versuchen ?";

class ClACTApplicationTest : public testsupport::SimDesktopTest {
  protected:
    platform::actmodel::ActState& Act() { return sim::Act().State(); }
    Lines Journal() { return sim::Act().JournalLines(); }

    void StartAct() {
        Act().running = true;
        Act().openDatabase = L"C:\\ACT\\Daten\\Kunden.dbf";
        Act().version = L"6.0 Build 120";
    }

    int Count(const Text& line) {
        Lines lines = Journal();
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

    clACTApplication act;
};

TEST_F(ClACTApplicationTest, WithoutActEveryOperationGivesItsNeutralResultSilently) {
    EXPECT_EQ(act.ACTgestartet(), platform::kFalse);
    EXPECT_EQ(act.ACTDatenbank(), L"");
    EXPECT_EQ(act.ACTVersion(), L"");
    EXPECT_EQ(act.aktuellerViewTyp(), -1);
    EXPECT_EQ(act.CloseDatenbank(), platform::kFalse);
    EXPECT_TRUE(platform::IsEmpty(act.OpenDatenbank(L"C:\\K.dbf")));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(sim::Servers().activations, 0);
    EXPECT_EQ(sim::Messages().dispatches, 0);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(ClACTApplicationTest, HiddenMainWindowCountsAsNotRunningAndActIsNotContacted) {
    StartAct();
    Act().window.visible = false;
    EXPECT_EQ(act.ACTgestartet(), platform::kFalse);
    EXPECT_EQ(act.ACTDatenbank(), L"");
    EXPECT_TRUE(Journal().empty());
}

TEST_F(ClACTApplicationTest, MinimisedMainWindowCountsAsRunning) {
    StartAct();
    Act().window.minimised = true;
    EXPECT_EQ(act.ACTgestartet(), platform::kTrue);
}

TEST_F(ClACTApplicationTest, EitherCaptionMakesActCountAsRunning) {
    StartAct();
    Act().window.caption = L"Kundenmanager - Kunden";
    EXPECT_EQ(act.ACTgestartet(), platform::kTrue);
    Act().window.caption = L"ACT!";
    EXPECT_EQ(act.ACTgestartet(), platform::kTrue);
    Act().window.caption = L"Act! kontakte";
    EXPECT_EQ(act.ACTgestartet(), platform::kFalse);
}

TEST_F(ClACTApplicationTest, WindowTestRunsBothSearchesAndNeverTheServer) {
    StartAct();
    EXPECT_EQ(act.ACTgestartet(), platform::kTrue);
    EXPECT_EQ(sim::Windows().enumerations, 2);
    EXPECT_EQ(sim::Servers().activations, 0);
}

TEST_F(ClACTApplicationTest, AnyVisibleWindowOfActsClassAndCaptionCounts) {
    sim::AddWindow(L"ACT3.0FrameClass", L"ACT! - Kundenmanager");
    EXPECT_EQ(act.ACTgestartet(), platform::kTrue);
}

TEST_F(ClACTApplicationTest, DatabaseIsAskedOfAFreshObjectThatIsReleased) {
    StartAct();
    EXPECT_EQ(act.ACTDatenbank(), L"C:\\ACT\\Daten\\Kunden.dbf");
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.GetOpenDBName()", L"release App"}));
    EXPECT_EQ(sim::Messages().dispatches, 1);
    EXPECT_EQ(sim::Windows().enumerations, 2);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(ClACTApplicationTest, NoOpenDatabaseGivesEmptyText) {
    StartAct();
    Act().openDatabase.clear();
    EXPECT_EQ(act.ACTDatenbank(), L"");
}

TEST_F(ClACTApplicationTest, EmptyResultOfActReadsAsEmptyText) {
    StartAct();
    Act().resultOverrides[L"App.GetOpenDBName"] = platform::Empty();
    EXPECT_EQ(act.ACTDatenbank(), L"");
}

TEST_F(ClACTApplicationTest, VersionIsAskedWithTheIntegerOne) {
    StartAct();
    EXPECT_EQ(act.ACTVersion(), L"6.0 Build 120");
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.GetVersion(I2 1)", L"release App"}));
}

TEST_F(ClACTApplicationTest, EachOperationConnectsAnew) {
    StartAct();
    act.ACTVersion();
    act.ACTDatenbank();
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.GetVersion(I2 1)", L"release App",
                                L"create App", L"App.GetOpenDBName()", L"release App"}));
    EXPECT_EQ(sim::Servers().activations, 2);
    EXPECT_EQ(sim::Windows().enumerations, 4);
}

TEST_F(ClACTApplicationTest, OpenHandsThePathByReferenceAndDropsTheResult) {
    StartAct();
    platform::Variant result = act.OpenDatenbank(L"C:\\ACT\\Neu.dbf");
    EXPECT_TRUE(platform::IsEmpty(result));
    EXPECT_EQ(Act().openDatabase, L"C:\\ACT\\Neu.dbf");
    EXPECT_EQ(Journal(), (Lines{L"create App", L"call App.OpenDB(BSTR& \"C:\\ACT\\Neu.dbf\")",
                                L"release App"}));
}

TEST_F(ClACTApplicationTest, OpenGivesEmptyEvenWhenActRefuses) {
    StartAct();
    Act().resultOverrides[L"App.OpenDB"] = std::int32_t{7};
    EXPECT_TRUE(platform::IsEmpty(act.OpenDatenbank(L"C:\\ACT\\Neu.dbf")));
}

TEST_F(ClACTApplicationTest, CloseSucceedsSilentlyWhenActGivesZero) {
    StartAct();
    EXPECT_EQ(act.CloseDatenbank(), platform::kTrue);
    EXPECT_EQ(Act().openDatabase, L"");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.CloseDB()", L"release App"}));
}

TEST_F(ClACTApplicationTest, CloseCountsAnEmptyResultAsSuccess) {
    StartAct();
    Act().resultOverrides[L"App.CloseDB"] = platform::Empty();
    EXPECT_EQ(act.CloseDatenbank(), platform::kTrue);
    EXPECT_TRUE(Boxes().empty());
}

struct CloseAnswer {
    const char* what;
    platform::RawVariant raw;
    platform::TruthValue closed;
    const wchar_t* shownNumber;  // the number in the class's message, nullptr for no message
    std::int32_t failure;
};

TEST_F(ClACTApplicationTest, CloseCountsOnlyTheNumberZeroAsClosed) {
    using platform::RawVariant;
    const CloseAnswer table[] = {
        {"false", RawVariant::Integer(platform::kVtBool, 0), platform::kTrue, nullptr, 0},
        {"negative zero", RawVariant::Real(platform::kVtR8, -0.0), platform::kTrue, nullptr, 0},
        {"decimal zero", RawVariant::Decimal(false, 3, 0, 0), platform::kTrue, nullptr, 0},
        {"zero as text", RawVariant::String(L" 0 "), platform::kTrue, nullptr, 0},
        {"fraction", RawVariant::Real(platform::kVtR8, 0.4), platform::kFalse, L"0.4", 0},
        {"fraction as text", RawVariant::String(L"-0.4"), platform::kFalse, L"-0.4", 0},
        {"empty text", RawVariant::String(L""), platform::kFalse, nullptr, platform::kTypeMismatch},
        {"sign alone", RawVariant::String(L"-"), platform::kFalse, nullptr,
         platform::kTypeMismatch},
        {"above 2^31", RawVariant::Integer(platform::kVtUi4, 3000000000), platform::kFalse,
         L"3000000000", 0},
        {"8 bytes", RawVariant::Integer(platform::kVtI8, -5), platform::kFalse, L"-5", 0},
        {"Null", RawVariant::OfType(platform::kVtNull), platform::kFalse, nullptr,
         platform::kInvalidUseOfNull},
        {"error value", RawVariant::Integer(platform::kVtError, 5), platform::kFalse, nullptr,
         platform::kTypeMismatch},
    };
    StartAct();
    for (const CloseAnswer& row : table) {
        sim::Boxes() = sim::MessageBoxes();
        Act().rawResults[L"App.CloseDB"] = {row.raw};
        platform::TruthValue closed = platform::kFalse;
        EXPECT_EQ(testsupport::FailureNumberOf([&] { closed = act.CloseDatenbank(); }), row.failure)
            << row.what;
        EXPECT_EQ(closed, row.closed) << row.what;
        if (row.shownNumber == nullptr) {
            EXPECT_TRUE(Boxes().empty()) << row.what;
        } else {
            ASSERT_EQ(Boxes().size(), 1u) << row.what;
            EXPECT_EQ(Boxes()[0].text,
                      L"Fehler in Klasse ACTApplication - CloseDB\r\n"
                      L"ACT!-Fehlernummer:" +
                          Text(row.shownNumber) +
                          L"\r\nDie Datenbank konnte nicht geschlossen werden.")
                << row.what;
        }
    }
}

TEST_F(ClACTApplicationTest, CloseReportsActsNegativeErrorNumber) {
    StartAct();
    Act().closeDbResult = -1234;
    EXPECT_EQ(act.CloseDatenbank(), platform::kFalse);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text,
              L"Fehler in Klasse ACTApplication - CloseDB\r\n"
              L"ACT!-Fehlernummer:-1234\r\n"
              L"Die Datenbank konnte nicht geschlossen werden.");
    EXPECT_EQ(Boxes()[0].title, L"Quendelhof");
    EXPECT_EQ(Boxes()[0].style, kWarnung);
    EXPECT_EQ(Act().openDatabase, L"C:\\ACT\\Daten\\Kunden.dbf");
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(ClACTApplicationTest, CloseReportsAPositiveNumberWithoutSign) {
    StartAct();
    Act().closeDbResult = 17;
    EXPECT_EQ(act.CloseDatenbank(), platform::kFalse);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].text.find(L"\r\nACT!-Fehlernummer:17\r\n"), Text::npos);
}

TEST_F(ClACTApplicationTest, ViewTypeComesFromTheActiveView) {
    StartAct();
    Act().activeViewType = 3;
    EXPECT_EQ(act.aktuellerViewTyp(), 3);
    EXPECT_EQ(Journal(), (Lines{L"create App", L"App.Views()", L"create Views",
                                L"Views.GetActive()", L"create ActiveView", L"ActiveView.Type()",
                                L"release Views", L"release App", L"release ActiveView"}));
    // Once after the connection, once before and once after fetching the view.
    EXPECT_EQ(sim::Messages().dispatches, 3);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ClACTApplicationTest, MissingViewCollectionIsReported) {
    StartAct();
    Act().viewsNothing = 1;
    EXPECT_EQ(act.aktuellerViewTyp(), -1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, L"OLE-Verbindung zu ACT! ist nicht möglich.(View)");
    EXPECT_EQ(Boxes()[0].style, kWarnung);
    EXPECT_EQ(Count(L"Views.GetActive()"), 0);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(ClACTApplicationTest, RetryGoesOnWhileTheUserSaysYesAndEndsAtTheFirstView) {
    StartAct();
    Act().activeViewNothing = 3;
    Act().activeViewType = 1;
    sim::AnswerNextBoxes({platform::kIdYes, platform::kIdYes, platform::kIdYes});
    EXPECT_EQ(act.aktuellerViewTyp(), 1);
    ASSERT_EQ(Boxes().size(), 3u);
    for (const auto& box : Boxes()) {
        EXPECT_EQ(box.text, kRetryText);
        EXPECT_EQ(box.style, kFrage);
        EXPECT_EQ(box.title, L"Quendelhof");
    }
    EXPECT_EQ(Count(L"Views.GetActive()"), 4);
    EXPECT_EQ(Count(L"create App"), 1);
    EXPECT_EQ(sim::Messages().dispatches, 1 + 2 * 4);
    EXPECT_EQ(sim::UnscriptedBoxCount(), 0);
}

TEST_F(ClACTApplicationTest, RetryEndsAtTheFirstNo) {
    StartAct();
    Act().activeViewNothing = 5;
    sim::AnswerNextBoxes({platform::kIdYes, platform::kIdNo, platform::kIdYes});
    EXPECT_EQ(act.aktuellerViewTyp(), -1);
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Count(L"Views.GetActive()"), 2);
    EXPECT_EQ(Count(L"ActiveView.Type()"), 0);
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

struct NothingAnswer {
    const char* what;
    const wchar_t* member;
    Text box;
    std::uint32_t style;
};

TEST_F(ClACTApplicationTest, EmptyResultInPlaceOfAViewCountsAsNothing) {
    const NothingAnswer table[] = {
        {"view collection", L"App.Views", L"OLE-Verbindung zu ACT! ist nicht möglich.(View)",
         kWarnung},
        {"active view", L"Views.GetActive", kRetryText, kFrage},
    };
    StartAct();
    for (const NothingAnswer& row : table) {
        sim::Boxes() = sim::MessageBoxes();
        Act().rawResults.clear();
        Act().rawResults[row.member] = {platform::RawVariant::OfType(platform::kVtEmpty)};
        if (row.style == kFrage) {
            sim::AnswerNextBoxes({platform::kIdNo});
        }
        std::int32_t type = 0;
        EXPECT_EQ(testsupport::FailureNumberOf([&] { type = act.aktuellerViewTyp(); }), 0)
            << row.what;
        EXPECT_EQ(type, -1) << row.what;
        EXPECT_FALSE(act.DiagnoseHeldObjects().Any()) << row.what;
        EXPECT_EQ(Boxes().size(), 1u) << row.what;
        if (!Boxes().empty()) {
            EXPECT_EQ(Boxes()[0].text, row.box) << row.what;
            EXPECT_EQ(Boxes()[0].style, row.style) << row.what;
        }
    }
}

TEST_F(ClACTApplicationTest, FailureOfActPassesWithItsNumberAndKeepsTheFields) {
    StartAct();
    Act().faults[L"App.GetVersion"] = {-2147467259, L"Datenbank ist gesperrt", -1};
    try {
        act.ACTVersion();
        FAIL() << "no failure";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), -2147467259);
        EXPECT_EQ(failure.Description(), L"Datenbank ist gesperrt");
    }
    EXPECT_EQ(act.DiagnoseHeldObjects(),
              (clACTApplication::HeldObjects{true, false, false, false, false}));
    EXPECT_EQ(Count(L"release App"), 0);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ClACTApplicationTest, NextOperationAfterAFailureStartsClean) {
    StartAct();
    Act().faults[L"ActiveView.Type"] = {1001, L"Kein Fenster", 1};
    EXPECT_THROW(act.aktuellerViewTyp(), platform::Failure);
    EXPECT_EQ(act.DiagnoseHeldObjects(),
              (clACTApplication::HeldObjects{true, true, true, false, false}));
    sim::Act().ClearJournal();

    EXPECT_EQ(act.ACTDatenbank(), L"C:\\ACT\\Daten\\Kunden.dbf");
    EXPECT_EQ(Journal(), (Lines{L"release Views", L"release App", L"release ActiveView",
                                L"create App", L"App.GetOpenDBName()", L"release App"}));
    EXPECT_FALSE(act.DiagnoseHeldObjects().Any());
}

TEST_F(ClACTApplicationTest, FieldsKeptAfterAFailureGoWithTheObject) {
    StartAct();
    {
        clACTApplication local;
        Act().faults[L"App.CloseDB"] = {5, L"x", 1};
        EXPECT_THROW(local.CloseDatenbank(), platform::Failure);
        EXPECT_EQ(Count(L"release App"), 0);
    }
    EXPECT_EQ(Count(L"release App"), 1);
}

TEST_F(ClACTApplicationTest, ResultOfTheWrongKindIsAFailure) {
    StartAct();
    Act().resultOverrides[L"App.CloseDB"] = Text(L"geschlossen");
    try {
        act.CloseDatenbank();
        FAIL() << "no failure";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), platform::kTypeMismatch);
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ClACTApplicationTest, FailingActivationPassesToTheCaller) {
    StartAct();
    Act().creationFault = platform::actmodel::Fault{-2147023174, L"Server nicht verfügbar", 1};
    try {
        act.ACTDatenbank();
        FAIL() << "no failure";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), -2147023174);
        EXPECT_EQ(failure.Description(), L"Server nicht verfügbar");
    }
    EXPECT_EQ(act.ACTDatenbank(), L"C:\\ACT\\Daten\\Kunden.dbf");
}

TEST_F(ClACTApplicationTest, ActStoppingBetweenWindowTestAndActivationIsAFailure) {
    StartAct();
    // The window is still there, but the server can no longer be started.
    sim::UnregisterServer(L"ACTOLE.APPOBJECT");
    try {
        act.ACTVersion();
        FAIL() << "no failure";
    } catch (const platform::Failure& failure) {
        EXPECT_EQ(failure.Number(), 429);
    }
}

TEST_F(ClACTApplicationTest, MessagesDispatchedWhileConnectingMayRunTheCallersCode) {
    StartAct();
    int seenWithApp = 0;
    sim::Messages().onDispatch = [&] {
        if (act.DiagnoseHeldObjects().objACT) {
            ++seenWithApp;
        }
    };
    act.ACTDatenbank();
    EXPECT_EQ(seenWithApp, 1);
}

}  // namespace
