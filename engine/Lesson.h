#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/Deck.h"

namespace zandoli {

// A teacher's lesson: what a class plays. It is kept as a small UTF-8 text
// file of "key = value" lines a teacher can write by hand:
//
//     # Year 3: halves, quarters and tenths, no percentages yet
//     name = Halves, quarters and tenths
//     values = 1/2, 1/4, 3/4, 1/10, 3/10, 7/10, 9/10
//     forms = decimal, fraction, tile
//     explain = on
//     sound = on
//     code = 3B
//
// Lines beginning with "#" and blank lines are for people. `values` are
// fractions of one from the twelve the game knows (an equal fraction such as
// 2/4 is the same value), or "all"; `forms` are decimal, percent, fraction,
// tile and whole, or "all"; `explain` and `sound` are on or off; `code` is a
// class code of letters and digits. Every key is optional and may come once.
struct Lesson {
    // Empty when the file names none and is not the standard lesson.
    std::string name;
    ValueSet values;  // in the order of CARD_VALUES; all of them when the lesson names none
    FormSet forms;    // in the order of CardKind; all of them when the lesson names none
    std::optional<bool> explain;
    std::optional<bool> sound;
    std::string code;  // upper case; empty: the deal is seeded from the clock

    bool operator==(const Lesson&) const = default;
};

// The largest lesson file read, in bytes.
inline constexpr std::size_t LONGEST_LESSON = 64 * 1024;
// The longest name and class code a lesson may give.
inline constexpr std::size_t LONGEST_LESSON_NAME = 60;
inline constexpr std::size_t LONGEST_CODE = 12;

// The standard lesson: every value, every form; its deck is the standard deck.
Lesson everyValueLesson();

// Why a lesson file is refused. The screens say it in the player's language.
enum class LessonFault {
    NotText,       // not UTF-8 text, or it holds a control character
    TooLarge,      // over LONGEST_LESSON bytes
    NotAKeyLine,   // a line that is neither "key = value", a comment nor blank
    UnknownKey,    // `word` is no key a lesson has
    RepeatedKey,   // `word` came before
    UnknownValue,  // `word` is no value of the game
    UnknownForm,   // `word` is no form
    NotOnOrOff,    // `word` is neither on nor off
    BadName,       // the name is empty or longer than LONGEST_LESSON_NAME
    BadCode,       // the code is not 1 to LONGEST_CODE letters and digits
    NoGame,        // no card of the catalogue has a value and a form of the lesson
};

struct LessonReading {
    std::optional<Lesson> lesson;
    LessonFault fault{};
    int line = 0;      // the line at fault, counted from 1; 0 for the whole file
    std::string word;  // the word at fault, when there is one
};

// Reads a lesson file whole: the lesson, or the first fault and its line.
LessonReading readLesson(std::string_view text);

// The file of a lesson, as readLesson reads it back.
std::string writeLesson(const Lesson& lesson);

// The deck a lesson deals from (a lesson that has been read always has one).
Deck deckOf(const Lesson& lesson);

// A fraction of one as a lesson file writes it: "1/2", "3/10", "1".
std::string fractionText(double value);

}  // namespace zandoli
