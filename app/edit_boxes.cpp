#include "app/edit_boxes.h"

#include <QMouseEvent>

#include <limits>

namespace {

const QColor kTextColour(0x60, 0x60, 0x60);
const QColor kFieldColour(0xF2, 0xF5, 0xF6);

// Text and field colours in every state. While the box has no focus the
// selection is drawn in the inactive colours, which are made the plain ones,
// so it does not show.
void StyleEditBox(QWidget& box) {
    QPalette palette = box.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, kTextColour);
        palette.setColor(group, QPalette::Base, kFieldColour);
        palette.setColor(group, QPalette::Window, kFieldColour);
    }
    palette.setColor(QPalette::Inactive, QPalette::Highlight, kFieldColour);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, kTextColour);
    box.setPalette(palette);
    box.setFont(WindowFont());
    box.setFocusPolicy(Qt::StrongFocus);
    box.setCursor(Qt::ArrowCursor);
}

}  // namespace

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("sans-serif")});
    font.setPixelSize(12);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

InputBox::InputBox(QWidget* parent) : QLineEdit(parent) {
    StyleEditBox(*this);
    setFrame(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMaxLength(std::numeric_limits<int>::max());
    setTextMargins(0, 0, 0, 0);
}

void InputBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit leftPressed();
    QLineEdit::mousePressEvent(event);
}

void InputBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusEntered();
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focusLeft();
}

LogBox::LogBox(QWidget* parent) : QPlainTextEdit(parent) {
    StyleEditBox(*this);
    viewport()->setCursor(Qt::ArrowCursor);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Long addresses have no spaces: break them anywhere rather than let
    // them run past the right edge, where no scroll bar could reach them.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
    document()->setDocumentMargin(2);
}

void LogBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    emit focusEntered();
}

void LogBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    emit focusLeft();
}
