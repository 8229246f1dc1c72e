// The program's one window: 851 × 608, frameless, its face one background
// picture, with fourteen controls over it. The controls are public under
// their Chinese names (and carry them as object names), so the window's
// event handlers can reach them.
#pragma once

#include "app/edit_boxes.h"
#include "app/picture_box.h"
#include "app/picture_button.h"
#include "app/pictures.h"
#include "app/transparent_label.h"
#include "common/text.h"

#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>

class MainWindow;

// Called once all controls exist, before the window is shown.
using WindowCreated = std::function<void(MainWindow&)>;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 851;
    static constexpr int kHeight = 608;

    MainWindow(WindowPictures pictures, const WindowCreated& created);

    const WindowPictures& pictures() const { return pictures_; }

    // Centred on the primary screen, active, with the focus in 输入框.
    void showCentred();

    // From top to bottom of the stacking order.
    PictureButton* 图形按钮1;
    TransparentLabel* 过滤选择标签;
    TransparentLabel* 提高兼容性选择标签;
    PictureButton* 提高兼容性选择框;
    PictureButton* 过滤选择框;
    TransparentLabel* 首页链接;
    LogBox* 输出框;
    InputBox* 输入框;
    PictureBox* 图片框2;
    PictureBox* 图片框1;
    PictureButton* 退出按钮;
    PictureButton* 首页按钮;
    PictureButton* 图形按钮2;
    PictureButton* 分析按钮;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void stackControls();

    WindowPictures pictures_;
    // Set while the window follows the pointer itself, when the window
    // system cannot move it (no window manager).
    bool followingPointer_ = false;
    QPoint pressOffset_;
};

// Builds the window from the built-in pictures and raises `created`; gives
// nothing, with the reason in `error`, when the window cannot be made.
std::unique_ptr<MainWindow> CreateMainWindow(const WindowCreated& created, Text* error = nullptr);
