#include "Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <clocale>
#include <string_view>

namespace {

QTranslator translator;

// Where the C library looks for the messages' locale: "sr_RS@latin" is Serbian in Latin
// script. Nothing on Windows, which names the script itself ("sr-Latn-RS").
bool latinModifier()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QByteArray locale = qgetenv(name); !locale.isEmpty()) {
            return locale.contains("@latin");
        }
    }
    return false;
}

} // namespace

namespace Language {

QString translationFor(const QString& language, bool latinModifier)
{
    if (language.section(QLatin1Char('-'), 0, 0) != QLatin1String("sr")) {
        return {};
    }
    const bool latin = latinModifier || language.contains(QLatin1String("Latn")) ||
                       language.contains(QLatin1String("latin"));
    return latin ? QStringLiteral("sr_Latn") : QStringLiteral("sr_Cyrl");
}

void load()
{
    // Where the user's locale is not generated, or is "C", the C library reads ASCII, and Qt 6.8
    // says so in four lines before it takes UTF-8 (Qt 6.4 takes it silently): taken first,
    // quietly; the language stays. Qt sets the locale from the environment once more as it
    // starts: a locale that is not generated fails there again and leaves this one, but "C"
    // (or "POSIX", or none named) has "C.UTF-8" named for the characters in the environment
    // too, here, before any thread exists. Shown by e2e.environment on Debian 13.
    const bool named = std::setlocale(LC_ALL, "") != nullptr; // else the characters stay "C"'s
    if (std::string_view(std::setlocale(LC_CTYPE, nullptr)) == "C") {
        std::setlocale(LC_CTYPE, "C.UTF-8");
        if (named) {
            qputenv(qEnvironmentVariableIsEmpty("LC_ALL") ? "LC_CTYPE" : "LC_ALL", "C.UTF-8");
        }
    }
    // From LANGUAGE, LC_ALL, LC_MESSAGES and LANG on Linux, the display language on Windows.
    const QString translation =
        translationFor(QLocale::system().uiLanguages().value(0), latinModifier());
    // Embedded, so a missing file can never leave the program half translated.
    if (!translation.isEmpty()) {
        (void)translator.load(QStringLiteral(":/i18n/krimvel_") + translation);
    }
}

void install()
{
    QCoreApplication::installTranslator(&translator);
}

QString terminal(const char* text)
{
    const QString translated = translator.translate("Terminal", text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace Language
