#pragma once

#include "game/table_layout.h"
#include "render/art/badges.h"
#include "render/art/sprite_id.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class QLocale;

// Every word the table draws and the screen reader hears, in the player's language: English as
// written here, or its translation from translations/quorvel_<language>.ts, carried inside the
// program. The texts are UTF-8.

// Chooses the language of the first of the locale's user-interface languages (as Qt reads them
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that is English or has a translation; English when
// none is. Returns the chosen language's code ("de", "zh_TW", ...), or "en". The application's
// layout direction and, for Chinese, Japanese and Korean, the font of that script (behind the
// widgets' font and the table's) follow the language chosen.
QString useLanguage(const QLocale& locale);
// The languages the program speaks: "en", then each language it carries a translation for.
QStringList carriedLanguages();
// Which of `uiLanguages` ("it-IT", "fr-FR", ...) would be chosen: "de", "fr", "es" or "en".
QString chosenLanguage(const QStringList& uiLanguages);
// The same among the translations `translated` ("de", "zh_CN", ...): of several in one language,
// the one in the same script, then of the same country.
QString chosenLanguage(const QStringList& uiLanguages, const QStringList& translated);
// The direction the table is laid out in: the application's layout direction.
TableLayout::Direction tableDirection();

// The labels of the hands, the count panel and the two figure panels.
enum class Caption : std::uint8_t {
    dealersHand,
    playersHand,
    splitHand,
    dealersCount,
    playersCount,
    splitCount,
    currentBet,
    money,
};
inline constexpr std::size_t captionCount = 8;
std::string captionText(Caption caption);

// The lettering of the result badges: the word drawn, which may be shorter than the word said.
BadgeWords badgeWords();
// The English lettering, which the sheet the build embeds shows.
BadgeWords englishBadgeWords();
std::string badgeWord(BadgeKind kind);
// A hand's result as the screen reader says it, a full word or phrase: "Bust".
std::string spokenResult(BadgeKind kind);

// "ten of hearts"; suit 0 to 3 (clubs, diamonds, hearts, spades), rank 1 to 13.
std::string cardName(std::int32_t suit, std::int32_t rank);
std::string faceDownCardWords(); // "a face-down card"
std::string noCardsWords();      // "no cards", for an empty hand
// A list of cards with the next one added: "ten of hearts, six of diamonds".
std::string listWords(std::string_view cards, std::string_view next);
// Two spoken sentences, one after the other.
std::string sentencesWords(std::string_view first, std::string_view next);

// The spoken sentences about a hand, each a whole sentence with its full stop. `hand` is one of
// Caption::dealersHand, playersHand and splitHand; `cards` a list of cards (or noCardsWords()).
std::string handWords(Caption hand, std::string_view cards); // "Players Hand: eight of clubs."
// "Players Hand: eight of clubs, ten of hearts, Bust."
std::string handResultWords(Caption hand, std::string_view cards, BadgeKind result);
// "Players Hand gets king of clubs.": `cards` were just dealt to the hand.
std::string handGetsWords(Caption hand, std::string_view cards);
// "Players Hand: Bust.": the hand was just settled.
std::string settledWords(Caption hand, BadgeKind result);
// A panel's figure as said: "Players Count 26."; `label` is one of the count, bet and money
// captions.
std::string figureWords(Caption label, std::int32_t figure);

QString tableName(); // "Card table"
