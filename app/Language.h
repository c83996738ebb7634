#pragma once

#include <QString>
#include <string_view>

// The language of every word the program adds to its window and says on the terminal:
// Serbian in Latin or in Cyrillic script, or English for every other locale. The window's
// own texts (title, captions, banner, instructions) are the same in every language.
namespace Language {

// The translation a locale asks for: "sr_Latn", "sr_Cyrl", or empty for English.
// "sr_RS@latin" and "sr_Latn_RS" are written in Latin script, "sr_RS" and "sr" in Cyrillic.
QString translationFor(std::string_view localeName);

// The locale that decides the language of messages, as the C library reads it: LC_ALL, then
// LC_MESSAGES, then LANG; GNU's LANGUAGE list wins over them unless the locale is C or POSIX.
// On Windows: the display language, as Windows names it, with '_' for '-' ("sr_Latn_RS").
// A file per platform: Language_unix.cpp, Language_win.cpp.
std::string_view messagesLocale();

// Loads the translation for the user's locale. Works before the application object exists,
// so that even the first line on the terminal is in the user's language.
void load();

// Hands the loaded translation to the application; call once it exists.
void install();

// A message marked with QT_TRANSLATE_NOOP("Terminal", ...) in the user's language; usable
// before the application object exists.
QString terminal(const char* text);

} // namespace Language
