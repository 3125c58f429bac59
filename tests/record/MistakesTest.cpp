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

// Every rule is met at least once, so a rule the code no longer reaches shows.
TEST(Mistakes, EachWrongCardAndMissIsNamedByTheFirstRuleThatApplies) {
    std::set<std::string> met;
    runTranscript(ZANDOLI_RECORD_DATA "/mistakes.txt",
                  [&](const std::string& line) -> std::optional<std::string> {
                      if (line.starts_with("==")) {
                          return "";
                      }
                      met.insert(nameOf(line));
                      return nameOf(line);
                  });
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
