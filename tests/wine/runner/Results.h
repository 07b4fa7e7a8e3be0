// What the runner found: one line per finished test in the progress file (so that a run broken
// off can go on where it stopped), and at the end a JUnit XML report and a summary line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tools/Utf8Text.h"

namespace testrunner {

enum class Outcome { Passed, Failed, Skipped };

struct Result {
    Outcome outcome = Outcome::Failed;
    DWORD milliseconds = 0;
    int attempts = 1;
    std::wstring programName;
    std::wstring name;
    std::wstring log;  // the output of the last attempt
};

const wchar_t* OutcomeWord(Outcome outcome);

// The progress file's results (none when it does not exist yet).
std::vector<Result> ReadProgress(const std::wstring& file, const std::wstring& logFolder);
// Appends one result; false when it cannot be written.
bool AppendProgress(const std::wstring& file, const Result& result);

// The JUnit XML report of all results, each failure with the end of its output.
bool WriteJUnit(const std::wstring& file, const std::vector<Result>& results);

// "N passed, N failed, N skipped"
std::wstring Summary(const std::vector<Result>& results);

// The file name of a test's output in the log folder.
std::wstring LogName(const std::wstring& testName);

using winetest::FromUtf8;
using winetest::ToUtf8;

}  // namespace testrunner
