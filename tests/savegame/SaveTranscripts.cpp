// The saved game's transcripts: the mid-game save with lines changed
// (changed-lines.txt), and the atomic save on disk, protected and linked
// saves too (on-disk.txt).
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/savegame/SaveCases.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/Transcript.h"

namespace zandoli::savegame {
namespace {

using zandoli::testing::asOrdinaryUser;
using zandoli::testing::registerTranscript;
using zandoli::testing::Step;
using zandoli::testing::Transcript;
using zandoli::testing::Vocabulary;

// changed-lines.txt: the mid-game save with lines changed, and whether it is
// still a game. Every value changed is stored, whatever the verdict.
struct ChangedSave {
    static const Vocabulary<ChangedSave>& verbs() {
        static const Vocabulary<ChangedSave> verbs(
            "the mid-game save changed (tests/savegame/SaveGameTest.cpp)",
            {{"", "4=0 5=7", "the save with line 4 made 0 and line 5 made 7: game or damaged",
              &ChangedSave::change}});
        return verbs;
    }
    std::string change(const Step& step) const {
        std::istringstream words(step.text());
        Lines changed = golden;
        for (std::string change; words >> change;) {
            const auto equals = change.find('=');
            changed[std::stoul(change.substr(0, equals)) - 1] = change.substr(equals + 1);
        }
        GameState state;
        const bool game = parses(join(changed), state);
        EXPECT_EQ(split(formatSave(state)), changed) << step.text();
        return game ? "game" : "damaged";
    }
    const Lines golden = split(formatSave(sample()));
};
[[maybe_unused]] const bool changedLines = registerTranscript<ChangedSave>(ZANDOLI_SAVE_CASES);

// A scenario of on-disk.txt in a fresh folder.
class OnDisk {
public:
    explicit OnDisk(bool asNobody) : asNobody_(asNobody) {}

    static const Vocabulary<OnDisk>& verbs() {
        static const Vocabulary<OnDisk> verbs(
            "the save on disk (tests/savegame/SaveGameTest.cpp)",
            {{"as", "as nobody", "the scenario, which it begins, runs as an ordinary user",
              &OnDisk::asNobody},
             {"save", "save mid", "the mid-game save (or \"later\") saved: saved or refused",
              &OnDisk::save},
             {"write", "write F mid", "F written with the mid-game save, \"later\" or a text",
              &OnDisk::write},
             {"read", "read F", "which save F holds: mid, later, nothing or other", &OnDisk::read},
             {"folder", "folder F", "a folder F made", &OnDisk::folder},
             {"link", "link F TARGET", "F a link to TARGET (@: the scenario's folder)",
              &OnDisk::link},
             {"chain", "chain 40", "the save a chain of 40 links to end.inf", &OnDisk::chain},
             {"chmod", "chmod F 444", "F's rights set", &OnDisk::chmod},
             {"rm", "rm F", "F removed", &OnDisk::remove},
             {"mv", "mv F G", "F renamed G", &OnDisk::move},
             {"mode", "mode F", "F's rights", &OnDisk::mode},
             {"linktext", "linktext F", "where the link F points", &OnDisk::linkText},
             {"names", "names F", "the names in the folder F", &OnDisk::names}});
        return verbs;
    }

private:
    fs::path file(const Step& step) const { return f_.path / step.word(0); }
    std::string asNobody(const Step&) const {
        if (!asNobody_) {
            throw std::logic_error("\"as nobody\" is a scenario's first step");
        }
        return "";
    }
    std::string save(const Step& step) const {
        GameState later = sample();
        later.colour = 1;
        return writeSave(step.word(0) == "mid" ? sample() : later, f_.save) ? "saved" : "refused";
    }
    std::string write(const Step& step) const {
        const std::string text = step.rest(1);
        GameState later = sample();
        later.colour = 1;
        std::ofstream(file(step), std::ios::binary) << (text == "mid"     ? formatSave(sample())
                                                        : text == "later" ? formatSave(later)
                                                                          : text);
        return "";
    }
    std::string read(const Step& step) const {
        GameState later = sample();
        later.colour = 1;
        const std::string text = contents(file(step));
        return text == formatSave(sample()) ? "mid"
               : text == formatSave(later)  ? "later"
               : text.empty()               ? "nothing"
                                            : "other";
    }
    std::string folder(const Step& step) const {
        fs::create_directory(file(step));
        return "";
    }
    std::string link(const Step& step) const {
        const std::string target = step.rest(1);
        fs::create_symlink(target.starts_with("@") ? f_.path.string() + target.substr(1) : target,
                           file(step));
        return "";
    }
    // lastgame.inf -> link1 -> ... -> end.inf
    std::string chain(const Step& step) const {
        fs::path link = f_.save;
        for (int i = 1; i < step.number(0); ++i) {
            fs::create_symlink("link" + std::to_string(i), link);
            link = f_.path / ("link" + std::to_string(i));
        }
        fs::create_symlink("end.inf", link);
        return "";
    }
    std::string chmod(const Step& step) const {
        fs::permissions(file(step), fs::perms(std::stoi(step.word(1), nullptr, 8)));
        return "";
    }
    std::string remove(const Step& step) const {
        fs::remove(file(step));
        return "";
    }
    std::string move(const Step& step) const {
        fs::rename(file(step), f_.path / step.word(1));
        return "";
    }
    std::string mode(const Step& step) const {
        return (std::ostringstream() << std::oct << int(fs::status(file(step)).permissions()))
            .str();
    }
    std::string linkText(const Step& step) const {
        const std::string here = f_.path.string();
        const std::string target = fs::read_symlink(file(step)).string();
        return target.starts_with(here) ? "@" + target.substr(here.size()) : target;
    }
    std::string names(const Step& step) const {
        std::set<std::string> names;  // each after a space, in order
        for (const auto& entry : fs::directory_iterator(file(step))) {
            names.insert(" " + entry.path().filename().string());
        }
        return join(Lines(names.begin(), names.end()), "").erase(0, 1);
    }

    bool asNobody_;
    Folder f_;
};

// Saves replace the old one whole or not at all, protected saves and
// folders stay as they are, and linked saves stay links. A scenario that
// begins "as nobody" runs as an ordinary user: in a child of its own when
// the tests run as root. The turns of the sample game are played first:
// the checkout may be closed to the ordinary user.
[[maybe_unused]] const bool onDisk = registerTranscript<OnDisk>(
    ZANDOLI_SAVE_SCENARIOS, [](const Transcript& transcript, const Transcript::Part& part) {
        sample();
        const bool nobody = !part.steps.empty() && part.steps[0].text == "as nobody";
        const auto play = [&] {
            OnDisk disk(nobody);
            playPart(transcript, part, disk);
        };
        nobody ? asOrdinaryUser(play) : play();
    });

}  // namespace
}  // namespace zandoli::savegame
