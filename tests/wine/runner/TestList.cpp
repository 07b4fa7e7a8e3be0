#include "TestList.h"

#include <sstream>

#include "tools/Utf8Text.h"

namespace testrunner {

namespace {

using winetest::FromUtf8;

std::string Trimmed(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::string();
    }
    std::size_t last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

// The line's first word and, in `rest`, what follows it (leading blanks removed).
std::string FirstWord(const std::string& line, std::string& rest) {
    std::size_t end = line.find_first_of(" \t");
    std::string word = line.substr(0, end);
    rest = end == std::string::npos ? std::string() : Trimmed(line.substr(end));
    return word;
}

bool Seconds(const std::string& word, DWORD& seconds) {
    if (word.empty() || word.size() > 5 ||
        word.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    seconds = static_cast<DWORD>(std::stoul(word));
    return seconds > 0;
}

}  // namespace

std::vector<ListedProgram> ReadList(const std::string& text, std::wstring& error) {
    std::vector<ListedProgram> programs;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::string rest;
        std::string kind = FirstWord(line, rest);
        ListedProgram program;
        program.whole = kind == "whole";
        bool valid = program.whole || kind == "each";
        valid = valid && Seconds(FirstWord(rest, rest), program.seconds);
        if (valid && program.whole) {
            program.name = FromUtf8(FirstWord(rest, rest));
        }
        program.program = FromUtf8(FirstWord(rest, rest));
        program.arguments = FromUtf8(rest);
        if (!valid || program.program.empty() || (program.whole && program.name.empty())) {
            error = L"line " + std::to_wstring(number) + L" is not a test program's line: " +
                    FromUtf8(line);
            return {};
        }
        programs.push_back(program);
    }
    return programs;
}

std::vector<std::wstring> ParseTestNames(const std::string& listing) {
    std::vector<std::wstring> names;
    std::istringstream lines(listing);
    std::string line;
    std::string suite;
    while (std::getline(lines, line)) {
        std::string rest;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        if (line[0] != ' ') {
            // "Suite." or "Suite.  # TypeParam = ..."
            suite = FirstWord(Trimmed(line), rest);
            continue;
        }
        std::string test = FirstWord(Trimmed(line), rest);
        if (!suite.empty() && suite.back() == '.' && !test.empty()) {
            names.push_back(FromUtf8(suite + test));
        }
    }
    return names;
}

}  // namespace testrunner
