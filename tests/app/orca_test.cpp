// The game as a blind player meets it: the real Orca screen reader on a private X server, keys
// only, judged by the words Orca hands its voice (tests/app/orca_player.py plays and prints them).
#include "tests/app/desktop_session.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cstdio>
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

// One game played by orca_player.py at a screen scale under a locale: what it heard at each step,
// or why it could not be played here.
struct Session {
    std::map<QString, QString> steps;
    std::string errors;
    bool skipped = false;
    bool played = false;
    // what ASSERT_DESKTOP_READY asks
    std::string skipReason() const { return skipped ? errors : std::string(); }
    bool ready() const { return played; }
    const std::string& failure() const { return errors; }
};

Session playWithOrca(const char* scale, const char* locale) {
    Session result;
    result.errors = missingTool({"orca", "speech-dispatcher", "openbox", "xdotool"});
    result.skipped = !result.errors.empty();
    if (result.skipped) {
        return result;
    }
    XServer server(1024, 768);
    if (!server.running()) {
        result.errors = "the X server did not start";
        return result;
    }
    QProcessEnvironment environment = userEnvironment(server.display());
    for (const char* name : {"DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"}) {
        environment.remove(name);
    }
    QProcess session;
    session.setProcessEnvironment(environment);
    session.start("dbus-run-session",
                  {"--", "/usr/bin/python3", ORCA_PLAYER, QUORVEL_PROGRAM, scale, locale});
    if (!session.waitForFinished(240000)) {
        session.kill();
        session.waitForFinished();
    }
    result.errors = session.readAllStandardError().toStdString();
    result.skipped = session.exitStatus() == QProcess::NormalExit && session.exitCode() == 77;
    result.played = session.exitStatus() == QProcess::NormalExit && session.exitCode() == 0;
    result.steps = heardSteps(QString::fromUtf8(session.readAllStandardOutput()));
    return result;
}
} // namespace

// At screen scale 2, so that the positions on the accessibility bus are checked in device pixels.
TEST(Orca, APlayerHearsEachPressAndUsesTheMenuWithKeysAlone) {
    Session session = playWithOrca("2", "C.UTF-8");
    ASSERT_DESKTOP_READY(session);
    auto& steps = session.steps;

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
    EXPECT_TRUE(heard(steps["about"], "About Quorvel dialog Quorvel Version [0-9.]+ "))
        << steps["about"].toStdString();
    EXPECT_TRUE(heard(steps["closed"], "Deal push button")) << steps["closed"].toStdString();
    EXPECT_EQ(steps["exit code"].toStdString(), "0") << session.errors;
}

// The game under a German locale, Orca itself in English: the cards, counts and buttons are
// heard in German.
TEST(Orca, AGermanPlayerHearsTheGameInGerman) {
    Session session = playWithOrca("1", "de_DE.UTF-8");
    ASSERT_DESKTOP_READY(session);
    auto& steps = session.steps;
    const QString karte = "(?:Kreuz|Karo|Herz|Pik)-(?:Ass|Zwei|Drei|Vier|Fünf|Sechs|Sieben|Acht|"
                          "Neun|Zehn|Bube|Dame|König)";
    EXPECT_TRUE(heard(steps["start"], "Geben push button")) << steps["start"].toStdString();
    // after Deal: the focus moves to Hit; the player's cards, the dealer's and the counts
    EXPECT_TRUE(heard(steps["deal"], "Ziehen push button")) << steps["deal"].toStdString();
    EXPECT_TRUE(
        heard(steps["deal"], "notification Hand des Spielers: " + karte + ", " + karte +
                                 "\\. Hand des Gebers: eine verdeckte Karte, " + karte +
                                 "\\. Punkte des Spielers: \\d+\\. Punkte des Gebers: \\d+\\."))
        << steps["deal"].toStdString();
    EXPECT_TRUE(heard(steps["stand"], "notification Hand des Gebers: .*Punkte des Gebers: \\d+\\. "
                                      ".*Hand des Spielers: (gewonnen|verloren|unentschieden)\\. "
                                      ".*Geld: \\d+\\."))
        << steps["stand"].toStdString();
    EXPECT_TRUE(heard(steps["about"], "Über Quorvel dialog Quorvel Version"))
        << steps["about"].toStdString();
    EXPECT_EQ(steps["exit code"].toStdString(), "0") << session.errors;
}

namespace {
// A language of each script the game speaks beside the Latin one: its locale, the button the
// focus moves to after Deal, and what is heard after Deal: the player's two cards, the dealer's
// hole card and up card, the two counts. "C" stands for a card's name; Orca hands a full-width
// colon on as ":".
struct HeardDeal {
    const char* name;
    const char* locale;
    const char* hit;
    const char* card;
    const char* deal;
};

const HeardDeal heardDeals[] = {
    {"Russian", "ru_RU.UTF-8", "Ещё",
     "(?:туз|двойка|тройка|четвёрка|пятёрка|шестёрка|семёрка|восьмёрка|девятка|десятка|валет|"
     "дама|король) (?:треф|бубён|червей|пик)",
     "notification Рука игрока: C, C\\. Рука дилера: закрытая карта, C\\. Очки игрока: \\d+\\. "
     "Очки дилера: \\d+\\."},
    {"Chinese", "zh_CN.UTF-8", "要牌",
     "(?:梅花|方块|红桃|黑桃)(?:A|二|三|四|五|六|七|八|九|十|J|Q|K)",
     "notification "
     "玩家手牌[:：]C、C。庄家手牌[:：]一张暗牌、C。玩家点数[:：]\\d+。庄家点数[:：]\\d+。"},
    {"Arabic", "ar_EG.UTF-8", "سحب",
     "(?:آس|اثنان|ثلاثة|أربعة|خمسة|ستة|سبعة|ثمانية|تسعة|عشرة|ولد|ملكة|ملك) "
     "(?:سباتي|ديناري|قلب|بستوني)",
     "notification يد اللاعب: C، C\\. يد الموزع: ورقة مقلوبة، C\\. مجموع اللاعب: \\d+\\. "
     "مجموع الموزع: \\d+\\."},
};

class OrcaInLanguage : public testing::TestWithParam<HeardDeal> {};
} // namespace

// The game under the locale, Orca itself in English: after Deal the cards and counts are heard in
// the game's language.
TEST_P(OrcaInLanguage, APlayerHearsTheDealInTheGamesLanguage) {
    Session session = playWithOrca("1", GetParam().locale);
    ASSERT_DESKTOP_READY(session);
    const QString deal = session.steps["deal"];
    std::printf("heard after Deal: %s\n", deal.toUtf8().constData());
    EXPECT_TRUE(heard(deal, QString::fromUtf8(GetParam().hit) + " push button"))
        << deal.toStdString();
    EXPECT_TRUE(heard(deal, QString::fromUtf8(GetParam().deal)
                                .replace('C', '(' + QString::fromUtf8(GetParam().card) + ')')))
        << deal.toStdString();
    EXPECT_EQ(session.steps["exit code"].toStdString(), "0") << session.errors;
}

INSTANTIATE_TEST_SUITE_P(Scripts, OrcaInLanguage, testing::ValuesIn(heardDeals),
                         [](const testing::TestParamInfo<HeardDeal>& info) {
                             return std::string(info.param.name);
                         });
