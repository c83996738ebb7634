#include "SoundObject.h"

#include "AudioWarnings.h"

#include <QAudioDevice>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMediaDevices>
#include <QPainter>
#include <QSoundEffect>
#include <QSvgRenderer>

SoundObject::SoundObject(QWidget* parent)
    : QWidget(parent), face_(new QSvgRenderer(QStringLiteral(":/pictures/loudspeaker.svg"), this))
{
    setFocusPolicy(Qt::StrongFocus);
}

SoundObject::~SoundObject() = default;

void SoundObject::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    face_->render(&painter, QRectF(rect()));
    if (hasFocus()) {
        // A dotted frame just inside the face marks the focus, as on a focused button.
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setRenderHint(QPainter::Antialiasing, false);
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
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        activate();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SoundObject::activate()
{
    emit activated();
    QSoundEffect& effect = sound();
    // Without an output device there is nothing to play on; say so once and stay silent.
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        AudioWarnings::reportNoOutputOnce();
        return;
    }
    // Stopping first makes a second activation start the sound again from its beginning.
    effect.stop();
    effect.play();
}

QSoundEffect& SoundObject::sound()
{
    if (sound_ == nullptr) {
        AudioWarnings::install();
        sound_ = new QSoundEffect(this);
        sound_->setSource(QUrl(QStringLiteral("qrc:/sound/loudspeaker.wav")));
    }
    return *sound_;
}
