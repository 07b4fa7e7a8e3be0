#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "platform/FileFacts.h"
#include "platform/RegistryViews.h"
#include "platform/SystemFacts.h"
#include "platform/core/TextUtil.h"
#include "switch/Existenztest.h"
#include "switch/modKurznameVon.h"

namespace pruefung {

namespace {

using platform::RegistryView;
using platform::Text;

const Text kInstallKey = L"SOFTWARE\\Symantec\\ACT!\\Install\\5.0";
const Text kProgIdKey = L"SOFTWARE\\Classes\\ACTOLE.APPOBJECT\\CLSID";
const Text kClassKey = L"SOFTWARE\\Classes\\CLSID\\";

// A text value of HKEY_LOCAL_MACHINE in the view; an empty text counts as none.
std::optional<Text> Lies(RegistryView view, const Text& key, const Text& name) {
    std::optional<Text> wert = platform::ReadMachineText(view, key, name);
    return wert && !wert->empty() ? wert : std::nullopt;
}

Text OhneSchraegstrich(const Text& pfad) {
    Text kurz = pfad;
    while (kurz.size() > 3 && kurz.back() == L'\\') {
        kurz.pop_back();
    }
    return platform::LowerCase(kurz);
}

// The same file, in long or short form.
bool GleicheDatei(const Text& a, const Text& b) {
    if (OhneSchraegstrich(a) == OhneSchraegstrich(b)) {
        return true;
    }
    const Text kurzA = modKurznameVon::KurznameVon(a);
    return !kurzA.empty() &&
           platform::LowerCase(kurzA) == platform::LowerCase(modKurznameVon::KurznameVon(b));
}

// InstallDir and ACT.EXE there, as the program finds them; gives the path of ACT.EXE, or
// nothing when InstallDir is not where the program reads it.
std::optional<Text> PruefeInstallDir(Bericht& bericht, bool windows64) {
    const auto ordner = Lies(RegistryView::Bits32, kInstallKey, L"InstallDir");
    const auto ordner64 =
        windows64 ? Lies(RegistryView::Bits64, kInstallKey, L"InstallDir") : std::nullopt;
    if (!ordner) {
        bericht.Fuege(ordner64 ? pruefungstext::InstallDirNur64(*ordner64)
                               : pruefungstext::InstallDirFehlt());
        return std::nullopt;
    }
    bericht.Fuege(ordner64 && OhneSchraegstrich(*ordner64) != OhneSchraegstrich(*ordner)
                      ? pruefungstext::InstallDirAbweichend(*ordner, *ordner64)
                      : pruefungstext::InstallDirGut(*ordner));
    // The program's own way to ACT!'s program file.
    const Text actExe = *ordner + L"\\ACT.EXE";
    if (!modHaupt::DateiExistiert(actExe)) {
        bericht.Fuege(pruefungstext::ActExeFehlt(actExe));
        return actExe;
    }
    bericht.Fuege(pruefungstext::ActExeVorhanden(actExe));
    const auto version = platform::ReadFileVersion(actExe);
    if (!version) {
        bericht.Fuege(pruefungstext::DateiversionFehlt());
    } else {
        const Text text = std::to_wstring(version->major) + L"." + std::to_wstring(version->minor) +
                          L"." + std::to_wstring(version->revision);
        bericht.Fuege(version->major == 6 ? pruefungstext::DateiversionGut(text)
                                          : pruefungstext::DateiversionFalsch(text));
    }
    return actExe;
}

void PruefeServer(Bericht& bericht, bool windows64, const std::optional<Text>& actExe) {
    // ProgIDs stand in both views on Windows 7 and later; older ones keep a 32-bit ACT!'s in the
    // 32-bit view, where the program looks as well.
    auto klasse = Lies(RegistryView::Bits32, kProgIdKey, L"");
    if (!klasse && windows64) {
        klasse = Lies(RegistryView::Bits64, kProgIdKey, L"");
    }
    if (!klasse) {
        bericht.Fuege(pruefungstext::ProgIdFehlt());
        return;
    }
    const Text serverKey = kClassKey + *klasse + L"\\LocalServer32";
    const auto eintrag = Lies(RegistryView::Bits32, serverKey, L"");
    if (!eintrag) {
        bericht.Fuege(windows64 && Lies(RegistryView::Bits64, serverKey, L"")
                          ? pruefungstext::KlasseNurAndereAnsicht(*klasse)
                          : pruefungstext::KlasseOhneServer(*klasse));
        return;
    }
    const Text datei = ServerPfad(*eintrag);
    if (!modHaupt::DateiExistiert(datei)) {
        bericht.Fuege(pruefungstext::ServerFehlt(datei));
    } else if (actExe && !GleicheDatei(datei, *actExe)) {
        bericht.Fuege(pruefungstext::ServerWoanders(datei, *actExe));
    } else {
        bericht.Fuege(pruefungstext::ServerGut(datei));
    }
}

}  // namespace

Text ServerPfad(const Text& eintrag) {
    const std::size_t anfang = eintrag.find_first_not_of(L" \t");
    if (anfang == Text::npos) {
        return Text();
    }
    if (eintrag[anfang] == L'"') {
        const std::size_t ende = eintrag.find(L'"', anfang + 1);
        return eintrag.substr(anfang + 1, ende == Text::npos ? Text::npos : ende - anfang - 1);
    }
    const std::size_t exe = platform::LowerCase(eintrag).find(L".exe", anfang);
    if (exe != Text::npos) {
        return eintrag.substr(anfang, exe + 4 - anfang);
    }
    const std::size_t ende = eintrag.find_last_not_of(L" \t");
    return eintrag.substr(anfang, ende + 1 - anfang);
}

void PruefeInstallation(Bericht& bericht) {
    const bool windows64 = platform::GetWindowsVersion().windows64;
    const std::optional<Text> actExe = PruefeInstallDir(bericht, windows64);
    PruefeServer(bericht, windows64, actExe);
}

}  // namespace pruefung
