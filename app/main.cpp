#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Kestrix");
    window.setFixedSize(851, 608);
    window.show();
    return app.exec();
}
