#include "CommandLine.h"
#include "Form1.h"
#include "Language.h"
#include "Messages.h"
#include "ProgramIdentity.h"
#include "QtWorkarounds.h"
#include "RandomSource.h"
#include "Terminal.h"
#include "WindowFonts.h"
#include "WindowPlacement.h"

#include <QApplication>

namespace {

int say(const CommandLine::Reply& reply)
{
    Terminal::print(reply.status == 0 ? stdout : stderr, reply.text);
    return reply.status;
}

} // namespace

int main(int argc, char* argv[])
{
    Language::load();
    // One option alone leaves Qt nothing to take: answered before Qt starts, with no display.
    if (const auto reply = CommandLine::reply(QStringList(argv, argv + argc));
        argc == 2 && reply && reply->status == 0) {
        return say(*reply);
    }
    QtWorkarounds::beforeQtStarts();
    // Read while Qt connects to the display, on the other core where there is one.
    WindowFonts::startLoading();

    Messages::watchStart();
    QApplication application(argc, argv);
    Messages::started();
    Language::install();
    // Qt has taken its own options out of the arguments; what is left is the program's.
    if (const auto reply = CommandLine::reply(QApplication::arguments())) {
        return say(*reply);
    }
    QApplication::setApplicationName(QString::fromLatin1(ProgramIdentity::name));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramIdentity::version));
    QApplication::setDesktopFileName(QString::fromLatin1(ProgramIdentity::applicationId));

    // The one generator of the process, in its fixed starting state.
    RandomSource randomSource;
    Form1 form1(randomSource);
    showCentredOnScreen(form1);
    return QApplication::exec();
}
