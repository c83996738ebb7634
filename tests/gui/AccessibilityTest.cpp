#include "LineAnnouncement.h"
#include "PrintArea.h"
#include "SoundObject.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QRegularExpression>
#include <QSignalSpy>

namespace {

class AccessibilityTest : public WindowFixture
{
protected:
    static QAccessibleInterface* accessible(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    QAccessibleTextInterface* printed()
    {
        return accessible(form.findChild<PrintArea*>("PrintArea"))->textInterface();
    }

    QString printedText() { return printed()->text(0, printed()->characterCount()); }
};

TEST_F(AccessibilityTest, EveryControlHasANameAndADescription)
{
    const struct
    {
        const char* control;
        QAccessible::Role role;
        QString name;
        QString description;
    } rows[] = {
        {"Command1", QAccessible::Button, "KOMPJUTER", "Ten combinations"},
        {"Command3", QAccessible::Button, "KOMBINACIJA", "One combination"},
        {"Command2", QAccessible::Button, "BROJ", "One number"},
        {"SoundRec1", QAccessible::Button, "Loudspeaker",
         "Instructions; a double-click plays the recorded sound"},
        // What it holds is its text; the notices of its lines say the lines.
        {"PrintArea", QAccessible::StatusBar, "Drawn numbers", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.control);
        QAccessibleInterface* control = accessible(form.findChild<QWidget*>(row.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), row.role);
        EXPECT_EQ(control->text(QAccessible::Name), row.name);
        EXPECT_EQ(control->text(QAccessible::Description), row.description);
        EXPECT_EQ(control->parent()->object(), &form) << "reachable from the window";
    }
    EXPECT_EQ(accessible(&form)->role(), QAccessible::Window);
}

TEST_F(AccessibilityTest, ThePrintedAreaReadsExactlyThePrintedLinesAfterEachCommand)
{
    click("Command1");
    const QStringList ten = printedText().split('\n');
    ASSERT_EQ(ten.size(), 10);
    EXPECT_TRUE(ten[0].startsWith(" 1  -  KOMBINACIJA  - ")) << ten[0].toStdString();
    EXPECT_TRUE(ten[9].startsWith(" 10  -  KOMBINACIJA  - ")) << ten[9].toStdString();

    click("Command3");
    EXPECT_EQ(printedText().count(' '), 14) << "seven numbers, each with a blank on both sides";
    EXPECT_FALSE(printedText().contains('\n'));

    button("Command1")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(button("Command1"), Qt::Key_Backtab);
    EXPECT_EQ(printedText(), "     DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS \n"
                             "                 VI SAMO UPISITE BROJEVE NA LISTIC \n"
                             "                         I OBAVEZNO UPLATITE \n"
                             "                                  SRECNO !!!");
}

// A screen reader's review walks the lines one after the other, and the words of each, and
// finds every character where it is painted.
TEST_F(AccessibilityTest, TheTenCombinationsReadLineByLineWordByWordAndWhereTheyArePainted)
{
    click("Command1");
    const QString text = printedText();
    const QStringList lines = text.split('\n');
    const auto trimmed = [](QStringList pieces) {
        pieces.replaceInStrings(QRegularExpression("^\\s+|\\s+$"), "");
        pieces.removeAll("");
        return pieces;
    };
    for (const auto unit : {QAccessible::LineBoundary, QAccessible::WordBoundary}) {
        QStringList pieces;
        for (int offset = 0; offset < text.size();) {
            int start = 0, end = 0, nextStart = 0, previousStart = 0, unused = 0;
            pieces << printed()->textAtOffset(offset, unit, &start, &end);
            ASSERT_EQ(start, offset) << "unit " << unit;
            printed()->textAfterOffset(offset, unit, &nextStart, &unused);
            EXPECT_EQ(nextStart, end < text.size() ? end : -1) << "unit " << unit;
            if (end < text.size()) {
                printed()->textBeforeOffset(end, unit, &previousStart, &unused);
                EXPECT_EQ(previousStart, start) << "unit " << unit;
            }
            offset = end;
        }
        EXPECT_EQ(pieces.join(""), text);
        EXPECT_EQ(trimmed(pieces), trimmed(unit == QAccessible::LineBoundary
                                               ? lines
                                               : text.split(QRegularExpression("\\s+"))));
    }

    const QImage painted = form.grab().toImage();
    const QPoint window = form.mapToGlobal(QPoint(0, 0));
    for (int line = 0, offset = 0; line < lines.size(); offset += int(lines[line++].size()) + 1) {
        const QRect first = printed()->characterRect(offset + 1);
        const QRect last = printed()->characterRect(offset + int(lines[line].size()) - 2);
        EXPECT_GT(last.left(), first.right()) << "line " << line;
        EXPECT_EQ(last.top(), first.top()) << "line " << line;
        EXPECT_EQ(printed()->offsetAtPoint(first.center()), offset + 1) << "line " << line;
        EXPECT_GT(yellowPixels(painted, first.translated(-window)), 0) << "line " << line;
        if (line > 0) {
            EXPECT_GE(first.top(), printed()->characterRect(offset - 2).bottom());
        }
    }
}

// Each command's lines, and the instructions, are announced once, each on its own, in the
// user's language where the program adds words; moving around without printing says nothing.
// Qt hands the announcements on only where a screen reader listens, not on the offscreen
// platform: the Orca test under Xvfb hears them.
TEST_F(AccessibilityTest, EachPrintAnnouncesItsLinesOnceAsTheyAreSpoken)
{
    QSignalSpy announcements(form.findChild<PrintArea*>("PrintArea"), &PrintArea::linesAnnounced);
    const auto announcedAfter = [&](const std::function<void()>& action) {
        announcements.clear();
        action();
        QCoreApplication::processEvents();
        QStringList lines;
        for (const QList<QVariant>& announcement : announcements) {
            lines << announcement.at(0).toStringList();
        }
        return lines;
    };

    const QStringList ten = announcedAfter([&] { click("Command1"); });
    ASSERT_EQ(ten.size(), 10);
    const QString numbers =
        printedText().split('\n')[2].section('-', -1).simplified().replace(' ', ", ");
    EXPECT_EQ(ten[2], "Combination 3: " + numbers);
    EXPECT_TRUE(ten[9].startsWith("Combination 10: ")) << ten[9].toStdString();

    const QStringList one = announcedAfter([&] { click("Command2"); });
    EXPECT_EQ(one, QStringList{printedText().trimmed()});

    const QStringList instructions = announcedAfter(
        [&] { QTest::mouseClick(form.findChild<SoundObject*>("SoundRec1"), Qt::LeftButton); });
    EXPECT_EQ(instructions, (QStringList{"DOZVOLITE KOMPJUTERU DA IGRA UMESTO VAS",
                                         "VI SAMO UPISITE BROJEVE NA LISTIC", "I OBAVEZNO UPLATITE",
                                         "SRECNO !!!"}));

    EXPECT_EQ(announcedAfter([&] {
                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                  form.resize(700, 500);
              }),
              QStringList{});
    // Two commands before the screen reader hears either: only what stays on the window.
    EXPECT_EQ(announcedAfter([&] {
                  click("Command3");
                  click("Command2");
              }).size(),
              1);
    EXPECT_LE(form.findChildren<LineNotice*>().size(), 1) << "the notices of earlier lines go";
}

TEST_F(AccessibilityTest, TheLoudspeakerCanBePressedByAssistiveTechnology)
{
    auto* loudspeaker = form.findChild<SoundObject*>("SoundRec1");
    QSignalSpy activations(loudspeaker, &SoundObject::activated);
    QAccessibleActionInterface* actions = accessible(loudspeaker)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(activations.count(), 1);
}

} // namespace
