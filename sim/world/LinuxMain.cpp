// The Linux program: runs Quendelhof on the simulated desktop of a world folder.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "RunReport.h"
#include "World.h"
#include "platform/Entry.h"
#include "platform/MessageBox.h"
#include "sim/desktop/SimDesktop.h"
#include "sim/desktop/SimText.h"

namespace {

using platform::Text;
namespace sim = platform::sim;

const char* IconName(std::uint32_t style) {
    switch (style & platform::kMbIconMask) {
        case platform::kMbIconQuestion:
            return "Frage";
        case platform::kMbIconExclamation:
            return "Warnung";
        case platform::kMbIconInformation:
            return "Information";
        default:
            return "kein Symbol";
    }
}

bool IsYesNo(std::uint32_t style) {
    return (style & platform::kMbButtonsMask) == platform::kMbYesNo;
}

void DrawBox(const sim::MessageBoxRecord& box) {
    std::string text = sim::ToUtf8(box.text);
    std::string rule(60, '-');
    std::printf("+%s\n| %s  [%s]\n+%s\n", rule.c_str(), sim::ToUtf8(box.title).c_str(),
                IconName(box.style), rule.c_str());
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find("\r\n", start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::printf("| %s\n", line.c_str());
        if (end == std::string::npos) {
            break;
        }
        start = end + 2;
    }
    std::printf("+%s\n", rule.c_str());
    std::fflush(stdout);
}

std::int32_t AskAtTerminal(const sim::MessageBoxRecord& box) {
    DrawBox(box);
    std::ifstream tty("/dev/tty");
    while (true) {
        std::printf(IsYesNo(box.style) ? "  [J]a / [N]ein? " : "  [OK] mit der Eingabetaste ");
        std::fflush(stdout);
        std::string line;
        if (!std::getline(tty, line)) {
            return IsYesNo(box.style) ? platform::kIdNo : platform::kIdOk;
        }
        if (!IsYesNo(box.style)) {
            return platform::kIdOk;
        }
        if (!line.empty() &&
            (line[0] == 'j' || line[0] == 'J' || line[0] == 'y' || line[0] == 'Y')) {
            return platform::kIdYes;
        }
        if (!line.empty() && (line[0] == 'n' || line[0] == 'N')) {
            return platform::kIdNo;
        }
    }
}

void PrintAnsweredBox(const sim::MessageBoxRecord& box) {
    DrawBox(box);
    const char* word = box.answer == platform::kIdYes  ? "Ja"
                       : box.answer == platform::kIdNo ? "Nein"
                                                       : "OK";
    std::printf("  -> %s%s\n", word, box.scripted ? "" : " (keine Antwort vorgegeben)");
    std::fflush(stdout);
}

void Usage() {
    std::printf(
        "Aufruf: quendelhof [--world ORDNER] [ARGUMENT]\n"
        "Fuehrt Quendelhof auf dem simulierten Desktop des Weltordners aus (Standard: ./world).\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path world = "world";
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        Usage();
        return 0;
    }
    if (argc > 2 && std::strcmp(argv[1], "--world") == 0) {
        world = argv[2];
        first = 3;
    }
    sim::TheDesktop() = sim::Desktop();
    sim::LoadWorld(world);

    // The argument text: the words after the program's name, joined by one blank each.
    std::string argument;
    for (int i = first; i < argc; ++i) {
        argument += (i > first ? " " : "");
        argument += argv[i];
    }
    sim::Program().argumentText = sim::FromUtf8(argument);
    // The simulated program sees the environment of this process (QUENDELHOF_WAIT, say).
    for (char** variable = environ; *variable != nullptr; ++variable) {
        std::string entry = *variable;
        std::size_t equals = entry.find('=');
        if (equals != std::string::npos && equals > 0) {
            sim::Program().environment[sim::FromUtf8(entry.substr(0, equals))] =
                sim::FromUtf8(entry.substr(equals + 1));
        }
    }

    if (isatty(STDIN_FILENO) && sim::Boxes().script.empty()) {
        sim::Boxes().responder = AskAtTerminal;
    } else {
        sim::Boxes().observer = PrintAnsweredBox;
    }

    sim::RunReport report;
    int exitCode = quendelhof::Run();
    sim::SaveWorld(world);
    std::printf("%s", report.Describe().c_str());
    std::printf("Exit-Code: %d\n", exitCode);
    return exitCode;
}
