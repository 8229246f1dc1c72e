// A push button made of pictures: one for each of its states, drawn at the
// button's top-left corner at natural size and clipped to the button.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class State { Normal, Hover, Pressed, Disabled };

    explicit PictureButton(QWidget* parent = nullptr);

    // Replacing the normal picture repaints the button at once.
    void setNormalPicture(const QPixmap& picture);
    void setHoverPicture(const QPixmap& picture);
    void setPressedPicture(const QPixmap& picture);
    void setDisabledPicture(const QPixmap& picture);

    State state() const;
    // The picture the button shows in its present state (may be null).
    const QPixmap& shownPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHover(bool hover);

    QPixmap normal_, hover_, pressed_, disabled_;
    bool pointerOver_ = false;
};
