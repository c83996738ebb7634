// The core's face to JavaScript (core.js): plain exports over the linear memory and no
// Emscripten runtime, so the page loads one small file. The page measures the text, through
// the two imports; the core never measures by itself.

#include "Press.h"
#include "PrintSurface.h"
#include "RandomSource.h"
#include "TextMeasure.h"

#include <cstdint>
#include <emscripten.h>
#include <string>
#include <string_view>
#include <vector>

extern "C" {
__attribute__((import_module("measure"), import_name("textWidth"))) double
pageTextWidth(const char* text, std::uint32_t size);
__attribute__((import_module("measure"), import_name("lineHeight"))) double pageLineHeight();
}

namespace {

class PageMeasure : public TextMeasure
{
public:
    double textWidth(std::string_view text) const override
    {
        return pageTextWidth(text.data(), static_cast<std::uint32_t>(text.size()));
    }
    double lineHeight() const override { return pageLineHeight(); }
};

// A text handed to JavaScript: where its UTF-8 bytes start, and how many there are.
struct View
{
    const char* data;
    std::uint32_t size;
};

// The generator lives as long as the instance and is never seeded: after the page loads,
// the same presses give what the desktop program gives after start-up.
RandomSource source;
PageMeasure measure;
PrintSurface surface(measure);

std::string input;
std::string printed;
std::vector<std::string> spoken;
View view;

const View* viewOf(std::string_view text)
{
    view = {text.data(), static_cast<std::uint32_t>(text.size())};
    return &view;
}

} // namespace

extern "C" {

// Room for the command's name followed by the pattern, which JavaScript writes in.
EMSCRIPTEN_KEEPALIVE char* krimvel_input(std::uint32_t size)
{
    input.resize(size);
    return input.data();
}

// 0 when it printed, -1 for a command the core does not know.
EMSCRIPTEN_KEEPALIVE int krimvel_press(std::uint32_t commandSize)
{
    const std::string_view words = input;
    const auto press = pressNamed(words.substr(0, commandSize));
    if (!press) {
        return -1;
    }
    runPress(*press, surface, source);
    printed = printedLines(surface);
    spoken = surface.spoken().lines(words.substr(commandSize));
    return 0;
}

// The press table, by which the page knows each press's name (column 0) and the id of the
// control that makes it (column 1).
EMSCRIPTEN_KEEPALIVE std::uint32_t krimvel_press_count()
{
    return static_cast<std::uint32_t>(std::size(pressNames));
}

EMSCRIPTEN_KEEPALIVE const View* krimvel_press_table(std::uint32_t row, std::uint32_t column)
{
    return viewOf(column == 0 ? pressNames[row].name : pressNames[row].control);
}

EMSCRIPTEN_KEEPALIVE const View* krimvel_printed()
{
    return viewOf(printed);
}

EMSCRIPTEN_KEEPALIVE std::uint32_t krimvel_spoken_count()
{
    return static_cast<std::uint32_t>(spoken.size());
}

EMSCRIPTEN_KEEPALIVE const View* krimvel_spoken(std::uint32_t index)
{
    return viewOf(spoken[index]);
}

EMSCRIPTEN_KEEPALIVE std::uint32_t krimvel_run_count()
{
    return static_cast<std::uint32_t>(surface.runs().size());
}

EMSCRIPTEN_KEEPALIVE const View* krimvel_run_text(std::uint32_t index)
{
    return viewOf(surface.runs()[index].text);
}

EMSCRIPTEN_KEEPALIVE double krimvel_run_x(std::uint32_t index)
{
    return surface.runs()[index].x;
}

EMSCRIPTEN_KEEPALIVE double krimvel_run_y(std::uint32_t index)
{
    return surface.runs()[index].y;
}

EMSCRIPTEN_KEEPALIVE double krimvel_run_width(std::uint32_t index)
{
    return surface.runs()[index].width;
}

EMSCRIPTEN_KEEPALIVE int krimvel_run_line(std::uint32_t index)
{
    return surface.runs()[index].line;
}
}
