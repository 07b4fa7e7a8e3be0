// Any argument text through the command line tests, on a small file tree where existing and
// missing files, a folder and a hidden file occur.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileSearch.h"
#include "platform/MessageBox.h"
#include "sim/desktop/SimDesktop.h"
#include "sim/desktop/SimText.h"
#include "switch/Existenztest.h"
#include "switch/modHaupt.h"

namespace {

namespace sim = platform::sim;

void MakeTree() {
    std::filesystem::path root = std::filesystem::temp_directory_path() / "quendelhof-fuzz-tree";
    std::filesystem::create_directories(root / "Daten" / "Ordner.dbf");
    for (const char* name :
         {"K.dbf", "L.cly", "G.gly", "L.lay", "abc", "Daten/Müller.dbf", "Daten/V.dbf", " B.cly"}) {
        std::ofstream(root / name) << "x";
    }
    std::filesystem::current_path(root);
    sim::TheDesktop() = sim::Desktop();
    sim::SetFileAttributes(root / "Daten" / "V.dbf", platform::kFileAttributeHidden);
    sim::MapDrive(L'C', root);
}

}  // namespace

// Corpus folders must be given as absolute paths: the tree becomes the current folder.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MakeTree();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::Boxes() = sim::MessageBoxes();
    modHaupt::Zuruecksetzen();
    sim::Program().argumentText =
        sim::FromUtf8(std::string(reinterpret_cast<const char*>(data), size));

    platform::TruthValue result = modHaupt::PruefeBefehlszeile();
    const modHaupt::Laufzustand& zustand = modHaupt::Zustand();
    const auto& boxes = sim::Boxes().shown;
    for (const auto& box : boxes) {
        if (box.title != L"Quendelhof" ||
            box.style != (platform::kMbOk | platform::kMbIconExclamation)) {
            std::abort();
        }
    }
    if (result == platform::kTrue) {
        // Every path taken names an existing ordinary file.
        if (!modHaupt::DateiExistiert(zustand.strDatenbank) ||
            (!zustand.strKontaktlayout.empty() &&
             !modHaupt::DateiExistiert(zustand.strKontaktlayout)) ||
            (!zustand.strGruppenlayout.empty() &&
             !modHaupt::DateiExistiert(zustand.strGruppenlayout))) {
            std::abort();
        }
    } else if (result != platform::kFalse || boxes.empty() ||
               boxes.back().text.find(L" wurde nicht gefunden.") == platform::Text::npos) {
        std::abort();
    }
    return 0;
}
