#include "app/table_button.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// A button that keeps its looks shows what a plain push button at the same place shows, in each
// state, including the state whose look it prepared before it was switched to it, over a widget
// of another colour than the window's, as the buttons lie over the table. (The style's gradients
// round by a level differently from one place in a window to another.)
TEST(TableButton, ShowsWhatAPlainPushButtonShows) {
    const QColor green(0, 128, 0);
    QWidget keptArea;
    QWidget plainArea;
    for (QWidget* area : {&keptArea, &plainArea}) {
        auto* under = new QWidget(area);
        under->setAutoFillBackground(true);
        under->setPalette(green);
        under->setGeometry(0, 0, 100, 30);
    }
    TableButton kept(QStringLiteral("Double"), &keptArea);
    kept.setColourBehind(green);
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
