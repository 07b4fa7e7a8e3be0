// Runs one operation of the program's ACT! class (clACTApplication) against whatever ACT! runs,
// and writes its result to a file, so that the Wine tests can reach courses of the class that
// Quendelhof.exe itself never takes. Test-only, never shipped.
//
//   qh_actdriver.exe RESULTFILE OPERATION [ARGUMENT...] [+ OPERATION [ARGUMENT...]]...
//
// RESULTFILE receives one UTF-8 line per operation: "result <value>", or "failure <number>
// <description>" when an error passed out of the operation, or "ended <exit code>" when the
// operation ended the run (the user gave up on ACT!, or ACT! is gone), after which the driver
// ends with that exit code; characters below U+0020 in a value are written as \xNN. Each operation
// runs on a new object of the class. Message boxes of the class are shown as in the program.
//
//   qh_actdriver.exe RESULTFILE Absturz Zugriffsverletzung|Terminate
//
// faults the program's own code in a way nothing handles (an access violation, or
// std::terminate as after an exception that leaves a noexcept function); the driver starts as
// the program does, so this shows what the program's start-up protections do with such a fault.
#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "act/clACTApplication.h"
#include "platform/Automation.h"
#include "platform/Waiting.h"
#include "platform/core/Failure.h"
#include "platform/core/Utf8.h"

namespace {

using platform::Text;

struct LocalFreer {
    void operator()(LPWSTR* arguments) const { LocalFree(arguments); }
};

using Operation = std::function<Text(clACTApplication&, const std::vector<Text>&)>;

Text Number(std::int32_t value) {
    return std::to_wstring(value);
}

const std::map<Text, Operation>& Operations() {
    static const std::map<Text, Operation> operations = {
        {L"ACTgestartet", [](clACTApplication& act,
                             const std::vector<Text>&) { return Number(act.ACTgestartet()); }},
        {L"ACTDatenbank",
         [](clACTApplication& act, const std::vector<Text>&) { return act.ACTDatenbank(); }},
        {L"ACTVersion",
         [](clACTApplication& act, const std::vector<Text>&) { return act.ACTVersion(); }},
        {L"aktuellerViewTyp",
         [](clACTApplication& act, const std::vector<Text>&) {
             return Number(act.aktuellerViewTyp());
         }},
        {L"CloseDatenbank", [](clACTApplication& act,
                               const std::vector<Text>&) { return Number(act.CloseDatenbank()); }},
        {L"getIDsAktuelleSuche",
         [](clACTApplication& act, const std::vector<Text>& args) {
             // "status": with a progress display of the stand-in's class.
             platform::ObjectRef status;
             if (!args.empty() && args[0] == L"status") {
                 status = platform::CreateAutomationObject(L"Quendelhof.TestStatus");
             }
             return act.getIDsAktuelleSuche(status);
         }},
        {L"GroupExist",
         [](clACTApplication& act, const std::vector<Text>& args) {
             return Number(act.GroupExist(args.at(0)));
         }},
        {L"AddGroup",
         [](clACTApplication& act, const std::vector<Text>& args) {
             return Number(act.AddGroup(args.at(0)));
         }},
        {L"AktuelleFeldID", [](clACTApplication& act,
                               const std::vector<Text>&) { return Number(act.AktuelleFeldID()); }},
        {L"getFeldwert",
         [](clACTApplication& act, const std::vector<Text>& args) {
             return act.getFeldwert(args.at(0), std::stoi(args.at(1)));
         }},
        {L"gehezuKonatkt",
         [](clACTApplication& act, const std::vector<Text>& args) {
             return Number(act.gehezuKonatkt(args.at(0)));
         }},
        {L"OpenDatenbank",
         [](clACTApplication& act, const std::vector<Text>& args) {
             return platform::IsEmpty(act.OpenDatenbank(args.at(0))) ? Text(L"empty")
                                                                     : Text(L"not empty");
         }},
    };
    return operations;
}

// Returns only when the kind is unknown.
int Crash(const Text& kind) {
    if (kind == L"Zugriffsverletzung") {
        static int* volatile nowhere = nullptr;
        *nowhere = 1;
        return 69;
    }
    if (kind == L"Terminate") {
        std::terminate();
    }
    return 68;
}

bool WriteResult(const Text& file, const Text& line) {
    FILE* out = _wfopen(file.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    std::string bytes = platform::ToUtf8(line) + "\n";
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

// Control characters (a NUL, a line break) would break the line apart.
Text Visible(const Text& value) {
    Text visible;
    for (wchar_t c : value) {
        if (c < 0x20) {
            const wchar_t* digits = L"0123456789ABCDEF";
            visible += L"\\x";
            visible.push_back(digits[c >> 4]);
            visible.push_back(digits[c & 0xF]);
        } else {
            visible.push_back(c);
        }
    }
    return visible;
}

Text Run(const std::vector<Text>& words) {
    auto operation = Operations().find(words.at(0));
    if (operation == Operations().end()) {
        return L"unknown operation " + words[0];
    }
    std::vector<Text> args(words.begin() + 1, words.end());
    try {
        clACTApplication act;
        return L"result " + Visible(operation->second(act, args));
    } catch (const platform::ProcessEnded&) {
        throw;
    } catch (...) {
        platform::Failure failure = platform::CurrentFailure();
        return L"failure " + Number(failure.Number()) + L" " + Visible(failure.Description());
    }
}

int Drive(const std::vector<Text>& words) {
    if (words.size() < 3) {
        return 64;
    }
    if (words[2] == L"Absturz") {
        return Crash(words.size() > 3 ? words[3] : Text());
    }
    Text lines;
    std::vector<Text> operation;
    for (std::size_t i = 2; i <= words.size(); ++i) {
        if (i < words.size() && words[i] != L"+") {
            operation.push_back(words[i]);
            continue;
        }
        if (operation.empty()) {
            return 65;
        }
        try {
            lines += (lines.empty() ? L"" : L"\n") + Run(operation);
        } catch (const platform::ProcessEnded& ende) {
            // The run ends here, as the program's would: nothing after it is done.
            lines += (lines.empty() ? L"" : L"\n") + (L"ended " + Number(ende.exitCode));
            return WriteResult(words[1], lines) ? ende.exitCode : 66;
        }
        operation.clear();
    }
    return WriteResult(words[1], lines) ? 0 : 66;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    HRESULT initialized = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int count = 0;
    std::unique_ptr<LPWSTR, LocalFreer> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<Text> words;
    for (int i = 0; arguments && i < count; ++i) {
        words.emplace_back(arguments.get()[i]);
    }
    int exitCode = 0;
    try {
        exitCode = Drive(words);
    } catch (...) {
        exitCode = 67;
    }
    if (SUCCEEDED(initialized)) {
        CoUninitialize();
    }
    return exitCode;
}
