#include "Results.h"

#include <map>
#include <sstream>

#include "ChildProcess.h"
#include "platform/win32/Handles.h"

namespace testrunner {

namespace {

using platform::win32::KernelHandle;

// The end of a failed test's output that the report keeps.
constexpr std::size_t kReportedOutput = 16000;

bool WriteBytes(const std::wstring& file, const std::string& bytes, bool append) {
    KernelHandle out(CreateFileW(file.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE,
                                 FILE_SHARE_READ, nullptr, append ? OPEN_ALWAYS : CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return out.Valid() &&
           WriteFile(out.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

std::string Xml(const std::string& text) {
    std::string escaped;
    for (unsigned char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            default:
                // Control characters other than tab and line ends are not allowed in XML 1.0.
                escaped += c < 0x20 && c != '\t' && c != '\n' && c != '\r' ? '?' : char(c);
        }
    }
    return escaped;
}

std::string Seconds(DWORD milliseconds) {
    return std::to_string(milliseconds / 1000) + "." + std::to_string(milliseconds % 1000 / 100) +
           std::to_string(milliseconds % 100 / 10) + std::to_string(milliseconds % 10);
}

}  // namespace

const wchar_t* OutcomeWord(Outcome outcome) {
    switch (outcome) {
        case Outcome::Passed:
            return L"passed";
        case Outcome::Skipped:
            return L"skipped";
        case Outcome::Failed:
            break;
    }
    return L"failed";
}

std::wstring LogName(const std::wstring& testName) {
    std::wstring name = testName;
    for (wchar_t& c : name) {
        if (c == L'/' || c == L'\\' || c == L':' || c == L'*' || c == L'?' || c == L'"' ||
            c == L'<' || c == L'>' || c == L'|') {
            c = L'_';
        }
    }
    return name + L".txt";
}

std::vector<Result> ReadProgress(const std::wstring& file, const std::wstring& logFolder) {
    std::vector<Result> results;
    std::istringstream lines(ReadBytes(file));
    std::string line;
    const std::map<std::string, Outcome> outcomes = {
        {"passed", Outcome::Passed}, {"failed", Outcome::Failed}, {"skipped", Outcome::Skipped}};
    while (std::getline(lines, line)) {
        // outcome TAB milliseconds TAB attempts TAB program TAB test
        std::vector<std::string> fields;
        std::istringstream parts(line);
        std::string field;
        while (std::getline(parts, field, '\t')) {
            fields.push_back(field);
        }
        if (fields.size() != 5 || outcomes.count(fields[0]) == 0) {
            continue;  // a line cut short when the run broke off
        }
        Result result;
        result.outcome = outcomes.at(fields[0]);
        result.milliseconds = static_cast<DWORD>(std::strtoul(fields[1].c_str(), nullptr, 10));
        result.attempts = static_cast<int>(std::strtol(fields[2].c_str(), nullptr, 10));
        result.programName = FromUtf8(fields[3]);
        result.name = FromUtf8(fields[4]);
        result.log = logFolder + L"\\" + LogName(result.name);
        results.push_back(result);
    }
    return results;
}

bool AppendProgress(const std::wstring& file, const Result& result) {
    std::string line = ToUtf8(OutcomeWord(result.outcome)) + "\t" +
                       std::to_string(result.milliseconds) + "\t" +
                       std::to_string(result.attempts) + "\t" + ToUtf8(result.programName) + "\t" +
                       ToUtf8(result.name) + "\n";
    return WriteBytes(file, line, true);
}

bool WriteJUnit(const std::wstring& file, const std::vector<Result>& results) {
    std::map<std::wstring, std::vector<const Result*>> byProgram;
    std::vector<std::wstring> order;
    for (const Result& result : results) {
        if (byProgram[result.programName].empty()) {
            order.push_back(result.programName);
        }
        byProgram[result.programName].push_back(&result);
    }
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites>\n";
    for (const std::wstring& program : order) {
        const auto& tests = byProgram[program];
        int failures = 0;
        int skipped = 0;
        DWORD milliseconds = 0;
        for (const Result* test : tests) {
            failures += test->outcome == Outcome::Failed;
            skipped += test->outcome == Outcome::Skipped;
            milliseconds += test->milliseconds;
        }
        xml += "  <testsuite name=\"" + Xml(ToUtf8(program)) + "\" tests=\"" +
               std::to_string(tests.size()) + "\" failures=\"" + std::to_string(failures) +
               "\" errors=\"0\" skipped=\"" + std::to_string(skipped) + "\" time=\"" +
               Seconds(milliseconds) + "\">\n";
        for (const Result* test : tests) {
            std::string name = ToUtf8(test->name);
            std::size_t dot = name.find('.');
            std::string suite = dot == std::string::npos ? name : name.substr(0, dot);
            std::string method = dot == std::string::npos ? name : name.substr(dot + 1);
            xml += "    <testcase classname=\"" + Xml(suite) + "\" name=\"" + Xml(method) +
                   "\" time=\"" + Seconds(test->milliseconds) + "\"";
            if (test->outcome == Outcome::Passed) {
                xml += "/>\n";
                continue;
            }
            xml += ">\n";
            if (test->outcome == Outcome::Skipped) {
                xml += "      <skipped/>\n";
            } else {
                std::string output = ReadBytes(test->log);
                if (output.size() > kReportedOutput) {
                    output = output.substr(output.size() - kReportedOutput);
                }
                xml += "      <failure message=\"failed after " + std::to_string(test->attempts) +
                       " attempt(s)\">" + Xml(output) + "</failure>\n";
            }
            xml += "    </testcase>\n";
        }
        xml += "  </testsuite>\n";
    }
    xml += "</testsuites>\n";
    return WriteBytes(file, xml, false);
}

std::wstring Summary(const std::vector<Result>& results) {
    int counts[3] = {};
    for (const Result& result : results) {
        ++counts[static_cast<int>(result.outcome)];
    }
    return std::to_wstring(counts[0]) + L" passed, " + std::to_wstring(counts[1]) + L" failed, " +
           std::to_wstring(counts[2]) + L" skipped";
}

}  // namespace testrunner
