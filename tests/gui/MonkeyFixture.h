#pragma once

// The fixture of the monkey test: the real window, a twin of what it should be showing, and the
// checks made after every action.

#include "MonkeyActions.h"
#include "MonkeyCoverage.h"
#include "MonkeyOutputChecks.h"
#include "SoundObject.h"
#include "WindowFixture.h"
#include "WindowFontMeasure.h"
#include "WindowFonts.h"
#include "drawCommands.h"
#include "showInstructions.h"

#include <QLabel>
#include <string>
#include <utility>
#include <vector>

namespace monkey {

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
        checkShown(form.printSurface(), shown);
    }

    template <class Command> void expectCommand(Shown kind, Command command)
    {
        command(expected, twinSource);
        shown = kind;
        ++coverage.fresh[int(kind)];
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
            ++coverage.fresh[int(Shown::Instructions)];
            ++coverage.arrivals[int(how)];
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
            ++coverage.keptThroughDisturbance;
        }
    }

    // Does `action` to the window as a person would and keeps the twin in step.
    void perform(Action action, QSize size, QPoint point);

    SoundObject* loudspeaker = nullptr;
    QLabel* banner = nullptr;
    std::vector<QWidget*> tabCycle;
    std::vector<std::pair<QWidget*, QRect>> homeGeometry;
    QWidget other;

    // The twin: what the window should be showing, printed from a generator of its own.
    RandomSource twinSource;
    WindowFontMeasure twinMeasure{WindowFonts::printFont()};
    PrintSurface expected{twinMeasure};
    Shown shown = Shown::Nothing;
    QWidget* expectedFocus = nullptr;
    long activations = 0;
    long expectedActivations = 0;
    long focusArrivals = 0;
    long expectedFocusArrivals = 0;

    Coverage coverage;
};

} // namespace monkey
