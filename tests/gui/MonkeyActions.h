#pragma once

// What the monkey can do to the window, how often it does each thing, and how long it goes on for.

#include <QSize>
#include <cstdint>
#include <iterator>
#include <random>
#include <string>

namespace monkey {

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

inline constexpr ActionKind actionKinds[] = {
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
inline constexpr std::size_t actionCount = std::size(actionKinds);
inline constexpr std::size_t resizeKind = 12;
static_assert(actionKinds[resizeKind].action == Action::Resize);

// How focus reached the loudspeaker when the instructions appeared.
enum class Arrival
{
    Tab,
    ShiftTab,
    Click,
    DoubleClick,
};
inline constexpr const char* arrivalNames[] = {"Tab", "Shift+Tab", "click", "double-click"};
inline constexpr std::size_t arrivalCount = std::size(arrivalNames);

inline constexpr QSize startSize(553, 354);
inline constexpr QSize largestSize(4000, 3000);
// Grabbing renders the whole window into a picture; above this it costs more than it finds.
inline constexpr QSize largestGrab(1200, 900);

// How often a resize went to each of the sizes that must come up in a long run.
struct ResizeCounts
{
    long toOneByOne = 0;
    long toLargest = 0;
    long toStart = 0;
};

// Mostly sizes a screen holds, as a person drags the window's edge; now and then far
// beyond, where every paint costs milliseconds.
QSize randomSize(std::mt19937_64& rng, ResizeCounts& counts);

// The run's seed and length, by default fixed so that every run repeats the last one.
struct Settings
{
    std::uint64_t seed = 20240917;
    long events = 20000;
};

// Reads KRIMVEL_MONKEY_SEED (a whole number, or "random") and KRIMVEL_MONKEY_EVENTS over the
// defaults; false, with the reason in `problem`, when either cannot be read.
bool readSettings(Settings& settings, std::string& problem);

} // namespace monkey
