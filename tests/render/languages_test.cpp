#include "render/art/badges.h"
#include "render/art/fonts.h"
#include "render/placement.h"
#include "render/table_content.h"
#include "render/table_words.h"
#include "render/words.h"
#include "table_picture.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {
struct LanguageRound {
    const char* language;
    const char* name;
    const char* draws; // player, dealer, player, dealer, then one per card asked for
    const char* buttons;
    const char* expected; // the table's words, written by hand in that language
};

// An empty table; a round the dealer busts, with an ace and a jack; a split in play, the
// dealer's hole card still face down.
constexpr const char* finished = "AH 6S 7D JC 9C";
constexpr const char* split = "8H 10C 8D 7S QS 9D";
// French puts a no-break space before a colon.
#define NBSP "\u00A0"
const LanguageRound rounds[] = {
    {"de", "empty", "", "",
     "Hand des Gebers: keine Karten. Hand des Spielers: keine Karten. Punkte des Gebers: 0. "
     "Punkte des Spielers: 0. Einsatz: 5. Geld: 1000."},
    {"de", "finished", finished, "DS",
     "Hand des Gebers: Pik-Sechs, Kreuz-Bube, Kreuz-Neun, überkauft. Hand des Spielers: Herz-Ass, "
     "Karo-Sieben, gewonnen. Punkte des Gebers: 25. Punkte des Spielers: 18. Einsatz: 5. "
     "Geld: 1005."},
    {"de", "split", split, "DPS",
     "Hand des Gebers: eine verdeckte Karte, Pik-Sieben. Hand des Spielers: Herz-Acht, Pik-Dame. "
     "Zweite Hand: Karo-Acht, Karo-Neun. Punkte des Gebers: 7. Punkte des Spielers: 18. Punkte "
     "der zweiten Hand: 17. Einsatz: 5. Geld: 1000."},
    {"fr", "empty", "", "",
     "Main du croupier" NBSP ": aucune carte. Main du joueur" NBSP ": aucune carte. Total du "
     "croupier" NBSP ": 0. Total du joueur" NBSP ": 0. Mise" NBSP ": 5. Argent" NBSP ": 1000."},
    {"fr", "finished", finished, "DS",
     "Main du croupier" NBSP ": six de pique, valet de trèfle, neuf de trèfle, dépasse 21. Main "
     "du joueur" NBSP ": as de cœur, sept de carreau, gagné. Total du croupier" NBSP ": 25. Total "
     "du joueur" NBSP ": 18. Mise" NBSP ": 5. Argent" NBSP ": 1005."},
    {"fr", "split", split, "DPS",
     "Main du croupier" NBSP ": une carte face cachée, sept de pique. Main du joueur" NBSP ": huit "
     "de cœur, dame de pique. Seconde main" NBSP ": huit de carreau, neuf de carreau. Total du "
     "croupier" NBSP ": 7. Total du joueur" NBSP ": 18. Total de la seconde main" NBSP ": 17. "
     "Mise" NBSP ": 5. Argent" NBSP ": 1000."},
    {"es", "empty", "", "",
     "Mano del crupier: ninguna carta. Mano del jugador: ninguna carta. Total del crupier: 0. "
     "Total del jugador: 0. Apuesta: 5. Dinero: 1000."},
    {"es", "finished", finished, "DS",
     "Mano del crupier: seis de picas, jota de tréboles, nueve de tréboles, se pasa. Mano del "
     "jugador: as de corazones, siete de diamantes, gana. Total del crupier: 25. Total del "
     "jugador: 18. Apuesta: 5. Dinero: 1005."},
    {"es", "split", split, "DPS",
     "Mano del crupier: una carta boca abajo, siete de picas. Mano del jugador: ocho de "
     "corazones, reina de picas. Segunda mano: ocho de diamantes, nueve de diamantes. Total del "
     "crupier: 7. Total del jugador: 18. Total de la segunda mano: 17. Apuesta: 5. Dinero: 1000."},
    {"zh_CN", "finished", finished, "DS",
     "庄家手牌：黑桃六、梅花J、梅花九，爆牌。玩家手牌：红桃A、方块七，赢了。庄家点数：25。"
     "玩家点数：18。当前下注：5。资金：1005。"},
    {"zh_TW", "finished", finished, "DS",
     "莊家手牌：黑桃六、梅花J、梅花九，爆牌。玩家手牌：紅心A、方塊七，贏了。莊家點數：25。"
     "玩家點數：18。目前下注：5。資金：1005。"},
    {"ja", "finished", finished, "DS",
     "ディーラーの手札はスペードの6、クラブのジャック、クラブの9で、バーストです。プレイヤーの"
     "手札はハートのエース、ダイヤの7で、勝ちです。ディーラーの合計は25です。プレイヤーの合計は"
     "18です。現在のベットは5です。所持金は1005です。"},
    {"ko", "finished", finished, "DS",
     "딜러의 패: 스페이드 6, 클로버 잭, 클로버 9. 결과: 버스트. 플레이어의 패: 하트 에이스, "
     "다이아몬드 7. 결과: 승리. 딜러 점수 25점. 플레이어 점수 18점. 현재 베팅 5. 보유금 1005."},
    {"ru", "finished", finished, "DS",
     "Рука дилера: шестёрка пик, валет треф, девятка треф — перебор. Рука игрока: туз червей, "
     "семёрка бубён — выигрыш. Очки дилера: 25. Очки игрока: 18. Ставка: 5. Деньги: 1005."},
    {"pt_BR", "finished", finished, "DS",
     "Mão do crupiê: seis de espadas, valete de paus, nove de paus. Resultado: estouro. Mão do "
     "jogador: ás de copas, sete de ouros. Resultado: vitória. Total do crupiê: 25. Total do "
     "jogador: 18. Aposta atual: 5. Saldo: 1005."},
    {"it", "finished", finished, "DS",
     "Mano del banco: sei di picche, fante di fiori, nove di fiori. Esito: sballo. Mano del "
     "giocatore: asso di cuori, sette di quadri. Esito: vittoria. Punti del banco: 25. Punti del "
     "giocatore: 18. Puntata: 5. Credito: 1005."},
    {"pl", "finished", finished, "DS",
     "Ręka krupiera: szóstka pik, walet trefl, dziewiątka trefl. Wynik: fura. Ręka gracza: as "
     "kier, siódemka karo. Wynik: wygrana. Punkty krupiera: 25. Punkty gracza: 18. Stawka: 5. "
     "Saldo: 1005."},
    {"tr", "finished", finished, "DS",
     "Krupiyenin eli: maça altı, sinek vale, sinek dokuz. El patladı. Oyuncunun eli: kupa as, "
     "karo yedi. El kazandı. Krupiye puanı: 25. Oyuncu puanı: 18. Mevcut bahis: 5. Para: 1005."},
    {"ar", "finished", finished, "DS",
     "يد الموزع: ستة بستوني، ولد سباتي، تسعة سباتي، تجاوز الواحد والعشرين. يد اللاعب: آس قلب، "
     "سبعة ديناري، فوز. مجموع الموزع: 25. مجموع اللاعب: 18. الرهان الحالي: 5. الرصيد: 1005."},
};
#undef NBSP

