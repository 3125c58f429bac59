#include "record/Confusions.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <istream>
#include <locale>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "engine/Values.h"

namespace zandoli {

// The replay's parts, which ConfusionFold holds.
namespace confusionReplay {

constexpr int64_t DAY_MS = 86'400'000;
constexpr int LAST_BOX = 3;

// A value as CARD_VALUES writes it, so that keys compare exactly.
double literal(double value) {
    const CardValue* known = cardValue(value);
    return known != nullptr ? known->value : value;
}

using Tuple = std::tuple<double, double, int, int>;
Tuple tupleOf(const ConfusionKey& key) {
    return {key.shown, key.taken, static_cast<int>(key.form), static_cast<int>(key.rule)};
}

// One turn of a day: its spin, the forms it discarded and its mistakes.
struct Turn {
    std::optional<double> spun;
    int64_t atMs = 0;
    std::vector<int16_t> held;
    std::set<int> matchedForms;
    std::set<Tuple> mistaken;
    bool wrong = false;
};

struct Track {
    Confusion confusion;
    int64_t boxDay = 0;  // the day it came into its box
    int64_t sinceDay = 0;
    int64_t resolvedDay = 0;
};

std::optional<ConfusionKey> keyOf(const PupilRow& row) {
    if (!row.mistake || !row.spinValue || !isCard(row.card)) {
        return std::nullopt;
    }
    return ConfusionKey{.shown = literal(*row.spinValue),
                        .taken = literal(cardCatalogue()[static_cast<size_t>(row.card)].value),
                        .form = kindOf(row.card),
                        .rule = *row.mistake};
}

// The child met the confusion in this turn and chose right.
bool metRight(const Turn& turn, const ConfusionKey& key) {
    if (!turn.spun || !valuesMatch(*turn.spun, key.shown) ||
        turn.mistaken.count(tupleOf(key)) != 0) {
        return false;
    }
    const bool passedBy = key.rule == MistakeRule::Missed;
    if (!turn.held.empty()) {
        const bool holding = std::any_of(turn.held.begin(), turn.held.end(), [&](int16_t card) {
            return isCard(card) && kindOf(card) == key.form && cardMatches(card, key.taken);
        });
        return holding && (passedBy || !turn.wrong);
    }
    return passedBy ? turn.matchedForms.count(static_cast<int>(key.form)) != 0
                    : !turn.matchedForms.empty();
}

class Replay {
public:
    void day(int64_t day, const std::map<std::pair<int64_t, int>, Turn>& turns) {
        days_.push_back(day);
        std::set<Tuple> mistaken;
        for (const auto& [id, turn] : turns) {
            mistaken.insert(turn.mistaken.begin(), turn.mistaken.end());
        }
        for (const Tuple& tuple : mistaken) {
            Track& track = tracks_.at(tuple);
            if (track.confusion.resolvedMs) {
                track.confusion.resolvedMs.reset();
                track.sinceDay = day;
            }
            track.confusion.box = 1;
            track.boxDay = day;
        }
        for (const auto& [id, turn] : turns) {
            if (!turn.spun) {
                continue;
            }
            const double shown = literal(*turn.spun);
            if (turn.held.empty()) {
                meet(day, turn, {shown, -1.0, INT_MIN, INT_MIN}, 1);
                continue;
            }
            // A turn with its hand kept meets only the confusions of a card
            // held. A card held twice meets them once: a promotion moves the
            // box's day to this one.
            for (const int16_t card : turn.held) {
                if (isCard(card)) {
                    const double taken = literal(cardCatalogue()[static_cast<size_t>(card)].value);
                    meet(day, turn, {shown, taken, static_cast<int>(kindOf(card)), INT_MIN}, 3);
                }
            }
        }
    }

    void mistake(const ConfusionKey& key, int64_t day, int64_t atMs) {
        auto [found, added] = tracks_.try_emplace(tupleOf(key));
        Track& track = found->second;
        if (added) {
            track.confusion.key = key;
            track.confusion.sinceMs = atMs;
            track.sinceDay = day;
        } else if (track.confusion.resolvedMs &&
                   track.confusion.sinceMs <= *track.confusion.resolvedMs) {
            // Back after it was resolved: it starts again from this mistake.
            track.confusion.sinceMs = atMs;
        }
        ++track.confusion.mistakes;
    }

