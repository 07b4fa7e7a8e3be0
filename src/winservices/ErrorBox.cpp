#include "ErrorBox.h"

#include <string>

#include "platform/MessageBox.h"

namespace winservices {

platform::Text ErrorBoxText(const platform::Text& number, const platform::Text& description) {
    return L"Error: " + number + L". " + description;
}

void ShowErrorBox(const platform::Text& procedureName, const platform::Failure& failure) {
    platform::ShowMessageBox(ErrorBoxText(std::to_wstring(failure.Number()), failure.Description()),
                             procedureName, platform::kMbOk);
}

}  // namespace winservices
