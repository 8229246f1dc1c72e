// The main window as the user meets it: where every control lies, picture
// buttons, moving the window, Esc, Tab and the focus.
#include "app/main_window.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        window = CreateMainWindow({});
        ASSERT_TRUE(window);
        window->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        handle = window->windowHandle();
    }

    // Mouse events go through the window, so each lands on whatever
    // control lies at that point, as a real pointer's would.
    void move(QPoint at) { QTest::mouseMove(handle, at); }
    void press(QPoint at) { QTest::mousePress(handle, Qt::LeftButton, {}, at); }
    void release(QPoint at) { QTest::mouseRelease(handle, Qt::LeftButton, {}, at); }

    std::unique_ptr<MainWindow> window;
    QWindow* handle = nullptr;
};

struct ControlPlace {
    const char* name;
    QRect geometry;
    bool shown;
};

// The control table, from the top of the stacking order down.
const ControlPlace kControls[] = {
    {"图形按钮1", {275, 493, 49, 11}, true},
    {"过滤选择标签", {360, 487, 120, 20}, true},
    {"提高兼容性选择标签", {497, 487, 151, 20}, true},
    {"提高兼容性选择框", {485, 489, 17, 17}, true},
    {"过滤选择框", {342, 489, 17, 17}, true},
    {"首页链接", {56, 8, 200, 40}, true},
    {"输出框", {203, 218, 442, 235}, true},
    {"输入框", {203, 168, 442, 19}, true},
    {"图片框2", {192, 207, 466, 261}, false},
    {"图片框1", {196, 158, 459, 39}, false},
    {"退出按钮", {652, 1, 87, 53}, true},
    {"首页按钮", {472, 1, 90, 53}, true},
    {"图形按钮2", {562, 1, 90, 53}, true},
    {"分析按钮", {199, 483, 71, 26}, true},
};

QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }
QImage Plain(const QPixmap& picture, int width, int height) {
    return picture.toImage().copy(0, 0, width, height).convertToFormat(QImage::Format_RGB32);
}

TEST_F(WindowTest, WindowIsFixedFramelessAndCentredOnThePrimaryScreen) {
    EXPECT_EQ(window->size(), QSize(851, 608));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kestrix"));
    EXPECT_FALSE(window->windowIcon().isNull());

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->pos(), QPoint(screen.left() + (screen.width() - 851) / 2,
                                    screen.top() + (screen.height() - 608) / 2));
}

TEST_F(WindowTest, ControlsLieAtTheirPlacesInTheirStackingOrder) {
    std::vector<QWidget*> expectedFromTop;
    for (const ControlPlace& control : kControls) {
        SCOPED_TRACE(control.name);
        auto* widget = window->findChild<QWidget*>(QString::fromUtf8(control.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), control.geometry);
        EXPECT_EQ(widget->isVisible(), control.shown);
        EXPECT_TRUE(widget->isEnabled());
        expectedFromTop.push_back(widget);
    }
    // Qt keeps sibling widgets from the bottom of the stack to the top.
    std::vector<QWidget*> fromTop;
    for (QObject* child : window->children())
        if (auto* widget = qobject_cast<QWidget*>(child)) fromTop.insert(fromTop.begin(), widget);
    EXPECT_EQ(fromTop, expectedFromTop);

    // Where two controls overlap, the upper one takes the pointer.
    EXPECT_EQ(window->childAt(499, 495), window->提高兼容性选择标签);
    EXPECT_EQ(window->首页链接->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowTest, StartsWithTheHintTextAndTheFocusInTheInputBox) {
    EXPECT_EQ(window->输入框->text(), QStringLiteral(" 请输入URL……"));
    EXPECT_EQ(window->输入框->text().toUtf8(), QByteArray(" 请输入URL……"));
    EXPECT_TRUE(window->输出框->toPlainText().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), window->输入框);
}

TEST(WindowCreated, HookRunsOnceWithEveryControlBeforeTheWindowShows) {
    int calls = 0;
    QPixmap ticked;
    auto window = CreateMainWindow([&](MainWindow& w) {
        ++calls;
        EXPECT_FALSE(w.isVisible());
        ASSERT_NE(w.分析按钮, nullptr);
        ticked = w.pictures().TickedBoxPicture;
        w.过滤选择框->setNormalPicture(ticked);
    });
    ASSERT_TRUE(window);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Grab(window->过滤选择框), Plain(ticked, 17, 17));
}

