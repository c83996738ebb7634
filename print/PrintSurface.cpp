#include "PrintSurface.h"

#include "TextMeasure.h"

#include <charconv>
#include <cmath>

namespace {

// Whole floats below 2^24 are exact integers; anything else keeps its shortest form. The
// commands print whole numbers only, so the fraction is a fallback that none of them reaches.
std::string numberDigits(double value)
{
    char buffer[64];
    if (std::trunc(value) == value && std::fabs(value) < 0x1p24) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        return std::string(buffer, result.ptr);
    }
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value));
    return std::string(buffer, result.ptr);
#else
    // Emscripten's libc++ cannot write floats with to_chars, and printf would add 9 KB to the
    // web page for values that no command prints: there such a value stops the core, which
    // core.js reports as an error.
    __builtin_trap();
#endif
}

std::string printedNumber(double value)
{
    const std::string digits = numberDigits(value);
    // The sign position holds a blank for a number that is not negative.
    return (digits.front() == '-' ? digits : ' ' + digits) + ' ';
}

struct PrintedTextOf
{
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(std::string_view text) const { return std::string(text); }
    std::string operator()(std::int16_t number) const { return printedNumber(number); }
    std::string operator()(float number) const { return printedNumber(number); }
};

} // namespace

std::string printedText(const PrintValue& value)
{
    return std::visit(PrintedTextOf{}, value);
}

void PrintSurface::clear()
{
    runs_.clear();
    spoken_.clear();
    cursorX_ = 0;
    cursorY_ = 0;
    cursorLine_ = 1;
}

double PrintSurface::lineHeight() const
{
    return measure_.lineHeight();
}

void PrintSurface::print(PrintStatement statement)
{
    for (const PrintItem& item : statement) {
        spoken_.add(item.value);
        std::string text = printedText(item.value);
        if (!text.empty()) {
            const double width = measure_.textWidth(text);
            // After the last run, the line ends up to this run's line.
            const int offset = runs_.empty() ? 0
                                             : runs_.back().offset + int(runs_.back().text.size()) +
                                                   cursorLine_ - runs_.back().line;
            runs_.push_back({std::move(text), cursorX_, cursorY_, width, cursorLine_, offset});
            cursorX_ += width;
        }
        if (item.separator == LineEnd) {
            cursorX_ = 0;
            cursorY_ += measure_.lineHeight();
            ++cursorLine_;
            spoken_.endLine();
        }
    }
}

std::string printedLines(const PrintSurface& surface)
{
    std::string text;
    for (const PrintedRun& run : surface.runs()) {
        // The line ends before the run, where it starts a later line.
        text.resize(std::size_t(run.offset), '\n');
        text += run.text;
    }
    return text;
}
