// A bare Qt window, to learn what Qt itself does in an environment: prints the platform Qt
// opened and exits 0 once the window is shown; where Qt opens no platform it aborts.
#include <QGuiApplication>
#include <QRasterWindow>

#include <cstdio>

namespace {
class BareWindow : public QRasterWindow {
  protected:
    void exposeEvent(QExposeEvent*) override {
        if (isExposed()) {
            std::printf("%s\n", qPrintable(QGuiApplication::platformName()));
            QGuiApplication::quit();
        }
    }
};
} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    BareWindow window;
    window.resize(100, 100);
    window.show();
    return QGuiApplication::exec();
}
