#include "SpokenLines.h"

#include "PrintSurface.h"

namespace {

// The words of a printed text with one blank between them: the blanks that stagger the
// instructions, or pad a caption, are only seen.
std::string wordsOf(std::string_view text)
{
    std::string words;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ') {
            blank = !words.empty();
        } else {
            if (blank) {
                words += ' ';
                blank = false;
            }
            words += c;
        }
    }
    return words;
}

// A number as it is said: its printed digits without the blanks around them.
std::string numberWord(const PrintValue& value)
{
    return wordsOf(printedText(value));
}

std::string joined(const std::vector<std::string>& words, std::string_view separator)
{
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) {
            text += separator;
        }
        text += word;
    }
    return text;
}

// %1 and %2 replaced in one pass, so that a %2 inside the label is never replaced again.
std::string filledIn(std::string_view pattern, std::string_view first, std::string_view second)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            text += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace

void SpokenLines::clear()
{
    lines_.assign(1, Line{});
}

void SpokenLines::add(const PrintValue& value)
{
    Line& line = lines_.back();
    if (const auto* label = std::get_if<std::int16_t>(&value)) {
        line.label = *label;
    } else if (std::holds_alternative<float>(value)) {
        line.numbers.push_back(numberWord(value));
        line.words.push_back(line.numbers.back());
    } else if (const auto* text = std::get_if<std::string_view>(&value)) {
        // The dash between a label and its caption is only seen.
        if (std::string words = wordsOf(*text); !words.empty() && words != "-") {
            line.words.push_back(std::move(words));
        }
    }
}

void SpokenLines::endLine()
{
    lines_.emplace_back();
}

std::string SpokenLines::spoken(const Line& line, std::string_view combinationPattern)
{
    // A combination's caption is the pattern's to say, in the reader's language.
    if (line.label) {
        return filledIn(combinationPattern, numberWord(*line.label), joined(line.numbers, ", "));
    }
    if (line.words.size() == line.numbers.size()) {
        return joined(line.numbers, ", ");
    }
    return joined(line.words, " ");
}

std::vector<std::string> SpokenLines::lines(std::string_view combinationPattern) const
{
    std::vector<std::string> spokenLines;
    for (const Line& line : lines_) {
        if (std::string text = spoken(line, combinationPattern); !text.empty()) {
            spokenLines.push_back(std::move(text));
        }
    }
    return spokenLines;
}
