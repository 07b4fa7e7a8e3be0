// The workstation check, QuendelhofPruefung.exe (beside the program under test), on one table of
// desk states with the stand-in ACT! 6: the marks of the lines that matter, the exit code, the
// report on the clipboard, and that the check changed nothing: no call in ACT!'s journal that
// changes ACT!, ACT!'s registry keys as they were, no ACT! started. (A folder that users may
// write to is no desk state here: Wine keeps no access lists of files; tests/pruefung has it.)
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "ActScenarioTest.h"
#include "Meldungen.h"
#include "standin/StandinIds.h"
#include "tools/ClipboardText.h"

namespace winetest {
namespace {

using Marken = std::map<std::wstring, std::wstring>;

std::wstring PruefungExe(const std::wstring& quendelhofExe) {
    return quendelhofExe.substr(0, quendelhofExe.find_last_of(L'\\')) + L"\\QuendelhofPruefung.exe";
}

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

// The mark of each checked point, as the report's lines "[Mark] Point: ..." give them (the
// worst where a point has more than one line).
Marken MarkenDes(const std::wstring& bericht) {
    static const std::vector<std::wstring> rang = {L"OK", L"Hinweis", L"Fehler"};
    Marken marken;
    std::size_t start = 0;
    while (start < bericht.size()) {
        std::size_t ende = std::min(bericht.find(L"\r\n", start), bericht.size());
        std::wstring zeile = bericht.substr(start, ende - start);
        start = ende + 2;
        std::size_t zu = zeile.find(L"] ");
        std::size_t doppelpunkt = zeile.find(L": ");
        if (zeile.empty() || zeile[0] != L'[' || zu == std::wstring::npos ||
            doppelpunkt == std::wstring::npos) {
            continue;
        }
        std::wstring marke = zeile.substr(1, zu - 1);
        std::wstring& alt = marken[zeile.substr(zu + 2, doppelpunkt - zu - 2)];
        auto stelle = [&](const std::wstring& m) {
            return std::find(rang.begin(), rang.end(), m) - rang.begin();
        };
        if (alt.empty() || stelle(marke) > stelle(alt)) {
            alt = marke;
        }
    }
    return marken;
}

const std::wstring kClassKey =
    std::wstring(L"SOFTWARE\\Classes\\CLSID\\") + standin::kApplicationClsidText;
const std::wstring kProgIdKey = L"SOFTWARE\\Classes\\ACTOLE.APPOBJECT";

enum class Pult {
    NichtInstalliert,
    InstalliertNichtGestartet,
    LaeuftUndAntwortet,
    Act5,
    Beschaeftigt,
    Haengt,
    OhneProgId,
    KlasseNurIn64BitAnsicht,
    ServerWoanders,
};

struct Zeile {
    const char* name;
    Pult pult;
    Marken marken;  // the lines that matter in this state
    DWORD exitCode;
};

class PruefungScenario : public ActScenarioTest, public ::testing::WithParamInterface<Zeile> {
  protected:
    void SetUp() override {
        ActScenarioTest::SetUp();
        // What earlier tests' stand-ins left registered: no ACT! 6 has been here.
        for (RegView view : {RegView::Bits32, RegView::Bits64}) {
            Reg(L"delete \"HKLM\\" + kProgIdKey + L"\" /f", view);
            Reg(L"delete \"HKLM\\" + kClassKey + L"\" /f", view);
        }
        ASSERT_TRUE(SetClipboardText(L"vorher"));
        pruefung_ = PruefungExe(QuendelhofExe());
    }
    void TearDown() override {
        Reg(L"delete \"HKLM\\" + kClassKey + L"\" /f", RegView::Bits64);
        ActScenarioTest::TearDown();
    }

    // Installs the stand-in and lets it register its server, as ACT!'s setup would; it is not
    // running afterwards, and its journal is gone.
    void Installiere() {
        SetInstallDir(Act().Folder());
        StartAct(L"[ACT]\n");
        StopAct();
        ASSERT_TRUE(DeleteFileW((Act().Folder() + L"\\" + standin::kJournalFile).c_str()));
    }

