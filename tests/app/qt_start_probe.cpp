// A bare Qt window, to learn what Qt itself does in an environment: prints the platform Qt
// opened and exits 0 once the window is shown; where Qt opens no platform it aborts.
#include <QGuiApplication>
#include <QRasterWindow>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QRasterWindow window;
    window.resize(100, 100);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    std::printf("%s\n", qPrintable(QGuiApplication::platformName()));
}
