#include "app/transparent_label.h"

#include <QMouseEvent>

TransparentLabel::TransparentLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) emit leftPressed();
}

void TransparentLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) emit leftReleased();
}

// The second press of a double-click is swallowed: a double-click on a
// label counts as a single press.
void TransparentLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
