#include "BoxRobot.h"

#include <algorithm>
#include <optional>
#include <string>

#include "IconReader.h"
#include "TimeFactor.h"

namespace winetest {

namespace {

constexpr UINT kMessageTimeoutMs = 2000;
constexpr DWORD kIconTimeoutMs = 5000;  // a box of a busy program may paint late
constexpr DWORD kCloseTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    int length = GetClassNameW(window, name, 64);
    return std::wstring(name, static_cast<std::size_t>(std::max(length, 0)));
}

// The text of a window of another process, read with WM_GETTEXT.
std::optional<std::wstring> TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                             Scaled(kMessageTimeoutMs), &length)) {
        return std::nullopt;
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, Scaled(kMessageTimeoutMs), &copied)) {
        return std::nullopt;
    }
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

struct Control {
    HWND window;
    std::wstring className;
    int id;
    LONG style;
    bool visible;
};

BOOL CALLBACK CollectControl(HWND window, LPARAM param) {
    auto* controls = reinterpret_cast<std::vector<Control>*>(param);
    controls->push_back(Control{window, ClassOf(window), GetDlgCtrlID(window),
                                GetWindowLongW(window, GWL_STYLE), IsWindowVisible(window) != 0});
    return TRUE;
}

struct BoxSearch {
    DWORD processId;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && ClassOf(window) == L"#32770") {
        search->boxes.push_back(window);
    }
    return TRUE;
}

bool IsStatic(const Control& control) {
    return _wcsicmp(control.className.c_str(), L"Static") == 0;
}

bool IsIconStatic(const Control& control) {
    return IsStatic(control) && (control.style & SS_TYPEMASK) == SS_ICON;
}

bool WaitUntilClosed(HWND box) {
    DWORD start = GetTickCount();
    while (IsWindow(box) && IsWindowVisible(box)) {
        if (GetTickCount() - start >= Scaled(kCloseTimeoutMs)) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

}  // namespace

BoxRobot::BoxRobot(DWORD processId, std::vector<Button> script,
                   std::function<void(const BoxRecord&)> beforePress)
    : processId_(processId), script_(std::move(script)), beforePress_(std::move(beforePress)) {}

void BoxRobot::Poll() {
    BoxSearch search{processId_, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes) {
        if (stuck_.count(box) == 0 && !Handle(box)) {
            stuck_.insert(box);
        }
    }
}

bool BoxRobot::Handle(HWND box) {
    std::vector<Control> controls;
    EnumChildWindows(box, CollectControl, reinterpret_cast<LPARAM>(&controls));
    const Control* textControl = nullptr;
    const Control* iconControl = nullptr;
    for (const Control& control : controls) {
        if (IsIconStatic(control)) {
            iconControl = iconControl == nullptr ? &control : iconControl;
        } else if (IsStatic(control) && control.id == kMessageBoxTextId) {
            textControl = &control;
        }
    }
    if (textControl == nullptr) {
        return true;  // still being built; the next poll sees it whole
    }

    BoxRecord record;
    record.title = TextOf(box).value_or(L"");
    record.topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    std::optional<std::wstring> text = TextOf(textControl->window);
    if (!text) {
        record.problem += L"text unreadable; ";
    }
    record.text = text.value_or(L"");
    record.icon = ReadBoxIcon(
        box, iconControl != nullptr && iconControl->visible ? iconControl->window : nullptr,
        Scaled(kIconTimeoutMs));
    HWND buttonWindow[8] = {};
    for (const Control& control : controls) {
        if (control.visible && _wcsicmp(control.className.c_str(), L"Button") == 0 &&
            control.id >= IDOK && control.id <= IDNO) {
            record.buttons.push_back(static_cast<Button>(control.id));
            buttonWindow[control.id] = control.window;
        }
    }

    auto offered = [&](Button button) {
        return std::find(record.buttons.begin(), record.buttons.end(), button) !=
               record.buttons.end();
    };
    if (nextStep_ < script_.size() && script_[nextStep_] == Button::Leave) {
        // Never handled again: the program is to close it.
        record.pressed = script_[nextStep_++];
        boxes_.push_back(std::move(record));
        return false;
    }
    if (nextStep_ < script_.size()) {
        record.pressed = script_[nextStep_++];
        if (!offered(record.pressed)) {
            record.problem += L"the script's button is not offered; ";
        }
    } else {
        record.expected = false;
    }
    // A box the script cannot answer is closed all the same, so that the run goes on.
    if (!offered(record.pressed)) {
        for (Button fallback : {Button::Ok, Button::No, Button::Cancel, Button::Yes}) {
            if (offered(fallback)) {
                record.pressed = fallback;
                break;
            }
        }
    }
    if (beforePress_) {
        beforePress_(record);
    }
    int id = static_cast<int>(record.pressed);
    bool posted = offered(record.pressed)
                      ? PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(buttonWindow[id]))
                      : PostMessageW(box, WM_CLOSE, 0, 0);
    bool closed = posted && WaitUntilClosed(box);
    if (!closed) {
        record.problem += L"the box did not close; ";
    }
    boxes_.push_back(std::move(record));
    return closed;
}

bool BoxRobot::ScriptFulfilled() const {
    if (nextStep_ != script_.size()) {
        return false;
    }
    return std::all_of(boxes_.begin(), boxes_.end(),
                       [](const BoxRecord& box) { return box.expected && box.problem.empty(); });
}

}  // namespace winetest
