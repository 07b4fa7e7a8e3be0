// Quendelhof.exe with an argument: the tests of the three files, their messages and the exit
// codes, on the real file system and with real message boxes. ACT! is neither running nor
// installed here, so an argument that passes its tests ends with the message that ACT! was not
// found.
#include <gtest/gtest.h>

#include "Meldungen.h"
#include "ScenarioTest.h"

namespace winetest {
namespace {

using meldungen::Id;
ExpectedBox DatenbankFehlt(const std::wstring& piece) {
    return Erwartet(Id::DatenbankdateiFehlt, {piece});
}
ExpectedBox KontaktlayoutFehlt(const std::wstring& piece) {
    return Erwartet(Id::KontaktlayoutdateiFehlt, {piece});
}
ExpectedBox KeineKontaktlayoutdatei(const std::wstring& piece) {
    return Erwartet(Id::KeineKontaktlayoutdatei, {piece});
}
ExpectedBox GruppenlayoutFehlt(const std::wstring& piece) {
    return Erwartet(Id::GruppenlayoutdateiFehlt, {piece});
}
ExpectedBox KeineGruppenlayoutdatei(const std::wstring& piece) {
    return Erwartet(Id::KeineGruppenlayoutdatei, {piece});
}

class BefehlszeileScenario : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        MakeFile(L"K.dbf");
        MakeFile(L"L.cly");
        MakeFile(L"G.gly");
    }
};

