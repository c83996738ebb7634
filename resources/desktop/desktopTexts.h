#pragma once

#include <QtGlobal>

// The words of the desktop entry and the AppStream metadata that are translated, exactly as
// they read once CMake has filled in the templates beside this file. Listed here so that
// lupdate puts them in the translations, from which the build merges them into those files
// with gettext (resources/CMakeLists.txt).
inline constexpr const char* desktopTexts[] = {
    QT_TRANSLATE_NOOP("Desktop", "Lottery Number Picker"),
    QT_TRANSLATE_NOOP("Desktop", "SAMO ZA ZABAVU"),
    QT_TRANSLATE_NOOP("Desktop", "lottery;loto;numbers;"),
    QT_TRANSLATE_NOOP("Desktop", "Lets the computer pick your lottery numbers"),
    QT_TRANSLATE_NOOP("Desktop",
                      "KRIMVEL picks numbers for a lottery in which a combination is seven numbers "
                      "from 1 to 39. Press KOMPJUTER for ten combinations, KOMBINACIJA for one "
                      "combination, or BROJ for a single number, and copy them onto your ticket. "
                      "The loudspeaker in the corner shows how it works and plays a short "
                      "recorded greeting."),
    QT_TRANSLATE_NOOP("Desktop", "SAMO ZA ZABAVU: just for fun."),
};
