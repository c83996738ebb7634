#pragma once

#include <QIcon>
#include <QWidget>

class LoudspeakerPlayer;
class QLoggingCategory;

// The loudspeaker in the window's corner: shows its face, takes the focus, tells the window
// when the focus arrives from elsewhere, and plays its recorded sound when activated
// (double-click, or Space or Enter while it has the focus).
class SoundObject : public QWidget
{
    Q_OBJECT

public:
    explicit SoundObject(QWidget* parent);
    ~SoundObject() override;

    // Plays the sound from its beginning, also when it is already playing. Where the sound
    // module cannot be loaded it stays silent and says why in the "krimvel.sound" logging
    // category, as it does where there is no audio output.
    void activate();

    // Where it says why it stays silent, each reason once; the program shows these lines on
    // the terminal.
    static const QLoggingCategory& silenceLog();

signals:
    // The focus moved onto the object from another control, by Tab, Shift+Tab or the mouse.
    // Switching back from another program does not count.
    void focusArrived();
    // The object was activated: its sound starts from the beginning where there is an output.
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QIcon face_;
    LoudspeakerPlayer* sound_ = nullptr;
};
