#include "SpokenLines.h"

#include "PrintSurface.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

bool isNumber(const QString& word)
{
    bool number = false;
    word.toInt(&number);
    return number;
}

QString spokenLine(const std::vector<const PrintedRun*>& runs)
{
    // Each run is one printed item: a number, a caption, or the dash between them.
    QStringList words;
    for (const PrintedRun* run : runs) {
        const QString word = QString::fromStdString(run->text).simplified();
        if (!word.isEmpty() && word != QLatin1String("-")) {
            words << word;
        }
    }
    if (words.size() > 2 && isNumber(words[0]) && words[1] == QLatin1String("KOMBINACIJA")) {
        const QString number = words.takeFirst();
        words.removeFirst();
        return QCoreApplication::translate("SpokenLines", "Combination %1: %2")
            .arg(number, words.join(QLatin1String(", ")));
    }
    // Commas make a speech synthesiser pause between the numbers instead of reading on.
    if (std::all_of(words.cbegin(), words.cend(), isNumber)) {
        return words.join(QLatin1String(", "));
    }
    return words.join(QLatin1Char(' '));
}

} // namespace

QStringList spokenLines(const PrintSurface& surface)
{
    QStringList lines;
    for (const auto& [line, runs] : runsByLine(surface)) {
        if (QString spoken = spokenLine(runs); !spoken.isEmpty()) {
            lines << spoken;
        }
    }
    return lines;
}
