#include "app/picture_box.h"

#include <QPainter>

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawPixmap(0, 0, picture_);
}