    std::vector<Confusion> result() const;

    void save(std::string& text) const;
    bool restore(std::istream& in);

private:
    // Promotes the open tracks met right in `turn` among those from `first`
    // on whose key begins as `first`'s first `fields` fields do (the tracks
    // are ordered by the value shown, then the value taken and the form).
    void meet(int64_t day, const Turn& turn, const Tuple& first, int fields) {
        const auto same = [&](const Tuple& key) {
            return std::get<0>(key) == std::get<0>(first) &&
                   (fields < 2 || std::get<1>(key) == std::get<1>(first)) &&
                   (fields < 3 || std::get<2>(key) == std::get<2>(first));
        };
        for (auto it = tracks_.lower_bound(first); it != tracks_.end() && same(it->first); ++it) {
            Track& track = it->second;
            if (!track.confusion.resolvedMs && day > track.boxDay &&
                metRight(turn, track.confusion.key)) {
                promote(track, day, turn.atMs);
            }
        }
    }
    static void promote(Track& track, int64_t day, int64_t atMs) {
        track.boxDay = day;
        if (++track.confusion.box > LAST_BOX) {
            track.confusion.box = LAST_BOX;
            track.confusion.resolvedMs = atMs;
            track.resolvedDay = day;
        }
    }
    int sessionsBetween(int64_t from, int64_t to) const {
        return static_cast<int>(std::count_if(days_.begin(), days_.end(),
                                              [&](int64_t d) { return d >= from && d <= to; }));
    }

