#include "app/table_button.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A button that keeps its looks shows what a plain push button at the same place shows, in each
// state, including the state whose look it prepared before it was switched to it. (The style's
// gradients round by a level differently from one place in a window to another.)
TEST(TableButton, ShowsWhatAPlainPushButtonShows) {
    QWidget keptArea;
    QWidget plainArea;
    TableButton kept(QStringLiteral("Double"), &keptArea);
    QPushButton plain(QStringLiteral("Double"), &plainArea);
    for (QWidget* area : {&keptArea, &plainArea}) {
        area->resize(100, 30);
        area->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(area));
    }
    kept.setGeometry(0, 0, 95, 25);
    plain.setGeometry(0, 0, 95, 25);
    for (const bool enabled : {true, false, true}) {
        kept.prepareLooks();
        kept.setEnabled(enabled);
        plain.setEnabled(enabled);
        EXPECT_EQ(keptArea.grab().toImage(), plainArea.grab().toImage())
            << (enabled ? "enabled" : "disabled");
    }
}
