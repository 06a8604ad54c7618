#include "render/words.h"

#include "raster/script_font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
// Contexts of the translations: what is drawn on the table, the badges' lettering (drawn only),
// and what the screen reader says (spoken only).
constexpr const char* tableContext = "Table";
constexpr const char* badgeContext = "Badge";
constexpr const char* speechContext = "Speech";

// A message with its disambiguation, where two messages share an English source.
struct Message {
    const char* source;
    const char* disambiguation;
};

constexpr std::array<const char*, captionCount> captions{
    //: drawn above the dealer's cards; up to 290 pixels
    QT_TRANSLATE_NOOP("Table", "Dealers Hand"),
    //: drawn above the player's cards; at most 285 pixels
    QT_TRANSLATE_NOOP("Table", "Players Hand"),
    //: drawn above the second hand after a split; up to 290 pixels
    QT_TRANSLATE_NOOP("Table", "Split Hand"),
    //: count panel, before the dealer's total: at most 106 pixels
    QT_TRANSLATE_NOOP("Table", "Dealers Count"),
    //: count panel, before the player's total: at most 106 pixels
    QT_TRANSLATE_NOOP("Table", "Players Count"),
    //: count panel, before the split hand's total: at most 106 pixels
    QT_TRANSLATE_NOOP("Table", "Split Count"),
    //: before the stake's figure: at most 80 pixels
    QT_TRANSLATE_NOOP("Table", "Current Bet"),
    //: in the gap of the Money box's frame: at most 46 pixels
    QT_TRANSLATE_NOOP("Table", "Money"),
};

constexpr std::array<const char*, SheetGeometry::badgeCount> badges{
    //: over 21: the hand has lost. Drawn on a badge; the badge is as wide as the word (at most
    //: about 120 pixels)
    QT_TRANSLATE_NOOP("Badge", "Bust"),
    //: the hand beat the dealer. Drawn on a badge
    QT_TRANSLATE_NOOP("Badge", "Win"),
    //: the hand lost to the dealer. Drawn on a badge
    QT_TRANSLATE_NOOP("Badge", "lose"),
    //: a two-card 21 (blackjack). Drawn on a badge
    QT_TRANSLATE_NOOP("Badge", "Natural"),
    //: equal totals, the stake is returned. Drawn on a badge
    QT_TRANSLATE_NOOP("Badge", "Push"),
};

// The results as said, in badge order: full words, never shortened.
constexpr std::array<const char*, SheetGeometry::badgeCount> results{
    //: spoken result: the hand went over 21 and lost
    QT_TRANSLATE_NOOP("Speech", "Bust"),
    //: spoken result: the hand beat the dealer
    QT_TRANSLATE_NOOP("Speech", "Win"),
    //: spoken result: the hand lost to the dealer
    QT_TRANSLATE_NOOP("Speech", "lose"),
    //: spoken result: a two-card 21 (blackjack)
    QT_TRANSLATE_NOOP("Speech", "Natural"),
    //: spoken result: equal totals, the stake is returned
    QT_TRANSLATE_NOOP("Speech", "Push"),
};

constexpr std::array<const char*, 14> ranks{
    "",
    //: a card's rank, put into "%1 of %2"
    QT_TRANSLATE_NOOP("Speech", "ace"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "two"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "three"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "four"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "five"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "six"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "seven"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "eight"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "nine"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "ten"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "jack"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "queen"),
    //: a card's rank
    QT_TRANSLATE_NOOP("Speech", "king"),
};
constexpr std::array<const char*, 4> suits{
    //: a card's suit, put into "%1 of %2"
    QT_TRANSLATE_NOOP("Speech", "clubs"),
    //: a card's suit
    QT_TRANSLATE_NOOP("Speech", "diamonds"),
    //: a card's suit
    QT_TRANSLATE_NOOP("Speech", "hearts"),
    //: a card's suit
    QT_TRANSLATE_NOOP("Speech", "spades"),
};

