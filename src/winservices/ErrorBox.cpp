#include "ErrorBox.h"

#include <string>

#include "platform/MessageBox.h"

namespace winservices {

void ShowErrorBox(const platform::Text& procedureName, const platform::Failure& failure) {
    platform::Text text =
        L"Error: " + std::to_wstring(failure.Number()) + L". " + failure.Description();
    platform::ShowMessageBox(text, procedureName, platform::kMbOk);
}

}  // namespace winservices
