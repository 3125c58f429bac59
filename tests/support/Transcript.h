#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/Vocabulary.h"

namespace zandoli::testing {

// A transcript read into its parts. Blank lines and "#" lines are for people.
// A line "== heading" starts a part; every other line is a step, which gives
// what it shows, and that must equal what follows "=>" when the line has
// one. A file without headings is one part.
struct Transcript {
    struct Line {
        int number = 0;
        std::string text;
    };
    struct Part {
        int line = 0;  // of the heading
        std::string heading;
        std::vector<Line> steps;
    };

    std::string path;
    std::vector<Part> parts;

    explicit Transcript(std::string file) : path(std::move(file)) {
        std::ifstream in(path);
        if (!in.is_open()) {
            throw std::runtime_error(path + ": cannot be read");
        }
        parts.emplace_back();
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            if (line.starts_with("==")) {
                if (parts.size() == 1 && !parts[0].steps.empty()) {
                    throw std::runtime_error(path + ":" + std::to_string(number) +
                                             ": a heading after steps that have none");
                }
                // The heading is what follows the "=" signs and the spaces after them.
                const size_t text = line.find_first_not_of("= ");
                parts.push_back({number, text == std::string::npos ? "" : line.substr(text), {}});
            } else if (!line.empty() && !line.starts_with("#")) {
                parts.back().steps.push_back({number, line});
            }
        }
        // The steps before the first heading are a part only in a file without headings.
        if (parts.size() > 1) {
            parts.erase(parts.begin());
        }
    }

    // The part under `heading`.
    const Part& part(const std::string& heading) const {
        const auto found = std::find_if(parts.begin(), parts.end(),
                                        [&](const Part& p) { return p.heading == heading; });
        if (found == parts.end()) {
            throw std::invalid_argument(path + ": no part \"" + heading + "\"");
        }
        return *found;
    }
};

// The name of a transcript's tests: its file's name, "turns.txt" as
// "turns_txt", as CMake's MAKE_C_IDENTIFIER makes it.
inline std::string suiteOf(const std::string& path) {
    std::string name = path.substr(path.rfind('/') + 1);
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return std::isdigit(static_cast<unsigned char>(name[0])) ? "_" + name : name;
}

// Plays the steps of `part` on `player`, each through the player's
// vocabulary. A step that differs from its line, or that fails, is reported
// at its file and line; a failed step ends the part. A step that gives
// nothing leaves out the rest of the part, which is then reported skipped.
template <class Player>
void playPart(const Transcript& transcript, const Transcript::Part& part, Player& player) {
    const char* const path = transcript.path.c_str();
    for (const auto& [number, text] : part.steps) {
        const size_t arrow = text.find(" =>");
        Seen seen;
        try {
            seen = Player::verbs().play(player, text.substr(0, arrow));
        } catch (const std::exception& e) {
            ADD_FAILURE_AT(path, number) << text << "\n  failed: " << e.what();
            return;
        }
        if (!seen) {
            GTEST_SKIP() << path << ":" << number << ": " << text
                         << ": the rest of the part is left out here";
        }
        const std::string wanted = text.substr(std::min(arrow + 4, text.size()));
        if (arrow != std::string::npos && *seen != wanted) {
            ADD_FAILURE_AT(path, number) << text << "\n  but it gives: " << *seen;
        }
    }
}

// The vocabularies of the players of this program's transcripts, each with
// the files it plays, for --verbs.
inline std::map<std::string, std::vector<std::string>>& vocabularies() {
    static std::map<std::string, std::vector<std::string>> listed;
    return listed;
}

// Each part's outcome in a file of its own in `folder`, named by its test
// ("turns_txt.3"): "PASSED", "SKIPPED" or "FAILED" and the part's name,
// then what it reported. ctest's test of the part shows that file, so that
// a transcript's parts are played in one process and reported one by one.
class PartResults : public ::testing::EmptyTestEventListener {
public:
    explicit PartResults(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Nothing of an earlier run is left to be taken for this one's.
    void OnTestProgramStart(const ::testing::UnitTest&) override {
        std::error_code failed;
        std::filesystem::create_directories(folder_, failed);
        for (const auto& file : std::filesystem::directory_iterator(folder_, failed)) {
            if (file.path().filename().string().find("_txt.") != std::string::npos) {
                std::filesystem::remove(file.path(), failed);
            }
        }
        unwritten_ = bool(failed);
    }
    // A failure at its file and line; the reason a part was left out as it is.
    void OnTestPartResult(const ::testing::TestPartResult& result) override {
        if (result.failed() && result.file_name() != nullptr) {
            said_ +=
                std::string(result.file_name()) + ":" + std::to_string(result.line_number()) + ": ";
        }
        said_ += std::string(result.message()) + "\n";
    }
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const ::testing::TestResult& result = *test.result();
        const std::string name = test.name();
        std::ofstream out(
            folder_ / (std::string(test.test_suite_name()) + "." + name.substr(0, name.find(' '))));
        out << (result.Failed()    ? "FAILED "
                : result.Skipped() ? "SKIPPED "
                                   : "PASSED ")
            << test.test_suite_name() << "." << name << "\n"
            << std::exchange(said_, {});
        unwritten_ = unwritten_ || !out.flush();
    }

