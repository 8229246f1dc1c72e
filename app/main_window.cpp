#include "app/main_window.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

namespace {

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(left, top, width, height);
    return control;
}

PictureButton* MakeButton(QWidget* parent, const QPixmap& normal, const QPixmap& hover) {
    auto* button = new PictureButton(parent);
    button->setNormalPicture(normal);
    button->setHoverPicture(hover);
    return button;
}

}  // namespace

MainWindow::MainWindow(WindowPictures pictures, const WindowCreated& created)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      pictures_(std::move(pictures)) {
    setWindowTitle(QStringLiteral("Kestrix"));
    setWindowIcon(QIcon(pictures_.icon));
    setFixedSize(kWidth, kHeight);
    move(50, 50);
    setFont(WindowFont());
    setFocusPolicy(Qt::NoFocus);

    buildControls();
    stackControls();

    // Esc closes the window whichever control has the focus.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WindowShortcut);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    if (created) created(*this);
}

void MainWindow::buildControls() {
    const WindowPictures& p = pictures_;
    图形按钮1 = Place(MakeButton(this, p.popularLink, p.popularLinkHover), "图形按钮1", 275, 493, 49, 11);
    过滤选择标签 = Place(new TransparentLabel(this), "过滤选择标签", 360, 487, 120, 20);
    提高兼容性选择标签 = Place(new TransparentLabel(this), "提高兼容性选择标签", 497, 487, 151, 20);
    提高兼容性选择框 = Place(new PictureButton(this), "提高兼容性选择框", 485, 489, 17, 17);
    过滤选择框 = Place(new PictureButton(this), "过滤选择框", 342, 489, 17, 17);
    首页链接 = Place(new TransparentLabel(this), "首页链接", 56, 8, 200, 40);
    首页链接->setCursor(Qt::PointingHandCursor);
    输出框 = Place(new LogBox(this), "输出框", 203, 218, 442, 235);
    输入框 = Place(new InputBox(this), "输入框", 203, 168, 442, 19);
    输入框->setText(QStringLiteral(" 请输入URL……"));
    图片框2 = Place(new PictureBox(p.logFrame, this), "图片框2", 192, 207, 466, 261);
    图片框1 = Place(new PictureBox(p.inputFrame, this), "图片框1", 196, 158, 459, 39);
    图片框2->hide();
    图片框1->hide();
    退出按钮 = Place(MakeButton(this, p.exit, p.exitHover), "退出按钮", 652, 1, 87, 53);
    首页按钮 = Place(MakeButton(this, p.home, p.homeHover), "首页按钮", 472, 1, 90, 53);
    图形按钮2 = Place(MakeButton(this, p.help, p.helpHover), "图形按钮2", 562, 1, 90, 53);
    分析按钮 = Place(MakeButton(this, p.start, p.startHover), "分析按钮", 199, 483, 71, 26);
    // The two edit boxes are the only tab stops.
    QWidget::setTabOrder(输入框, 输出框);
}

// Each control lies above every one built after it: raising them from the
// last to the first leaves the first on top.
void MainWindow::stackControls() {
    QWidget* const fromTop[] = {图形按钮1, 过滤选择标签, 提高兼容性选择标签, 提高兼容性选择框, 过滤选择框,
                                首页链接,  输出框,       输入框,             图片框2,           图片框1,
                                退出按钮,  首页按钮,     图形按钮2,          分析按钮};
    for (auto it = std::rbegin(fromTop); it != std::rend(fromTop); ++it) (*it)->raise();
}

void MainWindow::showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - kWidth) / 2, area.top() + (area.height() - kHeight) / 2);
    }
    输入框->setFocus(Qt::OtherFocusReason);
    show();
    raise();
    activateWindow();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), pictures_.background);
}

// A left press on the background (or on a shown picture box, which lets
// presses through) moves the window as a title bar would.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    pressOffset_ = event->globalPosition().toPoint() - pos();
    QWindow* handle = windowHandle();
    followingPointer_ = !(handle && handle->startSystemMove());
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (followingPointer_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - pressOffset_);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) followingPointer_ = false;
}

std::unique_ptr<MainWindow> CreateMainWindow(const WindowCreated& created, Text* error) {
    std::optional<WindowPictures> pictures = LoadWindowPictures(error);
    if (!pictures) return nullptr;
    return std::make_unique<MainWindow>(std::move(*pictures), created);
}