// The table drawn from the start in a language; English again afterwards.
class InLanguage : public TablePicture {
  protected:
    explicit InLanguage(const char* language) : language_(language) {}
    void SetUp() override {
        ASSERT_EQ(useLanguage(QLocale(QString::fromLatin1(language_))), language_);
        TablePicture::SetUp();
    }
    void TearDown() override {
        TablePicture::TearDown();
        useLanguage(QLocale(QLocale::English));
    }

  private:
    const char* language_;
};

class LanguageWords : public InLanguage, public testing::WithParamInterface<LanguageRound> {
  protected:
    LanguageWords() : InLanguage(GetParam().language) {}
};

class GermanTable : public InLanguage {
  protected:
    GermanTable() : InLanguage("de") {}
};

// Ink width of `word` in the badges' lettering, drawn whole.
int letteringInk(const QString& word, const QString& family) {
    QImage picture(400, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setFont(badgeLetteringFont(family));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(100, 30), word);
    painter.end();
    return inkBox(picture).width();
}
} // namespace

TEST_P(LanguageWords, TheTableSaysWhatItShows) {
    play(GetParam().draws, GetParam().buttons);
    EXPECT_EQ(tableWords(tableContent(canvas)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWords, testing::ValuesIn(rounds),
                         [](const testing::TestParamInfo<LanguageRound>& info) {
                             return std::string(info.param.language) + "_" + info.param.name;
                         });

// A language the program carries has its rounds written by hand above.
TEST(Languages, EveryTranslationHasItsRoundsWrittenByHand) {
    for (const QString& language : carriedLanguages()) {
        EXPECT_TRUE(language == u"en" || std::any_of(std::begin(rounds), std::end(rounds),
                                                     [&](const LanguageRound& round) {
                                                         return language ==
                                                                QLatin1String(round.language);
                                                     }))
            << language.toStdString();
    }
}

TEST(Languages, TheFirstUserInterfaceLanguageThatIsEnglishOrTranslatedIsChosen) {
    const std::pair<QStringList, QString> choices[] = {
        {{"de-DE", "de"}, "de"},
        {{"fr-CA"}, "fr"},
        {{"es-MX", "es"}, "es"},
        {{"sv-SE", "es-ES"}, "es"},
        {{"en-GB", "de"}, "en"},
        {{"sv-SE", "nl-NL"}, "en"},
        {{"C"}, "en"},
        {{}, "en"},
        // Chinese by its script; Portuguese of Portugal reads the Brazilian translation
        {{"zh-TW"}, "zh_TW"},
        {{"zh-HK"}, "zh_TW"},
        {{"zh-Hant"}, "zh_TW"},
        {{"zh-CN"}, "zh_CN"},
        {{"zh-SG"}, "zh_CN"},
        {{"zh-Hans"}, "zh_CN"},
        {{"zh"}, "zh_CN"},
        {{"pt-PT"}, "pt_BR"},
    };
    for (const auto& [uiLanguages, chosen] : choices) {
        EXPECT_EQ(chosenLanguage(uiLanguages), chosen) << uiLanguages.join(',').toStdString();
    }
}

// Of two translations in one language, the locale's script and country choose.
TEST(Languages, AScriptOrCountryChoosesAmongTranslationsInOneLanguage) {
    const QStringList translated{"de", "pt_BR", "zh_CN", "zh_TW"};
    const std::pair<QStringList, QString> choices[] = {
        {{"zh-TW"}, "zh_TW"}, {{"zh-HK"}, "zh_TW"}, {{"zh-CN"}, "zh_CN"},
        {{"zh-SG"}, "zh_CN"}, {{"pt-PT"}, "pt_BR"}, {{"de-AT"}, "de"},
    };
    for (const auto& [uiLanguages, chosen] : choices) {
        EXPECT_EQ(chosenLanguage(uiLanguages, translated), chosen)
            << uiLanguages.join(',').toStdString();
    }
}

// In every language the program carries, each badge shows its whole word with a clear pixel
// inside the frame on either side; English badges keep their widths.
TEST(Languages, EveryBadgeWordFitsInsideItsFrame) {
    QString error;
    const QString family = loadLetteringFamily(error);
    ASSERT_FALSE(family.isEmpty()) << error.toStdString();
    const QStringList languages = carriedLanguages();
    ASSERT_GE(languages.size(), 4) << languages.join(',').toStdString();
    for (const QString& language : languages) {
        ASSERT_EQ(useLanguage(QLocale(language)), language);
        const BadgeWords words = badgeWords();
        const BadgeWidths widths = badgeWidths(family, words);
        if (language == u"en") {
            EXPECT_EQ(widths, SheetGeometry::badgeCopyWidths);
        }
        for (int kind = 0; kind < SheetGeometry::badgeCount; ++kind) {
            const auto row = static_cast<std::size_t>(kind);
            const int ink = letteringInk(words[row], family);
            EXPECT_GT(ink, 0);
            EXPECT_LE(ink, letteringRoom(static_cast<BadgeKind>(kind), widths[row]))
                << language.toStdString() << ": " << words[row].toStdString();
        }
    }
    useLanguage(QLocale(QLocale::English));
}

// Every badge of every language, on a hand of two to eleven cards: centred where the English
// badge is, unless that would take it past the table's edge or into the other hand's place
// (the split hand's, from x 300 on, for the player's), where it stands against that edge.
TEST(Languages, EveryBadgeStaysInItsHandsPlace) {
    QString error;
    const QString family = loadLetteringFamily(error);
    ASSERT_FALSE(family.isEmpty()) << error.toStdString();
    const std::tuple<HandId, int, int> hands[] = {
        {DealerHandId, 0, 600}, {PlayerHandId, 0, 300}, {SplitHandId, 300, 600}};
    for (const QString& language : carriedLanguages()) {
        ASSERT_EQ(useLanguage(QLocale(language)), language);
        const BadgeWidths widths = badgeWidths(family, badgeWords());
        for (const auto& [hand, left, right] : hands) {
            for (int kind = 0; kind < SheetGeometry::badgeCount; ++kind) {
                const auto badge = static_cast<BadgeKind>(kind);
                const int width = widths[static_cast<std::size_t>(kind)];
                const int englishWidth = SheetGeometry::badgeCopyWidths[badge];
                for (int slot = 3; slot <= 12; ++slot) {
                    const int x = badgePosition(hand, slot, badge, width).x;
                    const int englishX = badgePosition(hand, slot, badge, englishWidth).x;
                    SCOPED_TRACE(testing::Message() << language.toStdString() << " hand " << hand
                                                    << " badge " << kind << " slot " << slot);
                    EXPECT_GE(x, left);
                    EXPECT_LE(x + width, right);
                    const bool centred =
                        std::abs(2 * x + width - (2 * englishX + englishWidth)) <= 1;
                    EXPECT_TRUE(centred || x == left || x + width == right) << x << " +" << width;
                }
            }
        }
    }
    useLanguage(QLocale(QLocale::English));
}

TEST_F(GermanTable, BadgesShowTheGermanWordsDrawnByTheSameArt) {
    play("10H 9C 6D 8S KC", "DH"); // the player busts with three cards
    QString error;
    const QString family = loadLetteringFamily(error);
    const QImage german = renderResultSheet(family, badgeWords());
    const int width = badgeWidth(BadgeBust, family, badgeWords()[BadgeBust]);
    const Point at = badgePosition(PlayerHandId, 4, BadgeBust, width);
    const QImage bust = back().copy(at.x, at.y, width, 27);
    EXPECT_EQ(bust, german.copy(0, 0, width, 27));
    EXPECT_NE(bust, sheetImage("IDBRESULTSBITMAP").copy(0, 0, width, 27));
}
