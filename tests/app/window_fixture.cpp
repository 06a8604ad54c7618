#include "tests/app/window_fixture.h"

#include "app/table_widget.h"
#include "raster/surface.h"
#include "render/canvas.h"
#include "tests/support/recording_view.h"
#include "tests/support/table_fixture.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cctype>

QAction* menuItem(MainWindow& window, const QString& text) {
    for (QAction* menu : window.menuBar()->actions()) {
        for (QAction* item : menu->menu()->actions()) {
            if (item->text() == text) {
                return item;
            }
        }
    }
    return nullptr;
}

std::string testName(const char* words) {
    std::string name;
    for (const char* c = words; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            name += *c;
        }
    }
    return name;
}

void WindowTest::SetUp() {
    window = std::make_unique<MainWindow>();
    ASSERT_TRUE(window->create());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowTest::TearDown() {
    window.reset();
}

// Through the window system, as a user's click comes, so a modal box can hold it back.
void WindowTest::click(ControlId id) {
    const QPushButton& button = window->button(id);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      button.mapTo(window.get(), button.rect().center()));
}

void WindowTest::play(const WordsAfterClicks& row) {
    if (!row.draws.empty()) {
        arrangeShoe(state(), row.draws);
    }
    for (const ControlId id : row.clicks) {
        click(id);
    }
}

std::string WindowTest::enabledWords() const {
    return buttonWordsWhere([this](ControlId id) { return window->button(id).isEnabled(); });
}

QImage WindowTest::screenTable() const {
    const QPoint origin = window->table().mapTo(window.get(), QPoint(0, 0));
    const QImage shown = QGuiApplication::primaryScreen()
                             ->grabWindow(window->winId())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    return shown.copy(QRect(origin, shown.size()));
}

int WindowTest::pixelsUnlikeBackBuffer() const {
    const QImage shown = screenTable();
    const QImage expected =
        backBuffer(window->canvas()).image().convertToFormat(QImage::Format_RGB32);
    const QRect visible = QRect(QPoint(0, 0), window->centralWidget()->size()) & expected.rect() &
                          QRect(QPoint(0, 0), shown.size());
    QRegion buttons;
    for (std::int32_t id = 0; id < buttonCount; ++id) {
        buttons += window->button(ControlId(id)).geometry();
    }
    int unlike = 0;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        for (int x = visible.left(); x <= visible.right(); ++x) {
            if (shown.pixel(x, y) != expected.pixel(x, y) && !buttons.contains(QPoint(x, y))) {
                ++unlike;
            }
        }
    }
    return unlike;
}
