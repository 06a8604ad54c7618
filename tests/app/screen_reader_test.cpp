// The game as a screen reader meets it: the built program on a private X server, in a D-Bus
// session of its own with the accessibility bus, read and driven by a pyatspi client.
#include "tools/startbench/x_server.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {
const QString cardName = "(?:ace|two|three|four|five|six|seven|eight|nine|ten|jack|queen|king) "
                         "of (?:clubs|diamonds|hearts|spades)";

// The client's "key: value" lines; the bus daemons may write lines of their own.
std::map<QString, QString> readReport(const QString& output) {
    std::map<QString, QString> report;
    for (const QString& line : output.split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0) {
            report[line.left(colon)] = line.mid(colon + 2);
        }
    }
    return report;
}

int dealerCards(const QString& words) {
    const QString dealer = words.section(". ", 0, 0);
    return static_cast<int>(dealer.count(QRegularExpression(cardName)));
}
} // namespace

TEST(ScreenReader, ReadsTheTableAndHearsEachChange) {
    XServer server(1024, 768);
    ASSERT_TRUE(server.running());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"}) {
        environment.remove(name);
    }
    environment.insert("DISPLAY", QString::fromStdString(server.display()));
    QProcess session;
    session.setProcessEnvironment(environment);
    session.start("dbus-run-session",
                  {"--", "/usr/bin/python3", SCREEN_READER_CLIENT, QUORVEL_PROGRAM});
    if (!session.waitForFinished(90000)) {
        session.kill();
        session.waitForFinished();
    }
    const QString errors = QString::fromLocal8Bit(session.readAllStandardError());
    ASSERT_EQ(session.exitStatus(), QProcess::NormalExit) << errors.toStdString();
    ASSERT_EQ(session.exitCode(), 0) << errors.toStdString();
    auto report = readReport(QString::fromLocal8Bit(session.readAllStandardOutput()));

    EXPECT_TRUE(report["start"].endsWith("Current Bet 5. Money 1000."))
        << report["start"].toStdString();
    const QRegularExpression dealt("^Dealers Hand: a face-down card, " + cardName +
                                   "\\. Players Hand: " + cardName + ", " + cardName + "\\. ");
    EXPECT_TRUE(dealt.match(report["deal"]).hasMatch()) << report["deal"].toStdString();
    EXPECT_EQ(report["deal announcements"].toStdString(), "1");
    // one for each card the dealer draws, the first with the turned hole card, and one for the
    // settlement
    const int drawn = dealerCards(report["stand"]) - 2;
    EXPECT_GE(drawn, 0) << report["stand"].toStdString();
    EXPECT_EQ(report["stand announcements"].toStdString(), std::to_string(drawn + 1));
}
