#include "assets/RulesDocument.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include <QCoreApplication>
#include "engine/Cards.h"

#include "language/Numbers.h"
#include "language/RulesText.h"

namespace zandoli {

namespace {

constexpr int TABLE_COLUMN_TWIPS = 2000;
constexpr int SQUARES_COLUMN_TWIPS = 4200;
constexpr const char* SHADED_SQUARE = "\u25a0";
constexpr const char* EMPTY_SQUARE = "\u25a1";
constexpr int ALL_SQUARES = 20;

struct ValueForms {
    std::string decimal;
    std::string percent;
    std::string fraction;
    int squares = 0;
};

// The four forms of each value, read from the pack itself, so the document can
// never teach a value the game does not deal. A value with no decimal or
// fraction card (the whole one) is shown as its "1" card.
std::vector<ValueForms> valueForms() {
    const Catalogue& cards = cardCatalogue();
    std::vector<ValueForms> forms;
    for (int16_t tile = 0; tile < PACK_SIZE; ++tile) {
        if (kindOf(tile) != CardKind::Tile) {
            continue;
        }
        const double value = cards[tile].value;
        ValueForms form{numbers::count(1).toStdString(), numbers::percent(value).toStdString(),
                        numbers::count(1).toStdString(), tileShaded(tile)};
        for (int16_t card = 0; card < PACK_SIZE; ++card) {
            if (!cardMatches(card, value)) {
                continue;
            }
            if (kindOf(card) == CardKind::Decimal) {
                form.decimal = numbers::decimal(cards[card].value).toStdString();
            } else if (kindOf(card) == CardKind::Fraction) {
                form.fraction = (numbers::count(cards[card].numerator) + QLatin1Char('/') +
                                 numbers::count(cards[card].denominator))
                                    .toStdString();
            }
        }
        forms.push_back(form);
    }
    std::sort(forms.begin(), forms.end(),
              [](const ValueForms& a, const ValueForms& b) { return a.squares < b.squares; });
    return forms;
}

std::string squaresRow(int shaded) {
    std::string row;
    for (int i = 0; i < ALL_SQUARES; ++i) {
        row += i < shaded ? SHADED_SQUARE : EMPTY_SQUARE;
    }
    return row;
}

void paragraph(std::ostringstream& out, const std::string& text) {
    out << "\\pard\\sa200\\sl300\\slmult1\\fs24 " << rtfEscape(text) << "\\par\n";
}

void tableRow(std::ostringstream& out, const std::vector<std::string>& cells, bool heading) {
    out << "\\trowd\\trgaph108\\trleft0";
    int right = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        right += i + 1 == cells.size() ? SQUARES_COLUMN_TWIPS : TABLE_COLUMN_TWIPS;
        out << "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs";
        if (heading) {
            out << "\\clcbpat2";
        }
        out << "\\cellx" << right;
    }
    out << "\n\\pard\\intbl\\qc" << (heading ? "\\b" : "\\b0");
    for (const std::string& cell : cells) {
        out << ' ' << rtfEscape(cell) << "\\cell";
    }
    out << "\\row\n";
}

}  // namespace

std::string rtfEscape(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            if (byte == '\\' || byte == '{' || byte == '}') {
                out += '\\';
            }
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        // Decode one UTF-8 sequence; RTF wants the code point as a signed 16-bit
        // number followed by a fallback character for readers that skip it.
        const int extra = byte >= 0xf0 ? 3 : byte >= 0xe0 ? 2 : 1;
        unsigned codePoint = byte & (0x3f >> extra);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
        }
        i += extra + 1;
        if (codePoint > 0xffff) {
            out += "?";
            continue;
        }
        out += "\\u" + std::to_string(static_cast<int16_t>(codePoint)) + "?";
    }
    return out;
}

std::string rulesDocument() {
    const std::string heading = rulesText::heading().toStdString();
    const QStringList rules = rulesText::paragraphs();
    std::ostringstream out;
    out << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
           "{\\colortbl;\\red37\\green60\\blue136;\\red255\\green236\\blue120;}\n"
           "{\\info{\\title "
        << rtfEscape(heading)
        << "}}\n"
           "\\paperw11906\\paperh16838\\margl1247\\margr1247\\margt1134\\margb1134\n"
           "\\pard\\qc\\sa360\\b\\fs44\\cf1 "
        << rtfEscape(heading) << "\\b0\\cf0\\par\n";
    paragraph(out, rules.front().toStdString());
    out << "\\pard\\sb120\\sa200\\b\\fs32\\cf1 " << rtfEscape(rulesText::subheading().toStdString())
        << "\\b0\\cf0\\par\n";
    for (qsizetype i = 1; i < rules.size(); ++i) {
        paragraph(out, rules[i].toStdString());
    }

    out << "\\pard\\sb240\\sa200\\b\\fs32\\cf1 "
        << rtfEscape(
               QCoreApplication::translate("Rules", "The same value, four ways").toStdString())
        << "\\b0\\cf0\\par\n\\fs24\n";
    tableRow(out,
             {QCoreApplication::translate("Rules", "Decimal").toStdString(),
              QCoreApplication::translate("Rules", "Percentage").toStdString(),
              QCoreApplication::translate("Rules", "Fraction").toStdString(),
              QCoreApplication::translate("Rules", "Shaded squares out of 20").toStdString()},
             true);
    for (const ValueForms& form : valueForms()) {
        tableRow(out,
                 {form.decimal, form.percent, form.fraction,
                  (QCoreApplication::translate("Rules", "%1 of %2")
                       .arg(numbers::count(form.squares), numbers::count(ALL_SQUARES))
                       .toStdString() +
                   "  " + squaresRow(form.squares))},
                 false);
    }
    out << "\\pard\\par\n}\n";
    return out.str();
}

bool writeRulesDocument(const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    file << rulesDocument();
    return static_cast<bool>(file);
}

}  // namespace zandoli
