#include "SoundObject.h"

#include "WindowFixture.h"

#include <QBuffer>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QStringList>
#include <utility>

namespace {

// What passed through Qt's messages, as "category: message".
QStringList& messages()
{
    static QStringList kept;
    return kept;
}

void keepMessages(QtMsgType /*type*/, const QMessageLogContext& context, const QString& message)
{
    messages() << QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
}

class SoundObjectTest : public WindowFixture
{
protected:
    SoundObject* loudspeaker() { return form.findChild<SoundObject*>("SoundRec1"); }
};

TEST_F(SoundObjectTest, StandsInTheTopRightCornerLastInTabOrder)
{
    ASSERT_NE(loudspeaker(), nullptr);
    EXPECT_EQ(loudspeaker()->geometry(), QRect(512, 8, 32, 32));
    EXPECT_EQ(loudspeaker()->focusPolicy(), Qt::StrongFocus);
    const QImage face = loudspeaker()->grab().toImage();
    const QColor corner = face.pixelColor(2, face.height() - 3);
    EXPECT_EQ(corner.name(), "#ffffff") << "its face is drawn on a white ground";
}

TEST_F(SoundObjectTest, DoubleClickSpaceAndEnterActivateItAndSingleClicksDoNot)
{
    QSignalSpy activations(loudspeaker(), &SoundObject::activated);
    const QtMessageHandler previous = qInstallMessageHandler(keepMessages);
    QTest::mouseClick(loudspeaker(), Qt::LeftButton);
    EXPECT_EQ(activations.count(), 0);
    QTest::mouseDClick(loudspeaker(), Qt::LeftButton);
    EXPECT_EQ(activations.count(), 1);
    QTest::keyClick(loudspeaker(), Qt::Key_Return);
    QTest::keyClick(loudspeaker(), Qt::Key_Space);
    QTest::keyClick(loudspeaker(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(activations.count(), 4);
    // Held down, a key presses once: its repeats do not start the sound again.
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        QTest::keyPress(loudspeaker(), key);
        for (int repeat = 0; repeat < 3; ++repeat) {
            QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(loudspeaker(), &held);
        }
        QTest::keyRelease(loudspeaker(), key);
    }
    EXPECT_EQ(activations.count(), 6);
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages().filter(QStringLiteral(": cannot load")), QStringList())
        << "the playback is found";
    // With no sound server here the window carries on as before.
    click("Command3");
    EXPECT_EQ(form.printSurface().runs().size(), 7u);
}

// The audio stack's own lines stay out of the terminal, unless the user asks Qt for its
// messages (QtMessagesTest: the ways to ask): Qt 6.8's FFmpeg backend names itself and its
// decoders, Qt 6.4's PulseAudio backend says in a warning of no category that it finds no sound
// server (there is none here). A stream cut off is said once, in the program's words, and of the
// reads that follow only the lost stream's own are kept out.
TEST_F(SoundObjectTest, TheAudioStackKeepsQuietUnlessTheUserAsksQtForItsMessages)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows plays the sound itself, without Qt Multimedia";
#endif
    const QLoggingCategory backend("qt.multimedia.ffmpeg");
    const QString cut = "default: \"Stream error: Connection terminated\"";
    const QString lostRead =
        "default: QIODevice::read (QBuffer, \"loudspeaker\"): Called with maxSize < 0";
    const QString foreignRead = "default: QIODevice::read (QBuffer): Called with maxSize < 0";
    const QString failed =
        "krimvel.sound: the audio output failed while playing the loudspeaker's sound";
    for (const bool asked : {false, true}) {
        // As a program starts: with Qt's own rules alone.
        QLoggingCategory::setFilterRules({});
        // One of the ways to ask, read by the sound as it is made; Qt read its own at start.
        qunsetenv("QT_LOGGING_RULES");
        qputenv("QT_LOGGING_CONF", asked ? "qtlogging.ini" : "");
        SoundObject loudspeaker(nullptr);
        messages().clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepMessages);
        QTest::keyClick(&loudspeaker, Qt::Key_Space);
        const QStringList started = std::exchange(messages(), {});
        // As Qt's PulseAudio sink says that the server cut its stream off, twice; then Qt 6.8's
        // sink reads the lost stream, and some other device is read amiss.
        qWarning() << QStringLiteral("Stream error: Connection terminated");
        qWarning() << QStringLiteral("Stream error: Connection terminated");
        QBuffer lost, other;
        lost.setObjectName("loudspeaker");
        for (QBuffer* device : {&lost, &other}) {
            char byte;
            device->open(QIODevice::ReadOnly);
            device->read(&byte, -1);
        }
        QCoreApplication::processEvents();
        qInstallMessageHandler(previous);
        EXPECT_EQ(backend.isInfoEnabled(), asked) << (asked ? "asked" : "not asked");
        if (!asked) {
            EXPECT_EQ(started.filter(QStringLiteral("default: ")), QStringList());
        }
        const QStringList qtsOwn = {cut, cut, lostRead};
        const QStringList expected =
            (asked ? qtsOwn : QStringList()) + QStringList{foreignRead, failed};
        EXPECT_EQ(messages(), expected);
    }
    qunsetenv("QT_LOGGING_CONF");
    QLoggingCategory::setFilterRules({});
}

} // namespace
