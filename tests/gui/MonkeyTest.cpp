#include "SoundObject.h"
#include "WindowFixture.h"
#include "WindowFontMeasure.h"
#include "WindowFonts.h"
#include "drawCommands.h"
#include "showInstructions.h"

#include <QLabel>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Everything a person can do to the window, each with how often the monkey does it.
enum class Action
{
    ClickKompjuter,
    ClickKombinacija,
    ClickBroj,
    Space,
    Return,
    KeypadEnter,
    Tab,
    ShiftTab,
    ClickLoudspeaker,
    DoubleClickLoudspeaker,
    ClickBanner,
    ClickPicture,
    Resize,
    MinimiseAndRestore,
    SwitchAwayAndBack,
    Repaint,
    Grab,
};

struct ActionKind
{
    Action action;
    const char* name;
    int weight;
};

constexpr ActionKind actionKinds[] = {
    {Action::ClickKompjuter, "click KOMPJUTER", 6},
    {Action::ClickKombinacija, "click KOMBINACIJA", 8},
    {Action::ClickBroj, "click BROJ", 8},
    {Action::Space, "Space", 7},
    {Action::Return, "Return", 6},
    {Action::KeypadEnter, "keypad Enter", 5},
    {Action::Tab, "Tab", 10},
    {Action::ShiftTab, "Shift+Tab", 8},
    {Action::ClickLoudspeaker, "click loudspeaker", 6},
    {Action::DoubleClickLoudspeaker, "double-click loudspeaker", 4},
    {Action::ClickBanner, "click banner", 2},
    {Action::ClickPicture, "click picture", 2},
    {Action::Resize, "resize", 5},
    {Action::MinimiseAndRestore, "minimise and restore", 1},
    {Action::SwitchAwayAndBack, "switch to another window and back", 1},
    {Action::Repaint, "repaint", 3},
    {Action::Grab, "grab", 1},
};
constexpr std::size_t actionCount = std::size(actionKinds);
constexpr std::size_t resizeKind = 12;
static_assert(actionKinds[resizeKind].action == Action::Resize);

enum class Shown
{
    Nothing,
    TenCombinations,
    OneCombination,
    OneNumber,
    Instructions,
};

constexpr const char* shownNames[] = {"nothing", "KOMPJUTER", "KOMBINACIJA", "BROJ",
                                      "instructions"};
constexpr std::size_t shownCount = std::size(shownNames);

// How focus reached the loudspeaker when the instructions appeared.
enum class Arrival
{
    Tab,
    ShiftTab,
    Click,
    DoubleClick,
};
constexpr const char* arrivalNames[] = {"Tab", "Shift+Tab", "click", "double-click"};
constexpr std::size_t arrivalCount = std::size(arrivalNames);

constexpr QSize startSize(553, 354);
constexpr QSize largestSize(4000, 3000);
// Grabbing renders the whole window into a picture; above this it costs more than it finds.
constexpr QSize largestGrab(1200, 900);
// Below a run this short the rare actions may not come up at all.
constexpr long eventsForCoverage = 5000;
constexpr long coverageMinimum = 5;

struct Settings
{
    std::uint64_t seed = 20240917;
    long events = 20000;
};

bool readSettings(Settings& settings, std::string& problem)
{
    if (const char* text = std::getenv("KRIMVEL_MONKEY_SEED"); text != nullptr && *text != 0) {
        const std::string value(text);
        if (value == "random") {
            std::random_device device;
            settings.seed = (std::uint64_t{device()} << 32) | device();
        } else {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), settings.seed);
            if (error != std::errc() || end != value.data() + value.size()) {
                problem = "KRIMVEL_MONKEY_SEED must be a whole number or \"random\", not \"" +
                          value + '"';
                return false;
            }
        }
    }
    if (const char* text = std::getenv("KRIMVEL_MONKEY_EVENTS"); text != nullptr && *text != 0) {
        const std::string value(text);
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), settings.events);
        if (error != std::errc() || end != value.data() + value.size() || settings.events < 1) {
            problem = "KRIMVEL_MONKEY_EVENTS must be a positive whole number, not \"" + value + '"';
            return false;
        }
    }
    return true;
}