//: a card's name: %1 its rank ("ten"), %2 its suit ("hearts")
constexpr const char* cardPattern = QT_TRANSLATE_NOOP("Speech", "%1 of %2");
//: never expected: a card the game cannot name
constexpr const char* unknownCard = QT_TRANSLATE_NOOP("Speech", "an unknown card");
//: the dealer's hole card before it is turned
constexpr const char* faceDownCard = QT_TRANSLATE_NOOP("Speech", "a face-down card");
//: a hand that holds no cards, put in place of the cards: "Dealers Hand: no cards."
constexpr const char* noCards = QT_TRANSLATE_NOOP("Speech", "no cards");
//: a list of cards: %1 the cards so far, %2 the next one ("ten of hearts, six of diamonds")
constexpr const char* listPattern = QT_TRANSLATE_NOOP("Speech", "%1, %2");
//: two spoken sentences one after the other: %1 the first, %2 the next
constexpr const char* sentencesPattern = QT_TRANSLATE_NOOP("Speech", "%1 %2");
//: the name of the table picture, as the screen reader says it
constexpr const char* cardTable = QT_TRANSLATE_NOOP("Speech", "Card table");

// The sentences about a hand, in the order of the hands' captions: dealer, player, split.
constexpr std::size_t handCaptions = static_cast<std::size_t>(Caption::splitHand) + 1;
using HandMessages = std::array<Message, handCaptions>;
constexpr HandMessages handCards{{
    //: the dealer's cards: %1 the cards ("a face-down card, eight of spades")
    QT_TRANSLATE_NOOP3("Speech", "Dealers Hand: %1.", "cards"),
    //: the player's cards: %1 the cards
    QT_TRANSLATE_NOOP3("Speech", "Players Hand: %1.", "cards"),
    //: the second hand's cards after a split: %1 the cards
    QT_TRANSLATE_NOOP3("Speech", "Split Hand: %1.", "cards"),
}};
constexpr HandMessages handCardsAndResult{{
    //: the dealer's cards and result: %1 the cards, %2 the result ("Bust")
    {QT_TRANSLATE_NOOP("Speech", "Dealers Hand: %1, %2."), nullptr},
    //: the player's cards and result: %1 the cards, %2 the result ("Win")
    {QT_TRANSLATE_NOOP("Speech", "Players Hand: %1, %2."), nullptr},
    //: the second hand's cards and result: %1 the cards, %2 the result
    {QT_TRANSLATE_NOOP("Speech", "Split Hand: %1, %2."), nullptr},
}};
constexpr HandMessages handGets{{
    //: the dealer was just dealt %1 (one or more cards)
    {QT_TRANSLATE_NOOP("Speech", "Dealers Hand gets %1."), nullptr},
    //: the player was just dealt %1 (one or more cards)
    {QT_TRANSLATE_NOOP("Speech", "Players Hand gets %1."), nullptr},
    //: the second hand was just dealt %1
    {QT_TRANSLATE_NOOP("Speech", "Split Hand gets %1."), nullptr},
}};
constexpr HandMessages handSettled{{
    //: the dealer's hand was just settled: %1 its result ("Bust")
    QT_TRANSLATE_NOOP3("Speech", "Dealers Hand: %1.", "result"),
    //: the player's hand was just settled: %1 its result ("Win")
    QT_TRANSLATE_NOOP3("Speech", "Players Hand: %1.", "result"),
    //: the second hand was just settled: %1 its result
    QT_TRANSLATE_NOOP3("Speech", "Split Hand: %1.", "result"),
}};

// The figures as said, by caption; the hands' captions have none.
constexpr std::array<const char*, captionCount> figures{
    nullptr,
    nullptr,
    nullptr,
    //: the dealer's total
    QT_TRANSLATE_NOOP("Speech", "Dealers Count %1."),
    //: the player's total
    QT_TRANSLATE_NOOP("Speech", "Players Count %1."),
    //: the second hand's total
    QT_TRANSLATE_NOOP("Speech", "Split Count %1."),
    //: the stake
    QT_TRANSLATE_NOOP("Speech", "Current Bet %1."),
    //: the player's bank
    QT_TRANSLATE_NOOP("Speech", "Money %1."),
};

