// The game as a blind player meets it: the real Orca screen reader on a private X server, keys
// only, judged by the words Orca hands its voice (tests/app/orca_player.py plays and prints them).
#include "headless/x_server.h"
#include "tests/app/desktop_session.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {
const QString card = "(?:ace|two|three|four|five|six|seven|eight|nine|ten|jack|queen|king) of "
                     "(?:clubs|diamonds|hearts|spades)";

// The player's "step: words" lines.
std::map<QString, QString> heardSteps(const QString& output) {
    std::map<QString, QString> steps;
    for (const QString& line : output.split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0) {
            steps[line.left(colon)] = line.mid(colon + 2);
        }
    }
    return steps;
}

QRect box(const QString& extents) {
    const QStringList values = extents.split(' ');
    return values.size() == 4
               ? QRect(values[0].toInt(), values[1].toInt(), values[2].toInt(), values[3].toInt())
               : QRect();
}

bool heard(const QString& words, const QString& pattern) {
    return QRegularExpression(pattern).match(words).hasMatch();
}
} // namespace

// At screen scale 2, so that the positions on the accessibility bus are checked in device pixels.
TEST(Orca, APlayerHearsEachPressAndUsesTheMenuWithKeysAlone) {
    for (const char* program : {"orca", "speech-dispatcher", "openbox", "xdotool"}) {
        if (!installed(program)) {
            GTEST_SKIP() << program << " is not installed (sh tools/setup.sh installs it)";
        }
    }
    XServer server(1024, 768);
    ASSERT_TRUE(server.running());
    QProcessEnvironment environment = userEnvironment(server.display());
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"}) {
        environment.remove(name);
    }
    QProcess session;
    session.setProcessEnvironment(environment);
    session.start("dbus-run-session",
                  {"--", "/usr/bin/python3", ORCA_PLAYER, QUORVEL_PROGRAM, "2"});
    if (!session.waitForFinished(240000)) {
        session.kill();
        session.waitForFinished();
    }
    const QString errors = QString::fromLocal8Bit(session.readAllStandardError());
    ASSERT_EQ(session.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    if (session.exitCode() == 77) {
        GTEST_SKIP() << errors.toStdString();
    }
    ASSERT_EQ(session.exitCode(), 0) << errors.toStdString();
    auto steps = heardSteps(QString::fromLocal8Bit(session.readAllStandardOutput()));

    EXPECT_TRUE(heard(steps["start"], "Deal push button")) << steps["start"].toStdString();
    // where a screen reader's pointer goes: the table inside the window, Deal at (10, 340) of it
    const QRect table = box(steps["table extents"]);
    const QRect deal = box(steps["deal extents"]);
    const QRect window = box(steps["window extents"]);
    EXPECT_EQ(table.size(), QSize(1600, 1200));
    EXPECT_EQ(deal, QRect(table.topLeft() + QPoint(20, 680), QSize(190, 50)));
    EXPECT_LE(std::abs(table.left() - window.left()), 1) << steps["window extents"].toStdString();
    EXPECT_TRUE(window.contains(table.topLeft() + QPoint(1, 0)))
        << steps["table extents"].toStdString() << " in " << steps["window extents"].toStdString();
    // after Deal: both player's cards, the dealer's up card and the hole card, the counts
    EXPECT_TRUE(heard(steps["deal"], "notification Players Hand: " + card + ", " + card +
                                         "\\. Dealers Hand: a face-down card, " + card +
                                         "\\. Players Count \\d+\\. Dealers Count \\d+\\."))
        << steps["deal"].toStdString();
    // after Stand: the dealer's cards, the result and the money
    EXPECT_TRUE(heard(steps["stand"], "notification Dealers Hand: " + card + "(, " + card +
                                          ")+\\. Dealers Count \\d+\\. .*Players Hand: "
                                          "(Win|lose|Push)\\. .*Money \\d+\\."))
        << steps["stand"].toStdString();
    EXPECT_TRUE(heard(steps["about"], "About Quorvel dialog Quorvel Version 1\\.0 "))
        << steps["about"].toStdString();
    EXPECT_TRUE(heard(steps["closed"], "Deal push button")) << steps["closed"].toStdString();
    EXPECT_EQ(steps["exit code"].toStdString(), "0") << errors.toStdString();
}
