// The name of every mistake, as a transcript of spins, cards and rules
// (mistakes.txt), and the words a teacher reads for each.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "engine/Spinner.h"
#include "record/Mistakes.h"
#include "tests/record/CardFaces.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// "0.3 pressed 0.7" or "red star left 30%": the rule's key, or "no mistake".
std::string nameOf(const std::string& line) {
    std::istringstream in(line);
    std::string spin;
    in >> spin;
    double value = 0;
    if (spin == "red" || spin == "blue") {
        value = spin == "red" ? RED_STAR : BLUE_STAR;
        in >> spin;  // "star"
    } else {
        value = std::stod(spin);
    }
    std::string choice;
    std::string face;
    in >> choice;
    std::getline(in >> std::ws, face);
    if (choice != "pressed" && choice != "left") {
        throw std::invalid_argument(line);
    }
    const auto rule = nameMistake(value, cardOfFace(face), choice == "pressed");
    return rule ? mistakeName(*rule).key : "no mistake";
}

// The player of mistakes.txt, whose steps have no verb.
struct MistakeNamer {
    static const Vocabulary<MistakeNamer>& verbs() {
        static const Vocabulary<MistakeNamer> verbs(
            "the mistakes' names (tests/record/MistakesTest.cpp)",
            {{"", "0.3 pressed 0.7",
              "the rule's key for card 0.7 pressed (or \"left\") on 0.3, or \"red star\"",
              [](MistakeNamer&, const Step& step) { return nameOf(step.text()); }}});
        return verbs;
    }
};
[[maybe_unused]] const bool mistakesRegistered =
    registerTranscript<MistakeNamer>(ZANDOLI_RECORD_DATA "/mistakes.txt");

// Every rule is met at least once, so a rule the code no longer reaches shows.
TEST(Mistakes, EachRuleNamesAMistakeOfTheTranscript) {
    std::set<std::string> met;
    for (const Transcript::Part& part : Transcript(ZANDOLI_RECORD_DATA "/mistakes.txt").parts) {
        for (const Transcript::Line& step : part.steps) {
            met.insert(nameOf(step.text.substr(0, step.text.find(" =>"))));
        }
    }
    EXPECT_EQ(met, (std::set<std::string>{"unshaded-part", "fraction-digits", "tenth-away",
                                          "percent-decimal", "other", "missed", "no mistake"}));
}

// The record keeps a rule's key, and a later version reads it back.
TEST(Mistakes, AKeyNamesItsRuleAndAnUnknownKeyNone) {
    for (const MistakeName& name : MISTAKE_NAMES) {
        EXPECT_EQ(mistakeRule(name.key), name.rule) << name.key;
    }
    EXPECT_EQ(mistakeRule("upside-down"), std::nullopt);
}

}  // namespace
}  // namespace zandoli::testing
