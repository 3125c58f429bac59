#include "engine/Deck.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "engine/Values.h"

namespace zandoli {

namespace {

bool isStar(double value) {
    return valuesMatch(value, RED_STAR) || valuesMatch(value, BLUE_STAR);
}

bool holds(const ValueSet& values, double value) {
    return std::any_of(values.begin(), values.end(),
                       [&](double v) { return valuesMatch(v, value); });
}

// One value of a lesson and the cards of the catalogue that show it.
struct ValueFaces {
    double value;  // as the standard spinner writes it
    std::vector<int16_t> faces;
};

// The cards of the catalogue the lesson deals, grouped by value in the
// order the standard spinner first shows the values.
std::vector<ValueFaces> facesByValue(const ValueSet& values, const FormSet& forms) {
    std::vector<ValueFaces> byValue;
    for (const int position : shapePositions()) {
        const double value = SPINVALUES[static_cast<size_t>(position)];
        if (!holds(values, value)) {
            continue;
        }
        std::vector<int16_t> faces;
        for (int16_t card = 0; card < PACK_SIZE; ++card) {
            if (cardMatches(card, value) &&
                std::find(forms.begin(), forms.end(), kindOf(card)) != forms.end()) {
                faces.push_back(card);
            }
        }
        if (!faces.empty()) {
            byValue.push_back({value, std::move(faces)});
        }
    }
    return byValue;
}

}  // namespace

const Deck& standardDeck() {
    static const Deck deck = [] {
        Deck standard;
        std::iota(standard.cards.begin(), standard.cards.end(), int16_t{0});
        std::copy_n(SPINVALUES.begin(), SPIN_POSITIONS, standard.spinner.begin());
        return standard;
    }();
    return deck;
}

std::vector<int> shapePositions() {
    std::vector<int> positions;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        if (!isStar(SPINVALUES[static_cast<size_t>(p)])) {
            positions.push_back(p);
        }
    }
    return positions;
}

std::optional<Deck> lessonDeck(const ValueSet& values, const FormSet& forms) {
    const auto byValue = facesByValue(values, forms);
    if (byValue.empty()) {
        return std::nullopt;
    }
    Deck deck = standardDeck();
    // Every card of the lesson once, in the catalogue's order...
    std::vector<int16_t> once;
    for (const ValueFaces& group : byValue) {
        once.insert(once.end(), group.faces.begin(), group.faces.end());
    }
    std::sort(once.begin(), once.end());
    size_t next = 0;
    for (; next < once.size() && next < deck.cards.size(); ++next) {
        deck.cards[next] = once[next];
    }
    // ...then again value by value in turn, each value's faces in turn.
    std::vector<size_t> used(byValue.size());
    for (size_t turn = 0; next < deck.cards.size(); ++turn, ++next) {
        const size_t v = turn % byValue.size();
        deck.cards[next] = byValue[v].faces[used[v]++ % byValue[v].faces.size()];
    }
    size_t shape = 0;
    for (const int position : shapePositions()) {
        deck.spinner[static_cast<size_t>(position)] = byValue[shape++ % byValue.size()].value;
    }
    return deck;
}

}  // namespace zandoli
