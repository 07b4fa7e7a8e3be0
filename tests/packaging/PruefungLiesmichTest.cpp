// The user's guide quotes every line that the workstation check can report, word for word with
// placeholders where a run fills something in; the guide may wrap a line where it likes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/core/Utf8.h"
#include "pruefung/Pruefungstexte.h"

namespace {

using platform::Text;
namespace pt = pruefungstext;

// Blanks, tabs and line ends as one blank each run.
Text Zusammengezogen(const Text& text) {
    Text ergebnis;
    for (wchar_t c : text) {
        const bool leer = c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
        if (!leer) {
            ergebnis += c;
        } else if (!ergebnis.empty() && ergebnis.back() != L' ') {
            ergebnis += L' ';
        }
    }
    return ergebnis;
}

std::vector<pruefung::Zeile> AlleZeilen() {
    const Text p = L"<Pfad>";
    const Text z = L"<Zahl>";
    const Text t = L"<Text>";
    return {pt::Windows(L"<Version>", L"<Bits>", L"<Bits>"),
            pt::CodepageGut(z),
            pt::CodepageSchlecht(z),
            pt::Administrator(true),
            pt::Administrator(false),
            pt::OrdnerGeschuetzt(p),
            pt::OrdnerOffen(p, L"<Gruppen>"),
            pt::OrdnerUnbekannt(p),
            pt::KeinDownloadVermerk(),
            pt::DownloadVermerk(p),
            pt::QuendelhofGleich(L"<Version>"),
            pt::QuendelhofAnders(L"<Version>", L"<Version>"),
            pt::QuendelhofFehlt(p),
            pt::SigniertGueltig(),
            pt::NichtSigniert(),
            pt::SignaturUngueltig(),
            pt::SignaturUnbekannt(),
            pt::WartezeitNichtGesetzt(z, z),
            pt::WartezeitGelesen(t, z, z),
            pt::WartezeitUnlesbar(t, z, z),
            pt::InstallDirGut(p),
            pt::InstallDirAbweichend(p, p),
            pt::InstallDirNur64(p),
            pt::InstallDirFehlt(),
            pt::ActExeVorhanden(p),
            pt::ActExeFehlt(p),
            pt::DateiversionGut(L"<Version>"),
            pt::DateiversionFalsch(L"<Version>"),
            pt::DateiversionFehlt(),
            pt::ProgIdFehlt(),
            pt::KlasseNurAndereAnsicht(t),
            pt::KlasseOhneServer(t),
            pt::ServerFehlt(p),
            pt::ServerWoanders(p, p),
            pt::ServerGut(p),
            pt::LayoutVorhanden(L"Kontaktlayout", p),
            pt::LayoutFehlt(L"Kontaktlayout", p),
            pt::LayoutNichtGesetzt(L"Kontaktlayout"),
            pt::LayoutVorhanden(L"Gruppenlayout", p),
            pt::LayoutFehlt(L"Gruppenlayout", p),
            pt::LayoutNichtGesetzt(L"Gruppenlayout"),
            pt::ActLaeuft(),
            pt::ActLaeuftNicht(),
            pt::VersionGut(t, z),
            pt::VersionFalsch(t, z),
            pt::Beschaeftigt(z),
            pt::NichtErreichbar(),
            pt::Fehlermeldung(L"<Nummer>", L"<Beschreibung>"),
            pt::KeineAntwort(z),
            pt::NichtGeprueft(),
            pt::Datenbank(p, z),
            pt::KeineDatenbank(z),
            pt::DatenbankdateiVorhanden(),
            pt::DatenbankdateiFehlt(p),
            pt::KurzformGut(p),
            pt::KurzformMitLeerzeichen(p),
            pt::Befehlszeile(t)};
}

TEST(PruefungLiesmichTest, TheGuideQuotesEveryLineOfTheReport) {
    std::ifstream datei(QH_LIESMICH_TXT, std::ios::binary);
    ASSERT_TRUE(datei) << QH_LIESMICH_TXT;
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    const Text liesmich = Zusammengezogen(platform::FromUtf8(inhalt.str()));
    std::vector<Text> texte = {pt::kTitel, pt::kZwischenablage, pt::Ergebnis(0, 1),
                               pt::Kopf(L"<Version>", L"<Bits>")};
    for (const pruefung::Zeile& zeile : AlleZeilen()) {
        texte.push_back(pruefung::AlsText(zeile));
    }
    for (const Text& text : texte) {
        EXPECT_NE(liesmich.find(Zusammengezogen(text)), Text::npos)
            << platform::ToUtf8(Zusammengezogen(text));
    }
}

}  // namespace
