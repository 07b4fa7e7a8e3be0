// The test bundle's runner: runs every test of the bundle's test programs (tests.txt beside it),
// one after another, each alone with its time limit, and writes a JUnit XML report and a summary
// line. The same program runs the bundle on Windows and, in the Wine test bed, on Linux.
//
//   qh_testrunner.exe [--out FOLDER] [--tries N] [--only TEXT] [--resume]
//   qh_testrunner.exe --check-act-keys
//
// --out        where results.xml, progress.txt and each test's output (logs\) go; default
//              test-results in the current folder
// --tries      runs a failed test up to N times (1 to 9; default 1): it passes when one passes
// --only       runs only the tests whose names hold TEXT
// --resume     goes on after the tests that progress.txt lists as finished
// --check-act-keys  only the check of ACT!'s keys: exit code 0 when the tests may run
//
// Exit codes: 0 every test passed or was skipped, 1 a test failed, 2 refused (ACT!'s keys of a
// real installation), 3 wrong use or a broken bundle, 75 the Wine bed must start its Wine anew
// (a COM server was killed) before the run goes on with --resume.
#include <windows.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "Results.h"
#include "TestList.h"
#include "platform/win32/Handles.h"
#include "tools/ActKeys.h"
#include "tools/BundleFolder.h"
#include "tools/TimeFactor.h"