    void Richte(Pult pult) {
        SetCurrentLayouts(contact_, group_);
        const std::wstring datenbank = L"[ACT]\ndatabase=" + db_ + L"\n";
        switch (pult) {
            case Pult::NichtInstalliert:
                break;
            case Pult::InstalliertNichtGestartet:
                Installiere();
                break;
            case Pult::LaeuftUndAntwortet:
                SetInstallDir(PathOf(L"ACT"));
                StartAct(datenbank);
                break;
            case Pult::Act5:
                SetInstallDir(PathOf(L"ACT"));
                StartAct(datenbank + L"version=5.0\n");
                break;
            case Pult::Beschaeftigt:
                SetWaitTimes(L"busy=1,hang=10");
                SetInstallDir(PathOf(L"ACT"));
                StartAct(datenbank + L"busy=60000\n");
                break;
            case Pult::Haengt:
                SetWaitTimes(L"hang=1");
                SetInstallDir(PathOf(L"ACT"));
                StartAct(datenbank + L"delay.App.GetVersion=never\n");
                break;
            case Pult::OhneProgId:
                Installiere();
                for (RegView view : {RegView::Bits32, RegView::Bits64}) {
                    Reg(L"delete \"HKLM\\" + kProgIdKey + L"\" /f", view);
                }
                break;
            case Pult::KlasseNurIn64BitAnsicht:
                Installiere();
                ASSERT_EQ(Reg(L"delete \"HKLM\\" + kClassKey + L"\" /f", RegView::Bits32), 0);
                ASSERT_EQ(Reg(L"add \"HKLM\\" + kClassKey + L"\\LocalServer32\" /ve /d \"" +
                                  Act().Program() + L"\" /f",
                              RegView::Bits64),
                          0);
                break;
            case Pult::ServerWoanders: {
                Installiere();
                std::wstring andere = MakeFolder(L"ACT alt") + L"\\ACT.EXE";
                ASSERT_TRUE(CopyFileW(Act().Program().c_str(), andere.c_str(), FALSE));
                ASSERT_EQ(Reg(L"add \"HKLM\\" + kClassKey + L"\\LocalServer32\" /ve /d \"\\\"" +
                                  andere + L"\\\" /automation\" /f",
                              RegView::Bits32),
                          0);
                break;
            }
        }
    }

    // ACT!'s keys that the check must leave as they are.
    std::vector<std::optional<std::map<std::wstring, std::wstring>>> Schluessel() {
        std::vector<std::optional<std::map<std::wstring, std::wstring>>> alle = {
            RegExportStrings(L"HKCU\\Software\\Symantec\\ACT!\\Database"),
            RegExportStrings(L"HKCU\\Software\\Symantec\\ACT!\\Layout")};
        for (RegView view : {RegView::Bits32, RegView::Bits64}) {
            alle.push_back(RegExportStrings(L"HKLM\\SOFTWARE\\Symantec\\ACT!\\Install\\5.0", view));
            alle.push_back(RegExportStrings(L"HKLM\\" + kProgIdKey + L"\\CLSID", view));
            alle.push_back(RegExportStrings(L"HKLM\\" + kClassKey + L"\\LocalServer32", view));
        }
        return alle;
    }

