// The explanation of a mistake, as a transcript of spins, cards and what
// the child reads (explain.txt): the sentence, the two tiles' shaded squares
// and the two marks on the number line.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/Deck.h"
#include "engine/Spinner.h"
#include "table/ExplanationWords.h"
#include "tests/record/CardFaces.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// "0.3 pressed 0.7" (a wrong card) or "0.5 left 50%, 1/2" (the cards of
// the spin's value left in the hand), with the other cards left after
// "left" in a step that presses one: "0.3 pressed 0.7 left 3/10".
std::string explained(const std::string& line) {
    std::istringstream in(line);
    double spin = 0;
    std::string verb;
    in >> spin >> verb;
    TableState table;
    const auto at = std::find_if(SPINVALUES.begin(), SPINVALUES.end(),
                                 [spin](double shown) { return valuesMatch(shown, spin); });
    Explanation explanation{.position = static_cast<int>(at - SPINVALUES.begin())};
    std::string rest;
    std::getline(in >> std::ws, rest);
    int slot = 0;
    if (verb == "pressed") {
        const size_t left = rest.find(" left ");
        const std::string face = rest.substr(0, left);
        explanation.wrongCard = cardOfFace(face);
        explanation.wrongSlot = slot;
        table.faces[static_cast<size_t>(slot++)] = explanation.wrongCard;
        rest = left == std::string::npos ? "" : rest.substr(left + 6);
    } else if (verb != "left") {
        throw std::invalid_argument("neither pressed nor left: " + line);
    }
    std::istringstream cards(rest);
    for (std::string face; std::getline(cards >> std::ws, face, ',');) {
        table.faces[static_cast<size_t>(slot)] = cardOfFace(face);
        explanation.missed[static_cast<size_t>(slot++)] = true;
    }
    table.explanation = explanation;
    const ExplanationWords words = explanationWords(table);
    std::ostringstream out;
    out << words.sentence.toStdString() << " | tiles " << words.spinShaded << " "
        << words.cardShaded << " | line " << words.spinMark.toStdString() << " "
        << words.cardMark.toStdString();
    return out.str();
}

// The player of explain.txt, whose steps have no verb.
struct Explainer {
    static const Vocabulary<Explainer>& verbs() {
        static const Vocabulary<Explainer> verbs(
            "the explanations of mistakes (tests/table/ExplainTest.cpp)",
            {{"", "0.3 pressed 0.7 left 3/10",
              "the explanation of 0.7 pressed on 0.3 with 3/10 left in the hand (or only "
              "\"left\" cards): its sentence, the tiles' shaded squares, the line's marks",
              [](Explainer&, const Step& step) { return explained(step.text()); }}});
        return verbs;
    }
};
[[maybe_unused]] const bool explainRegistered =
    registerTranscript<Explainer>(ZANDOLI_TABLE_DATA "/explain.txt");

}  // namespace
}  // namespace zandoli::testing
