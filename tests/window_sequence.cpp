// What the desktop window shows and announces after each of a sequence of presses made on it as
// a user makes them (its buttons clicked, the loudspeaker given the focus by a click), in
// core_sequence's format without runs: the reference that the web page is compared with.
//   window_sequence [--language sr_Latn|sr_Cyrl] COMMAND...

#include "Form1.h"
#include "Press.h"
#include "PrintArea.h"
#include "RandomSource.h"
#include "WindowPlacement.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTranslator>
#include <QtGui/private/qguiapplication_p.h>
#include <cstdio>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

QStringList announced;

// What a screen reader is sent on this Qt: notices that show, or announcements (from Qt 6.8).
void keepAnnounced(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ObjectShow) {
        if (QAccessibleInterface* shown = event->accessibleInterface();
            shown != nullptr && shown->role() == QAccessible::Notification) {
            announced << shown->text(QAccessible::Name);
        }
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        announced << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
    }
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QStringList commands = QApplication::arguments().mid(1);
    QTranslator translator;
    if (commands.value(0) == QLatin1String("--language") &&
        translator.load(QStringLiteral(":/i18n/krimvel_") + commands.value(1))) {
        QApplication::installTranslator(&translator);
        commands = commands.mid(2);
    }
    RandomSource source;
    Form1 form(source);
    showCentredOnScreen(form);
    // Focus arrives only in the active window.
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fputs("window_sequence: the window did not become active\n", stderr);
        return 1;
    }
    // As a screen reader's arrival does; from then on every event goes to the handler.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(keepAnnounced);
    for (const QString& command : std::as_const(commands)) {
        const std::optional<Press> press = pressNamed(command.toStdString());
        auto* control =
            press ? form.findChild<QWidget*>(QString::fromUtf8(nameOf(*press).control)) : nullptr;
        if (control == nullptr) {
            std::fprintf(stderr, "window_sequence: unknown command, or no such translation: '%s'\n",
                         qPrintable(command));
            return 2;
        }
        announced.clear();
        QTest::mouseClick(control, Qt::LeftButton);
        // The lines are announced once the event that printed them is over.
        QCoreApplication::processEvents();
        const auto* area = form.findChild<PrintArea*>(QStringLiteral("PrintArea"));
        std::printf("## %s\n%s\n", qPrintable(command), area->text().toUtf8().constData());
        for (const QString& line : std::as_const(announced)) {
            std::printf("> %s\n", line.toUtf8().constData());
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
