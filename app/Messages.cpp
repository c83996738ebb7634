#include "Messages.h"

#include "Language.h"
#include "SoundObject.h"
#include "Terminal.h"
#include "UserAsksQtForMessages.h"

#include <QLoggingCategory>
#include <QMutex>
#include <cstdlib>

namespace {

// What Qt tells only in the categories of its messages, for want of an API that tells it; read
// here, as what its audio output tells in words is read beside the sink (LoudspeakerSound). Each
// goes when Qt tells it some other way (docs/qt-workarounds.md lists them with the rest of Qt's
// behaviours that the program works around).
namespace QtSays {

// Which display Qt could not open, before it ends the process (Qt 6.4 and 6.8 alike): the
// categories of its platforms' messages. Qt's Wayland platform says so in a message of no
// category, not even "default" (critical in 6.4, a warning in 6.8). Shown by e2e.environment.
constexpr char xcbPlatform[] = "qt.qpa.xcb";
constexpr char waylandPlatform[] = "qt.qpa.wayland";

} // namespace QtSays

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler qtHandler = nullptr;
QMutex heldLock; // Qt may speak from more than one thread while it starts.
bool userAsks = false, holding = false;
QList<HeldMessage> held;

void say(const QString& line)
{
    Terminal::print(stderr, QStringLiteral("krimvel: ") + line + QLatin1Char('\n'));
}

void passOn(const HeldMessage& message)
{
    qtHandler(message.type, {nullptr, 0, nullptr, message.category.constData()}, message.text);
}

bool heldFrom(const char* category, bool orUncategorised = false)
{
    return std::any_of(held.cbegin(), held.cend(), [&](const HeldMessage& message) {
        return message.category.startsWith(category) ||
               (orUncategorised && message.category.isEmpty() && message.type != QtInfoMsg);
    });
}

// Which display Qt could not open, as the categories of its messages tell, and the way to
// one; empty where it tried none.
QString whyNoDisplay()
{
    using Language::terminal;
    QStringList reasons;
    if (heldFrom(QtSays::waylandPlatform, true)) {
        reasons << terminal(QT_TRANSLATE_NOOP("Terminal", "cannot open Wayland display '%1'"))
                       .arg(qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")));
    }
    if (heldFrom(QtSays::xcbPlatform) && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        reasons << terminal(QT_TRANSLATE_NOOP("Terminal", "cannot open display '%1'"))
                       .arg(qEnvironmentVariable("DISPLAY"));
    } else if (heldFrom(QtSays::xcbPlatform) && reasons.isEmpty()) {
        reasons << terminal(QT_TRANSLATE_NOOP(
            "Terminal", "no display (neither WAYLAND_DISPLAY nor DISPLAY is set)"));
    }
    if (!reasons.isEmpty()) {
        reasons << terminal(QT_TRANSLATE_NOOP(
            "Terminal", "run it on a desktop, or in a virtual one: xvfb-run krimvel"));
    }
    return reasons.join(QStringLiteral("; "));
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    const QMutexLocker locker(&heldLock);
    if (holding && type == QtFatalMsg) {
        const QString reason = whyNoDisplay();
        if (!userAsks && reason.isEmpty()) {
            std::for_each(held.cbegin(), held.cend(), passOn);
        }
        if (userAsks || reason.isEmpty()) {
            qtHandler(type, context, text);
        }
        if (!reason.isEmpty()) {
            say(reason);
        }
        // Not exit(): the application object is half made; its destructors must not run.
        std::_Exit(1);
    }
    if (holding) {
        // Kept for what they tell; passed on at once where the user asks for them.
        held.append({type, context.category, text});
        if (!userAsks) {
            return;
        }
    }
    if (type == QtWarningMsg &&
        qstrcmp(context.category, SoundObject::silenceLog().categoryName()) == 0) {
        say(text);
    } else {
        qtHandler(type, context, text);
    }
}

} // namespace

namespace Messages {

void watchStart()
{
    userAsks = userAsksQtForMessages();
    holding = true;
    qtHandler = qInstallMessageHandler(handle);
}

void started()
{
    const QMutexLocker locker(&heldLock);
    holding = false;
    if (!userAsks) {
        std::for_each(held.cbegin(), held.cend(), passOn);
    }
    held.clear();
}

} // namespace Messages
