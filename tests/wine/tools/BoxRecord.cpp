#include "BoxRecord.h"

namespace winetest {

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) {
        return std::string();
    }
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), needed, nullptr, nullptr);
    return result;
}

}  // namespace

const wchar_t* NameOf(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::None:
            return L"none";
        case BoxIcon::Information:
            return L"information";
        case BoxIcon::Question:
            return L"question";
        case BoxIcon::Exclamation:
            return L"exclamation";
        case BoxIcon::Error:
            return L"error";
        case BoxIcon::Unknown:
            break;
    }
    return L"unknown";
}

const wchar_t* NameOf(Button button) {
    switch (button) {
        case Button::Ok:
            return L"OK";
        case Button::Cancel:
            return L"Cancel";
        case Button::Yes:
            return L"Yes";
        case Button::No:
            return L"No";
        case Button::Leave:
            return L"(left open)";
    }
    return L"?";
}

void PrintTo(BoxIcon icon, std::ostream* out) {
    *out << Utf8(NameOf(icon));
}

void PrintTo(Button button, std::ostream* out) {
    *out << Utf8(NameOf(button));
}

std::string Describe(const std::vector<BoxRecord>& boxes) {
    std::wstring result;
    for (const BoxRecord& box : boxes) {
        result +=
            L"  [" + box.title + L"] \"" + box.text + L"\" icon=" + NameOf(box.icon) + L" buttons=";
        for (Button button : box.buttons) {
            result += NameOf(button);
            result += L' ';
        }
        result += L"pressed=";
        result += NameOf(box.pressed);
        if (box.topmost) {
            result += L" topmost";
        }
        if (!box.expected) {
            result += L" UNEXPECTED";
        }
        if (!box.problem.empty()) {
            result += L" problem: " + box.problem;
        }
        result += L'\n';
    }
    return boxes.empty() ? "  (no box)\n" : Utf8(result);
}

}  // namespace winetest
