// The tests of a bundle: its list (tests.txt, beside the runner) names the test programs, and
// each program of kind "each" names its tests itself (--gtest_list_tests).
//
// tests.txt, one program a line, in the order they run ('#' starts a comment):
//   each SECONDS PROGRAM [ARGUMENT...]         every test of the program alone, SECONDS each
//   whole SECONDS NAME PROGRAM [ARGUMENT...]   the whole program as the one test NAME
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testrunner {

struct Test {
    std::wstring name;         // Suite.Test, or the NAME of a whole program
    std::wstring program;      // full path
    std::wstring arguments;    // after the program's name, on its command line
    std::wstring programName;  // as the list gives it
    DWORD timeLimitMs = 0;
    bool whole = false;  // the whole program is the test: its gtest summary tells a skip
};

struct ListedProgram {
    bool whole = false;
    DWORD seconds = 0;
    std::wstring name;  // whole programs only
    std::wstring program;
    std::wstring arguments;
};

// The lines of the list; an error text in `error` when a line is not of either form.
std::vector<ListedProgram> ReadList(const std::string& text, std::wstring& error);

// The tests that "PROGRAM --gtest_list_tests" printed (Suite.Test, parameters left out).
std::vector<std::wstring> ParseTestNames(const std::string& listing);

}  // namespace testrunner
