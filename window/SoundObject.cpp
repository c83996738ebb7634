#include "SoundObject.h"

#include "PressKeys.h"
#include "SoundPlayback.h"

#include <QFocusEvent>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <iterator>

namespace {

// The face, drawn from loudspeaker.svg at build time at the sizes that the 32-pixel control
// takes on screens scaled by 1 to 2 in quarter steps and by 3: Qt SVG would cost near a MiB of
// memory at start. Takes the smallest that is at least as fine as the screen, else the largest.
QPixmap loadFace(qreal pixelRatio)
{
    constexpr int sizes[] = {32, 40, 48, 56, 64, 96};
    int size = sizes[std::size(sizes) - 1];
    for (const int drawn : sizes) {
        if (drawn >= 32 * pixelRatio) {
            size = drawn;
            break;
        }
    }
    QImageReader reader(QStringLiteral(":/pictures/loudspeaker-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

bool userAsksQtForMessages = false;

} // namespace

SoundObject::SoundObject(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

SoundObject::~SoundObject() = default;

const QLoggingCategory& SoundObject::silenceLog()
{
    return soundLog();
}

void SoundObject::setUserAsksQtForMessages(bool asks)
{
    userAsksQtForMessages = asks;
}

void SoundObject::paintEvent(QPaintEvent* /*event*/)
{
    // Loaded on the first paint, and again when the window moves to a screen of another scale.
    if (faceRatio_ != devicePixelRatioF()) {
        faceRatio_ = devicePixelRatioF();
        face_ = loadFace(faceRatio_);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), face_);
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
        sound_ = createLoudspeakerPlayer(this, userAsksQtForMessages);
    }
    if (sound_ != nullptr) {
        sound_->play();
    }
}
