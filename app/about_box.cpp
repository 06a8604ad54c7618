#include "app/about_box.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
// The box draws its own caption: the frame of a window manager or of Qt's Wayland client brings
// close, minimise and maximise buttons with it on some desktops, and on Wayland a maximised box
// of fixed size ends the connection. Dragging the caption moves the box.
class Caption : public QLabel {
  public:
    Caption(const QString& text, QWidget* parent) : QLabel(text, parent) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Highlight);
        setForegroundRole(QPalette::HighlightedText);
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        setContentsMargins(8, 4, 8, 4);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        QWindow* box = window()->windowHandle();
        if (event->button() == Qt::LeftButton && box) {
            box->startSystemMove();
        }
    }
};

// Only OK closes the box: Escape and closing the window ask for a reject, which does nothing.
class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget& owner);
    void reject() override {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // A window manager may still minimise, maximise or fill the screen with the box from its own
    // menus (openbox's Alt+Space): the box stays as it is, at its own size and in view.
    void changeEvent(QEvent* event) override {
        QDialog::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && windowState() != Qt::WindowNoState) {
            setWindowState(Qt::WindowNoState);
        }
    }
};

AboutBox::AboutBox(QWidget& owner) : QDialog(&owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("About Quorvel"));
    auto* text = new QLabel(QStringLiteral("Quorvel\nVersion 1.0\n\n"
                                           "Cards and table drawn by the Quorvel developers\n"
                                           "Built with Qt"),
                            this);
    text->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* frame = new QVBoxLayout(this);
    frame->setSizeConstraint(QLayout::SetFixedSize);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    frame->addWidget(new Caption(windowTitle(), this));
    auto* content = new QVBoxLayout;
    content->setContentsMargins(24, 18, 24, 14);
    content->setSpacing(16);
    content->addWidget(text);
    content->addWidget(ok, 0, Qt::AlignHCenter);
    frame->addLayout(content);
    ok->setFocus();
}

// On X11 the box tells the window manager that it can only be moved: no closing, minimising,
// maximising or resizing from keys or menus either, and no frame of its own.
void allowOnlyMoving(QWidget& box) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection) {
        return; // offscreen, for one, offers an X11 interface without a connection
    }
    const char* name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!atom) {
        return;
    }
    enum : std::uint32_t { functionsGiven = 1, decorationsGiven = 2, moveOnly = 4, noFrame = 0 };
    const std::uint32_t hints[5] = {functionsGiven | decorationsGiven, moveOnly, noFrame, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(box.winId()),
                        atom->atom, atom->atom, 32, 5, hints);
    std::free(atom);
}
} // namespace

void showAboutBox(QWidget& owner) {
    AboutBox box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    // Centred on the screen, not on the owner. A Wayland compositor places the box itself.
    QRect outer(QPoint(0, 0), box.size());
    outer.moveCenter(owner.screen()->availableGeometry().center());
    box.move(outer.topLeft());
    allowOnlyMoving(box);
    box.exec();
}
