// What the robot saw of one message box and what it did with it.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace winetest {

enum class BoxIcon { None, Information, Question, Exclamation, Error, Unknown };

// The buttons a script can press, by their standard dialog ids. Leave presses none: the box is
// left open for the program to close itself.
enum class Button : int { Leave = 0, Ok = IDOK, Cancel = IDCANCEL, Yes = IDYES, No = IDNO };

struct BoxRecord {
    std::wstring title;
    std::wstring text;
    BoxIcon icon = BoxIcon::Unknown;
    std::vector<Button> buttons;  // as the box offered them, in the order of its controls
    bool topmost = false;         // above every window that is not topmost (WS_EX_TOPMOST)
    Button pressed = Button::Ok;
    bool expected = true;  // false: no script step was left for this box
    std::wstring problem;  // what went wrong with this box, empty when nothing did
};

const wchar_t* NameOf(BoxIcon icon);
const wchar_t* NameOf(Button button);
// How GoogleTest prints them in failure messages.
void PrintTo(BoxIcon icon, std::ostream* out);
void PrintTo(Button button, std::ostream* out);
// One line per box, for failure messages.
std::string Describe(const std::vector<BoxRecord>& boxes);

}  // namespace winetest
