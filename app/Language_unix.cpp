#include "Language.h"

#include <cstdlib>

namespace {

std::string_view variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

bool isPlainC(std::string_view locale)
{
    return locale.empty() || locale == "C" || locale == "POSIX";
}

} // namespace

namespace Language {

std::string_view messagesLocale()
{
    std::string_view locale = variable("LC_ALL");
    if (locale.empty()) {
        locale = variable("LC_MESSAGES");
    }
    if (locale.empty()) {
        locale = variable("LANG");
    }
    if (isPlainC(locale)) {
        return "C";
    }
    // LANGUAGE is a list of preferences; the first is the one the user asked for.
    const std::string_view preferred = variable("LANGUAGE");
    if (!preferred.empty()) {
        return preferred.substr(0, preferred.find(':'));
    }
    return locale;
}

} // namespace Language