constexpr const char* translationFolder = ":/i18n";

// The languages the program carries a translation for ("de", ...): the compiled files built in.
QStringList translatedLanguages() {
    QStringList codes;
    const QString prefix = QStringLiteral("quorvel_");
    const QString suffix = QStringLiteral(".qm");
    // matched by hand: a name filter would compile a pattern at every start
    for (const QString& file : QDir(QLatin1String(translationFolder)).entryList(QDir::Files)) {
        if (file.startsWith(prefix) && file.endsWith(suffix)) {
            codes << file.mid(prefix.size(), file.size() - prefix.size() - suffix.size());
        }
    }
    return codes;
}

QString translate(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

QString translate(const char* context, const Message& message) {
    return QCoreApplication::translate(context, message.source, message.disambiguation);
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
} // namespace

QStringList carriedLanguages() {
    return QStringList{QStringLiteral("en")} + translatedLanguages();
}

QString chosenLanguage(const QStringList& uiLanguages) {
    return chosenLanguage(uiLanguages, translatedLanguages());
}

QString chosenLanguage(const QStringList& uiLanguages, const QStringList& translated) {
    for (const QString& name : uiLanguages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English) {
            break;
        }
        // Of the translations in that language, the one in the same script, then for the same
        // country: "zh-TW" reads Traditional Chinese, "pt-PT" the Portuguese there is.
        QString chosen;
        int best = -1;
        for (const QString& code : translated) {
            const QLocale offered(code);
            if (offered.language() != wanted.language()) {
                continue;
            }
            const int fit = (offered.script() == wanted.script() ? 2 : 0) +
                            (offered.territory() == wanted.territory() ? 1 : 0);
            if (fit > best) {
                best = fit;
                chosen = code;
            }
        }
        if (!chosen.isEmpty()) {
            return chosen;
        }
    }
    return QStringLiteral("en");
}

namespace {
// The script of a language whose letters the table's embedded font lacks: it is drawn with a
// font of the machine. Any for the others.
QFontDatabase::WritingSystem machineFontScript(const QString& language) {
    const QLocale locale(language);
    switch (locale.language()) {
    case QLocale::Chinese:
        return locale.script() == QLocale::TraditionalHanScript ? QFontDatabase::TraditionalChinese
                                                                : QFontDatabase::SimplifiedChinese;
    case QLocale::Japanese:
        return QFontDatabase::Japanese;
    case QLocale::Korean:
        return QFontDatabase::Korean;
    default:
        return QFontDatabase::Any;
    }
}

// The table's script font, and behind the widgets' own font the same one, so that the buttons,
// the menus and the About box draw the letters in that script's own shapes (Japanese and
// Chinese share characters drawn differently). The layout direction follows the language:
// Arabic mirrors the menu bar, the buttons and the table.
void useLanguageLook(const QString& language) {
    const QString family = useScriptFont(machineFontScript(language));
    static const QFont widgetFont = QGuiApplication::font();
    static bool fontChanged = false;
    if (!family.isEmpty()) {
        // The family the widgets' font resolves to stays first: a name such as "Sans Serif" is
        // no family of its own, and would leave the script font drawing every letter.
        QFont font = widgetFont;
        font.setFamilies({QFontInfo(widgetFont).family(), family});
        QGuiApplication::setFont(font);
        fontChanged = true;
    } else if (fontChanged) {
        QGuiApplication::setFont(widgetFont);
        fontChanged = false;
    }
    QGuiApplication::setLayoutDirection(language == u"en" ? Qt::LeftToRight
                                                          : QLocale(language).textDirection());
}
} // namespace

