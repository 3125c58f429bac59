#include "engine/Practice.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/Values.h"

namespace zandoli {

namespace {

bool among(const std::vector<double>& values, double value) {
    return std::any_of(values.begin(), values.end(),
                       [&](double v) { return valuesMatch(v, value); });
}

void addOnce(std::vector<double>& values, double value) {
    if (!among(values, value)) {
        values.push_back(value);
    }
}

bool inForms(const FormSet& forms, CardKind kind) {
    return std::find(forms.begin(), forms.end(), kind) != forms.end();
}

// The first card of the catalogue of `value` in `kind`, if there is one.
std::optional<int16_t> cardOf(double value, CardKind kind) {
    for (int16_t card = 0; card < PACK_SIZE; ++card) {
        if (kindOf(card) == kind && cardMatches(card, value)) {
            return card;
        }
    }
    return std::nullopt;
}

// The lesson's cards of `value`, in the catalogue's order.
std::vector<int16_t> facesOf(double value, const FormSet& forms) {
    std::vector<int16_t> faces;
    for (int16_t card = 0; card < PACK_SIZE; ++card) {
        if (cardMatches(card, value) && inForms(forms, kindOf(card))) {
            faces.push_back(card);
        }
    }
    return faces;
}

// The practised value's card in the first of the lesson's forms after
// `after` (in turn) that is not `partner`'s, a card not yet in `hand` if
// there is one.
std::optional<int16_t> practisedCard(double value, CardKind partner, const FormSet& forms,
                                     size_t& after, const std::vector<int16_t>& hand = {}) {
    for (const bool fresh : {true, false}) {
        for (size_t tried = 0; tried < forms.size(); ++tried) {
            const CardKind kind = forms[after++ % forms.size()];
            const auto card = kind != partner ? cardOf(value, kind) : std::nullopt;
            if (card && (!fresh || std::find(hand.begin(), hand.end(), *card) == hand.end())) {
                return card;
            }
        }
    }
    return std::nullopt;
}

// The items that lie wholly in the lesson and can be dealt: the first of
// each box, box 1 first, then the rest box by box. So a hand practises a
// confusion of every box there is, and each can move on.
std::vector<PracticeItem> inLesson(std::span<const PracticeItem> items, const Lesson& lesson) {
    std::vector<PracticeItem> kept;
    for (const PracticeItem& item : items) {
        size_t any = 0;
        if (among(lesson.values, item.shown) && among(lesson.values, item.taken) &&
            inForms(lesson.forms, item.form) && cardOf(item.taken, item.form) &&
            practisedCard(item.shown, item.form, lesson.forms, any)) {
            kept.push_back(item);
        }
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const PracticeItem& a, const PracticeItem& b) { return a.box < b.box; });
    int lastBox = 0;
    std::stable_partition(kept.begin(), kept.end(), [&lastBox](const PracticeItem& item) {
        return std::exchange(lastBox, item.box) != item.box;
    });
    return kept;
}

// Each practised value in another form than its partner, beside the
// partner, then the practised values again in yet other forms up to seven.
std::vector<int16_t> pairedHand(const std::vector<PracticeItem>& items, const FormSet& forms) {
    std::vector<int16_t> hand;
    size_t form = 0;
    const size_t pairs = std::min<size_t>(items.size(), PRACTICE_PAIRS);
    for (size_t i = 0; i < pairs; ++i) {
        hand.push_back(*practisedCard(items[i].shown, items[i].form, forms, form, hand));
        hand.push_back(*cardOf(items[i].taken, items[i].form));
    }
    for (size_t i = 0; hand.size() < DEALT_CARDS; ++i) {
        const PracticeItem& item = items[i % pairs];
        hand.push_back(*practisedCard(item.shown, item.form, forms, form, hand));
    }
    return hand;
}

Deck dealFrom(const std::vector<int16_t>& hand, const SpinnerValues& spinner,
              const FormSet& forms) {
    Deck deck = standardDeck();
    deck.spinner = spinner;
    deck.firstHand = hand;
    std::vector<double> values;
    for (const int position : shapePositions()) {
        addOnce(values, spinner[static_cast<size_t>(position)]);
    }
    std::vector<std::vector<int16_t>> faces;
    for (double value : values) {
        faces.push_back(facesOf(value, forms));
    }
    std::copy(hand.begin(), hand.end(), deck.cards.begin());
    std::vector<size_t> used(values.size());
    for (size_t next = hand.size(), turn = 0; next < deck.cards.size(); ++turn) {
        const size_t v = turn % values.size();
        if (!faces[v].empty()) {
            deck.cards[next++] = faces[v][used[v]++ % faces[v].size()];
        }
    }
    return deck;
}

}  // namespace

std::optional<Deck> practiceDeck(std::span<const PracticeItem> items, const Lesson& lesson) {
    const std::vector<PracticeItem> kept = inLesson(items, lesson);
    if (kept.empty()) {
        return std::nullopt;
    }
    const std::vector<int16_t> hand = pairedHand(kept, lesson.forms);
    // The values the practised shapes show: box 1's, or the most urgent box's.
    std::vector<double> practised;
    std::vector<double> others;
    for (const PracticeItem& item : kept) {
        if (item.box == kept.front().box) {
            addOnce(practised, item.shown);
        }
    }
    for (int16_t card : hand) {
        addOnce(others, cardCatalogue()[static_cast<size_t>(card)].value);
    }
    for (const PracticeItem& item : kept) {
        addOnce(others, item.shown);
    }
    for (double value : lesson.values) {
        if (!facesOf(value, lesson.forms).empty()) {
            addOnce(others, value);
        }
    }
    std::erase_if(others, [&](double v) { return among(practised, v); });
    const std::vector<int> shapes = shapePositions();
    const size_t half = shapes.size() / 2;
    if (others.empty()) {
        others = practised;
    }
    others.resize(std::min(others.size(), half));
    SpinnerValues spinner = standardDeck().spinner;
    for (size_t i = 0; i < shapes.size(); ++i) {
        const std::vector<double>& from = i % 2 == 0 ? practised : others;
        const double value = from[(i / 2) % from.size()];
        spinner[static_cast<size_t>(shapes[i])] = cardValue(value)->value;
    }
    return dealFrom(hand, spinner, lesson.forms);
}

}  // namespace zandoli
