#include "WindowFontSetup.h"
#include "WindowFonts.h"

#include <QFontDatabase>
#include <QLoggingCategory>
#include <QStringList>

namespace {

Q_LOGGING_CATEGORY(fontLog, "krimvel.fonts")

// Arial is on every Windows, Arial Rounded MT Bold comes only with some Office versions.
// Where either is missing, the program adds its own metric stand-in from Debian's font
// packages, carried in the program file (their licences lie beside it).
struct CarriedFace
{
    const char* missingFace;
    const char* resource;
};
constexpr CarriedFace carriedFaces[] = {
    {"Arial", ":/fonts/LiberationSans-Bold.ttf"},
    {"Arial Rounded MT Bold", ":/fonts/Comfortaa-Bold.ttf"},
};

} // namespace

namespace WindowFontSetup {

void waitUntilReady()
{
    // Once: the font database does not change while the program runs.
    static const bool ready = [] {
        const QStringList families = QFontDatabase::families();
        for (const CarriedFace& face : carriedFaces) {
            if (families.contains(QLatin1String(face.missingFace), Qt::CaseInsensitive)) {
                continue;
            }
            if (QFontDatabase::addApplicationFont(QLatin1String(face.resource)) < 0) {
                qCWarning(fontLog, "cannot add the face %s", face.resource);
            }
        }
        return true;
    }();
    (void)ready;
}

} // namespace WindowFontSetup

namespace WindowFonts {

// Windows keeps its font list in the system; there is no configuration to read ahead.
void startLoading() {}

} // namespace WindowFonts
