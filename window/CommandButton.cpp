#include "CommandButton.h"

#include "PressKeys.h"
#include "WindowFonts.h"

#include <QKeyEvent>
#include <QPainter>
#include <utility>

namespace {

// A flat face in exactly &H008080FF&, and a one-pixel edge: light above and to the left and
// dark below and to the right, the other way round while pressed, and black all round while
// the button has the focus. (Painted here rather than by a style sheet: Qt's style sheet
// engine costs half a MiB of memory and half a millisecond at start-up for three buttons.)
const QColor faceColour(0xff, 0x80, 0x80);
const QColor lightEdge(0xff, 0xff, 0xff);
const QColor darkEdge(0xa0, 0x48, 0x48);

} // namespace

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(parent)
{
    // Captions are set as plain text: "&" would make an access key, and there are none.
    setText(caption);
    setFont(WindowFonts::buttonFont());
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

void CommandButton::paintEvent(QPaintEvent* /*event*/)
{
    QColor topLeft = lightEdge;
    QColor bottomRight = darkEdge;
    if (isDown()) {
        std::swap(topLeft, bottomRight);
    } else if (hasFocus()) {
        topLeft = bottomRight = Qt::black;
    }
    QPainter painter(this);
    painter.fillRect(rect(), faceColour);
    // Antialiased, so that on a screen scaled by 1.5 the edge covers one and a half pixels.
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(rect());
    painter.fillRect(QRectF(face.left(), face.top(), face.width(), 1), topLeft);
    painter.fillRect(QRectF(face.left(), face.top(), 1, face.height()), topLeft);
    painter.fillRect(QRectF(face.right() - 1, face.top() + 1, 1, face.height() - 1), bottomRight);
    painter.fillRect(QRectF(face.left() + 1, face.bottom() - 1, face.width() - 1, 1), bottomRight);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // "KOMBINACIJA" (77.5 px in Arial Bold) just fits inside the edge of the 81-pixel button.
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(1, 1, -1, -1), Qt::AlignCenter, text());
}
