#include "savegame/SaveFile.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace zandoli::savegame {

namespace {

// Every saved field in the order of the file's lines. The writer and the
// reader both walk this one list, so they cannot disagree about a position.
template <typename State>
constexpr auto fieldsInOrder(State& state) {
    std::array<decltype(&state.playSound), SAVE_LINES> fields{};
    std::size_t line = 0;
    fields[line++] = &state.playSound;
    fields[line++] = &state.numPlayers;
    fields[line++] = &state.colour;
    for (int p = 0; p < PLAYING_COLOURS; ++p) {
        fields[line++] = &state.handSize[p];
    }
    for (int p = 0; p < PLAYING_COLOURS; ++p) {
        for (int s = 0; s < SHOWN_SLOTS; ++s) {
            fields[line++] = &state.hand[p][s];
            fields[line++] = &state.turnHand[p][s];
        }
    }
    fields[line++] = &state.packPos;
    fields[line++] = &state.topCard;
    fields[line++] = &state.starUsed;
    fields[line++] = &state.drawn;
    fields[line++] = &state.turnOver;
    fields[line++] = &state.newSlot;
    fields[line++] = &state.spins;
    return fields;
}

// The list fills every line and runs past none, or this does not compile.
static_assert([] {
    GameState state;
    return fieldsInOrder(state).back() == &state.spins;
}());

// Cuts the next line off the front of rest; nothing when no line is left.
std::optional<std::string_view> nextLine(std::string_view& rest) {
    if (rest.empty()) {
        return std::nullopt;
    }
    const auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::optional<int16_t> readValue(std::string_view line) {
    if (line.size() > LONGEST_LINE) {
        return std::nullopt;
    }
    const char* const end = line.data() + line.size();
    int16_t value = 0;
    // from_chars takes no sign but '-', skips no spaces and reports a value
    // beyond 16 bits as out of range: exactly the lines the writer makes.
    const auto [stop, error] = std::from_chars(line.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Each of the first SAVE_LINES lines is at most LONGEST_LINE characters, a CR
// and an LF, so this much of a file decides everything parseSave does with it.
constexpr std::size_t READ_LIMIT = SAVE_LINES * (LONGEST_LINE + 2);

}  // namespace

std::string formatSave(const GameState& state) {
    std::string text;
    for (const int16_t* field : fieldsInOrder(state)) {
        text += std::to_string(*field) + "\r\n";
    }
    return text;
}

std::filesystem::path tempPath(const std::filesystem::path& file) {
    std::filesystem::path temp = file;
    temp += ".tmp";
    return temp;
}

namespace {

// Where a save at `file` really lands: the end of its chain of symbolic links,
// so replacing it keeps the player's link a link. A dangling link gives the
// place it names. Nothing when the chain loops or cannot be read.
std::optional<std::filesystem::path> linkTarget(const std::filesystem::path& file) {
    // The kernel gives up on a chain of links at 40 as well.
    constexpr int MOST_LINKS = 40;
    std::filesystem::path target = file;
    for (int links = 0; links <= MOST_LINKS; ++links) {
        std::error_code error;
        const auto type = std::filesystem::symlink_status(target, error).type();
        if (type == std::filesystem::file_type::none) {
            return std::nullopt;
        }
        if (type != std::filesystem::file_type::symlink) {
            return target;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) {
            return std::nullopt;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

}  // namespace

bool writeSave(const GameState& state, const std::filesystem::path& file) {
    // What can throw here is running out of memory while the paths and the
    // text are built, before the temporary file is made; the file calls
    // report their errors instead.
    try {
        const auto target = linkTarget(file);
        if (!target) {
            return false;
        }
        std::error_code error;
        // A missing file is reported as an error too; its type tells it apart.
        const std::filesystem::file_status old = std::filesystem::status(*target, error);
        error.clear();
        const bool replacing = std::filesystem::exists(old);
        if (replacing) {
            // A save the player cannot write to was protected on purpose (a
            // prepared starting position, say) and is kept as it is, though a
            // rename would replace it. Opening it to append changes nothing
            // and lets the system judge the rights.
            if (!std::filesystem::is_regular_file(old) ||
                !std::ofstream(*target, std::ios::binary | std::ios::app)) {
                return false;
            }
        }
        const std::filesystem::path temp = tempPath(*target);
        const std::string text = formatSave(state);
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) {
            // Whatever stands at the temporary name is not ours to remove.
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        // Standard C++ has no fsync; the flush that close() makes, and a clean
        // close, are the most it can confirm before the rename makes the new save visible.
        if (out.fail()) {
            std::filesystem::remove(temp, error);
            return false;
        }
        // The new save keeps the rights the player gave the old one.
        if (replacing) {
            std::filesystem::permissions(temp, old.permissions(),
                                         std::filesystem::perm_options::replace, error);
        }
        if (!error) {
            std::filesystem::rename(temp, *target, error);
        }
        if (error) {
            std::filesystem::remove(temp, error);
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool parseSave(std::string_view text, GameState& state) {
    std::string_view rest = text;
    for (int16_t* field : fieldsInOrder(state)) {
        const auto line = nextLine(rest);
        if (!line) {
            return false;
        }
        const auto value = readValue(*line);
        if (!value) {
            return false;
        }
        *field = *value;
    }
    return validSave(state);
}

bool readSave(const std::filesystem::path& file, GameState& state) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string text;
    text.resize(READ_LIMIT);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return false;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return parseSave(text, state);
}

}  // namespace zandoli::savegame
