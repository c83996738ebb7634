#include "SoundObject.h"

#include "LoudspeakerSound.h"
#include "PressKeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
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
    const bool space = event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier;
    if (space || isEnterPress(*event)) {
        activate();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SoundObject::activate()
{
    emit activated();
    // Made on first use: loading the audio stack costs start-up time most runs never need.
    if (sound_ == nullptr) {
        sound_ = new LoudspeakerSound(this);
    }
    sound_->play();
}
