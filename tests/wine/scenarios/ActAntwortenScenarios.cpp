// Every kind of answer a real ACT! may give: the stand-in hands each operation's member a VARIANT
// of one type (by value or by reference) over the real automation call, and each operation of
// the program's ACT! class takes it by its rule: a text, a number, the comparison with 0, or
// the orderly failure of the conversion.
#include <gtest/gtest.h>

#include <sstream>

#include "ActScenarioTest.h"
#include "Meldungen.h"

namespace winetest {
namespace {

// What one VARIANT gives, as the driver writes it.
struct Antwort {
    const wchar_t* variant;  // as act.ini's result settings write it
    std::wstring text;       // ACTVersion, ACTDatenbank, getFeldwert
    std::wstring number;     // aktuellerViewTyp, AktuelleFeldID
    std::wstring zero;       // AddGroup: true only for the number 0
    std::wstring close;      // CloseDatenbank
    std::wstring closeBox;   // the number in the class's CloseDB message, empty for none
};

void PrintTo(const Antwort& antwort, std::ostream* out) {
    *out << testing::PrintToString(std::wstring(antwort.variant));
}

const std::wstring kNull = L"failure 94 Invalid use of Null";
const std::wstring kMismatch = L"failure 13 Type mismatch";
const std::wstring kOverflow = L"failure 6 Overflow";
const std::wstring kTrue = L"result -1";
const std::wstring kFalse = L"result 0";

// A number that is not 0: not closed, after the message with the number.
Antwort NotZero(const wchar_t* variant, const std::wstring& text, const std::wstring& number,
                const std::wstring& shown) {
    return {variant, L"result " + text, number, kFalse, kFalse, shown};
}

// A value without a number: every conversion fails alike.
Antwort Fails(const wchar_t* variant, const std::wstring& failure) {
    return {variant, failure, failure, failure, failure, L""};
}

const Antwort kAntworten[] = {
    {L"EMPTY", L"result ", L"result 0", kTrue, kTrue, L""},
    {L"EMPTY&", L"result ", L"result 0", kTrue, kTrue, L""},
    {L"NULL", kNull, kNull, kFalse, kNull, L""},
    {L"NULL&", kNull, kNull, kFalse, kNull, L""},
    NotZero(L"BOOL -1", L"-1", L"result -1", L"-1"),
    {L"BOOL 0", L"result 0", L"result 0", kTrue, kTrue, L""},
    NotZero(L"I1 -5", L"-5", L"result -5", L"-5"),
    NotZero(L"UI1 200", L"200", L"result 200", L"200"),
    NotZero(L"I2 -2", L"-2", L"result -2", L"-2"),
    NotZero(L"UI2 65535", L"65535", L"result 65535", L"65535"),
    NotZero(L"I4 7", L"7", L"result 7", L"7"),
    NotZero(L"I4& 7", L"7", L"result 7", L"7"),
    NotZero(L"UI4 3000000000", L"3000000000", kOverflow, L"3000000000"),
    NotZero(L"I8 -9007199254740993", L"-9007199254740993", kOverflow, L"-9007199254740993"),
    {L"I8 0", L"result 0", L"result 0", kTrue, kTrue, L""},
    NotZero(L"R4 0.4", L"0.4", L"result 0", L"0.4"),
    NotZero(L"R8 0.4", L"0.4", L"result 0", L"0.4"),
    NotZero(L"R8& 2.5", L"2.5", L"result 2", L"2.5"),
    NotZero(L"R8 1e300", L"1E+300", kOverflow, L"1E+300"),
    {L"R8 -0", L"result -0", L"result 0", kTrue, kTrue, L""},
    Fails(L"R8 nan", kOverflow),
    NotZero(L"CY 12.5", L"12.5", L"result 12", L"12.5"),
    NotZero(L"DECIMAL -1.5", L"-1.5", L"result -2", L"-1.5"),
    NotZero(L"DECIMAL& -1.5", L"-1.5", L"result -2", L"-1.5"),
    {L"DATE 45000.5", L"result 2023-03-15 12:00:00", kMismatch, kMismatch, kMismatch, L""},
    Fails(L"ERROR 5", kMismatch),
    {L"BSTR", L"result ", kMismatch, kMismatch, kMismatch, L""},
    {L"BSTR a\\0b", L"result a\\x00b", kMismatch, kMismatch, kMismatch, L""},
    NotZero(L"BSTR 0.4", L"0.4", L"result 0", L"0.4"),
    {L"BSTR&  0 ", L"result  0", L"result 0", kTrue, kTrue, L""},
    Fails(L"DISPATCH", kMismatch),
    Fails(L"DISPATCH&", kMismatch),
};

// The members whose results the operations take, and the operations in the driver's order.
const wchar_t* const kMembers[] = {L"App.GetVersion",       L"App.GetOpenDBName",
                                   L"ActiveView.Type",      L"ActiveView.CurrentFieldId",
                                   L"ContactView.GetField", L"GroupView.AddNew",
                                   L"GroupView.GetField",   L"ContactView.GoTo",
                                   L"App.CloseDB"};
const wchar_t kOperations[] =
    L"ACTVersion + ACTDatenbank + aktuellerViewTyp + AktuelleFeldID + getFeldwert kontakt 2 + "
    L"AddGroup Vereine + GroupExist Kunden + gehezuKonatkt K1 + CloseDatenbank";

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wistringstream in(text);
    for (std::wstring line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class ActAntwortScenario : public ActScenarioTest, public testing::WithParamInterface<Antwort> {};

TEST_P(ActAntwortScenario, EachOperationTakesTheAnswerByItsRule) {
    const Antwort& antwort = GetParam();
    std::wstring setup = L"[ACT]\n";
    for (const wchar_t* member : kMembers) {
        setup += L"result." + std::wstring(member) + L"=" + antwort.variant + L"\n";
    }
    StartAct(setup + L"[Contact]\nid=K1\n2=Meier\n[Group]\nid=G1\n25=Kunden\n");
    std::vector<Button> script;
    std::vector<ExpectedBox> boxes;
    if (!antwort.closeBox.empty()) {
        script.push_back(Button::Ok);
        boxes.push_back(Erwartet(meldungen::Id::CloseDBFehler, {antwort.closeBox}));
    }
    RunResult run;
    std::vector<std::wstring> results = Lines(Drive(kOperations, script, run));
    ExpectRun(run, 0, boxes);
    // A group name that is a text only fails where the text fails.
    std::wstring exist = antwort.text.starts_with(L"failure") ? antwort.text : kFalse;
    EXPECT_EQ(results,
              (std::vector<std::wstring>{antwort.text, antwort.text, antwort.number, antwort.number,
                                         antwort.text, antwort.zero, exist, kTrue, antwort.close}));
    StopAct();
}

// "R8& 2.5" gives R8ref_2_5.
std::string NameOf(const testing::TestParamInfo<Antwort>& info) {
    std::string name;
    for (const wchar_t* c = info.param.variant; *c != L'\0'; ++c) {
        if (*c == L'&') {
            name += "ref";
        } else if (*c == L'-') {
            name += "minus";
        } else {
            bool plain = (*c >= L'0' && *c <= L'9') || (*c >= L'A' && *c <= L'Z') ||
                         (*c >= L'a' && *c <= L'z');
            name += plain ? static_cast<char>(*c) : '_';
        }
    }
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Varianten, ActAntwortScenario, testing::ValuesIn(kAntworten), NameOf);

}  // namespace
}  // namespace winetest
