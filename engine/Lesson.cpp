#include "engine/Lesson.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <numeric>
#include <set>

#include "engine/Values.h"

namespace zandoli {

namespace {

struct FormName {
    CardKind kind;
    std::string_view name;
};
inline constexpr std::array<FormName, 5> FORM_NAMES = {{{CardKind::Whole, "whole"},
                                                        {CardKind::Decimal, "decimal"},
                                                        {CardKind::Percent, "percent"},
                                                        {CardKind::Fraction, "fraction"},
                                                        {CardKind::Tile, "tile"}}};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Whether `text` is well-formed UTF-8 without control characters but tabs
// and line ends.
bool isText(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f) {
                return false;
            }
            ++i;
            continue;
        }
        const size_t extra = c >= 0xc2 && c < 0xe0   ? 1
                             : c >= 0xe0 && c < 0xf0 ? 2
                             : c >= 0xf0 && c < 0xf5 ? 3
                                                     : 0;
        if (extra == 0 || i + extra >= text.size()) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) {
                return false;
            }
        }
        i += extra + 1;
    }
    return true;
}

std::optional<int> wholeNumber(std::string_view text) {
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc{} || end != text.data() + text.size() || n <= 0) {
        return std::nullopt;
    }
    return n;
}

// "3/10", "6/20" or "1": the value of CARD_VALUES it equals.
std::optional<double> valueNamed(std::string_view word) {
    const auto slash = word.find('/');
    const auto top = wholeNumber(trimmed(word.substr(0, slash)));
    const auto bottom = slash == std::string_view::npos
                            ? std::optional<int>(1)
                            : wholeNumber(trimmed(word.substr(slash + 1)));
    if (!top || !bottom || *top > *bottom) {
        return std::nullopt;
    }
    for (const CardValue& v : CARD_VALUES) {
        if (static_cast<long>(*top) * v.denominator == static_cast<long>(*bottom) * v.numerator) {
            return v.value;
        }
    }
    return std::nullopt;
}

// The words of a list: "1/2, 1/4" or "decimal, tile"; commas or spaces
// between them.
std::vector<std::string_view> listed(std::string_view text) {
    std::vector<std::string_view> words;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',' || text[i] == ' ' || text[i] == '\t' ||
            text[i] == ';') {
            if (i > start) {
                words.push_back(text.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return words;
}

// The reading of one key's value into the lesson; the fault if it has one.
struct KeyReader {
    Lesson& lesson;
    LessonReading& fault;

    bool fail(LessonFault why, std::string_view word) {
        fault.fault = why;
        fault.word = std::string(word);
        return false;
    }
    bool values(std::string_view text) {
        if (lower(text) == "all") {
            return true;
        }
        std::set<double> chosen;
        for (const std::string_view word : listed(text)) {
            const auto value = valueNamed(word);
            if (!value) {
                return fail(LessonFault::UnknownValue, word);
            }
            chosen.insert(*value);
        }
        if (chosen.empty()) {
            return fail(LessonFault::UnknownValue, text);
        }
        lesson.values.assign(chosen.begin(), chosen.end());
        return true;
    }
    bool forms(std::string_view text) {
        if (lower(text) == "all") {
            return true;
        }
        std::set<CardKind> chosen;
        for (const std::string_view word : listed(text)) {
            const auto name =
                std::find_if(FORM_NAMES.begin(), FORM_NAMES.end(),
                             [&](const FormName& f) { return f.name == lower(word); });
            if (name == FORM_NAMES.end()) {
                return fail(LessonFault::UnknownForm, word);
            }
            chosen.insert(name->kind);
        }
        if (chosen.empty()) {
            return fail(LessonFault::UnknownForm, text);
        }
        lesson.forms.assign(chosen.begin(), chosen.end());
        return true;
    }
    bool onOff(std::string_view text, std::optional<bool>& into) {
        const std::string word = lower(text);
        if (word == "on" || word == "yes" || word == "true") {
            into = true;
        } else if (word == "off" || word == "no" || word == "false") {
            into = false;
        } else {
            return fail(LessonFault::NotOnOrOff, text);
        }
        return true;
    }
    bool name(std::string_view text) {
        // Counted in characters, not bytes: a name may be in any script.
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xc0) != 0x80;
        });
        if (text.empty() || static_cast<size_t>(characters) > LONGEST_LESSON_NAME) {
            return fail(LessonFault::BadName, text);
        }
        lesson.name = std::string(text);
        return true;
    }
    bool code(std::string_view text) {
        const bool ok = !text.empty() && text.size() <= LONGEST_CODE &&
                        std::all_of(text.begin(), text.end(), [](char c) {
                            return std::isalnum(static_cast<unsigned char>(c)) != 0;
                        });
        if (!ok) {
            return fail(LessonFault::BadCode, text);
        }
        lesson.code = std::string(text);
        std::transform(lesson.code.begin(), lesson.code.end(), lesson.code.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return true;
    }
    bool read(const std::string& key, std::string_view value) {
        if (key == "name") {
            return name(value);
        }
        if (key == "values") {
            return values(value);
        }
        if (key == "forms") {
            return forms(value);
        }
        if (key == "explain") {
            return onOff(value, lesson.explain);
        }
        if (key == "sound") {
            return onOff(value, lesson.sound);
        }
        if (key == "code") {
            return code(value);
        }
        return fail(LessonFault::UnknownKey, key);
    }
};