// A printed number as the user reads it: " 7 ". Anything else (no blanks around it, a
// fraction, an exponent, a leading zero) is not a number the user can copy onto a ticket.
bool readNumber(const std::string& text, int& number)
{
    if (text.size() < 3 || text.front() != ' ' || text.back() != ' ') {
        return false;
    }
    const char* first = text.data() + 1;
    const char* last = text.data() + text.size() - 1;
    const auto [end, error] = std::from_chars(first, last, number);
    return error == std::errc() && end == last &&
           std::to_string(number) == std::string(first, last);
}

std::string describe(const PrintedRun& run)
{
    std::ostringstream out;
    out << '"' << run.text << "\" at x=" << run.x << " y=" << run.y << " width=" << run.width;
    return out.str();
}

// Empty when both show the same; otherwise the first place where they part.
std::string differenceBetween(const std::vector<PrintedRun>& shown,
                              const std::vector<PrintedRun>& wanted)
{
    for (std::size_t i = 0; i < std::min(shown.size(), wanted.size()); ++i) {
        if (!(shown[i] == wanted[i])) {
            return "run " + std::to_string(i) + " is " + describe(shown[i]) + ", not " +
                   describe(wanted[i]);
        }
    }
    if (shown.size() != wanted.size()) {
        return std::to_string(shown.size()) + " runs printed, not " + std::to_string(wanted.size());
    }
    return {};
}

bool looksNumeric(const std::string& text)
{
    return text.find_first_of("0123456789") != std::string::npos;
}

class MonkeyTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        loudspeaker = form.findChild<SoundObject*>("SoundRec1");
        banner = form.findChild<QLabel*>("Label2");
        ASSERT_NE(loudspeaker, nullptr);
        ASSERT_NE(banner, nullptr);
        tabCycle = {button("Command1"), button("Command3"), button("Command2"), loudspeaker};
        for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // The printed area follows the window's size; the controls stay where they are.
            if (control->objectName() != "PrintArea") {
                homeGeometry.push_back({control, control->geometry()});
            }
        }
        QObject::connect(loudspeaker, &SoundObject::activated, [this] { ++activations; });
        QObject::connect(loudspeaker, &SoundObject::focusArrived, [this] { ++focusArrivals; });
        expectedFocus = QApplication::focusWidget();
        ASSERT_EQ(expectedFocus, button("Command1"));
        other.setWindowTitle(QStringLiteral("another program"));
        other.setGeometry(10, 10, 120, 80);
    }

    // The line a run stands on, counted from 1 at the top; -1 when it is between lines.
    int lineOf(const PrintedRun& run) const
    {
        const double lines = run.y / form.printSurface().lineHeight();
        const double whole = std::round(lines);
        return std::fabs(lines - whole) < 1e-6 ? static_cast<int>(whole) + 1 : -1;
    }

    // The runs grouped by line, in the order they were printed; each line must start at the
    // left edge and continue to the right without going back over itself.
    std::map<int, std::vector<const PrintedRun*>> lines()
    {
        std::map<int, std::vector<const PrintedRun*>> byLine;
        for (const PrintedRun& run : form.printSurface().runs()) {
            const int line = lineOf(run);
            EXPECT_GE(line, 1) << "\"" << run.text << "\" stands between lines, y=" << run.y;
            auto& onLine = byLine[line];
            if (onLine.empty()) {
                EXPECT_EQ(run.x, 0) << "\"" << run.text << "\" does not start line " << line;
            } else {
                EXPECT_GT(run.x, onLine.back()->x)
                    << "\"" << run.text << "\" is printed over \"" << onLine.back()->text << '"';
            }
            onLine.push_back(&run);
        }
        return byLine;
    }

    // Drawn numbers: whole, 1 to 39, none repeated within a combination, none the same as
    // the number printed just before it, also across a line end.
    void checkDrawn(const std::vector<const PrintedRun*>& runs, int& previous)
    {
        std::set<int> combination;
        for (const PrintedRun* run : runs) {
            int number = 0;
            ASSERT_TRUE(readNumber(run->text, number)) << '"' << run->text << "\" is no number";
            EXPECT_TRUE(number >= 1 && number <= 39) << number << " is outside 1..39";
            EXPECT_TRUE(combination.insert(number).second) << number << " twice in a combination";
            EXPECT_NE(number, previous) << number << " right after itself";
            previous = number;
        }
    }

    void checkShown()
    {
        for (const PrintedRun& run : form.printSurface().runs()) {
            if (looksNumeric(run.text)) {
                int number = 0;
                EXPECT_TRUE(readNumber(run.text, number) && number >= 1 && number <= 39)
                    << '"' << run.text << "\" is not a whole number from 1 to 39";
            }
        }
        const auto byLine = lines();
        int previous = 0;
        switch (shown) {
        case Shown::Nothing:
            EXPECT_TRUE(byLine.empty());
            break;
        case Shown::TenCombinations: {
            ASSERT_EQ(byLine.size(), 10u);
            EXPECT_EQ(byLine.begin()->first, 5);
            EXPECT_EQ(byLine.rbegin()->first, 14);
            int label = 1;
            for (const auto& [line, runs] : byLine) {
                SCOPED_TRACE("combination " + std::to_string(label));
                ASSERT_EQ(runs.size(), 11u) << "on line " << line;
                EXPECT_EQ(runs[0]->text, ' ' + std::to_string(label) + ' ');
                EXPECT_EQ(runs[1]->text, " - ");
                EXPECT_EQ(runs[2]->text, " KOMBINACIJA ");
                EXPECT_EQ(runs[3]->text, " - ");
                checkDrawn({runs.begin() + 4, runs.end()}, previous);
                ++label;
            }
            break;
        }
        case Shown::OneCombination:
            ASSERT_EQ(byLine.size(), 1u);
            EXPECT_EQ(byLine.begin()->first, 5);
            ASSERT_EQ(byLine.begin()->second.size(), 7u);
            checkDrawn(byLine.begin()->second, previous);
            break;
        case Shown::OneNumber:
            ASSERT_EQ(byLine.size(), 1u);
            EXPECT_EQ(byLine.begin()->first, 5);
            ASSERT_EQ(byLine.begin()->second.size(), 1u);
            checkDrawn(byLine.begin()->second, previous);
            break;
        case Shown::Instructions: {
            std::map<int, std::string> read;
            for (const auto& [line, runs] : byLine) {
                for (const PrintedRun* run : runs) {
                    read[line] += run->text;
                }
            }
            const std::map<int, std::string> expected = {
                {8, std::string(instructionLines[0])},
                {9, std::string(instructionLines[1])},
                {10, std::string(instructionLines[2])},
                {11, std::string(instructionLines[3])},
            };
            EXPECT_EQ(read, expected);
            EXPECT_EQ(form.printSurface().runs().size(), 4u);
            break;
        }
        }
    }

    void checkAfterEvent(const char* whatItWas)
    {
        QWidget* focus = QApplication::focusWidget();
        EXPECT_NE(focus, banner) << "the banner took the focus";
        EXPECT_EQ(focus, expectedFocus)
            << "focus is on " << (focus ? focus->objectName().toStdString() : "nothing")
            << ", not on "
            << (expectedFocus ? expectedFocus->objectName().toStdString() : "nothing");
        // The twin generator saw the same presses: a press that drew twice, or not at all,
        // or drew from a generator started again, prints something else.
        const std::string difference =
            differenceBetween(form.printSurface().runs(), expected.runs());
        EXPECT_TRUE(difference.empty()) << "after " << whatItWas << " the window should show "
                                        << shownNames[int(shown)] << ": " << difference;
        EXPECT_EQ(activations, expectedActivations) << "loudspeaker activations";
        // With the loudspeaker focused the instructions are on show already; printing them
        // again on a return from another window would show only here.
        EXPECT_EQ(focusArrivals, expectedFocusArrivals) << "focus arrivals at the loudspeaker";
        checkShown();
    }

    template <class Command> void expectCommand(Shown kind, Command command)
    {
        command(expected, twinSource);
        shown = kind;
        ++fresh[int(kind)];
    }

    void expectPressOf(QWidget* control)
    {
        if (control == button("Command1")) {
            expectCommand(Shown::TenCombinations,
                          [](PrintSurface& s, RandomSource& r) { showTenCombinations(s, r); });
        } else if (control == button("Command3")) {
            expectCommand(Shown::OneCombination,
                          [](PrintSurface& s, RandomSource& r) { showOneCombination(s, r); });
        } else if (control == button("Command2")) {
            expectCommand(Shown::OneNumber,
                          [](PrintSurface& s, RandomSource& r) { showOneNumber(s, r); });
        } else {
            ADD_FAILURE() << "pressed something that is no command button";
        }
    }

    void expectFocusMove(QWidget* to, Arrival how)
    {
        if (to == loudspeaker && expectedFocus != loudspeaker) {
            showInstructions(expected);
            ++expectedFocusArrivals;
            shown = Shown::Instructions;
            ++fresh[int(Shown::Instructions)];
            ++arrivals[int(how)];
        }
        expectedFocus = to;
    }

    // A mouse action needs its target inside the window; a person cannot reach the rest.
    bool reachable(QWidget* control) const
    {
        return form.rect().contains(control->geometry().center());
    }

    bool oversized() const
    {
        return form.width() > largestGrab.width() || form.height() > largestGrab.height();
    }

    bool possible(Action action) const
    {
        switch (action) {
        case Action::ClickKompjuter:
            return reachable(tabCycle[0]);
        case Action::ClickKombinacija:
            return reachable(tabCycle[1]);
        case Action::ClickBroj:
            return reachable(tabCycle[2]);
        case Action::ClickLoudspeaker:
        case Action::DoubleClickLoudspeaker:
            return reachable(loudspeaker);
        case Action::ClickBanner:
            return reachable(banner);
        case Action::Grab:
            return !oversized();
        default:
            return true;
        }
    }

    // Mostly sizes a screen holds, as a person drags the window's edge; now and then far
    // beyond, where every paint costs milliseconds.
    QSize randomSize(std::mt19937_64& rng)
    {
        const int pick = std::uniform_int_distribution<int>(0, 99)(rng);
        if (pick < 15) {
            ++sizeCounts[0];
            return {1, 1};
        }
        if (pick < 18) {
            ++sizeCounts[1];
            return largestSize;
        }
        if (pick < 48) {
            ++sizeCounts[2];
            return startSize;
        }
        const QSize bound = pick < 95 ? QSize(1000, 800) : largestSize;
        return {std::uniform_int_distribution<int>(1, bound.width())(rng),
                std::uniform_int_distribution<int>(1, bound.height())(rng)};
    }

    std::string focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName().toStdString() : "nothing";
    }

    void expectNothingLost(const std::vector<PrintedRun>& before, const char* during)
    {
        const std::string difference = differenceBetween(form.printSurface().runs(), before);
        EXPECT_TRUE(difference.empty())
            << "the printed text changed " << during << ": " << difference;
        if (!before.empty()) {
            ++keptThroughDisturbance;
        }
    }

    void perform(Action action, QSize size, QPoint point)
    {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "nothing has the focus in the active window";
        switch (action) {
        case Action::ClickKompjuter:
        case Action::ClickKombinacija:
        case Action::ClickBroj: {
            QPushButton* target = action == Action::ClickKompjuter     ? button("Command1")
                                  : action == Action::ClickKombinacija ? button("Command3")
                                                                       : button("Command2");
            QTest::mouseClick(target, Qt::LeftButton);
            expectPressOf(target);
            expectedFocus = target;
            break;
        }
        case Action::Space:
        case Action::Return:
        case Action::KeypadEnter:
            if (action == Action::Space) {
                QTest::keyClick(focus, Qt::Key_Space);
            } else if (action == Action::Return) {
                QTest::keyClick(focus, Qt::Key_Return);
            } else {
                QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
            }
            if (focus == loudspeaker) {
                ++expectedActivations;
                ++keysOnLoudspeaker;
            } else {
                expectPressOf(focus);
                ++keysOnButtons;
            }
            break;
        case Action::Tab:
        case Action::ShiftTab: {
            const auto at = std::find(tabCycle.begin(), tabCycle.end(), focus);
            ASSERT_NE(at, tabCycle.end()) << focus->objectName().toStdString() << " has focus";
            const std::size_t index = static_cast<std::size_t>(at - tabCycle.begin());
            if (action == Action::Tab) {
                QTest::keyClick(focus, Qt::Key_Tab);
                expectFocusMove(tabCycle[(index + 1) % tabCycle.size()], Arrival::Tab);
            } else {
                QTest::keyClick(focus, Qt::Key_Backtab, Qt::ShiftModifier);
                expectFocusMove(tabCycle[(index + tabCycle.size() - 1) % tabCycle.size()],
                                Arrival::ShiftTab);
            }
            break;
        }
        case Action::ClickLoudspeaker:
            QTest::mouseClick(loudspeaker, Qt::LeftButton);
            expectFocusMove(loudspeaker, Arrival::Click);
            break;
        case Action::DoubleClickLoudspeaker:
            // As the mouse sends it: a click, then a press that arrives as a double-click.
            QTest::mouseClick(loudspeaker, Qt::LeftButton);
            QTest::mousePress(loudspeaker, Qt::LeftButton);
            QTest::mouseDClick(loudspeaker, Qt::LeftButton);
            QTest::mouseRelease(loudspeaker, Qt::LeftButton);
            expectFocusMove(loudspeaker, Arrival::DoubleClick);
            ++expectedActivations;
            break;
        case Action::ClickBanner:
            QTest::mouseClick(banner, Qt::LeftButton);
            break;
        case Action::ClickPicture:
            QTest::mouseClick(&form, Qt::LeftButton, Qt::NoModifier, point);
            break;
        case Action::Resize: {
            const auto before = form.printSurface().runs();
            form.resize(size);
            QApplication::processEvents();
            EXPECT_EQ(form.size(), size);
            for (const auto& [control, geometry] : homeGeometry) {
                EXPECT_EQ(control->geometry(), geometry)
                    << control->objectName().toStdString() << " moved";
            }
            EXPECT_EQ(form.findChild<QWidget*>("PrintArea")->geometry(), form.rect());
            expectNothingLost(before, "by a resize");
            break;
        }
        case Action::MinimiseAndRestore: {
            const auto before = form.printSurface().runs();
            const QSize sizeBefore = form.size();
            form.showMinimized();
            QApplication::processEvents();
            EXPECT_TRUE(form.isMinimized());
            expectNothingLost(before, "by minimising");
            form.showNormal();
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form)) << "not active after restoring";
            EXPECT_FALSE(form.isMinimized());
            EXPECT_EQ(form.size(), sizeBefore);
            expectNothingLost(before, "by restoring");
            break;
        }
        case Action::SwitchAwayAndBack: {
            const auto before = form.printSurface().runs();
            other.show();
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other)) << "the other window stayed inactive";
            EXPECT_FALSE(form.isActiveWindow());
            expectNothingLost(before, "while another window was active");
            form.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form)) << "not active again";
            expectNothingLost(before, "by coming back");
            break;
        }
        case Action::Repaint: {
            const auto before = form.printSurface().runs();
            form.repaint();
            expectNothingLost(before, "by a repaint");
            break;
        }
        case Action::Grab: {
            const auto before = form.printSurface().runs();
            const QImage image = grabWindow();
            expectNothingLost(before, "by a grab");
            EXPECT_EQ(yellowPixels(image, QRect(0, 0, 81, 72)), 0) << "yellow on the buttons";
            // The lowest printed line ends above the window's first height.
            if (form.width() >= startSize.width() && form.height() >= startSize.height()) {
                const int yellow = yellowPixels(image, QRect(0, 72, 553, 282));
                if (before.empty()) {
                    EXPECT_EQ(yellow, 0) << "yellow before anything was printed";
                } else {
                    EXPECT_GT(yellow, 0) << "the printed text is not painted";
                    ++grabsShowingText;
                }
            }
            break;
        }
        }
        QApplication::processEvents();
    }

    SoundObject* loudspeaker = nullptr;
    QLabel* banner = nullptr;
    std::vector<QWidget*> tabCycle;
    std::vector<std::pair<QWidget*, QRect>> homeGeometry;
    QWidget other;

    RandomSource twinSource;
    WindowFontMeasure twinMeasure{WindowFonts::printFont()};
    PrintSurface expected{twinMeasure};
    Shown shown = Shown::Nothing;
    QWidget* expectedFocus = nullptr;
    long activations = 0;
    long expectedActivations = 0;
    long focusArrivals = 0;
    long expectedFocusArrivals = 0;

    std::array<long, shownCount> fresh{};
    std::array<long, arrivalCount> arrivals{};
    std::array<long, 3> sizeCounts{};
    long keysOnLoudspeaker = 0;
    long keysOnButtons = 0;
    long keptThroughDisturbance = 0;
    long grabsShowingText = 0;
};

