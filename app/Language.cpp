#include "Language.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>

namespace {

QTranslator& translator()
{
    static QTranslator instance;
    return instance;
}

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

QString translationFor(std::string_view localeName)
{
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    if (language != "sr") {
        return {};
    }
    const bool latin = localeName.find("@latin") != std::string_view::npos ||
                       localeName.find("_Latn") != std::string_view::npos;
    return latin ? QStringLiteral("sr_Latn") : QStringLiteral("sr_Cyrl");
}

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

void load()
{
    const QString translation = translationFor(messagesLocale());
    if (!translation.isEmpty()) {
        // Embedded, so a missing file can never leave the program half translated.
        (void)translator().load(QStringLiteral(":/i18n/krimvel_") + translation);
    }
}

void install()
{
    if (!translator().isEmpty()) {
        QCoreApplication::installTranslator(&translator());
    }
}

QString terminal(const char* text)
{
    const QString translated = translator().translate("Terminal", text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace Language
