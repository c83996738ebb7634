#include "DisplayFailure.h"

#include "Language.h"
#include "Terminal.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// A message held back while Qt tries its platforms.
struct HeldMessage
{
    QtMsgType type;
    const char* category; // the categories' names are static strings
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> held;

QString variableOr(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

// Why the platform `name`, which Qt found but could not start, failed.
QString whyItFailed(const QString& name)
{
    using Language::terminal;
    if (name == QLatin1String("xcb")) {
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            return terminal(QT_TRANSLATE_NOOP("Terminal", "cannot open display '%1'"))
                .arg(qEnvironmentVariable("DISPLAY"));
        }
        return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                   ? terminal(QT_TRANSLATE_NOOP(
                         "Terminal", "no display (neither WAYLAND_DISPLAY nor DISPLAY is set)"))
                   : terminal(QT_TRANSLATE_NOOP("Terminal", "no X display (DISPLAY is not set)"));
    }
    if (name.startsWith(QLatin1String("wayland"))) {
        return terminal(QT_TRANSLATE_NOOP("Terminal", "cannot open Wayland display '%1'"))
            .arg(variableOr("WAYLAND_DISPLAY", QStringLiteral("wayland-0")));
    }
    return terminal(QT_TRANSLATE_NOOP("Terminal", "the platform '%1' could not start")).arg(name);
}

// One line from what Qt said while it tried: each platform it tried and why it failed, then
// the way to a display.
QString explain(const QString& fatalMessage)
{
    static const QRegularExpression attempt(
        QStringLiteral(R"re(Could not (find|load) the Qt platform plugin "([^"]*)")re"));
    static const QRegularExpression available(
        QStringLiteral(R"(Available platform plugins are: ([^\n]*)\.)"));
    const QString installed = available.match(fatalMessage).captured(1);

    QStringList reasons;
    for (const HeldMessage& message : held) {
        const QRegularExpressionMatch match = attempt.match(message.text);
        if (!match.hasMatch()) {
            continue;
        }
        const QString name = match.captured(2);
        reasons << (match.captured(1) == QLatin1String("find")
                        ? Language::terminal(
                              QT_TRANSLATE_NOOP("Terminal", "the platform '%1' is not installed; "
                                                            "the platforms here are: %2"))
                              .arg(name, installed)
                        : whyItFailed(name));
    }
    if (reasons.isEmpty()) {
        reasons << whyItFailed(QStringLiteral("xcb"));
    }
    reasons << Language::terminal(QT_TRANSLATE_NOOP(
        "Terminal", "run it on a desktop, or in a virtual one: xvfb-run krimvel"));
    return reasons.join(QStringLiteral("; "));
}

void holdPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        Terminal::print(stderr, QStringLiteral("krimvel: ") + explain(text) + QLatin1Char('\n'));
        std::fflush(stderr);
        // Not exit(): the application object is half made, and its destructors must not run.
        std::_Exit(1);
    }
    held.append({type, context.category, text});
}

} // namespace

namespace DisplayFailure {

void watch()
{
    previousHandler = qInstallMessageHandler(holdPlatformMessages);
}

void stopWatching()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace DisplayFailure