TEST_F(MonkeyTest, SurvivesALongRandomSessionOfWhatAPersonCanDo)
{
    Settings settings;
    std::string problem;
    ASSERT_TRUE(readSettings(settings, problem)) << problem;
    std::cout << "[ MONKEY   ] seed " << settings.seed << ", " << settings.events
              << " events (replay with KRIMVEL_MONKEY_SEED=" << settings.seed
              << " KRIMVEL_MONKEY_EVENTS=" << settings.events << ")" << std::endl;
    RecordProperty("seed", std::to_string(settings.seed));
    RecordProperty("events", std::to_string(settings.events));

    std::mt19937_64 rng(settings.seed);
    std::vector<int> weights;
    for (const ActionKind& kind : actionKinds) {
        weights.push_back(kind.weight);
    }
    std::discrete_distribution<std::size_t> pickAction(weights.begin(), weights.end());
    std::array<long, actionCount> performed{};
    std::deque<std::string> recent;

    for (long event = 0; event < settings.events; ++event) {
        std::size_t kind = pickAction(rng);
        while (!possible(actionKinds[kind].action)) {
            kind = pickAction(rng);
        }
        // Every paint of a window larger than a screen costs milliseconds: leave it soon.
        if (oversized() && std::bernoulli_distribution(0.75)(rng)) {
            kind = resizeKind;
        }
        const Action action = actionKinds[kind].action;
        QSize size;
        QPoint point;
        std::string description = actionKinds[kind].name;
        if (action == Action::Resize) {
            size = randomSize(rng);
            description +=
                " to " + std::to_string(size.width()) + 'x' + std::to_string(size.height());
        } else if (action == Action::ClickPicture) {
            point = QPoint(std::uniform_int_distribution<int>(0, form.width() - 1)(rng),
                           std::uniform_int_distribution<int>(0, form.height() - 1)(rng));
            description += " at " + std::to_string(point.x()) + ',' + std::to_string(point.y());
        } else if (action == Action::Space || action == Action::Return ||
                   action == Action::KeypadEnter || action == Action::Tab ||
                   action == Action::ShiftTab) {
            description += " on " + focusName();
        }
        recent.push_back(description);
        if (recent.size() > 12) {
            recent.pop_front();
        }

        SCOPED_TRACE("seed " + std::to_string(settings.seed) + ", event " + std::to_string(event) +
                     " of " + std::to_string(settings.events) + ": " + description);
        perform(action, size, point);
        checkAfterEvent(actionKinds[kind].name);
        ++performed[kind];
        if (HasFailure()) {
            std::cout << "[ MONKEY   ] the last actions, oldest first:\n";
            for (const std::string& step : recent) {
                std::cout << "[ MONKEY   ]   " << step << '\n';
            }
            std::cout << std::flush;
            return;
        }
    }

    if (settings.events < eventsForCoverage) {
        std::cout << "[ MONKEY   ] fewer than " << eventsForCoverage
                  << " events: not checking that every action came up" << std::endl;
        return;
    }
    for (std::size_t kind = 0; kind < actionCount; ++kind) {
        EXPECT_GE(performed[kind], coverageMinimum) << actionKinds[kind].name;
    }
    for (std::size_t kind = 1; kind < shownCount; ++kind) {
        EXPECT_GE(fresh[kind], coverageMinimum) << shownNames[kind] << " verified";
    }
    for (std::size_t how = 0; how < arrivalCount; ++how) {
        EXPECT_GE(arrivals[how], coverageMinimum) << "instructions by " << arrivalNames[how];
    }
    EXPECT_GE(sizeCounts[0], coverageMinimum) << "resized to 1x1";
    EXPECT_GE(sizeCounts[1], coverageMinimum) << "resized to the largest size";
    EXPECT_GE(sizeCounts[2], coverageMinimum) << "resized back to the first size";
    EXPECT_GE(keysOnLoudspeaker, coverageMinimum) << "Space or Enter on the loudspeaker";
    EXPECT_GE(keysOnButtons, coverageMinimum) << "Space or Enter on a button";
    EXPECT_GE(keptThroughDisturbance, coverageMinimum) << "printed text kept";
    EXPECT_GE(grabsShowingText, coverageMinimum) << "grabs with painted text";
}

} // namespace