namespace testrunner {

namespace {

constexpr int kFailed = 1;
constexpr int kRefused = 2;
constexpr int kWrongUse = 3;
constexpr int kBedMustRestart = 75;
constexpr DWORD kListingSeconds = 240;

struct Options {
    std::wstring out = L"test-results";
    int tries = 1;
    std::wstring only;
    bool resume = false;
    bool checkKeysOnly = false;
};

void Print(const std::wstring& text) {
    std::string bytes = ToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

int WrongUse(const std::wstring& why) {
    Print(L"qh_testrunner: " + why +
          L"\nusage: qh_testrunner [--out FOLDER] [--tries N] [--only TEXT] [--resume] | "
          L"--check-act-keys\n");
    return kWrongUse;
}

bool ParseOptions(int argc, wchar_t** argv, Options& options, std::wstring& error) {
    for (int i = 1; i < argc; ++i) {
        std::wstring option = argv[i];
        bool hasValue = i + 1 < argc;
        if (option == L"--out" && hasValue) {
            options.out = argv[++i];
        } else if (option == L"--tries" && hasValue) {
            std::wstring value = argv[++i];
            if (value.size() != 1 || value[0] < L'1' || value[0] > L'9') {
                error = L"--tries takes a number from 1 to 9";
                return false;
            }
            options.tries = value[0] - L'0';
        } else if (option == L"--only" && hasValue) {
            options.only = argv[++i];
        } else if (option == L"--resume") {
            options.resume = true;
        } else if (option == L"--check-act-keys") {
            options.checkKeysOnly = true;
        } else {
            error = L"unknown option " + option;
            return false;
        }
    }
    return true;
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t buffer[MAX_PATH * 2] = {};
    DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 2, buffer, nullptr);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(buffer, length) : path;
}

bool Contains(const std::string& text, const std::wstring& part) {
    return text.find(ToUtf8(part)) != std::string::npos;
}

// Under Wine only: the Wine bed (tests/wine/bed/winebed) names its folder in QH_WINE_BED, where
// a test that killed a COM server leaves the mark stale-com.
std::wstring StaleComMark() {
    wchar_t bed[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"QH_WINE_BED", bed, MAX_PATH);
    if (!winetest::RunsUnderWine() || length == 0 || length >= MAX_PATH) {
        return std::wstring();
    }
    return std::wstring(bed, length) + L"\\stale-com";
}

bool BedMustRestart() {
    std::wstring mark = StaleComMark();
    return !mark.empty() && GetFileAttributesW(mark.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Outcome Judge(const Test& test, const ChildResult& child, const std::string& output) {
    if (!child.started || child.timedOut || child.exitCode != 0) {
        return Outcome::Failed;
    }
    if (test.whole) {
        // A program whose every row was skipped (its code page not supported here) is skipped.
        if (Contains(output, L"[       OK ] ")) {
            return Outcome::Passed;
        }
        return Contains(output, L"[  SKIPPED ] ") ? Outcome::Skipped : Outcome::Failed;
    }
    // The test must have run: a filter that matches nothing ends with 0 as well.
    if (Contains(output, L"[  SKIPPED ] " + test.name)) {
        return Outcome::Skipped;
    }
    return Contains(output, L"[       OK ] " + test.name) ? Outcome::Passed : Outcome::Failed;
}

Result RunTest(const Test& test, const Options& options, const std::wstring& logFolder,
               const std::wstring& workFolder) {
    Result result;
    result.programName = test.programName;
    result.name = test.name;
    result.log = logFolder + L"\\" + LogName(test.name);
    std::wstring commandLine = L"\"" + test.program + L"\"";
    if (!test.whole) {
        commandLine += L" --gtest_filter=" + test.name;
    }
    if (!test.arguments.empty()) {
        commandLine += L" " + test.arguments;
    }
    for (result.attempts = 1;; ++result.attempts) {
        ChildResult child =
            RunChild(test.program, commandLine, workFolder, result.log, test.timeLimitMs);
        std::string output = ReadBytes(result.log);
        result.outcome = Judge(test, child, output);
        result.milliseconds = child.milliseconds;
        if (!child.started) {
            Print(L"  cannot start " + test.program + L": error " +
                  std::to_wstring(child.startError) + L"\n");
        }
        if (child.timedOut) {
            Print(L"  " + test.name + L": ended after its time limit\n");
            // A stand-in ended so leaves its COM classes registered in Wine.
            std::wstring mark = StaleComMark();
            if (!mark.empty()) {
                platform::win32::KernelHandle file(CreateFileW(mark.c_str(), GENERIC_WRITE, 0,
                                                               nullptr, CREATE_ALWAYS,
                                                               FILE_ATTRIBUTE_NORMAL, nullptr));
            }
        }
        if (result.outcome != Outcome::Failed || result.attempts >= options.tries) {
            return result;
        }
        if (BedMustRestart()) {
            return result;  // the next attempt needs a fresh Wine first
        }
    }
}

// The bundle's tests in the order of its list; a program that does not list its tests gives
// one failed test of its name.
std::vector<Test> CollectTests(const std::vector<ListedProgram>& programs,
                               const std::wstring& logFolder, const std::wstring& workFolder,
                               std::vector<Result>& broken) {
    std::vector<Test> tests;
    for (const ListedProgram& listed : programs) {
        Test test;
        test.program = winetest::BundleFile(listed.program);
        test.programName = listed.program;
        test.arguments = listed.arguments;
        test.timeLimitMs = winetest::Scaled(listed.seconds * 1000);
        if (listed.whole) {
            test.name = listed.name;
            test.whole = true;
            tests.push_back(test);
            continue;
        }
        std::wstring log = logFolder + L"\\" + LogName(listed.program + L".list");
        std::wstring commandLine = L"\"" + test.program + L"\" --gtest_list_tests";
        if (!listed.arguments.empty()) {
            commandLine += L" " + listed.arguments;
        }
        ChildResult child = RunChild(test.program, commandLine, workFolder, log,
                                     winetest::Scaled(kListingSeconds * 1000));
        std::vector<std::wstring> names = ParseTestNames(ReadBytes(log));
        if (!child.started || child.timedOut || child.exitCode != 0 || names.empty()) {
            Result result;
            result.programName = listed.program;
            result.name = listed.program + L".ListsItsTests";
            result.log = log;
            broken.push_back(result);
            continue;
        }
        for (const std::wstring& name : names) {
            test.name = name;
            tests.push_back(test);
        }
    }
    return tests;
}

int Run(const Options& options) {
    std::vector<std::wstring> foreign = winetest::ForeignActKeys();
    if (!foreign.empty()) {
        Print(winetest::ActKeysRefusal(foreign));
        return kRefused;
    }
    if (options.checkKeysOnly) {
        Print(L"ACT!'s keys: none, or only the tests' own\n");
        return 0;
    }
    std::wstring listError;
    std::vector<ListedProgram> programs =
        ReadList(ReadBytes(winetest::BundleFile(L"tests.txt")), listError);
    if (programs.empty()) {
        return WrongUse(L"the bundle's tests.txt (" + winetest::BundleFile(L"tests.txt") +
                        L") lists no test program" +
                        (listError.empty() ? std::wstring() : L": " + listError));
    }
    const std::wstring out = FullPath(options.out);
    const std::wstring logFolder = out + L"\\logs";
    CreateDirectoryW(out.c_str(), nullptr);
    CreateDirectoryW(logFolder.c_str(), nullptr);
    const std::wstring progress = out + L"\\progress.txt";
    if (!options.resume) {
        DeleteFileW(progress.c_str());
    }
    std::vector<Result> results = ReadProgress(progress, logFolder);
    std::set<std::wstring> finished;
    for (const Result& result : results) {
        finished.insert(result.name);
    }

    std::vector<Result> broken;
    std::vector<Test> tests = CollectTests(programs, logFolder, out, broken);
    for (const Result& result : broken) {
        if (finished.insert(result.name).second) {
            Print(L"failed   " + result.name + L" (see " + result.log + L")\n");
            results.push_back(result);
            AppendProgress(progress, result);
        }
    }
    std::size_t count = 0;
    for (const Test& test : tests) {
        ++count;
        if (finished.count(test.name) != 0 ||
            (!options.only.empty() && test.name.find(options.only) == std::wstring::npos)) {
            continue;
        }
        Result result = RunTest(test, options, logFolder, out);
        if (result.outcome == Outcome::Failed && result.attempts < options.tries &&
            BedMustRestart()) {
            // Not recorded: the run goes on with this test, in a fresh Wine.
            Print(L"qh_testrunner: " + test.name +
                  L" failed and killed a COM server; it runs again once the Wine bed has started "
                  L"its Wine anew (--resume)\n");
            return kBedMustRestart;
        }
        std::wstring seconds = std::to_wstring(result.milliseconds / 1000) + L"." +
                               std::to_wstring(result.milliseconds % 1000 / 100) + L" s";
        Print(L"[" + std::to_wstring(count) + L"/" + std::to_wstring(tests.size()) + L"] " +
              OutcomeWord(result.outcome) + L"  " + test.name + L"  " + seconds +
              (result.attempts > 1 ? L" (attempt " + std::to_wstring(result.attempts) + L")"
                                   : std::wstring()) +
              L"\n");
        if (result.outcome == Outcome::Failed) {
            Print(L"  output: " + result.log + L"\n");
        }
        results.push_back(result);
        AppendProgress(progress, result);
        if (BedMustRestart()) {
            Print(
                L"qh_testrunner: a COM server was killed; the Wine bed starts its Wine anew and "
                L"the run goes on (--resume)\n");
            return kBedMustRestart;
        }
    }
    WriteJUnit(out + L"\\results.xml", results);
    Print(L"qh_testrunner: " + Summary(results) + L" (report: " + out + L"\\results.xml)\n");
    for (const Result& result : results) {
        if (result.outcome == Outcome::Failed) {
            return kFailed;
        }
    }
    return 0;
}

}  // namespace

}  // namespace testrunner

int wmain(int argc, wchar_t** argv) {
    testrunner::Options options;
    std::wstring error;
    if (!testrunner::ParseOptions(argc, argv, options, error)) {
        return testrunner::WrongUse(error);
    }
    return testrunner::Run(options);
}
