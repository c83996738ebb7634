#include "PrintArea.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdint>

// What a screen reader's review of the screen asks of the printed area on every move of the
// pointer: which character stands at this point. Asked of the last character, which a walk
// reaches last, against the count of printed characters.

namespace {

// `lines` lines as KOMPJUTER prints them: ten of them are its 489 characters.
void printCombinationLines(PrintSurface& surface, int lines)
{
    surface.clear();
    for (int line = 1; line <= lines; ++line) {
        const PrintItem label[] = {{std::int16_t(line), RunOn},
                                   {std::string_view(" - "), RunOn},
                                   {std::string_view(" KOMBINACIJA "), RunOn},
                                   {std::string_view(" - "), RunOn}};
        surface.print(label);
        for (int n = 0; n < 7; ++n) {
            const PrintItem number[] = {{float(1 + (line * 7 + n) % 39), n == 6 ? LineEnd : RunOn}};
            surface.print(number);
        }
    }
}

void offsetOfTheLastCharacter(benchmark::State& state)
{
    QWidget window;
    PrintArea area(&window);
    area.print([&](PrintSurface& surface) { printCombinationLines(surface, int(state.range(0))); });
    const int last = int(area.text().size()) - 1;
    const QPoint point = area.characterRect(last).center();
    if (area.offsetAt(point) != last) {
        state.SkipWithError("the point is not on the last character");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(area.offsetAt(point));
    }
    state.SetComplexityN(last + 1);
}

} // namespace

BENCHMARK(offsetOfTheLastCharacter)
    ->Name("hit-test/last-character")
    ->Arg(10)
    ->Arg(20)
    ->Arg(40)
    ->Arg(80)
    ->Arg(160)
    ->Complexity();

// The printed area measures with the real fonts: a Qt application, offscreen.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
