#include "ErrorBox.h"

#include <string>

#include "meldungen/ZeigeMeldung.h"

namespace winservices {

void ShowErrorBox(const platform::Text& procedureName, const platform::Failure& failure) {
    meldungen::ZeigeMeldung(
        meldungen::Id::Fehlerfenster,
        {procedureName, std::to_wstring(failure.Number()), failure.Description()});
}

}  // namespace winservices