    std::map<Tuple, Track> tracks_;
    std::vector<int64_t> days_;
};

std::vector<Confusion> Replay::result() const {
    std::vector<Confusion> out;
    const int64_t last = days_.empty() ? 0 : days_.back();
    for (const auto& [tuple, track] : tracks_) {
        Confusion c = track.confusion;
        c.sessions = sessionsBetween(track.sinceDay, c.resolvedMs ? track.resolvedDay : last);
        c.state = c.resolvedMs             ? ConfusionState::Resolved
                  : track.sinceDay == last ? ConfusionState::New
                                           : ConfusionState::StillThere;
        out.push_back(c);
    }
    std::stable_sort(out.begin(), out.end(), [](const Confusion& a, const Confusion& b) {
        const bool aOpen = !a.resolvedMs;
        const bool bOpen = !b.resolvedMs;
        if (aOpen != bOpen) {
            return aOpen;
        }
        if (!aOpen) {
            return *a.resolvedMs > *b.resolvedMs;
        }
        return a.box != b.box ? a.box < b.box : a.mistakes > b.mistakes;
    });
    return out;
}

// The replay as lines of numbers: its days, then a line for each track.
// Values are written as the shortest text that reads back the same double.
void Replay::save(std::string& text) const {
    // Each number after a space, but the first of a track's line.
    const auto number = [&text](auto value) {
        char buffer[32];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        if (!text.empty() && text.back() != '\n') {
            text += ' ';
        }
        text.append(buffer, written.ptr);
    };
    text += "days";
    number(days_.size());
    for (const int64_t day : days_) {
        number(day);
    }
    text += "\ntracks";
    number(tracks_.size());
    for (const auto& [tuple, track] : tracks_) {
        text += '\n';
        const Confusion& c = track.confusion;
        number(c.key.shown);
        number(c.key.taken);
        number(static_cast<int>(c.key.form));
        number(static_cast<int>(c.key.rule));
        number(c.box);
        number(c.mistakes);
        number(c.sinceMs);
        number(c.resolvedMs ? 1 : 0);
        number(c.resolvedMs.value_or(0));
        number(track.boxDay);
        number(track.sinceDay);
        number(track.resolvedDay);
    }
    text += '\n';
}

bool Replay::restore(std::istream& in) {
    std::string word;
    size_t count = 0;
    if (!(in >> word >> count) || word != "days" || count > 100'000) {
        return false;
    }
    days_.resize(count);
    for (int64_t& day : days_) {
        in >> day;
    }
    if (!(in >> word >> count) || word != "tracks" || count > 100'000) {
        return false;
    }
    for (size_t i = 0; i < count; ++i) {
        Track track;
        Confusion& c = track.confusion;
        int form = -1;
        int rule = -1;
        int resolved = 0;
        int64_t resolvedMs = 0;
        in >> c.key.shown >> c.key.taken >> form >> rule >> c.box >> c.mistakes >> c.sinceMs >>
            resolved >> resolvedMs >> track.boxDay >> track.sinceDay >> track.resolvedDay;
        if (!in || form < static_cast<int>(CardKind::Whole) ||
            form > static_cast<int>(CardKind::Tile) || rule < 0 ||
            rule > static_cast<int>(MistakeRule::Missed) || c.box < 1 || c.box > LAST_BOX) {
            return false;
        }
        c.key.form = static_cast<CardKind>(form);
        c.key.rule = static_cast<MistakeRule>(rule);
        if (resolved != 0) {
            c.resolvedMs = resolvedMs;
        }
        tracks_[tupleOf(c.key)] = track;
    }
    return static_cast<bool>(in);
}

}  // namespace confusionReplay

struct ConfusionFold::State {
    int64_t offsetMs = 0;
    confusionReplay::Replay replay;
    std::map<std::pair<int64_t, int>, confusionReplay::Turn> turns;
    std::optional<int64_t> today;
};

ConfusionFold::ConfusionFold(int64_t offsetMs) : state_(std::make_unique<State>()) {
    state_->offsetMs = offsetMs;
}
ConfusionFold::ConfusionFold(const ConfusionFold& other)
    : state_(std::make_unique<State>(*other.state_)) {}
ConfusionFold& ConfusionFold::operator=(const ConfusionFold& other) {
    *state_ = *other.state_;
    return *this;
}
ConfusionFold::ConfusionFold(ConfusionFold&&) noexcept = default;
ConfusionFold& ConfusionFold::operator=(ConfusionFold&&) noexcept = default;
ConfusionFold::~ConfusionFold() = default;

int64_t ConfusionFold::dayOf(const PupilRow& row) const {
    return (row.atMs + state_->offsetMs) / confusionReplay::DAY_MS;
}

void ConfusionFold::add(const PupilRow& row) {
    const int64_t day = dayOf(row);
    if (state_->today && day != *state_->today) {
        endDay();
    }
    state_->today = day;
    confusionReplay::Turn& turn = state_->turns[{row.game, row.turn}];
    if (row.what == Happening::Spin) {
        turn.spun = row.spinValue;
        turn.atMs = row.atMs;
        turn.held = row.hand;
    } else if (row.what == Happening::Match && isCard(row.card)) {
        turn.matchedForms.insert(static_cast<int>(kindOf(row.card)));
    } else if (const auto key = confusionReplay::keyOf(row)) {
        turn.wrong = turn.wrong || row.what == Happening::Wrong;
        turn.mistaken.insert(confusionReplay::tupleOf(*key));
        state_->replay.mistake(*key, day, row.atMs);
    }
}

void ConfusionFold::endDay() {
    if (state_->today) {
        state_->replay.day(*state_->today, state_->turns);
    }
    state_->turns.clear();
    state_->today.reset();
}

std::vector<Confusion> ConfusionFold::result() const {
    if (!state_->today) {
        return state_->replay.result();
    }
    ConfusionFold ended(*this);
    ended.endDay();
    return ended.state_->replay.result();
}

std::string ConfusionFold::saved() const {
    std::string text = "confusions 1\n";
    state_->replay.save(text);
    return text;
}

std::optional<ConfusionFold> ConfusionFold::restored(std::string_view text, int64_t offsetMs) {
    std::istringstream in{std::string(text)};
    in.imbue(std::locale::classic());
    std::string heading;
    int version = 0;
    ConfusionFold fold(offsetMs);
    if (!(in >> heading >> version) || heading != "confusions" || version != 1 ||
        !fold.state_->replay.restore(in)) {
        return std::nullopt;
    }
    return fold;
}

std::vector<Confusion> confusionsOf(std::span<const PupilRow> rows, int64_t offsetMs) {
    ConfusionFold fold(offsetMs);
    for (const PupilRow& row : rows) {
        fold.add(row);
    }
    return fold.result();
}

std::vector<PracticeItem> practiceItems(std::span<const Confusion> confusions) {
    std::vector<PracticeItem> items;
    for (const Confusion& c : confusions) {
        if (!c.resolvedMs) {
            items.push_back(
                {.shown = c.key.shown, .taken = c.key.taken, .form = c.key.form, .box = c.box});
        }
    }
    return items;
}

}  // namespace zandoli
