// The user's guide quotes every message that Quendelhof.exe can show, word for word: each text
// of the program, with placeholders where a run fills in a path, a number or a description,
// must stand in LIESMICH.txt as whole lines (indentation aside), and each title of a box as
// Titel "<title>".
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "QuendelhofVersion.h"
#include "act/ACTMeldungstexte.h"
#include "platform/Utf8.h"
#include "switch/Meldungstexte.h"
#include "winservices/ErrorBox.h"

namespace {

using platform::Text;

const Text kPfad = L"<Pfad>";
const Text kNummer = L"<Nummer>";
const Text kBeschreibung = L"<Beschreibung>";

struct Meldung {
    std::string name;
    Text text;
    bool titel = false;
};

// Every message of the program. A new message of the program gets a line here (and its text in
// packaging/LIESMICH.txt.in).
std::vector<Meldung> MeldungenDesProgramms() {
    namespace mt = modHaupt::meldungstext;
    const Text produkt = QUENDELHOF_PRODUCT_NAME_W;
    const platform::ProgramVersion version{QUENDELHOF_VERSION_MAJOR, QUENDELHOF_VERSION_MINOR,
                                           QUENDELHOF_VERSION_REVISION, produkt};
    return {
        {"information box: title", mt::InformationenTitel(produkt), true},
        {"information box: version", mt::Versionszeile(version)},
        {"information box: usage", mt::kAufruf},
        {"information box: no blanks", mt::kKeineLeerzeichen},
        {"information box: example", mt::kBeispielKopf},
        {"information box: example's source", mt::kBeispielHerkunft},
        {"information box: clipboard", mt::kBeispielZwischenablage},
        {"information box: copyright", mt::Copyright(produkt)},
        {"database file missing", mt::DatenbankdateiFehlt(kPfad)},
        {"contact layout missing", mt::KontaktlayoutdateiFehlt(kPfad)},
        {"no contact layout", mt::KeineKontaktlayoutdatei(kPfad)},
        {"group layout missing", mt::GruppenlayoutdateiFehlt(kPfad)},
        {"no group layout", mt::KeineGruppenlayoutdatei(kPfad)},
        {"only with ACT! 6", mt::kNurMitACT6},
        {"database open already", mt::DatenbankBereitsGeoeffnet(kPfad)},
        {"ACT!'s CloseDB failed", actmeldungstext::CloseDBFehler(kNummer)},
        {"database not closed", mt::kDatenbankNichtGeschlossen},
        {"ACT! not found", mt::kAnwendungNichtGefunden},
        {"ACT! busy", actmeldungstext::kACTBeschaeftigt},
        {"ACT! does not answer", actmeldungstext::kACTAntwortetNicht},
        {"ACT! did not answer", actmeldungstext::kACTHatNichtGeantwortet},
        {"ACT! still busy", actmeldungstext::kACTWeiterhinBeschaeftigt},
        {"ACT! gone", actmeldungstext::kACTNichtErreichbar},
        {"ACT! refuses the connection", actmeldungstext::kACTVerweigertVerbindung},
        {"another run", mt::kAndererLaufWartet},
        {"another run not ended", mt::kAndererLaufNichtBeendet},
        {"error box", winservices::ErrorBoxText(kNummer, kBeschreibung)},
    };
}

Text Trimmed(const Text& line) {
    std::size_t first = line.find_first_not_of(L" \t");
    if (first == Text::npos) {
        return Text();
    }
    return line.substr(first, line.find_last_not_of(L" \t") - first + 1);
}

std::vector<Text> TrimmedLines(const Text& text, const Text& separator) {
    std::vector<Text> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        lines.push_back(Trimmed(text.substr(start, end - start)));
        if (end == Text::npos) {
            return lines;
        }
        start = end + separator.size();
    }
}

bool HoldsAsWholeLines(const std::vector<Text>& guide, const std::vector<Text>& message) {
    for (std::size_t i = 0; i + message.size() <= guide.size(); ++i) {
        if (std::equal(message.begin(), message.end(), guide.begin() + i)) {
            return true;
        }
    }
    return false;
}

Text GuideText() {
    std::ifstream file(QH_LIESMICH_TXT, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return platform::FromUtf8(bytes.str());
}

TEST(LiesmichTest, QuotesEveryMessageOfTheProgramWordForWord) {
    Text text = GuideText();
    std::vector<Text> guide = TrimmedLines(text, L"\n");
    ASSERT_GT(guide.size(), 100u) << "the guide " << QH_LIESMICH_TXT << " is missing or short";
    for (const Meldung& meldung : MeldungenDesProgramms()) {
        if (meldung.titel) {
            EXPECT_NE(text.find(L"Titel \"" + meldung.text + L"\""), Text::npos)
                << "LIESMICH.txt lacks the title \"" << meldung.name << "\" as Titel \""
                << platform::ToUtf8(meldung.text) << "\"";
        } else {
            EXPECT_TRUE(HoldsAsWholeLines(guide, TrimmedLines(meldung.text, L"\r\n")))
                << "LIESMICH.txt lacks the message \"" << meldung.name
                << "\"; these lines, word for word:\n"
                << platform::ToUtf8(meldung.text);
        }
    }
}

}  // namespace
