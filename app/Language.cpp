#include "Language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

QTranslator& translator()
{
    static QTranslator instance;
    return instance;
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
