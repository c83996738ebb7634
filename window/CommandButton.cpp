#include "CommandButton.h"

#include "PressKeys.h"
#include "WindowFonts.h"

#include <QKeyEvent>

namespace {

// A style sheet that sets only the background leaves Fusion's gradient in place; giving
// the border too makes Qt draw the face in exactly this colour. The edge is one pixel so
// that "KOMBINACIJA" (77.5 px in Arial Bold) fits inside the 81-pixel button.
const char* const buttonStyle = R"(
QPushButton {
    background-color: #ff8080;
    color: #000000;
    border-width: 1px;
    border-style: outset;
    border-color: #ffc0c0 #a04848 #a04848 #ffc0c0;
    padding: 0px;
}
QPushButton:focus {
    border-style: solid;
    border-color: #000000;
}
QPushButton:pressed {
    border-style: inset;
    border-color: #a04848 #ffc0c0 #ffc0c0 #a04848;
}
)";

} // namespace

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(parent)
{
    // Captions are set as plain text: "&" would make an access key, and there are none.
    setText(caption);
    setFont(WindowFonts::buttonFont());
    setStyleSheet(QString::fromLatin1(buttonStyle));
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // Space is handled by QPushButton itself; Enter presses a focused button too, as users
    // of this kind of program expect.
    if (isEnterPress(*event)) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