    std::wstring pruefung_;
};

TEST_P(PruefungScenario, ReportsTheDeskAndChangesNothing) {
    const Zeile& zeile = GetParam();
    Richte(zeile.pult);
    const auto vorher = Schluessel();
    const bool actLief = Act().Running();

    RunResult run = RunRaw(pruefung_, Quoted(pruefung_), {Button::Ok});
    ASSERT_EQ(run.boxes.size(), 1u);
    const std::wstring bericht = run.boxes[0].text;
    SCOPED_TRACE(testing::Message() << "report:\n" << Utf8(bericht));
    EXPECT_EQ(run.boxes[0].title, L"Quendelhof-Prüfung");
    EXPECT_EQ(run.exitCode, zeile.exitCode);
    EXPECT_FALSE(run.timedOut);
    const Marken marken = MarkenDes(bericht);
    for (const auto& [punkt, marke] : zeile.marken) {
        auto gefunden = marken.find(punkt);
        EXPECT_EQ(gefunden == marken.end() ? L"(keine Zeile)" : gefunden->second, marke)
            << Utf8(punkt);
    }
    EXPECT_EQ(ReadClipboardText(), std::optional<std::wstring>(bericht));

    EXPECT_EQ(Schluessel(), vorher);
    if (actLief) {
        StopAct();
    }
    // Only questions that change nothing; ACT! started by the test alone, or not at all.
    const std::vector<std::wstring> erlaubt = {L"create App", L"release App", L"stopped",
                                               L"App.GetVersion(I2 1)", L"App.GetOpenDBName()"};
    int starts = 0;
    for (const std::wstring& eintrag : Act().Journal()) {
        if (eintrag.rfind(L"commandline ", 0) == 0) {
            ++starts;
        } else if (eintrag.rfind(L"layouts ", 0) != 0) {
            EXPECT_NE(std::find(erlaubt.begin(), erlaubt.end(), eintrag), erlaubt.end())
                << Utf8(eintrag);
        }
    }
    EXPECT_EQ(starts, actLief ? 1 : 0);
}

const std::wstring kOk = L"OK";
const std::wstring kHinweis = L"Hinweis";
const std::wstring kFehlerMarke = L"Fehler";

const std::wstring kInstalliert = L"ACT! 6 installiert";
const std::wstring kServer = L"Automationsserver";
const std::wstring kLaeuft = L"ACT! läuft";
const std::wstring kAntwortet = L"ACT! antwortet";

INSTANTIATE_TEST_SUITE_P(
    Pulte, PruefungScenario,
    ::testing::Values(
        Zeile{"NotInstalled",
              Pult::NichtInstalliert,
              {{kInstalliert, kFehlerMarke}, {kServer, kFehlerMarke}, {kLaeuft, kHinweis}},
              kFehler},
        Zeile{"InstalledNotRunning",
              Pult::InstalliertNichtGestartet,
              {{kInstalliert, kOk}, {L"ACT.EXE", kOk}, {kServer, kOk}, {kLaeuft, kHinweis}},
              kAngehalten},
        Zeile{"RunningAndAnswering",
              Pult::LaeuftUndAntwortet,
              {{kServer, kOk},
               {kLaeuft, kOk},
               {L"ACT!-Version", kOk},
               {L"Geöffnete Datenbank", kOk},
               {L"Datenbankdatei", kOk},
               {L"Kurzform", kOk},
               {L"Befehlszeile", kOk},
               {L"Kontaktlayout", kOk},
               {L"Quendelhof.exe", kOk},
               {L"Programmordner", kOk}},
              kErledigt},
        Zeile{"Act5", Pult::Act5, {{L"ACT!-Version", kFehlerMarke}}, kFehler},
        Zeile{"Busy", Pult::Beschaeftigt, {{kLaeuft, kOk}, {kAntwortet, kFehlerMarke}}, kFehler},
        Zeile{"Hung",
              Pult::Haengt,
              {{kLaeuft, kOk}, {kAntwortet, kFehlerMarke}, {L"Weitere Prüfungen", kHinweis}},
              kFehler},
        Zeile{
            "NoProgId", Pult::OhneProgId, {{kInstalliert, kOk}, {kServer, kFehlerMarke}}, kFehler},
        Zeile{"ClassIn64BitViewOnly",
              Pult::KlasseNurIn64BitAnsicht,
              {{kServer, kFehlerMarke}},
              kFehler},
        Zeile{"LocalServerElsewhere", Pult::ServerWoanders, {{kServer, kFehlerMarke}}, kFehler}),
    [](const ::testing::TestParamInfo<Zeile>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace winetest
