// Prints what the core shows and says after each of a sequence of presses, as the program
// would after start-up, measured with the tests' fixed widths: the reference that the
// WebAssembly core's output is compared with, byte for byte.
//   core_sequence [--runs] COMMAND...   COMMAND: computer | combination | number | instructions
// For each press: "## COMMAND", the printed lines, with --runs a line per printed run
// ("@ x y width line" and its text in quotes, twips), then each spoken line after "> ".

#include "Press.h"
#include "PrintSurface.h"
#include "RandomSource.h"
#include "support/FixedMeasure.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The shortest form that reads back as the same double, as JavaScript's String(number) writes
// it for the values a layout has.
std::string twips(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void writeLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int usage(const char* problem)
{
    std::fprintf(stderr,
                 "core_sequence: %s\n"
                 "usage: core_sequence [--runs] COMMAND...\n"
                 "  COMMAND: computer | combination | number | instructions\n",
                 problem);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    bool withRuns = false;
    std::vector<std::pair<std::string_view, Press>> presses;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--runs") {
            withRuns = true;
        } else if (const auto press = pressNamed(word)) {
            presses.emplace_back(word, *press);
        } else {
            return usage(("unknown command '" + std::string(word) + "'").c_str());
        }
    }
    if (presses.empty()) {
        return usage("no command given");
    }

    FixedMeasure measure;
    PrintSurface surface(measure);
    RandomSource source;
    try {
        for (const auto& [name, press] : presses) {
            runPress(press, surface, source);
            writeLine("## " + std::string(name));
            writeLine(printedLines(surface));
            if (withRuns) {
                for (const PrintedRun& run : surface.runs()) {
                    writeLine("@ " + twips(run.x) + ' ' + twips(run.y) + ' ' + twips(run.width) +
                              ' ' + std::to_string(run.line) + " \"" + run.text + '"');
                }
            }
            for (const std::string& spoken : surface.spoken().lines("Combination %1: %2")) {
                writeLine("> " + spoken);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "core_sequence: %s\n", error.what());
        return 1;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
