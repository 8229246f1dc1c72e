// The window's two edit boxes: borderless, without scroll bars, grey text
// on the grey of the field painted beneath, selection hidden while the box
// has no focus. Both report gaining and losing the focus; the one-line box
// also reports a left press before it places the caret.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

class InputBox : public QLineEdit {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

signals:
    void leftPressed();
    void focusEntered();
    void focusLeft();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

class LogBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit LogBox(QWidget* parent = nullptr);

signals:
    void focusEntered();
    void focusLeft();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// "微软雅黑" at a character height of 12 pixels, weight 400, falling back to
// its look-alike WenQuanYi Micro Hei and then the system's CJK sans font.
QFont WindowFont();
