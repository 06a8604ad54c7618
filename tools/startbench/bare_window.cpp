// The yardstick for the game's start-up: a plain Qt window of the same size and place, with
// the same menu, nine push buttons and an 800 x 600 image, and nothing else. As any program
// that draws for its screen, it makes the image at the screen's device pixel ratio.
#include "game/controls.h"
#include "render/qt_geometry.h"

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr QSize imageSize{TableLayout::backBufferWidth, TableLayout::backBufferHeight};

class ImageWidget : public QWidget {
  public:
    explicit ImageWidget(QWidget* parent)
        : QWidget(parent), image_(imageSize * devicePixelRatio(), QImage::Format_RGB32) {
        image_.setDevicePixelRatio(devicePixelRatio());
        image_.fill(QColor(0, 128, 0));
        setFixedSize(imageSize);
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

  private:
    QImage image_;
};
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    window.menuBar()->addMenu("File")->addAction("Exit");
    window.menuBar()->addMenu("Help")->addAction("About");
    auto* client = new QWidget(&window);
    auto* image = new ImageWidget(client);
    for (const Control& control : controls) {
        (new QPushButton(control.caption, image))->setGeometry(toQRect(control.rect));
    }
    window.setCentralWidget(client);
    window.resize(TableLayout::windowWidth, TableLayout::windowHeight);
    window.move(100, 80);
    window.show();
    return QApplication::exec();
}
