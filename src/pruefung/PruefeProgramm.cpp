#include "Pruefungen.h"
#include "Pruefungstexte.h"
#include "platform/FileFacts.h"
#include "platform/Program.h"
#include "switch/Existenztest.h"

namespace pruefung {

namespace {

using platform::Text;

Text Gruppenname(platform::UserGroup gruppe) {
    switch (gruppe) {
        case platform::UserGroup::Users:
            return L"Benutzer";
        case platform::UserGroup::AuthenticatedUsers:
            return L"Authentifizierte Benutzer";
        case platform::UserGroup::Everyone:
            break;
    }
    return L"Jeder";
}

Text Pfad(const Text& ordner, const Text& name) {
    return ordner + (!ordner.empty() && ordner.back() == L'\\' ? L"" : L"\\") + name;
}

Text Versionstext(const platform::ProgramVersion& version) {
    return std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) + L"." +
           std::to_wstring(version.revision);
}

void PruefeOrdner(Bericht& bericht, const Text& ordner) {
    const auto schreiber = platform::GroupsThatMayWrite(ordner);
    if (!schreiber) {
        bericht.Fuege(pruefungstext::OrdnerUnbekannt(ordner));
        return;
    }
    if (schreiber->empty()) {
        bericht.Fuege(pruefungstext::OrdnerGeschuetzt(ordner));
        return;
    }
    Text gruppen;
    for (platform::UserGroup gruppe : *schreiber) {
        gruppen += (gruppen.empty() ? L"" : L", ") + Gruppenname(gruppe);
    }
    bericht.Fuege(pruefungstext::OrdnerOffen(ordner, gruppen));
}

}  // namespace

void PruefeProgramm(Bericht& bericht) {
    const Text ordner = platform::ProgramFolder();
    PruefeOrdner(bericht, ordner);

    const Text selbst = Pfad(ordner, platform::ProgramFileName() + L".exe");
    const Text quendelhof = Pfad(ordner, L"Quendelhof.exe");
    bool markiert = false;
    for (const Text& datei : {selbst, quendelhof}) {
        if (platform::HasDownloadMark(datei)) {
            bericht.Fuege(pruefungstext::DownloadVermerk(datei));
            markiert = true;
        }
    }
    if (!markiert) {
        bericht.Fuege(pruefungstext::KeinDownloadVermerk());
    }

    if (!modHaupt::DateiExistiert(quendelhof)) {
        bericht.Fuege(pruefungstext::QuendelhofFehlt(ordner));
        return;
    }
    const Text eigene = Versionstext(platform::GetProgramVersion());
    const auto version = platform::ReadFileVersion(quendelhof);
    const Text gefunden = version ? Versionstext(*version) : Text(L"(keine)");
    bericht.Fuege(gefunden == eigene ? pruefungstext::QuendelhofGleich(eigene)
                                     : pruefungstext::QuendelhofAnders(gefunden, eigene));
    switch (platform::CheckSignature(quendelhof)) {
        case platform::SignatureState::Valid:
            bericht.Fuege(pruefungstext::SigniertGueltig());
            break;
        case platform::SignatureState::Unsigned:
            bericht.Fuege(pruefungstext::NichtSigniert());
            break;
        case platform::SignatureState::Invalid:
            bericht.Fuege(pruefungstext::SignaturUngueltig());
            break;
        case platform::SignatureState::Unknown:
            bericht.Fuege(pruefungstext::SignaturUnbekannt());
            break;
    }
}

}  // namespace pruefung