TEST_F(BefehlszeileScenario, ThreeExistingFilesPassOnToTheSwitch) {
    ExpectRun(Run(L"K.dbf,L.cly,G.gly", {Button::Ok}), kAngehalten, {AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, FullPathsAreAccepted) {
    ExpectRun(
        Run(PathOf(L"K.dbf") + L"," + PathOf(L"L.cly") + L"," + PathOf(L"G.gly"), {Button::Ok}),
        kAngehalten, {AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, MissingDatabaseStopsTheRun) {
    ExpectRun(Run(L"Fehlt.dbf,L.cly,G.gly", {Button::Ok}), kAngehalten,
              {DatenbankFehlt(L"Fehlt.dbf")});
}

TEST_F(BefehlszeileScenario, MissingDatabaseWithFullPathIsNamedAsGiven) {
    std::wstring missing = PathOf(L"Daten\\Fehlt.dbf");
    ExpectRun(Run(missing, {Button::Ok}), kAngehalten, {DatenbankFehlt(missing)});
}

TEST_F(BefehlszeileScenario, MissingContactLayoutStopsTheRun) {
    ExpectRun(Run(L"K.dbf,Fehlt.cly,G.gly", {Button::Ok}), kAngehalten,
              {KontaktlayoutFehlt(L"Fehlt.cly")});
}

TEST_F(BefehlszeileScenario, MissingGroupLayoutStopsTheRun) {
    ExpectRun(Run(L"K.dbf,L.cly,Fehlt.gly", {Button::Ok}), kAngehalten,
              {GruppenlayoutFehlt(L"Fehlt.gly")});
}

TEST_F(BefehlszeileScenario, OnlyTheFirstMissingFileIsReported) {
    ExpectRun(Run(L"Fehlt.dbf,Fehlt.cly,Fehlt.gly", {Button::Ok}), kAngehalten,
              {DatenbankFehlt(L"Fehlt.dbf")});
    ExpectRun(Run(L"K.dbf,Fehlt.cly,Fehlt.gly", {Button::Ok}), kAngehalten,
              {KontaktlayoutFehlt(L"Fehlt.cly")});
}

TEST_F(BefehlszeileScenario, WrongContactLayoutExtensionWarnsAndIsAccepted) {
    MakeFile(L"L.lay");
    ExpectRun(Run(L"K.dbf,L.lay,G.gly", {Button::Ok, Button::Ok}), kAngehalten,
              {KeineKontaktlayoutdatei(L"L.lay"), AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, WrongGroupLayoutExtensionWarnsAndIsAccepted) {
    MakeFile(L"G.lay");
    ExpectRun(Run(L"K.dbf,L.cly,G.lay", {Button::Ok, Button::Ok}), kAngehalten,
              {KeineGruppenlayoutdatei(L"G.lay"), AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, BothWarningsComeInOrder) {
    MakeFile(L"L.lay");
    MakeFile(L"G.lay");
    ExpectRun(
        Run(L"K.dbf,L.lay,G.lay", {Button::Ok, Button::Ok, Button::Ok}), kAngehalten,
        {KeineKontaktlayoutdatei(L"L.lay"), KeineGruppenlayoutdatei(L"G.lay"), AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, WarningThenMissingGroupLayoutStops) {
    MakeFile(L"L.lay");
    ExpectRun(Run(L"K.dbf,L.lay,Fehlt.gly", {Button::Ok, Button::Ok}), kAngehalten,
              {KeineKontaktlayoutdatei(L"L.lay"), GruppenlayoutFehlt(L"Fehlt.gly")});
}

TEST_F(BefehlszeileScenario, ExtensionTestIgnoresCaseAndShortNames) {
    MakeFile(L"L2.CLY");
    MakeFile(L"abcd");
    ExpectRun(Run(L"K.dbf,L2.CLY,abcd", {Button::Ok}), kAngehalten, {AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, EmptyContactPieceStillTestsTheGroupLayout) {
    MakeFile(L"G.lay");
    ExpectRun(Run(L"K.dbf,,G.lay", {Button::Ok, Button::Ok}), kAngehalten,
              {KeineGruppenlayoutdatei(L"G.lay"), AnwendungFehlt()});
    ExpectRun(Run(L"K.dbf,,Fehlt.gly", {Button::Ok}), kAngehalten,
              {GruppenlayoutFehlt(L"Fehlt.gly")});
}

TEST_F(BefehlszeileScenario, PiecesAfterTheThirdAreIgnored) {
    ExpectRun(Run(L"K.dbf,L.cly,G.gly,Fehlt.xyz", {Button::Ok}), kAngehalten, {AnwendungFehlt()});
}

TEST_F(BefehlszeileScenario, FolderIsNoDatabase) {
    MakeFolder(L"Ordner.dbf");
    ExpectRun(Run(L"Ordner.dbf", {Button::Ok}), kAngehalten, {DatenbankFehlt(L"Ordner.dbf")});
}

TEST_F(BefehlszeileScenario, HiddenFileIsNoDatabase) {
    MakeFile(L"Versteckt.dbf", FILE_ATTRIBUTE_HIDDEN);
    ExpectRun(Run(L"Versteckt.dbf", {Button::Ok}), kAngehalten, {DatenbankFehlt(L"Versteckt.dbf")});
}

TEST_F(BefehlszeileScenario, WildcardsMatchAsInAFileSearch) {
    ExpectRun(Run(L"K*.dbf,?.cly,*.gly", {Button::Ok}), kAngehalten, {AnwendungFehlt()});
    ExpectRun(Run(L"X*.dbf", {Button::Ok}), kAngehalten, {DatenbankFehlt(L"X*.dbf")});
}

TEST_F(BefehlszeileScenario, WildcardMatchingOnlyAFolderFindsNoDatabase) {
    MakeFolder(L"Ordner.dbf");
    ExpectRun(Run(L"Ord*.dbf", {Button::Ok}), kAngehalten, {DatenbankFehlt(L"Ord*.dbf")});
}

TEST_F(BefehlszeileScenario, BlankAfterACommaBelongsToTheNextPath) {
    ExpectRun(Run(L"K.dbf, L.cly", {Button::Ok}), kAngehalten, {KontaktlayoutFehlt(L" L.cly")});
}

TEST_F(BefehlszeileScenario, UmlautsInPathsAreFoundAndShown) {
    MakeFile(L"Müller.dbf");
    MakeFile(L"Übersicht.cly");
    ExpectRun(Run(L"Müller.dbf,Übersicht.cly,G.gly", {Button::Ok}), kAngehalten,
              {AnwendungFehlt()});
    ExpectRun(Run(L"Müller.dbf,Bücher.cly", {Button::Ok}), kAngehalten,
              {KontaktlayoutFehlt(L"Bücher.cly")});
}

TEST_F(BefehlszeileScenario, CharacterOutsideTheAnsiCodePageFailsWithItsMessage) {
    // The file exists, but its name cannot be written in code page 1252.
    MakeFile(L"Дом.dbf");
    MakeFile(L"Ωmega.cly");
    ExpectRun(Run(L"Дом.dbf", {Button::Ok}), kAngehalten, {DatenbankFehlt(L"Дом.dbf")});
    ExpectRun(Run(L"K.dbf,Ωmega.cly", {Button::Ok}), kAngehalten,
              {KontaktlayoutFehlt(L"Ωmega.cly")});
}

TEST_F(BefehlszeileScenario, ArgumentBeginningWithACommaNamesAnEmptyDatabase) {
    ExpectRun(Run(L",L.cly,G.gly", {Button::Ok}), kAngehalten, {DatenbankFehlt(L"")});
}

}  // namespace
}  // namespace winetest
