#include "session/scale_check.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

TEST(ScreenScales, FactorsBelowOneAreRaisedToOneAndSaidOnce) {
    qputenv("QT_SCALE_FACTOR", QByteArray("0.75"));
    qputenv("QT_SCREEN_SCALE_FACTORS", QByteArray("HDMI-1=0.5;DP-1=2"));
    testing::internal::CaptureStderr();
    raiseScreenScalesBelowOne();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1");
    EXPECT_EQ(qgetenv("QT_SCREEN_SCALE_FACTORS"), "HDMI-1=1;DP-1=2");
    EXPECT_NE(said.find("QT_SCALE_FACTOR=0.75"), std::string::npos) << said;
    EXPECT_EQ(said.find("HDMI"), std::string::npos) << "said twice: " << said;

    qputenv("QT_SCALE_FACTOR", QByteArray("1.5"));
    qputenv("QT_SCREEN_SCALE_FACTORS", QByteArray("2;1.25"));
    raiseScreenScalesBelowOne();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1.5");
    EXPECT_EQ(qgetenv("QT_SCREEN_SCALE_FACTORS"), "2;1.25");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}
