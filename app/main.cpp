// Start-up: build the window, show it, run the event loop, and end the
// process the moment the window is gone.
#include "app/main_window.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace {

void SetProgramMetadata() {
    QCoreApplication::setApplicationName(QStringLiteral("Kestrix"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kestrix"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrix"));
}

// The window's event handlers hook in here once all controls exist.
void WindowCreatedEvent(MainWindow&) {}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetProgramMetadata();

    std::unique_ptr<MainWindow> window = CreateMainWindow(WindowCreatedEvent);
    if (!window) {
        QMessageBox::critical(nullptr, QStringLiteral("Kestrix"), QStringLiteral("启动窗口载入失败。"));
        return -1;
    }
    QGuiApplication::setWindowIcon(window->windowIcon());
    window->showCentred();
    app.exec();

    // Runs still going and their fetch workers end with the process where
    // they stand: nothing may wait for them, and no destructor may pull the
    // window or the libraries from under them.
    std::fflush(nullptr);
    std::_Exit(0);
}
