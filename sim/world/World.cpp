#include "World.h"

#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "ActWorld.h"
#include "RegFile.h"
#include "platform/MessageBox.h"
#include "platform/core/TextUtil.h"
#include "sim/desktop/SimDesktop.h"
#include "sim/desktop/SimText.h"

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
    word = ToUtf8(platform::LowerCase(FromUtf8(word)));
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

// Roots of the registry file by their names, as the simulated registry has them.
Handle32 RootOf(const Text& keyPath, Text& subKey) {
    struct Root {
        const wchar_t* name;
        Handle32 handle;
    };
    static constexpr Root kRoots[] = {{L"HKEY_CURRENT_USER", kHkeyCurrentUser},
                                      {L"HKEY_LOCAL_MACHINE", kHkeyLocalMachine}};
    for (const Root& root : kRoots) {
        Text name = root.name;
        Text head = keyPath.substr(0, name.size());
        if (EqualsIgnoringCase(head, name) &&
            (keyPath.size() == name.size() || keyPath[name.size()] == L'\\')) {
            subKey = keyPath.size() > name.size() ? keyPath.substr(name.size() + 1) : Text();
            return root.handle;
        }
    }
    return 0;
}

void LoadRegistry(const std::filesystem::path& folder) {
    std::ifstream in(folder / "registry.reg", std::ios::binary);
    if (!in) {
        return;
    }
    std::stringstream content;
    content << in.rdbuf();
    for (const RegFileKey& key : ReadRegFile(content.str())) {
        Text subKey;
        Handle32 root = RootOf(key.path, subKey);
        if (root == 0 || !RegistryPath(root, subKey)) {
            continue;
        }
        CreateRegistryKey(root, subKey);
        for (const RegFileValue& value : key.values) {
            SetRegistryValue(root, subKey, value.name, value.type, value.data);
        }
    }
}

void SaveRegistry(const std::filesystem::path& folder) {
    std::error_code error;
    bool hadFile = std::filesystem::exists(folder / "registry.reg", error);
    std::vector<RegFileKey> keys;
    for (const auto& [folded, key] : Registry().keys) {
        if (key.path.find(L'\\') == Text::npos && key.values.empty()) {
            continue;  // a root without values of its own
        }
        RegFileKey saved{key.path, {}};
        for (const auto& [foldedName, value] : key.values) {
            saved.values.push_back({value.name, value.type, value.data});
        }
        keys.push_back(std::move(saved));
    }
    if (keys.empty() && !hadFile) {
        return;
    }
    std::ofstream out(folder / "registry.reg", std::ios::binary | std::ios::trunc);
    out << WriteRegFile(keys);
}

void LoadClipboard(const std::filesystem::path& folder) {
    std::ifstream in(folder / "clipboard.txt", std::ios::binary);
    if (in) {
        std::stringstream content;
        content << in.rdbuf();
        Clipboard().text = FromUtf8(content.str());
    }
}

void SaveClipboard(const std::filesystem::path& folder) {
    if (Clipboard().clears > 0 && Clipboard().text) {
        std::ofstream(folder / "clipboard.txt", std::ios::binary | std::ios::trunc)
            << ToUtf8(*Clipboard().text);
    }
}

}  // namespace

void LoadWorld(const std::filesystem::path& folder) {
    LoadDrives(folder);
    LoadAnswers(folder);
    LoadAct(folder);
    LoadRegistry(folder);
    LoadClipboard(folder);
}

void SaveWorld(const std::filesystem::path& folder) {
    SaveAnswers(folder);
    SaveAct(folder);
    SaveRegistry(folder);
    SaveClipboard(folder);
}

}  // namespace platform::sim
