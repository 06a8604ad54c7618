#include "render/words.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
// Contexts of the translations: one for what is drawn (and said), one for what is only said.
constexpr const char* tableContext = "Table";
constexpr const char* badgeContext = "Badge";
constexpr const char* speechContext = "Speech";

constexpr std::array<const char*, captionCount> captions{
    //: above the dealer's cards, in the table's 11-pixel font; up to the table's right edge
    QT_TRANSLATE_NOOP("Table", "Dealers Hand"),
    //: above the player's cards; ends before the split hand's label: at most 285 pixels
    QT_TRANSLATE_NOOP("Table", "Players Hand"),
    //: above the second hand after a split; up to 290 pixels
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
    //: over 21; the badge's lettering (16-pixel bold) has 53 pixels
    QT_TRANSLATE_NOOP("Badge", "Bust"),
    //: the badge's lettering has 47 pixels
    QT_TRANSLATE_NOOP("Badge", "Win"),
    //: the badge's lettering has 50 pixels
    QT_TRANSLATE_NOOP("Badge", "lose"),
    //: a two-card 21; the badge's lettering has 106 pixels
    QT_TRANSLATE_NOOP("Badge", "Natural"),
    //: equal totals; the badge's lettering has 58 pixels
    QT_TRANSLATE_NOOP("Badge", "Push"),
};

constexpr std::array<const char*, 14> ranks{
    "",
    QT_TRANSLATE_NOOP("Speech", "ace"),
    QT_TRANSLATE_NOOP("Speech", "two"),
    QT_TRANSLATE_NOOP("Speech", "three"),
    QT_TRANSLATE_NOOP("Speech", "four"),
    QT_TRANSLATE_NOOP("Speech", "five"),
    QT_TRANSLATE_NOOP("Speech", "six"),
    QT_TRANSLATE_NOOP("Speech", "seven"),
    QT_TRANSLATE_NOOP("Speech", "eight"),
    QT_TRANSLATE_NOOP("Speech", "nine"),
    QT_TRANSLATE_NOOP("Speech", "ten"),
    QT_TRANSLATE_NOOP("Speech", "jack"),
    QT_TRANSLATE_NOOP("Speech", "queen"),
    QT_TRANSLATE_NOOP("Speech", "king"),
};
constexpr std::array<const char*, 4> suits{
    QT_TRANSLATE_NOOP("Speech", "clubs"),
    QT_TRANSLATE_NOOP("Speech", "diamonds"),
    QT_TRANSLATE_NOOP("Speech", "hearts"),
    QT_TRANSLATE_NOOP("Speech", "spades"),
};

//: a card's name: %1 its rank ("ten"), %2 its suit ("hearts")
constexpr const char* cardPattern = QT_TRANSLATE_NOOP("Speech", "%1 of %2");
// never drawn: the sheet holds no such cell
constexpr const char* unknownCard = QT_TRANSLATE_NOOP("Speech", "an unknown card");
//: the dealer's hole card before it is turned
constexpr const char* faceDownCard = QT_TRANSLATE_NOOP("Speech", "a face-down card");
//: a hand that holds no cards: "Dealers Hand: no cards."
constexpr const char* noCards = QT_TRANSLATE_NOOP("Speech", "no cards");
//: %1 a hand's name ("Players Hand"), %2 the cards dealt to it ("king of clubs, two of hearts")
constexpr const char* handGets = QT_TRANSLATE_NOOP("Speech", "%1 gets %2");
//: the name of the table picture, as the screen reader says it
constexpr const char* cardTable = QT_TRANSLATE_NOOP("Speech", "Card table");

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

QString chosenLanguage(const QStringList& uiLanguages) {
    const QStringList translated = translatedLanguages();
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English) {
            break;
        }
        for (const QString& code : translated) {
            if (QLocale(code).language() == language) {
                return code;
            }
        }
    }
    return QStringLiteral("en");
}

QString useLanguage(const QLocale& locale) {
    std::unique_ptr<QTranslator>& translator = installed();
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    const QString language = chosenLanguage(locale.uiLanguages());
    if (language == u"en") {
        return language;
    }
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(
            QStringLiteral("%1/quorvel_%2.qm").arg(QLatin1String(translationFolder), language)) ||
        !QCoreApplication::installTranslator(loaded.get())) {
        return QStringLiteral("en");
    }
    translator = std::move(loaded);
    return language;
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

std::string handGetsWords(std::string_view hand, std::string_view cards) {
    return utf8(translate(speechContext, handGets).arg(fromUtf8(hand), fromUtf8(cards)));
}

QString tableName() {
    return translate(speechContext, cardTable);
}
