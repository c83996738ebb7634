#include "Language.h"

#include <string>
#include <windows.h>

namespace Language {

std::string_view messagesLocale()
{
    // The language of Windows' own menus and dialogs, which the user chose in the settings,
    // rather than the formats of the region.
    static const std::string name = [] {
        wchar_t buffer[LOCALE_NAME_MAX_LENGTH] = {};
        const LCID display = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
        std::string ascii;
        if (LCIDToLocaleName(display, buffer, LOCALE_NAME_MAX_LENGTH, 0) > 0) {
            for (const wchar_t* c = buffer; *c != 0; ++c) {
                ascii += *c == L'-' ? '_' : static_cast<char>(*c & 0x7f);
            }
        }
        return ascii.empty() ? std::string("C") : ascii;
    }();
    return name;
}

} // namespace Language
