// Shared set-up of the tests of a whole run: a simulated ACT! 6, layout files and the
// registry that ACT! keeps its settings in.
#pragma once

#include <optional>
#include <vector>

#include "platform/Registry.h"
#include "sim/desktop/SimAct.h"
#include "sim/desktop/SimWaiting.h"
#include "support/SimDesktopTest.h"

namespace testsupport {

class WechselTestBasis : public SimDesktopTest {
  protected:
    using Text = platform::Text;
    using Lines = std::vector<Text>;

    inline static const Text kDatabaseKey = L"Software\\Symantec\\ACT!\\Database";
    inline static const Text kLayoutKey = L"Software\\Symantec\\ACT!\\Layout";
    inline static const Text kInstallKey = L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0";

    // The files that SetUp makes on drive C:, and a command line naming the second database
    // with both layouts.
    inline static const Text kKunden = L"C:\\ACT\\Daten\\Kunden.dbf";
    inline static const Text kNeu = L"C:\\ACT\\Daten\\Neu.dbf";
    inline static const Text kKontakt = L"C:\\ACT\\Layouts\\Kontakt.cly";
    inline static const Text kGruppe = L"C:\\ACT\\Layouts\\Gruppe.gly";
    inline static const Text kAlles = kNeu + L"," + kKontakt + L"," + kGruppe;

    void SetUp() override {
        SimDesktopTest::SetUp();
        platform::sim::MapDrive(L'C', Folder() / "c");
        MakeFile("c/ACT/Daten/Kunden.dbf");
        MakeFile("c/ACT/Daten/Neu.dbf");
        MakeFile("c/ACT/Layouts/Kontakt.cly");
        MakeFile("c/ACT/Layouts/Gruppe.gly");
        MakeFile("c/Programme/ACT/ACT.EXE");
    }

    platform::actmodel::ActState& Act() { return platform::sim::Act().State(); }
    Lines Journal() { return platform::sim::Act().JournalLines(); }

    void StartAct(const Text& openDatabase = L"C:\\ACT\\Daten\\Kunden.dbf") {
        Act().running = true;
        Act().version = L"6.0";
        Act().openDatabase = openDatabase;
    }

    void InstallAct(const Text& installDir = L"C:\\Programme\\ACT") {
        platform::sim::SetRegistryText(platform::kHkeyLocalMachine, kInstallKey, L"InstallDir",
                                       installDir);
    }

    // One run of the program, a process of its own.
    int Run(const Text& argument) {
        platform::sim::Program().argumentText = argument;
        platform::sim::EndedProcess().reset();
        return modHaupt::Programmlauf();
    }

    // The text of a REG_SZ value in ACT!'s database settings, or nothing.
    std::optional<Text> DatabaseSetting(const Text& name) {
        auto value = platform::sim::RegistryValueOf(platform::kHkeyCurrentUser, kDatabaseKey, name);
        if (!value) {
            return std::nullopt;
        }
        Text text;
        for (std::uint8_t byte : value->data) {
            text.push_back(static_cast<wchar_t>(byte));
        }
        return text;
    }

    bool AnythingWritten() {
        return !platform::sim::RegistryCallsOf(L"RegSetValueExA").empty() ||
               !platform::sim::RegistryCallsOf(L"RegCreateKeyExA").empty();
    }
};

}  // namespace testsupport
