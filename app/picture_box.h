// A box that shows its picture at the top-left corner at natural size,
// clipped to the box. Mouse presses pass through it to the window, so a
// press on a shown picture box moves the window.
#pragma once

#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QPixmap& picture, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
