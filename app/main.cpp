#include "AudioWarnings.h"
#include "CommandLine.h"
#include "DisplayFailure.h"
#include "Form1.h"
#include "Language.h"
#include "PlatformStart.h"
#include "ProgramIdentity.h"
#include "RandomSource.h"
#include "WindowFonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Language::load();
    // Answered before Qt starts, so that they need no display.
    if (CommandLine::onlyAsks(argc, argv)) {
        return *CommandLine::answer(
            {QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[1])});
    }
    PlatformStart::beforeApplication(argc, argv);

    WindowFonts::startLoading();
    DisplayFailure::watch();
    QApplication application(argc, argv);
    DisplayFailure::stopWatching();
    PlatformStart::applicationStarted();
    Language::install();
    // Qt has taken its own options out of the arguments; what is left is the program's.
    if (const std::optional<int> status = CommandLine::answer(QApplication::arguments())) {
        return *status;
    }
    QApplication::setApplicationName(QString::fromLatin1(ProgramIdentity::name));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramIdentity::version));
    QApplication::setDesktopFileName(QString::fromLatin1(ProgramIdentity::applicationId));
    AudioWarnings::install();

    // The one generator of the process, in its fixed starting state.
    RandomSource randomSource;
    Form1 form1(randomSource);
    form1.showCentred();
    return QApplication::exec();
}
