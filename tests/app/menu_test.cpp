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
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        // a failing check must not leave the test waiting on the box
        QTimer::singleShot(5000, box, [box] { box->accept(); });
        visit.opened = true;
        visit.caption = box->windowTitle();
        const QLabel* label = box->findChild<QLabel*>();
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
        visit.dealtWhileOpen = !table.bettingMode;
        PaintCounter counter;
        window->table().installEventFilter(&counter);
        window->table().update();
        QApplication::processEvents();
        window->table().removeEventFilter(&counter);
        visit.tableRepaintedWhileOpen = counter.paints > 0;

        QTest::keyClick(box, Qt::Key_Return);
        visit.closedByEnter = !box->isVisible();
    });
    QAction* about = menuItem(*window, "About");
    ASSERT_NE(about, nullptr);
    about->trigger(); // returns once the box has closed

    EXPECT_TRUE(visit.opened);
    EXPECT_EQ(visit.caption, "About Quorvel");
    const QStringList lines = visit.text.split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Quorvel");
    EXPECT_EQ(lines[1], "Version 1.0");
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

TEST_F(WindowTest, ExitClosesTheWindowWithoutAQuestion) {
    QAction* exit = menuItem(*window, "Exit");
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
