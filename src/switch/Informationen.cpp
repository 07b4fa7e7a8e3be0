#include <memory>
#include <optional>
#include <string>

#include "act/ACTGeduld.h"
#include "act/clACTApplication.h"
#include "meldungen/ZeigeMeldung.h"
#include "modHaupt.h"
#include "modHauptZustand.h"
#include "modKurznameVon.h"
#include "platform/Clipboard.h"
#include "platform/Program.h"
#include "winservices/modRegistry.h"

namespace modHaupt {

namespace {

using platform::Text;

const Text kLayoutKey = L"Software\\Symantec\\ACT!\\Layout";

// A layout path from ACT!'s settings; a missing value, or one that is no text, counts as empty.
Text LiesLayout(const Text& strName) {
    platform::Variant vntWert =
        modRegistry::RegistryGetKeyValue(platform::kHkeyCurrentUser, kLayoutKey, strName);
    const Text* text = std::get_if<Text>(&vntWert);
    return text != nullptr ? *text : Text();
}

// ACT!'s open database as ACT! answers it; nothing when ACT! has gone while it was asked, which
// counts as ACT! not running.
std::optional<Text> OffeneDatenbank(clACTApplication& objACT) {
    const actgeduld::FortGiltAlsNichtGestartet fortGiltAlsNichtGestartet;
    try {
        return objACT.ACTDatenbank();
    } catch (const actgeduld::ACTFort&) {
        return std::nullopt;
    }
}

// The example command line: the quoted program path, a blank and the short paths.
Text BildeBeispiel(const Text& strDatenbank, const Text& strKontakt, const Text& strGruppe) {
    Text strOrdner = platform::ProgramFolder();
    Text strName = platform::ProgramFileName();
    // The root folder of a drive already ends with its backslash.
    Text trenner = !strOrdner.empty() && strOrdner.back() == L'\\' ? Text() : Text(L"\\");
    Text beispiel = L"\"" + strOrdner + trenner + strName + L".exe\" " +
                    modKurznameVon::KurznameVon(strDatenbank);
    if (!strKontakt.empty()) {
        beispiel += L"," + modKurznameVon::KurznameVon(strKontakt);
    }
    if (!strGruppe.empty()) {
        beispiel += L"," + modKurznameVon::KurznameVon(strGruppe);
    }
    return beispiel;
}

// The version as major.minor.revision.
Text Versionsnummer(const platform::ProgramVersion& version) {
    return std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + L"." +
           std::to_wstring(version.revision);
}

}  // namespace

void ZeigeInformationen() {
    Laufzustand& zustand = detail::Zustand();
    platform::ProgramVersion version = platform::GetProgramVersion();
    zustand.objACTApplication = std::make_shared<clACTApplication>();
    Text strKontakt = LiesLayout(L"CurrentContactLayout");
    Text strGruppe = LiesLayout(L"CurrentGroupLayout");

    Text beispiel;
    Text beispielTeil;
    // Asked once whether there is a database, and once more for its path; ACT! gone before
    // either answer leaves no example.
    std::optional<Text> strDatenbank;
    if (!OffeneDatenbank(*zustand.objACTApplication).value_or(Text()).empty()) {
        strDatenbank = OffeneDatenbank(*zustand.objACTApplication);
    }
    if (strDatenbank) {
        beispiel = BildeBeispiel(*strDatenbank, strKontakt, strGruppe);
        beispielTeil = meldungen::Wortlaut(meldungen::Id::Beispiel, {beispiel});
    }

    // The message is shown whether the clipboard could be had or not.
    static_cast<void>(platform::PutTextOnClipboard(beispiel));
    meldungen::ZeigeMeldung(meldungen::Id::Informationen,
                            {version.productName, Versionsnummer(version), beispielTeil});
}

}  // namespace modHaupt
