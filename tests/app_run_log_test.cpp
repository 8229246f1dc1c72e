// The run log: entries land at the end of 输出框, from any thread, one
// whole entry at a time.
#include "app/main_window.h"
#include "app/run_log.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

class RunLogTest : public testing::Test {
protected:
    void SetUp() override {
        window = CreateMainWindow({});
        ASSERT_TRUE(window);
        window->showCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        box = window->输出框;
    }

    QStringList lines() const { return box->toPlainText().split(QLatin1Char('\n')); }

    // Keeps the window's thread serving requests until every worker ends.
    void serveUntilDone(std::vector<std::thread>& workers, std::atomic<int>& running) {
        QDeadlineTimer deadline(20000);
        while (running.load() > 0 && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        ASSERT_EQ(running.load(), 0) << "workers still waiting for the window";
        for (std::thread& worker : workers) worker.join();
    }

    std::unique_ptr<MainWindow> window;
    LogBox* box = nullptr;
};

TEST_F(RunLogTest, FirstEntryInAFreshWindowLeavesAnEmptyFirstLine) {
    LogLine(*box, "分析线程启动");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("\n*分析线程启动"));
    EXPECT_EQ(box->document()->blockCount(), 2);
    EXPECT_TRUE(box->document()->firstBlock().text().isEmpty());
}

TEST_F(RunLogTest, MessageWithLineBreaksGoesOnOverLinesWithoutAsterisk) {
    LogLine(*box, "网络连接失败，可能的原因：\r\n1.甲\r\n2.乙\r\n3.丙");
    LogLine(*box, "分析线程结束");
    EXPECT_EQ(lines(), QStringList({"", "*网络连接失败，可能的原因：", "1.甲", "2.乙", "3.丙", "*分析线程结束"}));
}

TEST_F(RunLogTest, EntryGoesToTheEndWhereverTheCaretOrSelectionIs) {
    box->setPlainText(QStringLiteral("\n*第一条\n*second"));
    QTextCursor middle = box->textCursor();
    middle.setPosition(3);
    middle.setPosition(6, QTextCursor::KeepAnchor);
    box->setTextCursor(middle);
    box->setFocus();

    LogLine(*box, "third");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("\n*第一条\n*second\n*third"));
    EXPECT_FALSE(box->textCursor().hasSelection());
    EXPECT_TRUE(box->textCursor().atEnd());
}

TEST_F(RunLogTest, EntryCannotBeUndone) {
    box->setFocus();
    QTest::keyClicks(box, "typed");
    LogLine(*box, "entry");
    box->undo();
    EXPECT_TRUE(box->toPlainText().endsWith(QStringLiteral("\n*entry")));
}

TEST_F(RunLogTest, BoxScrollsToTheNewestEntry) {
    for (int i = 0; i < 200; ++i) LogLine(*box, "entry " + std::to_string(i));
    QScrollBar* bar = box->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(RunLogTest, EntriesFromAnotherThreadArriveInOrderBeforeEachCallReturns) {
    const int count = 100;
    // Counted on the window's thread as the box changes.
    std::atomic<int> blocks{box->document()->blockCount()};
    QObject::connect(box->document(), &QTextDocument::blockCountChanged, [&](int n) { blocks = n; });
    std::atomic<int> running{1};
    std::atomic<int> returnedEarly{0};
    std::vector<std::thread> workers;
    workers.emplace_back([&, log = LogLineTo(*box)] {
        for (int i = 0; i < count; ++i) {
            log("第" + std::to_string(i) + "条");
            if (blocks.load() < i + 2) ++returnedEarly;
        }
        running = 0;
    });
    serveUntilDone(workers, running);
    EXPECT_EQ(returnedEarly.load(), 0);

    const QStringList got = lines();
    ASSERT_EQ(got.size(), count + 1);
    for (int i = 0; i < count; ++i) EXPECT_EQ(got[i + 1], QStringLiteral("*第%1条").arg(i));
}

TEST_F(RunLogTest, TwoThreadsLoggingAtOnceNeverPutOneEntryInsideAnother) {
    const int count = 300;
    const char* const names[] = {"A", "B"};
    std::atomic<int> running{2};
    std::atomic<bool> go{false};
    std::vector<std::thread> workers;
    for (const char* name : names) {
        workers.emplace_back([&, name] {
            while (!go) std::this_thread::yield();
            for (int i = 0; i < count; ++i) {
                const std::string n = std::string(name) + " " + std::to_string(i);
                LogLine(*box, n + "\r\n" + n + " tail");
            }
            --running;
        });
    }
    go = true;
    serveUntilDone(workers, running);

    const QStringList got = lines();
    ASSERT_EQ(got.size(), 1 + 2 * 2 * count);
    EXPECT_TRUE(got[0].isEmpty());
    int next[2] = {0, 0};
    for (int i = 1; i + 1 < got.size(); i += 2) {
        const QString head = got[i];
        ASSERT_TRUE(head.startsWith(QLatin1Char('*'))) << head.toStdString();
        const QString entry = head.mid(1);
        ASSERT_EQ(got[i + 1], entry + QStringLiteral(" tail"));  // its own second line follows
        const int who = entry.startsWith(QLatin1Char('A')) ? 0 : 1;
        EXPECT_EQ(entry, QStringLiteral("%1 %2").arg(QLatin1String(names[who])).arg(next[who]));
        ++next[who];
    }
    EXPECT_EQ(next[0], count);
    EXPECT_EQ(next[1], count);
}

}  // namespace