QString useLanguage(const QLocale& locale) {
    std::unique_ptr<QTranslator>& translator = installed();
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    QString language = chosenLanguage(locale.uiLanguages());
    if (language != u"en") {
        auto loaded = std::make_unique<QTranslator>();
        if (loaded->load(QStringLiteral("%1/quorvel_%2.qm")
                             .arg(QLatin1String(translationFolder), language)) &&
            QCoreApplication::installTranslator(loaded.get())) {
            translator = std::move(loaded);
        } else {
            language = QStringLiteral("en");
        }
    }
    useLanguageLook(language);
    return language;
}

TableLayout::Direction tableDirection() {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft
               ? TableLayout::Direction::rightToLeft
               : TableLayout::Direction::leftToRight;
}

std::string captionText(Caption caption) {
    return utf8(translate(tableContext, captions[static_cast<std::size_t>(caption)]));
}

namespace {
BadgeWords badgeWordsIn(QString (*word)(const char* english)) {
    BadgeWords words;
    for (std::size_t kind = 0; kind < badges.size(); ++kind) {
        words[kind] = word(badges[kind]);
    }
    return words;
}
} // namespace

BadgeWords badgeWords() {
    return badgeWordsIn([](const char* english) { return translate(badgeContext, english); });
}

BadgeWords englishBadgeWords() {
    return badgeWordsIn([](const char* english) { return QString::fromLatin1(english); });
}

std::string badgeWord(BadgeKind kind) {
    return utf8(translate(badgeContext, badges[static_cast<std::size_t>(kind)]));
}

std::string spokenResult(BadgeKind kind) {
    return utf8(translate(speechContext, results[static_cast<std::size_t>(kind)]));
}

std::string cardName(std::int32_t suit, std::int32_t rank) {
    if (rank < 1 || rank > 13 || suit < 0 || suit > 3) {
        return utf8(translate(speechContext, unknownCard));
    }
    return utf8(translate(speechContext, cardPattern)
                    .arg(translate(speechContext, ranks[static_cast<std::size_t>(rank)]),
                         translate(speechContext, suits[static_cast<std::size_t>(suit)])));
}

std::string faceDownCardWords() {
    return utf8(translate(speechContext, faceDownCard));
}

std::string noCardsWords() {
    return utf8(translate(speechContext, noCards));
}

std::string listWords(std::string_view cards, std::string_view next) {
    return utf8(translate(speechContext, listPattern).arg(fromUtf8(cards), fromUtf8(next)));
}

std::string sentencesWords(std::string_view first, std::string_view next) {
    return utf8(translate(speechContext, sentencesPattern).arg(fromUtf8(first), fromUtf8(next)));
}

namespace {
// The sentence of `messages` for the hand captioned `hand`; the dealer's for a caption that names
// no hand.
QString handSentence(const HandMessages& messages, Caption hand) {
    const auto index = static_cast<std::size_t>(hand);
    return translate(speechContext, messages[index < handCaptions ? index : 0]);
}
} // namespace

std::string handWords(Caption hand, std::string_view cards) {
    return utf8(handSentence(handCards, hand).arg(fromUtf8(cards)));
}

std::string handResultWords(Caption hand, std::string_view cards, BadgeKind result) {
    return utf8(handSentence(handCardsAndResult, hand)
                    .arg(fromUtf8(cards), fromUtf8(spokenResult(result))));
}

std::string handGetsWords(Caption hand, std::string_view cards) {
    return utf8(handSentence(handGets, hand).arg(fromUtf8(cards)));
}

std::string settledWords(Caption hand, BadgeKind result) {
    return utf8(handSentence(handSettled, hand).arg(fromUtf8(spokenResult(result))));
}

std::string figureWords(Caption label, std::int32_t figure) {
    const char* sentence = figures[static_cast<std::size_t>(label)];
    if (sentence == nullptr) {
        sentence = figures[static_cast<std::size_t>(Caption::money)];
    }
    return utf8(translate(speechContext, sentence).arg(figure));
}

QString tableName() {
    return translate(speechContext, cardTable);
}
