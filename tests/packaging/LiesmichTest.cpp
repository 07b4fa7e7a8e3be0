// The user's guide quotes every message that Quendelhof.exe can show, word for word: the test
// walks the program's whole message list. Each text, with the placeholders where a run fills in
// a path, a number or a description, must stand in LIESMICH.txt as whole lines (indentation
// aside); a line that is only a placeholder stands for lines the guide shows by example, and
// the lines on either side of it stand whole on their own. Each title stands as Titel "<title>".
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "QuendelhofVersion.h"
#include "meldungen/Meldungen.h"
#include "platform/core/Utf8.h"

namespace {

using meldungen::Meldung;
using platform::Text;

// What the build fills into the guide; every other placeholder stands in it as it is.
Text GuideValue(const wchar_t* platzhalter) {
    const Text name = platzhalter;
    if (name == L"<Produkt>") {
        return QUENDELHOF_PRODUCT_NAME_W;
    }
    return name == L"<Version>" ? Text(QUENDELHOF_VERSION_W) : name;
}

Text AsInTheGuide(const Meldung& meldung, bool titel) {
    std::vector<Text> werte;
    for (const wchar_t* platzhalter : meldung.platzhalter) {
        werte.push_back(platzhalter != nullptr ? GuideValue(platzhalter) : Text());
    }
    auto fill = titel ? meldungen::Titel : meldungen::Wortlaut;
    return fill(meldung.id, {werte[0], werte[1], werte[2]});
}

bool IsPlaceholder(const Meldung& meldung, const Text& line) {
    return std::any_of(
        meldung.platzhalter.begin(), meldung.platzhalter.end(),
        [&](const wchar_t* platzhalter) { return platzhalter != nullptr && line == platzhalter; });
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

// The lines of a text between those that are only a placeholder.
std::vector<std::vector<Text>> Blocks(const Meldung& meldung, const std::vector<Text>& lines) {
    std::vector<std::vector<Text>> blocks(1);
    for (const Text& line : lines) {
        if (IsPlaceholder(meldung, line)) {
            blocks.emplace_back();
        } else {
            blocks.back().push_back(line);
        }
    }
    return blocks;
}

TEST(LiesmichTest, QuotesEveryMessageOfTheProgramWordForWord) {
    Text text = GuideText();
    std::vector<Text> guide = TrimmedLines(text, L"\n");
    ASSERT_GT(guide.size(), 100u) << "the guide " << QH_LIESMICH_TXT << " is missing or short";
    for (const Meldung& meldung : meldungen::Alle()) {
        if (!meldung.vonQuendelhofExe) {
            continue;
        }
        const Text titel = AsInTheGuide(meldung, true);
        const std::string name = std::to_string(static_cast<std::size_t>(meldung.id));
        EXPECT_TRUE(IsPlaceholder(meldung, titel) ||
                    text.find(L"Titel \"" + titel + L"\"") != Text::npos)
            << "LIESMICH.txt lacks the title of message " << name << " as Titel \""
            << platform::ToUtf8(titel) << "\"";
        const Text wortlaut = AsInTheGuide(meldung, false);
        for (const std::vector<Text>& block : Blocks(meldung, TrimmedLines(wortlaut, L"\r\n"))) {
            EXPECT_TRUE(HoldsAsWholeLines(guide, block))
                << "LIESMICH.txt lacks message " << name << "; these lines, word for word:\n"
                << platform::ToUtf8(wortlaut);
        }
    }
}

}  // namespace
