// A label that paints nothing, so the background shows through, and only
// catches the left mouse button: it reports the press and the release and
// keeps both from reaching the window beneath (which would start a move).
#pragma once

#include <QWidget>

class TransparentLabel : public QWidget {
    Q_OBJECT
public:
    explicit TransparentLabel(QWidget* parent = nullptr);

signals:
    void leftPressed();
    void leftReleased();

protected:
    void paintEvent(QPaintEvent*) override {}
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
