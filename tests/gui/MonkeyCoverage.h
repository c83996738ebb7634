#pragma once

// What a long run must have come across. Without these counts a pass could mean only that the
// monkey kept missing the rare corners: a 1x1 window, a key on the loudspeaker, a grab while
// numbers are printed.

#include "MonkeyActions.h"
#include "MonkeyOutputChecks.h"

#include <array>
#include <gtest/gtest.h>
#include <iostream>

namespace monkey {

// Below a run this short the rare actions may not come up at all.
inline constexpr long eventsForCoverage = 5000;
inline constexpr long coverageMinimum = 5;

struct Coverage
{
    std::array<long, actionCount> performed{};
    // Fresh printouts the twin checked, by what they show.
    std::array<long, shownCount> fresh{};
    // Instructions shown, by how the focus reached the loudspeaker.
    std::array<long, arrivalCount> arrivals{};
    ResizeCounts resizes;
    long keysOnLoudspeaker = 0;
    long keysOnButtons = 0;
    long keptThroughDisturbance = 0;
    long grabsShowingText = 0;
};

// Expects every count at coverageMinimum or more once a run has at least eventsForCoverage events;
// a shorter run is only told that it was not checked.
inline void checkCoverage(const Coverage& coverage, long events)
{
    if (events < eventsForCoverage) {
        std::cout << "[ MONKEY   ] fewer than " << eventsForCoverage
                  << " events: not checking that every action came up" << std::endl;
        return;
    }
    for (std::size_t kind = 0; kind < actionCount; ++kind) {
        EXPECT_GE(coverage.performed[kind], coverageMinimum) << actionKinds[kind].name;
    }
    for (std::size_t kind = 1; kind < shownCount; ++kind) {
        EXPECT_GE(coverage.fresh[kind], coverageMinimum) << shownNames[kind] << " verified";
    }
    for (std::size_t how = 0; how < arrivalCount; ++how) {
        EXPECT_GE(coverage.arrivals[how], coverageMinimum)
            << "instructions by " << arrivalNames[how];
    }
    EXPECT_GE(coverage.resizes.toOneByOne, coverageMinimum) << "resized to 1x1";
    EXPECT_GE(coverage.resizes.toLargest, coverageMinimum) << "resized to the largest size";
    EXPECT_GE(coverage.resizes.toStart, coverageMinimum) << "resized back to the first size";
    EXPECT_GE(coverage.keysOnLoudspeaker, coverageMinimum) << "Space or Enter on the loudspeaker";
    EXPECT_GE(coverage.keysOnButtons, coverageMinimum) << "Space or Enter on a button";
    EXPECT_GE(coverage.keptThroughDisturbance, coverageMinimum) << "printed text kept";
    EXPECT_GE(coverage.grabsShowingText, coverageMinimum) << "grabs with painted text";
}

} // namespace monkey
