#include "quorvel_identity.h"
#include "tests/app/window_fixture.h"

#include "app/table_widget.h"
#include "game/table_state.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {
// What the About box looked like and did while it was open.
struct AboutVisit {
    bool opened = false;
    QString caption;
    QString text;
    bool okHasFocusAndIsDefault = false;
    bool hasCloseButton = true;
    bool centred = false;
    bool openAfterEscape = false;
    bool openAfterCloseRequest = false;
    bool dealtWhileOpen = false;
    bool tableRepaintedWhileOpen = false;
    bool closedByEnter = false;
};

// Opens the About box from the menu and runs `look` while it is open; returns once it closed.
void whileAboutBoxIsOpen(MainWindow& window, const std::function<void(QDialog*)>& look) {
    QTimer::singleShot(0, [&look] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        // a failing check must not leave the test waiting on the box
        QTimer::singleShot(5000, box, [box] { box->accept(); });
        look(box);
    });
    QAction* about = menuItem(window, "About");
    ASSERT_NE(about, nullptr);
    about->trigger();
}

class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};
} // namespace

TEST_F(WindowTest, AboutBoxIsModalAndClosesOnlyThroughOk) {
    AboutVisit visit;
    whileAboutBoxIsOpen(*window, [&](QDialog* box) {
        visit.opened = true;
        visit.caption = box->windowTitle();
        const QLabel* label = box->findChild<QLabel*>("aboutText");
        visit.text = label ? label->text() : QString();
        const QPushButton* ok = box->findChild<QPushButton*>();
        visit.okHasFocusAndIsDefault =
            ok && ok->text() == "OK" && ok->isDefault() && box->focusWidget() == ok;
        visit.hasCloseButton = box->windowFlags().testFlag(Qt::WindowCloseButtonHint) ||
                               box->windowFlags().testFlag(Qt::WindowSystemMenuHint);
        visit.centred =
            (box->frameGeometry().center() - box->screen()->availableGeometry().center())
                .manhattanLength() <= 2;

        QTest::keyClick(box, Qt::Key_Escape);
        visit.openAfterEscape = box->isVisible();
        box->close();
        visit.openAfterCloseRequest = box->isVisible();

        click(IDC_DEAL);
        visit.dealtWhileOpen = !state().bettingMode;
        PaintCounter counter;
        window->table().installEventFilter(&counter);
        window->table().update();
        QApplication::processEvents();
        window->table().removeEventFilter(&counter);
        visit.tableRepaintedWhileOpen = counter.paints > 0;

        QTest::keyClick(box, Qt::Key_Return);
        visit.closedByEnter = !box->isVisible();
    });
    EXPECT_TRUE(visit.opened);
    EXPECT_EQ(visit.caption, "About Quorvel");
    const QStringList lines = visit.text.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Quorvel");
    EXPECT_EQ(lines[1], QStringLiteral("Version ") + QLatin1String(quorvelVersion));
    EXPECT_EQ(lines[2], "");
    EXPECT_TRUE(visit.okHasFocusAndIsDefault);
    EXPECT_FALSE(visit.hasCloseButton);
    EXPECT_TRUE(visit.centred);
    EXPECT_TRUE(visit.openAfterEscape);
    EXPECT_TRUE(visit.openAfterCloseRequest);
    EXPECT_FALSE(visit.dealtWhileOpen);
    EXPECT_TRUE(visit.tableRepaintedWhileOpen);
    EXPECT_TRUE(visit.closedByEnter);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The template in dialog units: the client area 187 x 95, the text 79 x 42 at (51, 13) and OK
// 50 x 14 at (66, 66). A unit is a quarter of the font's average letter width across and an
// eighth of its height down; the box's own caption sits above the client area, and a line of
// one pixel goes round both. Also run at a screen scale of 2.
TEST_F(WindowTest, AboutBoxHasItsTemplatesGeometryInTheFontsDialogUnits) {
    whileAboutBoxIsOpen(*window, [](QDialog* box) {
        const QFontMetricsF metrics(box->font());
        const double letterWidth = std::round(
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52);
        const int height = QFontMetrics(box->font()).height();
        const auto x = [=](int units) { return qRound(units * letterWidth / 4); };
        const auto y = [=](int units) { return qRound(units * height / 8.0); };
        const QWidget* client = box->findChild<QWidget*>("aboutClient");
        const QLabel* text = box->findChild<QLabel*>("aboutText");
        const QPushButton* ok = box->findChild<QPushButton*>();
        ASSERT_TRUE(client && text && ok);
        EXPECT_EQ(client->size(), QSize(x(187), y(95)));
        EXPECT_EQ(text->geometry(), QRect(x(51), y(13), x(79), y(42)));
        EXPECT_EQ(ok->geometry(), QRect(x(66), y(66), x(50), y(14)));
        EXPECT_EQ(box->size(), client->size() + QSize(2, client->y() + 1));
        // every line whole on a line of its own: nothing wrapped, nothing cut off
        const QRect inside(QPoint(0, 0), text->size());
        EXPECT_FALSE(text->wordWrap());
        EXPECT_TRUE(inside.contains(
            QFontMetrics(text->font())
                .boundingRect(inside, Qt::AlignHCenter | Qt::AlignTop, text->text())))
            << "letter width " << letterWidth << ", height " << height;
        QTest::keyClick(box->focusWidget(), Qt::Key_Space); // where a key press goes
        EXPECT_FALSE(box->isVisible()) << "Space on OK closes the box";
    });
}

TEST_F(WindowTest, ExitClosesTheWindowWithoutAQuestion) {
    QAction* exit = menuItem(*window, "Exit");
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
