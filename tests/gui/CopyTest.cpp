#include "SoundObject.h"
#include "WindowFixture.h"
#include "drawCommands.h"
#include "support/RecordingTarget.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>

namespace {

class CopyTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        clipboard()->setText("left by another program");
    }

    static QClipboard* clipboard() { return QGuiApplication::clipboard(); }

    void pressCtrlC(QWidget* on) { QTest::keyClick(on, Qt::Key_C, Qt::ControlModifier); }

    // Right-clicks `on` and picks "Copy" from the menu that opens.
    void copyFromContextMenu(QWidget* on, bool* enabled)
    {
        QTimer::singleShot(0, [enabled] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            ASSERT_EQ(menu->actions().size(), 1);
            QAction* copy = menu->actions().first();
            EXPECT_EQ(copy->text(), "Copy");
            *enabled = copy->isEnabled();
            if (copy->isEnabled()) {
                copy->trigger();
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 200),
                                on->mapToGlobal(QPoint(200, 200)));
        QApplication::sendEvent(on, &event);
    }
};

TEST_F(CopyTest, CtrlCFromAnyControlCopiesThePrintedLines)
{
    click("Command1");
    for (const char* control : {"Command1", "Command3", "Command2", "SoundRec1"}) {
        SCOPED_TRACE(control);
        clipboard()->clear();
        auto* widget = form.findChild<QWidget*>(control);
        widget->setFocus(Qt::OtherFocusReason);
        pressCtrlC(widget);
        const QStringList lines = clipboard()->text().split('\n');
        ASSERT_EQ(lines.size(), 10) << "no blank lines above the first";
        for (int i = 0; i < 10; ++i) {
            EXPECT_TRUE(lines[i].startsWith(QString(" %1  -  KOMBINACIJA  - ").arg(i + 1)));
        }
    }
}

TEST_F(CopyTest, TheInstructionsAreCopiedAsShown)
{
    QTest::keyClick(button("Command1"), Qt::Key_Backtab);
    pressCtrlC(QApplication::focusWidget());
    EXPECT_EQ(clipboard()->text(), "     DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS \n"
                                   "                 VI SAMO UPISITE BROJEVE NA LISTIC \n"
                                   "                         I OBAVEZNO UPLATITE \n"
                                   "                                  SRECNO !!!");
}

TEST_F(CopyTest, WithNothingPrintedTheClipboardKeepsWhatItHad)
{
    pressCtrlC(button("Command1"));
    EXPECT_EQ(clipboard()->text(), "left by another program");
    bool enabled = true;
    copyFromContextMenu(&form, &enabled);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(clipboard()->text(), "left by another program");
}

TEST_F(CopyTest, TheContextMenuCopiesTheSame)
{
    click("Command3");
    bool enabled = false;
    copyFromContextMenu(&form, &enabled);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(clipboard()->text(), QString::fromStdString(::printedLines(form.printSurface())));
    EXPECT_EQ(clipboard()->text().split(' ', Qt::SkipEmptyParts).size(), 7);
}

TEST_F(CopyTest, CopyingDrawsNoNumbers)
{
    // A second generator that sees the same presses but no copies must stay in step.
    RandomSource twin;
    RecordingTarget ignored;
    click("Command1");
    showTenCombinations(ignored, twin);
    pressCtrlC(button("Command1"));
    pressCtrlC(button("Command1"));
    click("Command2");
    RecordingTarget expected;
    showOneNumber(expected, twin);
    const auto& number = std::get<float>(expected.statements.back()[0].value);
    EXPECT_EQ(form.printSurface().runs().back().text, printedText(number));
}

} // namespace
