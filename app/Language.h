#pragma once

#include <QString>

// The language of every word the program adds to its window and says on the terminal:
// Serbian in Latin or in Cyrillic script, or English for every other locale.
namespace Language {

// The translation for the user's first language as Qt names it ("sr-Latn-RS", "sr-RS", "sr-latin"
// from glibc's "sr@latin"): "sr_Latn", "sr_Cyrl" or, for English, none. `latinModifier`: the
// C library's locale says "@latin", which Qt's QLocale drops.
QString translationFor(const QString& language, bool latinModifier);

// Loads the translation before the application object exists, so that even the first line
// on the terminal is in the user's language; install() hands it to the application.
void load();
void install();

// A message marked QT_TRANSLATE_NOOP("Terminal", ...), in the user's language, before Qt starts.
QString terminal(const char* text);

} // namespace Language
