// The yardstick for the game's start-up: a plain Qt window of the same size and place, with
// the same menu, nine push buttons and an 800 x 600 image, and nothing else. As any program
// that draws for its screen, it makes the image at the screen's device pixel ratio.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

namespace {
class ImageWidget : public QWidget {
  public:
    explicit ImageWidget(QWidget* parent)
        : QWidget(parent), image_(QSize(800, 600) * devicePixelRatio(), QImage::Format_RGB32) {
        image_.setDevicePixelRatio(devicePixelRatio());
        image_.fill(QColor(0, 128, 0));
        setFixedSize(800, 600);
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
    const struct {
        const char* caption;
        int x, y, width, height;
    } buttons[] = {{"Deal", 10, 340, 95, 25},      {"Hit", 110, 340, 95, 25},
                   {"Stand", 210, 340, 95, 25},    {"Split", 210, 375, 95, 25},
                   {"Double", 110, 375, 95, 25},   {"Bet One", 325, 365, 70, 18},
                   {"Bet Five", 325, 388, 70, 18}, {"Bet Ten", 400, 365, 70, 18},
                   {"Clear", 400, 388, 70, 18}};
    for (const auto& each : buttons) {
        (new QPushButton(each.caption, image))
            ->setGeometry(each.x, each.y, each.width, each.height);
    }
    window.setCentralWidget(client);
    window.resize(600, 460);
    window.move(100, 80);
    window.show();
    return QApplication::exec();
}
