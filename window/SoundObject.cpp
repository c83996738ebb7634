#include "SoundObject.h"

#include "PngIcon.h"
#include "PressKeys.h"
#include "SoundPlayback.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace {

// The face, drawn from loudspeaker.svg at build time at the sizes that the 32-pixel control
// takes on screens scaled by 1 to 2 in quarter steps and by 3: Qt SVG would cost near a MiB of
// memory at start. QIcon paints the smallest that is at least as fine as the screen, else the
// largest.
constexpr int faceSizes[] = {32, 40, 48, 56, 64, 96};

} // namespace

SoundObject::SoundObject(QWidget* parent)
    : QWidget(parent), face_(pngIcon(QStringLiteral(":/pictures/loudspeaker-%1.png"), faceSizes))
{
    setFocusPolicy(Qt::StrongFocus);
}

SoundObject::~SoundObject() = default;

const QLoggingCategory& SoundObject::silenceLog()
{
    return soundLog();
}

void SoundObject::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    face_.paint(&painter, rect());
    if (hasFocus()) {
        // A dotted frame just inside the face marks the focus, as on a focused button.
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void SoundObject::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::MouseFocusReason) {
        emit focusArrived();
    }
}

void SoundObject::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void SoundObject::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        activate();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void SoundObject::keyPressEvent(QKeyEvent* event)
{
    const bool space = event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier;
    if (space || isEnterPress(*event)) {
        // A key held down presses once, as on Qt's buttons: its repeats are taken, and do nothing.
        if (!event->isAutoRepeat()) {
            activate();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void SoundObject::activate()
{
    emit activated();
    // Made on first use: loading the audio stack costs start-up time most runs never need.
    if (sound_ == nullptr) {
        sound_ = createLoudspeakerPlayer(this);
    }
    if (sound_ != nullptr) {
        sound_->play();
    }
}
