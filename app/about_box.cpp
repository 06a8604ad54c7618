#include "app/about_box.h"

#include "quorvel_identity.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {
// The box's template, in dialog units: its client area, the centred text and the OK button.
constexpr QSize clientUnits(187, 95);
constexpr QRect textUnits(51, 13, 79, 42);
constexpr QRect okUnits(66, 66, 50, 14);
constexpr int border = 1; // the line drawn round the box

// Dialog units in pixels of a font: a horizontal unit is a quarter of the average width of the
// letters A-Z and a-z, a vertical unit an eighth of the font's height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font) {
        const QFontMetricsF metrics(font);
        averageWidth_ = std::round(metrics.horizontalAdvance(QStringLiteral(
                                       "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                   52);
        height_ = QFontMetrics(font).height();
    }
    int x(int units) const { return static_cast<int>(std::lround(units * averageWidth_ / 4)); }
    int y(int units) const { return static_cast<int>(std::lround(units * height_ / 8.0)); }
    QSize size(QSize units) const { return {x(units.width()), y(units.height())}; }
    QRect rect(const QRect& units) const {
        return {x(units.x()), y(units.y()), x(units.width()), y(units.height())};
    }

  private:
    double averageWidth_ = 0;
    int height_ = 0;
};

// The box draws its own caption above the template's client area: the frame of a window
// manager or of Qt's Wayland client brings close, minimise and maximise buttons with it on some
// desktops, and on Wayland a maximised box of fixed size ends the connection. Dragging the
// caption moves the box.
class CaptionBar : public QLabel {
  public:
    CaptionBar(const QString& text, QWidget* parent) : QLabel(text, parent) {
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

QString text(const char* english) {
    return QCoreApplication::translate("AboutBox", english);
}

// The five lines of the box's text; the program's name is not translated.
QString aboutText() {
    //: %1 the version number ("1.0")
    const QString version = text(QT_TRANSLATE_NOOP("AboutBox", "Version %1"));
    //: second line of the About box
    const QString team = text(QT_TRANSLATE_NOOP("AboutBox", "By the Quorvel team"));
    //: third line of the About box
    const QString madeWith = text(QT_TRANSLATE_NOOP("AboutBox", "Made with Qt"));
    return QLatin1String(productName) + QStringLiteral("\n") +
           version.arg(QLatin1String(quorvelVersion)) + QStringLiteral("\n\n") + team +
           QStringLiteral("\n") + madeWith;
}

AboutBox::AboutBox(QWidget& owner) : QDialog(&owner, Qt::Dialog | Qt::FramelessWindowHint) {
    //: the About box's caption (also Help > About's box title)
    setWindowTitle(text(QT_TRANSLATE_NOOP("AboutBox", "About Quorvel")));
    const DialogUnits units(font());
    auto* caption = new CaptionBar(windowTitle(), this);
    // Chinese, Japanese and Korean lines stand taller than the template's: the text, the OK
    // button below it and the box grow by what the lines need.
    const QString shown = aboutText();
    const QRect textRect = units.rect(textUnits);
    const int taller =
        std::max(0, QFontMetrics(font())
                            .boundingRect(QRect(QPoint(0, 0), QSize(textRect.width(), 1000)),
                                          Qt::AlignHCenter | Qt::AlignTop, shown)
                            .height() -
                        textRect.height());
    const QSize client = units.size(clientUnits) + QSize(0, taller);
    caption->setGeometry(border, border, client.width(), caption->sizeHint().height());

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("aboutClient"));
    area->setGeometry(QRect(QPoint(border, caption->geometry().bottom() + 1), client));
    auto* lines = new QLabel(shown, area);
    lines->setObjectName(QStringLiteral("aboutText"));
    lines->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // the template mirrored for a right-to-left language
    const auto placed = [&](QRect rect) {
        return QStyle::visualRect(layoutDirection(), QRect(QPoint(0, 0), client), rect);
    };
    lines->setGeometry(placed(textRect.adjusted(0, 0, 0, taller)));
    //: the About box's only button
    auto* ok = new QPushButton(text(QT_TRANSLATE_NOOP("AboutBox", "OK")), area);
    ok->setDefault(true);
    ok->setGeometry(placed(units.rect(okUnits).translated(0, taller)));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(client.width() + 2 * border, area->geometry().bottom() + 1 + border);
    ok->setFocus();
}
} // namespace

void showAboutBox(QWidget& owner) {
    AboutBox box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    // Centred on the screen, not on the owner. A Wayland compositor places the box itself.
    QRect outer(QPoint(0, 0), box.size());
    outer.moveCenter(owner.screen()->availableGeometry().center());
    box.move(outer.topLeft());
    allowOnlyMoving(box);
    box.exec();
}
