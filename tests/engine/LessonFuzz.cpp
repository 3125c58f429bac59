// Feeds the lesson reader damaged copies of good lessons and random bytes,
// thousands of times: characters flipped, lines cut, repeated or swapped,
// words of the file's own keys and values put where they do not belong,
// and files past the size a lesson may have. Each must be read whole, with
// a deck that can be dealt, or refused with a fault and a line within the
// file. The sanitizer build runs it too, where it also finds memory faults.
// ZANDOLI_FUZZ_RUNS and ZANDOLI_FUZZ_SEED change how many and which.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/Cards.h"
#include "engine/Deck.h"
#include "engine/Lesson.h"

namespace zandoli::testing {
namespace {

const std::vector<std::string> GOOD = {
    "# Year 3\nname = Halves and quarters\nvalues = 1/2, 1/4, 3/4\nforms = decimal, tile\n",
    "name = Tenths\nvalues = 1/10, 3/10, 7/10, 9/10\nforms = all\nexplain = on\nsound = "
    "off\ncode = 4B\n",
    "values = 2/4\r\nforms = fraction, whole, percent\r\n",
    "\xef\xbb\xbfname = Every value\nvalues = all\n",
};
const std::vector<std::string> WORDS = {"=",      ",",
                                        "\n",     "#",
                                        "name",   "values",
                                        "forms",  "explain",
                                        "sound",  "code",
                                        "on",     "off",
                                        "all",    "1/2",
                                        "0/0",    "1/0",
                                        "99/100", "-1/2",
                                        "tile",   "é",
                                        "\xff",   std::string(1, '\0'),
                                        "  "};

std::string damaged(std::string text, std::mt19937& random) {
    const auto below = [&random](size_t n) { return n == 0 ? 0 : random() % n; };
    const int faults = 1 + static_cast<int>(random() % 5);
    for (int f = 0; f < faults; ++f) {
        const size_t at = below(text.size() + 1);
        switch (random() % 6) {
            case 0:
                if (!text.empty()) {
                    text[at % text.size()] ^= static_cast<char>(1 << (random() % 8));
                }
                break;
            case 1:
                text.insert(at, WORDS[below(WORDS.size())]);
                break;
            case 2:
                text.erase(at, below(20));
                break;
            case 3:
                text += text.substr(at);  // lines repeated, keys given twice
                break;
            case 4:
                std::rotate(text.begin(), text.begin() + static_cast<long>(at), text.end());
                break;
            default:
                text.append(LONGEST_LESSON + 1 - std::min(text.size(), LONGEST_LESSON), 'a');
                break;
        }
    }
    return text;
}

int environment(const char* name, int otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : otherwise;
}

TEST(LessonFuzz, EveryFileIsReadWholeOrRefusedAtALineOfIt) {
    std::mt19937 random(static_cast<uint32_t>(environment("ZANDOLI_FUZZ_SEED", 1)));
    const int runs = environment("ZANDOLI_FUZZ_RUNS", 4000);
    int read = 0;
    int refused = 0;
    for (int run = 0; run < runs; ++run) {
        std::string text;
        if (run % 8 == 0) {
            text.resize(random() % 400);
            std::generate(text.begin(), text.end(), [&random] { return char(random()); });
        } else {
            text = damaged(GOOD[random() % GOOD.size()], random);
        }
        const LessonReading reading = readLesson(text);
        const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
        if (reading.lesson) {
            ++read;
            ASSERT_TRUE(lessonDeck(reading.lesson->values, reading.lesson->forms).has_value())
                << text;
            // A lesson read is written and read back as itself.
            const LessonReading again = readLesson(writeLesson(*reading.lesson));
            ASSERT_TRUE(again.lesson.has_value()) << writeLesson(*reading.lesson);
        } else {
            ++refused;
            ASSERT_GE(reading.line, 0) << text;
            ASSERT_LE(reading.line, lines) << text;
        }
    }
    // Both ways out are taken, so neither is left untried.
    EXPECT_GT(read, runs / 50);
    EXPECT_GT(refused, runs / 2);
}

// A file of exactly 64 KiB is a lesson; one byte more is refused as too large.
TEST(LessonFuzz, A64KiBFileIsReadAndOneByteMoreIsRefused) {
    std::string text = "name = Halves\nvalues = 1/2\n#";
    text.append(65536 - text.size(), 'x');
    EXPECT_TRUE(readLesson(text).lesson.has_value());
    const LessonReading larger = readLesson(text + "x");
    EXPECT_FALSE(larger.lesson.has_value());
    EXPECT_EQ(larger.fault, LessonFault::TooLarge);
}

// Every card of a small lesson's pack is of its values and forms, each value
// about as often as the other, and the spinner shows only its values.
TEST(LessonFuzz, ASmallLessonsPackHoldsOnlyItsValuesAndForms) {
    const auto deck = lessonDeck({0.25, 0.5}, {CardKind::Decimal, CardKind::Tile});
    ASSERT_TRUE(deck.has_value());
    int halves = 0;
    for (const int16_t card : deck->cards) {
        const double value = cardCatalogue()[card].value;
        EXPECT_TRUE(value == 0.25 || value == 0.5) << card;
        EXPECT_TRUE(kindOf(card) == CardKind::Decimal || kindOf(card) == CardKind::Tile) << card;
        halves += value == 0.5 ? 1 : 0;
    }
    EXPECT_EQ(halves, 24);
    for (const int position : shapePositions()) {
        const double shown = deck->spinner[static_cast<size_t>(position)];
        EXPECT_TRUE(shown == 0.25 || shown == 0.5) << position;
    }
}

// What is text and what is not, and the faults of the whole file, which
// name no line.
TEST(LessonFuzz, OnlyUtf8TextWithoutControlCharactersIsALesson) {
    const auto fault = [](std::string_view text) {
        const LessonReading read = readLesson(text);
        return read.lesson ? "read, line " + std::to_string(read.line)
                           : "fault " + std::to_string(static_cast<int>(read.fault)) + ", line " +
                                 std::to_string(read.line);
    };
    EXPECT_EQ(fault("name = Caf\xc3\xa9\tau lait\r\nvalues = 1/2\n"), "read, line 0");
    EXPECT_EQ(fault("name = Caf\xc3\xa9\x01\nvalues = 1/2\n"), "fault 0, line 0");
    EXPECT_EQ(fault("name = Caf\x7f\n"), "fault 0, line 0");
    // A lead byte whose next byte does not continue it; one cut short at the end.
    EXPECT_EQ(fault("name = Caf\xc3"
                    "A\n"),
              "fault 0, line 0");
    EXPECT_EQ(fault("name = \xe2\x82\xac \xe2"
                    "A\x82\n"),
              "fault 0, line 0");
    EXPECT_EQ(fault("name = Caf\xc3"), "fault 0, line 0");
    // A byte that begins no character: a continuation alone, an overlong
    // lead (a slash written in two bytes), one past the last code point.
    EXPECT_EQ(fault("name = Caf\x80\x80\n"), "fault 0, line 0");
    EXPECT_EQ(fault("name = Caf\xc0\xaf\n"), "fault 0, line 0");
    EXPECT_EQ(fault("name = Caf\xf5\x80\x80\x80\n"), "fault 0, line 0");
    EXPECT_EQ(fault("values = 1/2\nforms = whole\n"), "fault 10, line 0");
    EXPECT_EQ(readLesson("name = Caf\xc3\xa9\n").lesson->name, "Caf\xc3\xa9");
}

// The words a teacher may write for on and off, and the line that is no
// "key = value", named with its text.
TEST(LessonFuzz, OnAndOffAreReadInEveryWordAndABareLineIsNamed) {
    for (const char* on : {"on", "yes", "true", "Yes", "TRUE"}) {
        const LessonReading read = readLesson(std::string("sound = ") + on + "\nexplain = " + on);
        ASSERT_TRUE(read.lesson.has_value()) << on;
        EXPECT_EQ(read.lesson->sound, true) << on;
        EXPECT_EQ(read.lesson->explain, true) << on;
    }
    for (const char* off : {"off", "no", "false", "No"}) {
        const LessonReading read = readLesson(std::string("sound = ") + off);
        ASSERT_TRUE(read.lesson.has_value()) << off;
        EXPECT_EQ(read.lesson->sound, false) << off;
    }
    const LessonReading bare = readLesson("name = Tenths\n\n  tenths only please  \n");
    EXPECT_FALSE(bare.lesson.has_value());
    EXPECT_EQ(bare.fault, LessonFault::NotAKeyLine);
    EXPECT_EQ(bare.line, 3);
    EXPECT_EQ(bare.word, "tenths only please");
}

}  // namespace
}  // namespace zandoli::testing