TEST_F(WindowTest, AnalyseButtonShowsHoverPictureOnlyWhileThePointerRestsOnIt) {
    PictureButton* button = window->分析按钮;
    const QImage normal = Plain(window->pictures().start, 71, 26);
    const QImage hover = Plain(window->pictures().startHover, 71, 26);
    ASSERT_NE(normal, hover);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    const QPoint centre = button->geometry().center();

    move(QPoint(100, 590));
    EXPECT_EQ(Grab(button), normal);
    move(centre);
    EXPECT_EQ(button->state(), PictureButton::State::Hover);
    EXPECT_EQ(Grab(button), hover);

    press(centre);  // no pressed picture: the normal one shows while held
    EXPECT_EQ(button->state(), PictureButton::State::Pressed);
    EXPECT_EQ(Grab(button), normal);
    EXPECT_EQ(clicks.count(), 0);
    release(centre);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(button->state(), PictureButton::State::Normal);

    move(centre + QPoint(1, 0));
    EXPECT_EQ(Grab(button), hover);
    move(QPoint(100, 590));
    EXPECT_EQ(Grab(button), normal);

    // Pressed, dragged off and released elsewhere: no click.
    press(centre);
    move(QPoint(100, 590));
    release(QPoint(100, 590));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(WindowTest, ReplacedNormalPictureShowsAtOnce) {
    PictureButton* box = window->过滤选择框;
    box->setNormalPicture(window->pictures().TickedBoxPicture);
    EXPECT_EQ(Grab(box), Plain(window->pictures().TickedBoxPicture, 17, 17));
    box->setNormalPicture(window->pictures().EmptyBoxPicture);
    EXPECT_EQ(Grab(box), Plain(window->pictures().EmptyBoxPicture, 17, 17));
}

TEST_F(WindowTest, DoubleClickOnAPictureButtonIsTwoClicks) {
    QSignalSpy clicks(window->过滤选择框, &QAbstractButton::clicked);
    QTest::mouseDClick(handle, Qt::LeftButton, {}, window->过滤选择框->geometry().center());
    EXPECT_EQ(clicks.count(), 2);
}

struct DragCase {
    const char* where;
    QPoint press;
    bool showFrames;
    bool moves;
};

TEST_F(WindowTest, DraggingMovesTheWindowOnlyFromTheBackgroundOrAShownPictureBox) {
    const DragCase cases[] = {
        {"yellow backdrop", {30, 300}, false, true},
        {"white panel", {100, 400}, false, true},
        {"top band", {300, 30}, false, true},
        {"shown frame of 输出框", {195, 300}, true, true},
        {"shown frame of 输入框", {650, 177}, true, true},
        {"过滤选择标签", {400, 495}, false, false},
        {"首页链接", {150, 20}, false, false},
        {"输出框", {400, 300}, false, false},
        {"分析按钮", {230, 495}, false, false},
    };
    const QPoint step(40, 25);
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.where);
        window->图片框1->setVisible(c.showFrames);
        window->图片框2->setVisible(c.showFrames);
        const QPoint before = window->pos();
        // The pointer stays where it is on the screen while the window
        // moves under it, so it is released where it was moved to.
        const QPoint target = window->mapToGlobal(c.press + step);
        press(c.press);
        move(c.press + step);
        release(window->mapFromGlobal(target));
        EXPECT_EQ(window->pos(), c.moves ? before + step : before);
    }
}

TEST_F(WindowTest, EscClosesTheWindowFromEitherEditBox) {
    for (QWidget* box : {static_cast<QWidget*>(window->输出框), static_cast<QWidget*>(window->输入框)}) {
        SCOPED_TRACE(box->objectName().toStdString());
        window->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(WindowTest, TabMovesBetweenTheTwoEditBoxesOnly) {
    window->输入框->setFocus();
    QTest::keyClick(window->输入框, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->输出框);
    QTest::keyClick(window->输出框, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->输入框);
    EXPECT_TRUE(window->输出框->toPlainText().isEmpty());  // no tab typed into the log
}

TEST_F(WindowTest, FocusReturnsToTheEditBoxThatHadItWhenTheWindowIsActivatedAgain) {
    window->输出框->setFocus();
    QWidget other;
    other.setGeometry(10, 10, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->isActiveWindow());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), window->输出框);
}

TEST_F(WindowTest, LogBoxWrapsLongLinesAndNeverShowsScrollBars) {
    LogBox* log = window->输出框;
    log->setPlainText(QString(300, QLatin1Char('a')) + QString(200, QLatin1Char('\n')));
    QApplication::processEvents();
    EXPECT_GT(log->document()->firstBlock().layout()->lineCount(), 1);
    EXPECT_FALSE(log->verticalScrollBar()->isVisible());
    EXPECT_FALSE(log->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(log->isReadOnly());

    window->输入框->setText(QString(500, QLatin1Char('b')));
    EXPECT_EQ(window->输入框->text().size(), 500);  // no length limit of its own
}

TEST_F(WindowTest, SelectionDoesNotShowWhileTheLogBoxHasNoFocus) {
    LogBox* log = window->输出框;
    log->setPlainText(QStringLiteral("第一行\nsecond line"));
    log->setFocus();
    log->selectAll();
    const QColor highlight = log->palette().color(QPalette::Active, QPalette::Highlight);
    auto highlighted = [&] {
        const QImage image = Grab(log);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == highlight) return true;
        return false;
    };
    EXPECT_TRUE(highlighted());
    window->输入框->setFocus();
    EXPECT_TRUE(log->textCursor().hasSelection());
    EXPECT_FALSE(highlighted());
}

}  // namespace