ValueSet allValues() {
    ValueSet all;
    for (const CardValue& v : CARD_VALUES) {
        all.push_back(v.value);
    }
    return all;
}

std::string formName(CardKind kind) {
    for (const FormName& f : FORM_NAMES) {
        if (f.kind == kind) {
            return std::string(f.name);
        }
    }
    return {};
}

FormSet allForms() {
    FormSet all;
    for (const FormName& f : FORM_NAMES) {
        all.push_back(f.kind);
    }
    std::sort(all.begin(), all.end());
    return all;
}

}  // namespace

Lesson everyValueLesson() {
    Lesson every;
    every.name = "Every value, every form";
    every.values = allValues();
    every.forms = allForms();
    return every;
}

LessonReading readLesson(std::string_view text) {
    LessonReading reading;
    if (text.size() > LONGEST_LESSON) {
        reading.fault = LessonFault::TooLarge;
        return reading;
    }
    if (!isText(text)) {
        reading.fault = LessonFault::NotText;
        return reading;
    }
    // A byte-order mark some editors write is no part of the first key.
    if (text.starts_with("\xef\xbb\xbf")) {
        text.remove_prefix(3);
    }
    Lesson lesson = everyValueLesson();
    std::set<std::string> seen;
    KeyReader reader{lesson, reading};
    int number = 0;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = trimmed(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        reading.line = number;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            reading.fault = LessonFault::NotAKeyLine;
            reading.word = std::string(line);
            return reading;
        }
        const std::string key = lower(trimmed(line.substr(0, equals)));
        if (!seen.insert(key).second) {
            reading.fault = LessonFault::RepeatedKey;
            reading.word = key;
            return reading;
        }
        if (!reader.read(key, trimmed(line.substr(equals + 1)))) {
            return reading;
        }
    }
    reading.line = 0;
    // A lesson that names no name is the standard one only if it deals
    // what the standard one deals; the screens name it after its file.
    if (seen.count("name") == 0 && (lesson.values != allValues() || lesson.forms != allForms())) {
        lesson.name.clear();
    }
    if (!lessonDeck(lesson.values, lesson.forms)) {
        reading.fault = LessonFault::NoGame;
        return reading;
    }
    reading.lesson = std::move(lesson);
    return reading;
}

std::string fractionText(double value) {
    const CardValue* v = cardValue(value);
    if (v == nullptr) {
        return {};
    }
    return v->denominator == 1
               ? std::to_string(v->numerator)
               : std::to_string(v->numerator) + "/" + std::to_string(v->denominator);
}

std::string writeLesson(const Lesson& lesson) {
    // A lesson without a name of its own (read from a file that gave none)
    // is written without one, as an empty name is no name.
    std::string out = lesson.name.empty() ? std::string() : "name = " + lesson.name + "\n";
    const auto join = [](const auto& items, auto text) {
        std::string joined;
        for (const auto& item : items) {
            joined += (joined.empty() ? "" : ", ") + text(item);
        }
        return joined;
    };
    out += "values = " +
           (lesson.values == allValues() ? std::string("all") : join(lesson.values, fractionText)) +
           "\n";
    out += "forms = " +
           (lesson.forms == allForms() ? std::string("all") : join(lesson.forms, formName)) + "\n";
    if (lesson.explain) {
        out += std::string("explain = ") + (*lesson.explain ? "on" : "off") + "\n";
    }
    if (lesson.sound) {
        out += std::string("sound = ") + (*lesson.sound ? "on" : "off") + "\n";
    }
    if (!lesson.code.empty()) {
        out += "code = " + lesson.code + "\n";
    }
    return out;
}

Deck deckOf(const Lesson& lesson) {
    return lessonDeck(lesson.values, lesson.forms).value_or(standardDeck());
}

}  // namespace zandoli
