#include "app/main_window.h"

#include "app/accessible_interfaces.h"
#include "app/announcer.h"
#include "app/command_router.h"
#include "app/keyboard_play.h"
#include "app/table_widget.h"
#include "app/window_placement.h"
#include "quorvel_identity.h"
#include "raster/text.h"
#include "render/canvas.h"
#include "render/table_surface.h"
#include "render/words.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <new>

MainWindow::MainWindow()
    : client_(new QWidget(this)), table_(new TableWidget(canvas_, client_)),
      view_(canvas_, state_, *table_, buttons_), announcer_(new Announcer(client_)) {
    // before the menu bar measures itself: registering a font drops every font loaded so far
    loadTextFont();
    installAccessibleInterfaces();
    setWindowTitle(QLatin1String(productName));
    buildMenu();
    setCentralWidget(client_);
    // The frame is not known before the window is shown: start with the whole 600 x 460 inside
    // it and take the frame off once the window system reports it.
    resize(clientSizeFor(QMargins(), menuBar()->sizeHint().height(), tableDirection()));
    move(windowOrigin(QGuiApplication::primaryScreen()->geometry().width()));
}

MainWindow::~MainWindow() {
    keyboard_.reset();
    if (surfaceMade_) {
        releaseTableSurface(canvas_);
    }
}

bool MainWindow::create() {
    const char* step = "the card shoe";
    try {
        tableInit(state_);
        step = "the table picture";
        surfaceMade_ = true;
        if (!createTableSurface(canvas_, state_, table_->devicePixelRatioF())) {
            failure_ = "cannot load " + tableSurfaceFailure(canvas_);
            return false;
        }
        step = "the buttons";
        buttons_ = createControls(*client_, [this](std::int32_t id) { command(id); });
        keyboard_ = std::make_unique<KeyboardPlay>(buttons_, *table_, *menuBar(), *announcer_);
        // what the first Deal would otherwise draw for the first time
        table_->afterFirstFrame([this] {
            prepareTableArt(canvas_, state_);
            for (TableButton* button : buttons_) {
                button->prepareLooks();
            }
        });
    } catch (const std::bad_alloc&) {
        failure_ = std::string("not enough memory for ") + step;
        return false;
    }
    return true;
}

void MainWindow::command(std::int32_t command) {
    // Keyboard play follows each button command: where the focus goes, and what is said.
    const bool button = keyboard_ && command >= 0 && command < buttonCount;
    const KeyboardPlay::Before before =
        button ? keyboard_->beforeCommand() : KeyboardPlay::Before{};
    routeCommand(state_, view_, *this, command);
    if (button) {
        keyboard_->afterCommand(static_cast<ControlId>(command), before);
    }
}

void MainWindow::buildMenu() {
    // Plain texts: no mnemonics, no shortcuts.
    const auto text = [](const char* english) {
        return QCoreApplication::translate("Menu", english);
    };
    //: the menu bar's first menu
    QMenu* file = menuBar()->addMenu(text(QT_TRANSLATE_NOOP("Menu", "File")));
    //: File menu: ends the game
    const QString exit = text(QT_TRANSLATE_NOOP("Menu", "Exit"));
    connect(file->addAction(exit), &QAction::triggered, this, [this] { command(ID_FILE_EXIT); });
    //: the menu bar's second menu
    QMenu* help = menuBar()->addMenu(text(QT_TRANSLATE_NOOP("Menu", "Help")));
    //: Help menu: opens the About box
    const QString about = text(QT_TRANSLATE_NOOP("Menu", "About"));
    connect(help->addAction(about), &QAction::triggered, this, [this] { command(ID_HELP_ABOUT); });
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (!fittedToFrame_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                            event->type() == QEvent::Show)) {
        fitToFrame();
    }
    return handled;
}

// Once, when a window manager has put its frame around the window: the outer size becomes
// 600 x 460, as far as the table's layout stays in view.
void MainWindow::fitToFrame() {
    const QWindow* window = windowHandle();
    if (!window || !isVisible()) {
        return;
    }
    const QMargins frame = window->frameMargins();
    if (frame.isNull()) {
        return;
    }
    fittedToFrame_ = true;
    resize(clientSizeFor(frame, menuBar()->height(), tableDirection()));
}
