// Adds the translations to a desktop entry or an AppStream metadata file, at build time, from
// the same .qm files the program loads: the desktop shows the same words as the window.
//   translateDesktop INPUT OUTPUT LOCALE=QMFILE...
// A desktop entry gets "Key[LOCALE]=..." after each GenericName, Comment and Keywords line;
// the metadata gets an element with xml:lang after each one-line <summary> and <p>.
// A text without a translation stops the build: nothing ships half translated.

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Translation
{
    QString locale;
    std::unique_ptr<QTranslator> translator;
};

const QRegularExpression desktopKey(QStringLiteral("^(GenericName|Comment|Keywords)=(.+)$"));
const QRegularExpression metainfoElement(QStringLiteral("^(\\s*)<(summary|p)>(.+)</\\2>$"));

bool translate(const std::vector<Translation>& translations, const QString& text,
               const std::function<QString(const QString&, const QString&)>& lineFor,
               QStringList& out)
{
    for (const Translation& translation : translations) {
        const QString translated = translation.translator->translate("Desktop", text.toUtf8());
        if (translated.isEmpty()) {
            std::fprintf(stderr, "translateDesktop: no %s translation of \"%s\"\n",
                         qPrintable(translation.locale), qPrintable(text));
            return false;
        }
        out << lineFor(translation.locale, translated);
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fputs("usage: translateDesktop INPUT OUTPUT LOCALE=QMFILE...\n", stderr);
        return 2;
    }
    std::vector<Translation> translations;
    for (int i = 3; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        Translation translation{argument.section(QLatin1Char('='), 0, 0),
                                std::make_unique<QTranslator>()};
        if (!translation.translator->load(argument.section(QLatin1Char('='), 1))) {
            std::fprintf(stderr, "translateDesktop: cannot read %s\n", argv[i]);
            return 1;
        }
        translations.push_back(std::move(translation));
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "translateDesktop: cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList out;
    for (const QString& line : QString::fromUtf8(input.readAll()).split(QLatin1Char('\n'))) {
        out << line;
        bool translated = true;
        if (const auto entry = desktopKey.match(line); entry.hasMatch()) {
            translated = translate(translations, entry.captured(2),
                                   [&](const QString& locale, const QString& text) {
                                       return entry.captured(1) + QLatin1Char('[') + locale +
                                              QStringLiteral("]=") + text;
                                   },
                                   out);
        } else if (const auto element = metainfoElement.match(line); element.hasMatch()) {
            translated = translate(translations, element.captured(3),
                                   [&](const QString& locale, const QString& text) {
                                       return QStringLiteral("%1<%2 xml:lang=\"%3\">%4</%2>")
                                           .arg(element.captured(1), element.captured(2), locale,
                                                text.toHtmlEscaped());
                                   },
                                   out);
        }
        if (!translated) {
            return 1;
        }
    }
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Text) ||
        output.write(out.join(QLatin1Char('\n')).toUtf8()) < 0) {
        std::fprintf(stderr, "translateDesktop: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
