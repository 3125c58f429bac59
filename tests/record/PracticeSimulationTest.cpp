// A simulated child in virtual time: practice games against standard ones,
// and the confusions' boxes over days of practice. The figures are printed
// (the README quotes them): `build/tests/record/record_tests
// --gtest_filter='PracticeSimulation.*'`.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>

#include "engine/Practice.h"
#include "tests/record/PracticeSimulation.h"

namespace zandoli::testing {
namespace {

constexpr int GAMES = 1000;

// A first day of five standard games by a child who takes the unshaded part
// half the time it can.
SimulatedChild firstDay(uint64_t seed) {
    SimulatedChild child(0.5, seed);
    for (int game = 0; game < 5; ++game) {
        child.play(standardDeck(), 0);
    }
    return child;
}

Deck practiceFor(const std::vector<PupilRow>& rows) {
    const auto confusions = confusionsOf(rows);
    return practiceDeck(practiceItems(confusions), everyValueLesson()).value_or(standardDeck());
}

double perSpin(int64_t count, int64_t spins) {
    return spins == 0 ? 0 : static_cast<double>(count) / static_cast<double>(spins);
}

TEST(PracticeSimulation, PracticeMeetsTheConfusionThreeTimesAsOften) {
    const SimulatedChild child = firstDay(1);
    const auto confusions = confusionsOf(child.rows());
    ASSERT_FALSE(confusions.empty());
    ASSERT_EQ(confusions.front().key.rule, MistakeRule::UnshadedPart);
    const Deck practice = practiceFor(child.rows());
    SimulatedChild inStandard(0.5, 2);
    SimulatedChild inPractice(0.5, 3);
    inStandard.watched = inPractice.watched = confusions.front().key;
    for (int game = 0; game < GAMES; ++game) {
        inStandard.play(standardDeck(), 1);
        inPractice.play(practice, 1);
    }
    const double standard = perSpin(inStandard.watchedPossible, inStandard.spins);
    const double practised = perSpin(inPractice.watchedPossible, inPractice.spins);
    std::printf(
        "confusion %.2f shown, %.2f as form %d taken: possible on %lld of %lld spins (%.4f) in %d "
        "standard games, %lld of %lld (%.4f) in %d practice games: %.1f x\n",
        confusions.front().key.shown, confusions.front().key.taken,
        static_cast<int>(confusions.front().key.form),
        static_cast<long long>(inStandard.watchedPossible),
        static_cast<long long>(inStandard.spins), standard, GAMES,
        static_cast<long long>(inPractice.watchedPossible),
        static_cast<long long>(inPractice.spins), practised, GAMES, practised / standard);
    std::printf("any unshaded part possible: %.4f a spin standard, %.4f practice: %.1f x\n",
                perSpin(inStandard.anyUnshaded, inStandard.spins),
                perSpin(inPractice.anyUnshaded, inPractice.spins),
                perSpin(inPractice.anyUnshaded, inPractice.spins) /
                    perSpin(inStandard.anyUnshaded, inStandard.spins));
    EXPECT_GE(practised, 3 * standard);
}

// Two practice games a day, each day's deck made from the record so far;
// the confusions after each day.
std::vector<std::vector<Confusion>> practiseDays(SimulatedChild& child, int days) {
    std::vector<std::vector<Confusion>> byDay;
    for (int day = 1; day <= days; ++day) {
        const Deck deck = practiceFor(child.rows());
        child.play(deck, day);
        child.play(deck, day);
        byDay.push_back(confusionsOf(child.rows()));
    }
    return byDay;
}

const Confusion* find(const std::vector<Confusion>& all, const ConfusionKey& key) {
    for (const Confusion& c : all) {
        if (c.key.shown == key.shown && c.key.taken == key.taken && c.key.form == key.form &&
            c.key.rule == key.rule) {
            return &c;
        }
    }
    return nullptr;
}

constexpr int DAYS = 20;

TEST(PracticeSimulation, AChildWhoStopsSeesEachConfusionResolvedAfterThreeSessions) {
    SimulatedChild child = firstDay(1);
    const auto first = confusionsOf(child.rows());
    child.setUnshaded(0);
    const auto byDay = practiseDays(child, DAYS);
    int allGone = 0;
    for (const Confusion& start : first) {
        int box = 1;
        int resolvedOn = 0;
        for (int day = 1; day <= DAYS; ++day) {
            const Confusion* c = find(byDay[static_cast<size_t>(day - 1)], start.key);
            ASSERT_NE(c, nullptr);
            // No mistake any more: it only ever moves up, one box a day at most.
            EXPECT_GE(c->box, box) << day;
            EXPECT_LE(c->box, box + 1) << day;
            box = c->box;
            if (resolvedOn == 0 && c->resolvedMs) {
                resolvedOn = day;
                EXPECT_EQ(c->box, 3);
            }
        }
        EXPECT_GE(resolvedOn, 3) << "three later sessions at the least";
        EXPECT_NE(resolvedOn, 0) << "resolved within " << DAYS << " days";
        allGone = std::max(allGone, resolvedOn);
    }
    const Confusion* watched = find(byDay.back(), first.front().key);
    std::printf(
        "%zu confusions after the first day; the first resolved on day %lld after %d "
        "sessions; the last on day %d\n",
        first.size(), static_cast<long long>(watched->resolvedMs.value_or(0) / 86'400'000),
        watched->sessions, allGone);
}

TEST(PracticeSimulation, AChildWhoKeepsMakingItNeverSeesItResolved) {
    for (uint64_t seed = 1; seed <= 3; ++seed) {
        SimulatedChild child = firstDay(seed);
        const ConfusionKey key = confusionsOf(child.rows()).front().key;
        child.setUnshaded(1);
        const auto byDay = practiseDays(child, DAYS);
        for (const auto& day : byDay) {
            const Confusion* c = find(day, key);
            ASSERT_NE(c, nullptr);
            EXPECT_FALSE(c->resolvedMs) << seed;
        }
        std::printf("seed %llu: after %d days box %d, %d mistakes\n",
                    static_cast<unsigned long long>(seed), DAYS, find(byDay.back(), key)->box,
                    find(byDay.back(), key)->mistakes);
    }
}

// Every field of each confusion, a line each.
std::string described(const std::vector<Confusion>& all) {
    std::ostringstream out;
    for (const Confusion& c : all) {
        out << c.key.shown << ' ' << c.key.taken << ' ' << static_cast<int>(c.key.form) << ' '
            << static_cast<int>(c.key.rule) << " box " << c.box << " state "
            << static_cast<int>(c.state) << " mistakes " << c.mistakes << " since " << c.sinceMs
            << " sessions " << c.sessions << " resolved " << c.resolvedMs.value_or(-1) << '\n';
    }
    return out.str();
}

TEST(PracticeSimulation, AFoldSavedBeforeAnyDayAndTakenUpAgainReplaysTheSame) {
    // A child who now and then still takes the unshaded part: confusions
    // resolved, sent back, and new ones over 12 days.
    SimulatedChild child = firstDay(4);
    child.setUnshaded(0.15);
    practiseDays(child, 12);
    const std::vector<PupilRow>& rows = child.rows();
    const std::vector<Confusion> all = confusionsOf(rows);
    ASSERT_TRUE(std::any_of(all.begin(), all.end(), [](const Confusion& c) {
        return c.resolvedMs && c.mistakes > 1;
    })) << "no confusion came back and was resolved";
    const std::string whole = described(all);
    int cuts = 0;
    for (size_t cut = 1; cut < rows.size(); ++cut) {
        ConfusionFold fold;
        if (fold.dayOf(rows[cut]) == fold.dayOf(rows[cut - 1])) {
            continue;
        }
        for (size_t i = 0; i < cut; ++i) {
            fold.add(rows[i]);
        }
        fold.endDay();
        auto again = ConfusionFold::restored(fold.saved(), 0);
        ASSERT_TRUE(again.has_value()) << fold.saved();
        for (size_t i = cut; i < rows.size(); ++i) {
            again->add(rows[i]);
        }
        EXPECT_EQ(described(again->result()), whole) << "taken up on day " << fold.dayOf(rows[cut]);
        ++cuts;
    }
    EXPECT_EQ(cuts, 12);
    // What is not a whole saved fold is none.
    ConfusionFold fold;
    for (const PupilRow& row : rows) {
        fold.add(row);
    }
    fold.endDay();
    const std::string saved = fold.saved();
    EXPECT_FALSE(ConfusionFold::restored(saved.substr(0, saved.size() - 12), 0));
    EXPECT_FALSE(ConfusionFold::restored("confusions 2" + saved.substr(12), 0));
    EXPECT_FALSE(ConfusionFold::restored("", 0));
}

}  // namespace
}  // namespace zandoli::testing
