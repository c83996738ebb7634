// The monkey test: the real window driven by a long run of random actions a person can take,
// checked after every one of them against a twin of what it should be showing.

#include "MonkeyFixture.h"

#include <algorithm>
#include <deque>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace monkey {

void MonkeyTest::perform(Action action, QSize size, QPoint point)
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
        QTest::keyClick(focus,
                        action == Action::Space    ? Qt::Key_Space
                        : action == Action::Return ? Qt::Key_Return
                                                   : Qt::Key_Enter,
                        action == Action::KeypadEnter ? Qt::KeypadModifier : Qt::NoModifier);
        if (focus == loudspeaker) {
            ++expectedActivations;
            ++coverage.keysOnLoudspeaker;
        } else {
            expectPressOf(focus);
            ++coverage.keysOnButtons;
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
                ++coverage.grabsShowingText;
            }
        }
        break;
    }
    }
    QApplication::processEvents();
}

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
            size = randomSize(rng, coverage.resizes);
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
        ++coverage.performed[kind];
        if (HasFailure()) {
            std::cout << "[ MONKEY   ] the last actions, oldest first:\n";
            for (const std::string& step : recent) {
                std::cout << "[ MONKEY   ]   " << step << '\n';
            }
            std::cout << std::flush;
            return;
        }
    }

    checkCoverage(coverage, settings.events);
}

} // namespace monkey
