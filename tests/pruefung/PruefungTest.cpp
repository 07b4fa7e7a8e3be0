// The workstation check's own logic where the Wine desk-state table cannot reach it: the
// program file of a LocalServer32 entry, QUENDELHOF_WAIT read or ignored, and a folder that
// ordinary users may write to (Wine keeps no access lists of files), on the simulated desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "platform/Program.h"
#include "pruefung/Pruefungen.h"
#include "sim/desktop/SimDesktop.h"

namespace {

using platform::Text;

struct Eintrag {
    Text eintrag;
    Text datei;
};

class ServerPfadTest : public ::testing::TestWithParam<Eintrag> {};

TEST_P(ServerPfadTest, TakesTheProgramFileOfTheEntry) {
    EXPECT_EQ(pruefung::ServerPfad(GetParam().eintrag), GetParam().datei);
}

INSTANTIATE_TEST_SUITE_P(
    Eintraege, ServerPfadTest,
    ::testing::Values(Eintrag{L"\"C:\\Program Files\\ACT\\ACT.EXE\" /automation",
                              L"C:\\Program Files\\ACT\\ACT.EXE"},
                      Eintrag{L"  C:\\PROGRA~1\\ACT\\Act.exe /automation",
                              L"C:\\PROGRA~1\\ACT\\Act.exe"},
                      Eintrag{L"C:\\ACT\\ACTSERVER ", L"C:\\ACT\\ACTSERVER"},
                      Eintrag{L"\"C:\\ACT\\ACT.EXE", L"C:\\ACT\\ACT.EXE"}, Eintrag{L"  ", L""}));

struct Ordner {
    const char* name;
    std::vector<platform::UserGroup> schreiber;
    bool unlesbar;
    pruefung::Marke marke;
    Text gruppen;  // named in the line
};

class ProgrammordnerTest : public ::testing::TestWithParam<Ordner> {};

TEST_P(ProgrammordnerTest, ReportsWhoMayWriteInTheProgramsFolder) {
    platform::sim::TheDesktop() = platform::sim::Desktop();
    platform::sim::Program().folder = L"C:\\Quendelhof";
    auto& workstation = platform::sim::Workstation();
    workstation.folderWriters[L"c:\\quendelhof"] = GetParam().schreiber;
    if (GetParam().unlesbar) {
        workstation.unreadableFolders.insert(L"c:\\quendelhof");
    }
    pruefung::Bericht bericht;
    pruefung::PruefeProgramm(bericht);
    auto zeile =
        std::find_if(bericht.Zeilen().begin(), bericht.Zeilen().end(),
                     [](const pruefung::Zeile& z) { return z.punkt == L"Programmordner"; });
    ASSERT_NE(zeile, bericht.Zeilen().end());
    EXPECT_EQ(zeile->marke, GetParam().marke);
    EXPECT_NE(zeile->befund.find(GetParam().gruppen), Text::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Ordner, ProgrammordnerTest,
    ::testing::Values(
        Ordner{"OnlyAdministrators", {}, false, pruefung::Marke::Ok, L"nicht schreiben"},
        Ordner{"AuthenticatedUsers",
               {platform::UserGroup::AuthenticatedUsers, platform::UserGroup::Everyone},
               false,
               pruefung::Marke::Hinweis,
               L"Authentifizierte Benutzer, Jeder. "},
        Ordner{"Unreadable", {}, true, pruefung::Marke::Hinweis, L"icacls"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Wartezeit {
    const char* name;
    std::optional<Text> wert;
    pruefung::Marke marke;
    Text grenzen;
};

class WartezeitTest : public ::testing::TestWithParam<Wartezeit> {};

TEST_P(WartezeitTest, ReportsTheLimitsAndAValueThatIsIgnored) {
    platform::sim::TheDesktop() = platform::sim::Desktop();
    if (GetParam().wert) {
        platform::sim::Program().environment[L"QUENDELHOF_WAIT"] = *GetParam().wert;
    }
    pruefung::Bericht bericht;
    pruefung::PruefeWartezeit(bericht);
    ASSERT_EQ(bericht.Zeilen().size(), 1u);
    EXPECT_EQ(bericht.Zeilen()[0].marke, GetParam().marke);
    EXPECT_NE(bericht.Zeilen()[0].befund.find(GetParam().grenzen), Text::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, WartezeitTest,
    ::testing::Values(
        Wartezeit{"NotSet", std::nullopt, pruefung::Marke::Ok, L"30 s ohne Antwort, 10 s"},
        Wartezeit{"Fraction", L"busy=0,125 hang=2,5", pruefung::Marke::Ok,
                  L"2,5 s ohne Antwort, 0,125 s"},
        Wartezeit{"TheDefaultsNamed", L"hang=30", pruefung::Marke::Ok, L"30 s ohne Antwort"},
        Wartezeit{"Unreadable", L"hang=0.05,warte=5", pruefung::Marke::Hinweis,
                  L"30 s ohne Antwort, 10 s"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
