#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zandoli::testing {

// What a step gives: its text, or nothing when the rest of its part is left
// out (a part for another display, say).
using Seen = std::optional<std::string>;

// A transcript's step split at its spaces: the verb, then its words.
class Step {
public:
    explicit Step(std::string text) : text_(std::move(text)) {
        std::istringstream in(text_);
        in >> verb_;
        for (std::string word; in >> word;) {
            words_.push_back(word);
        }
    }

    const std::string& text() const { return text_; }
    const std::string& verb() const { return verb_; }
    size_t size() const { return words_.size(); }
    // The word `i` after the verb, or "" when the step has fewer.
    std::string word(size_t i) const { return i < words_.size() ? words_[i] : std::string(); }
    // The word `i` after the verb as a number, or `none` when the step has fewer.
    int64_t number(size_t i, int64_t none = -1) const {
        return i < words_.size() ? std::stoll(words_[i]) : none;
    }
    // The text from the word `i` after the verb to the end, as written.
    std::string rest(size_t i = 0) const {
        size_t at = text_.find_first_not_of(' ', text_.find(verb_) + verb_.size());
        for (size_t w = 0; w < i && at != std::string::npos; ++w) {
            at = text_.find_first_not_of(' ', text_.find(' ', at));
        }
        return at == std::string::npos ? std::string() : text_.substr(at);
    }

private:
    std::string text_;
    std::string verb_;
    std::vector<std::string> words_;
};

// One verb of a player's vocabulary: how a step uses it, what it does in one
// line, and the handler that plays it.
template <class Player>
struct Verb {
    using Act = std::function<Seen(Player&, const Step&)>;
    std::string name;
    std::string example;
    std::string meaning;
    Act act;
};

// A player's verbs, the one place a step's verb is looked up. A verb named ""
// plays every step whose first word is no verb (steps such as "0.3 pressed
// 0.7", which have none).
template <class Player>
class Vocabulary {
public:
    Vocabulary(std::string player, std::vector<Verb<Player>> verbs)
        : player_(std::move(player)), verbs_(std::move(verbs)) {}

    // With the verbs of another player, each played on the one `inner`
    // gives, but those this player's own verbs name.
    template <class Inner, class Get>
    Vocabulary(std::string player, std::vector<Verb<Player>> verbs,
               const Vocabulary<Inner>& borrowed, Get inner)
        : Vocabulary(std::move(player), std::move(verbs)) {
        const size_t own = verbs_.size();
        for (const Verb<Inner>& verb : borrowed.verbs()) {
            if (std::any_of(verbs_.begin(), verbs_.begin() + long(own),
                            [&](const Verb<Player>& mine) { return mine.name == verb.name; })) {
                continue;
            }
            verbs_.push_back({verb.name, verb.example, verb.meaning,
                              [act = verb.act, inner](Player& player, const Step& step) {
                                  return act(inner(player), step);
                              }});
        }
    }

    Seen play(Player& player, const std::string& text) const {
        const Step step(text);
        for (const std::string& name : {step.verb(), std::string()}) {
            for (const Verb<Player>& verb : verbs_) {
                if (verb.name == name) {
                    return verb.act(player, step);
                }
            }
        }
        throw std::invalid_argument("no verb \"" + step.verb() + "\" for " + player_ +
                                    "; it knows " + names() + " (--verbs tells what each does)");
    }

    const std::vector<Verb<Player>>& verbs() const { return verbs_; }
    const std::string& player() const { return player_; }
    std::string names() const {
        std::string names;
        for (const Verb<Player>& verb : verbs_) {
            names += (names.empty() ? "" : ", ") + (verb.name.empty() ? verb.example : verb.name);
        }
        return names;
    }
    // A verb a line: how a step uses it, then what it does.
    std::string listing() const {
        std::string listing;
        for (const Verb<Player>& verb : verbs_) {
            const size_t pad = verb.example.size() < 28 ? 28 - verb.example.size() : 1;
            listing += "  " + verb.example + std::string(pad, ' ') + verb.meaning + "\n";
        }
        return listing;
    }

private:
    std::string player_;
    std::vector<Verb<Player>> verbs_;
};

}  // namespace zandoli::testing