    bool unwritten() const { return unwritten_; }

private:
    std::filesystem::path folder_;
    std::string said_;
    bool unwritten_ = false;
};

// RUN_ALL_TESTS(), but a filter that selects no test fails: the part that
// ctest names is no longer in its transcript as CMake last read it, and the
// next build registers the parts anew. With ZANDOLI_PART_RESULTS naming a
// folder, each part's outcome is written there (see PartResults) for its
// own ctest test to report, and the run fails only when one could not be.
inline int runTests() {
    const char* const folder = std::getenv("ZANDOLI_PART_RESULTS");
    PartResults* results = folder ? new PartResults(folder) : nullptr;
    if (results) {
        ::testing::UnitTest::GetInstance()->listeners().Append(results);  // which owns it
    }
    const int failed = RUN_ALL_TESTS();
    const ::testing::UnitTest& run = *::testing::UnitTest::GetInstance();
    if (!GTEST_FLAG_GET(list_tests) && run.test_to_run_count() == 0) {
        std::cerr << "No test matches --gtest_filter=" << GTEST_FLAG_GET(filter)
                  << "; build again to register the transcripts' parts anew.\n";
        return 1;
    }
    return results ? int(results->unwritten() || run.ad_hoc_test_result().Failed()) : failed;
}

// With --verbs among the arguments, prints each player's verbs and says so.
inline bool printVerbs(int argc, char** argv) {
    if (std::find(argv + 1, argv + argc, std::string("--verbs")) == argv + argc) {
        return false;
    }
    for (const auto& [listing, files] : vocabularies()) {
        for (const std::string& file : files) {
            std::cout << file << "\n";
        }
        std::cout << listing << "\n";
    }
    return true;
}

// A part as a test of its own.
class PartTest : public ::testing::Test {
public:
    explicit PartTest(std::function<void()> body) : body_(std::move(body)) {}
    void TestBody() override { body_(); }

private:
    std::function<void()> body_;
};

using PartPlay = std::function<void(const Transcript&, const Transcript::Part&)>;

// Registers each part of the transcript at `path` as a test named by its
// number and heading ("turns_txt.3 one player: ..."), which plays the part
// through `play`. tests/support/CMakeLists.txt registers the same parts
// with ctest. A transcript that cannot be read is a failing test, and says
// why whenever the program starts.
template <class Player>
bool registerTranscript(const std::string& path, const PartPlay& play) {
    const auto& verbs = Player::verbs();
    vocabularies()[verbs.player() + ":\n" + verbs.listing()].push_back(path);
    const std::string suite = suiteOf(path);
    try {
        const auto transcript = std::make_shared<const Transcript>(path);
        for (size_t n = 0; n < transcript->parts.size(); ++n) {
            const Transcript::Part& part = transcript->parts[n];
            // As CMake names it in its filter: "3 heading", or "1" in a file without headings.
            const std::string name = std::to_string(n + 1) + (part.line ? " " + part.heading : "");
            ::testing::RegisterTest(
                suite.c_str(), name.c_str(), nullptr, nullptr, path.c_str(), part.line,
                [=]() -> ::testing::Test* {
                    return new PartTest([=] { play(*transcript, transcript->parts[n]); });
                });
        }
    } catch (const std::exception& e) {
        const std::string why = e.what();
        std::cerr << why << "\n";
        ::testing::RegisterTest(
            suite.c_str(), "read", nullptr, nullptr, path.c_str(), 0,
            [=]() -> ::testing::Test* { return new PartTest([=] { FAIL() << why; }); });
    }
    return true;
}

// The same, each part played on a fresh Player.
template <class Player>
bool registerTranscript(const std::string& path) {
    return registerTranscript<Player>(
        path, [](const Transcript& transcript, const Transcript::Part& part) {
            Player player;
            playPart(transcript, part, player);
        });
}

}  // namespace zandoli::testing
