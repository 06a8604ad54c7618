#include "game/controls.h"

#include "game/actions.h"
#include "game/bets.h"
#include "game/deal.h"

// The marker by which Qt's lupdate collects a text for translation, defined as Qt defines it:
// the game links no Qt, the window translates the captions.
#define QT_TRANSLATE_NOOP(context, text) text

// Tab goes through the play buttons row by row, then the bet buttons column by column (Bet One
// and Bet Five on the left, Bet Ten and Clear on the right).
constexpr std::array<Control, buttonCount> controls{{
    //: a 95 x 25 button: about 85 pixels
    {IDC_DEAL, "deal", QT_TRANSLATE_NOOP("Buttons", "Deal"), TableLayout::dealButton, onDeal, true,
     0},
    //: take another card; a 95 x 25 button
    {IDC_HIT, "hit", QT_TRANSLATE_NOOP("Buttons", "Hit"), TableLayout::hitButton, onHit, false, 1},
    //: take no more cards; a 95 x 25 button
    {IDC_STAND, "stand", QT_TRANSLATE_NOOP("Buttons", "Stand"), TableLayout::standButton, onStand,
     false, 2},
    //: split a pair into two hands; a 95 x 25 button
    {IDC_SPLIT, "split", QT_TRANSLATE_NOOP("Buttons", "Split"), TableLayout::splitButton, onSplit,
     false, 4},
    //: double the stake and take one card; a 95 x 25 button
    {IDC_DOUBLE, "double", QT_TRANSLATE_NOOP("Buttons", "Double"), TableLayout::doubleButton,
     onDouble, false, 3},
    //: a 70 x 18 button that adds 1 to the bet: about 60 pixels
    {IDC_BETONE, "betone", QT_TRANSLATE_NOOP("Buttons", "Bet One"), TableLayout::betOneButton,
     onBetOne, true, 5},
    //: a 70 x 18 button that adds 5 to the bet: about 60 pixels
    {IDC_BETFIVE, "betfive", QT_TRANSLATE_NOOP("Buttons", "Bet Five"), TableLayout::betFiveButton,
     onBetFive, true, 6},
    //: a 70 x 18 button that adds 10 to the bet: about 60 pixels
    {IDC_BETTEN, "betten", QT_TRANSLATE_NOOP("Buttons", "Bet Ten"), TableLayout::betTenButton,
     onBetTen, true, 7},
    //: a 70 x 18 button that sets the bet back to 5: about 60 pixels
    {IDC_CLEAR, "clear", QT_TRANSLATE_NOOP("Buttons", "Clear"), TableLayout::clearButton,
     onClearBet, true, 8},
}};

namespace {
// Each control id and each tab position once.
constexpr bool eachOnce(std::int32_t (*column)(const Control&)) {
    std::array<bool, buttonCount> seen{};
    for (const Control& each : controls) {
        const std::int32_t value = column(each);
        if (value < 0 || value >= buttonCount || seen[value]) {
            return false;
        }
        seen[value] = true;
    }
    return true;
}
static_assert(eachOnce([](const Control& each) -> std::int32_t { return each.id; }));
static_assert(eachOnce([](const Control& each) { return each.tabPosition; }));

constexpr std::array<std::size_t, buttonCount> placeOfId = [] {
    std::array<std::size_t, buttonCount> place{};
    for (std::size_t index = 0; index < controls.size(); ++index) {
        place[controls[index].id] = index;
    }
    return place;
}();
} // namespace

const Control& control(ControlId id) {
    return controls[placeOfId[id]];
}
