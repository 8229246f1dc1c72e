// The window's pictures, decoded from the PNG data built into the program.
#pragma once

#include "common/text.h"

#include <QImage>
#include <QPixmap>

#include <optional>

// The PNG built in under `name` (its file name in app/pictures without
// ".png"), decoded; a null image when it is missing or damaged, with the
// reason in `error` when given.
QImage BuiltInPicture(const char* name, Text* error = nullptr);

struct WindowPictures {
    QPixmap background;
    QPixmap popularLink, popularLinkHover;  // 图形按钮1
    QPixmap exit, exitHover;                // 退出按钮
    QPixmap home, homeHover;                // 首页按钮
    QPixmap help, helpHover;                // 图形按钮2
    QPixmap start, startHover;              // 分析按钮
    QPixmap inputFrame;                     // 图片框1
    QPixmap logFrame;                       // 图片框2
    QPixmap TickedBoxPicture;               // the option check boxes
    QPixmap EmptyBoxPicture;
    QPixmap icon;
};

// Every picture the window needs, or nothing when one of them cannot be
// decoded; `error` then names it.
std::optional<WindowPictures> LoadWindowPictures(Text* error = nullptr);
