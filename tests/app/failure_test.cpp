#include "app/command_router.h"
#include "app/main_window.h"
#include "app/table_widget.h"
#include "cards/card_list.h"
#include "game/table_state.h"
#include "render/canvas.h"
#include "render/table_surface.h"
#include "session/session.h"
#include "tests/app/failing_allocator.h"
#include "tests/support/table_fixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <new>
#include <string>

namespace {
QList<QPushButton*> buttonsOn(QWidget& table) {
    return table.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
}

// What the error box said, read while it is open; it is then closed with its OK button.
struct ErrorBox {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void readAndCloseErrorBoxSoon(ErrorBox& seen) {
    QTimer::singleShot(20, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        seen = {true, box->windowTitle(), box->text(), box->icon()};
        box->accept();
    });
}

class FailureTest : public ::testing::Test {
  protected:
    void TearDown() override { stopFailingAllocations(); }
};
} // namespace

TEST_F(FailureTest, MissingSpriteSheetsStopStartUpAndAreNamed) {
    Q_CLEANUP_RESOURCE(sprite_sheets);
    {
        MainWindow window;
        EXPECT_FALSE(window.create());
        EXPECT_EQ(window.failure(),
                  "cannot load the image resource IDBCARDBITMAP, the image resource "
                  "IDBRESULTSBITMAP");
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(startupFailureMessage(window.failure()),
                  "Quorvel cannot start: cannot load the image resource IDBCARDBITMAP, the image "
                  "resource IDBRESULTSBITMAP.");
    }
    Q_INIT_RESOURCE(sprite_sheets);
    MainWindow window;
    EXPECT_TRUE(window.create()) << window.failure();
    EXPECT_TRUE(window.failure().empty());
}

TEST_F(FailureTest, CardNodeThatCannotBeMadeAtStartUpStopsIt) {
    MainWindow window;
    failAllocation(sizeof(CardNode), 100); // in the middle of filling the shoe
    EXPECT_FALSE(window.create());
    EXPECT_TRUE(allocationFailed());
    EXPECT_EQ(window.failure(), "not enough memory for the card shoe");
    EXPECT_TRUE(buttonsOn(window.table()).empty());
}

// Qt cannot take an exception from inside a widget's constructor, so the failure is put on the
// first button's own allocation, which comes before any of its construction.
TEST_F(FailureTest, ButtonThatCannotBeMadeLeavesNoneBehind) {
    QWidget table;
    failAllocation(sizeof(TableButton), 1);
    EXPECT_THROW(createControls(table, [](std::int32_t) {}), std::bad_alloc);
    EXPECT_TRUE(allocationFailed());
    EXPECT_TRUE(buttonsOn(table).empty());
}

TEST_F(FailureTest, ButtonThatCannotBeMadeStopsStartUp) {
    MainWindow warmUp; // the font is loaded once per program: start from where it is loaded
    ASSERT_TRUE(warmUp.create());
    // allocations of a button's size made by the steps before the buttons
    TableState table;
    Canvas canvas;
    countAllocations(sizeof(TableButton));
    tableInit(table);
    ASSERT_TRUE(createTableSurface(canvas, table));
    const int beforeButtons = allocationsCounted();
    stopFailingAllocations();
    releaseTableSurface(canvas);

    MainWindow window;
    failAllocation(sizeof(TableButton), beforeButtons + 1);
    EXPECT_FALSE(window.create());
    EXPECT_TRUE(allocationFailed());
    EXPECT_EQ(window.failure(), "not enough memory for the buttons");
    EXPECT_TRUE(buttonsOn(window.table()).empty());
}

TEST_F(FailureTest, CardNodeThatCannotBeMadeInARoundEndsTheProgram) {
    MainWindow window;
    ASSERT_TRUE(window.create());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    ErrorBox seen;
    testing::internal::CaptureStderr();
    QTimer::singleShot(0, [&] {
        readAndCloseErrorBoxSoon(seen);
        failAllocation(sizeof(CardNode), 1); // the player's first card
        window.command(IDC_DEAL);
    });
    const int exitCode = QApplication::exec();
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(allocationFailed());
    EXPECT_EQ(exitCode, 1);
    // the first line; the offscreen platform may add remarks of its own after it
    EXPECT_TRUE(said.starts_with(std::string(outOfMemoryText) + "\n")) << said;
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, "Quorvel");
    EXPECT_EQ(seen.text, outOfMemoryText);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_FALSE(window.isEnabled()) << "no further command is taken";
}
