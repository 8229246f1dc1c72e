#include "app/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    // Move events without a held button are what bring the hover picture
    // back after a click.
    setMouseTracking(true);
}

void PictureButton::setNormalPicture(const QPixmap& picture) {
    normal_ = picture;
    repaint();
}

void PictureButton::setHoverPicture(const QPixmap& picture) {
    hover_ = picture;
    update();
}

void PictureButton::setPressedPicture(const QPixmap& picture) {
    pressed_ = picture;
    update();
}

void PictureButton::setDisabledPicture(const QPixmap& picture) {
    disabled_ = picture;
    update();
}

PictureButton::State PictureButton::state() const {
    if (!isEnabled()) return State::Disabled;
    if (isDown()) return State::Pressed;
    if (pointerOver_) return State::Hover;
    return State::Normal;
}

const QPixmap& PictureButton::shownPicture() const {
    switch (state()) {
    case State::Disabled: return disabled_.isNull() ? normal_ : disabled_;
    case State::Pressed: return pressed_.isNull() ? normal_ : pressed_;
    case State::Hover: return hover_.isNull() ? normal_ : hover_;
    case State::Normal: break;
    }
    return normal_;
}

void PictureButton::paintEvent(QPaintEvent*) {
    const QPixmap& picture = shownPicture();
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawPixmap(0, 0, picture);
}

void PictureButton::enterEvent(QEnterEvent* event) {
    setHover(true);
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    setHover(false);
    QAbstractButton::leaveEvent(event);
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) setHover(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    // A release returns the button to normal; the next move over it shows
    // the hover picture again. The click is raised after the state change
    // so a handler that swaps pictures sees the button as it now stands.
    if (event->button() == Qt::LeftButton) setHover(false);
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::setHover(bool hover) {
    if (pointerOver_ == hover) return;
    pointerOver_ = hover;
    update();
}
