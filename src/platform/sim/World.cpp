#include "World.h"

#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "../MessageBox.h"
#include "ActWorld.h"
#include "SimDesktop.h"
#include "Utf8.h"

namespace platform::sim {

namespace {

std::string Trimmed(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    std::size_t last = line.find_last_not_of(" \t\r\n");
    return line.substr(first, last - first + 1);
}

std::int32_t AnswerOf(std::string word) {
    for (char& c : word) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (word == "ja" || word == "yes" || word == "j" || word == "y") {
        return kIdYes;
    }
    if (word == "nein" || word == "no" || word == "n") {
        return kIdNo;
    }
    return kIdOk;
}

const char* AnswerWord(std::int32_t answer) {
    return answer == kIdYes ? "Ja" : answer == kIdNo ? "Nein" : "OK";
}

void LoadDrives(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "drives", error)) {
        std::string name = entry.path().filename().string();
        if (entry.is_directory(error) && name.size() == 1 &&
            std::isalpha(static_cast<unsigned char>(name[0]))) {
            MapDrive(static_cast<wchar_t>(name[0]), entry.path());
        }
    }
}

void LoadAnswers(const std::filesystem::path& folder) {
    std::ifstream in(folder / "answers.txt");
    std::string line;
    while (std::getline(in, line)) {
        std::string word = Trimmed(line);
        if (!word.empty() && word[0] != '#') {
            Boxes().script.push_back(AnswerOf(word));
        }
    }
}

void SaveAnswers(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder / "answers.txt", error)) {
        return;
    }
    std::ofstream out(folder / "answers.txt", std::ios::trunc);
    for (std::int32_t answer : Boxes().script) {
        out << AnswerWord(answer) << '\n';
    }
}

void LoadAct(const std::filesystem::path& folder) {
    std::ifstream in(folder / "act.ini");
    if (in) {
        ReadActState(in);
    }
}

// Only a world that has a simulated ACT! gets its state written back.
void SaveAct(const std::filesystem::path& folder) {
    std::error_code error;
    if (!std::filesystem::exists(folder / "act.ini", error)) {
        return;
    }
    std::ofstream out(folder / "act.ini", std::ios::trunc);
    WriteActState(out);
}

}  // namespace

void LoadWorld(const std::filesystem::path& folder) {
    LoadDrives(folder);
    LoadAnswers(folder);
    LoadAct(folder);
}

void SaveWorld(const std::filesystem::path& folder) {
    SaveAnswers(folder);
    SaveAct(folder);
}

}  // namespace platform::sim
