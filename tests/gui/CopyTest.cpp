#include "PrintArea.h"
#include "SoundObject.h"
#include "WindowFixture.h"
#include "drawCommands.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingTarget.h"

#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

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

    // Calls `answer` with the next modal dialog of type T once it is up, until `owner` goes.
    template <class T, class Answer> static void whenOpen(QObject* owner, Answer answer)
    {
        auto* poll = new QTimer(owner);
        QObject::connect(poll, &QTimer::timeout, [poll, answer] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                answer(dialog);
            }
        });
        poll->start(10);
    }

    // What the context menu offers: three entries for the printed text, then "About".
    QStringList menuTexts = {"Copy", "Print…", "Save as PDF…", "", "About KRIMVEL"};

    // Right-clicks `on`, checks that the menu offers `menuTexts`, the three for the printed
    // text all enabled or all disabled, and picks `entry`. Returns whether it was enabled.
    bool chooseFromContextMenu(QWidget* on, const QString& entry)
    {
        bool enabled = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            menu->close();
            QStringList texts;
            for (QAction* action : menu->actions()) {
                texts << action->text();
                const bool forPrintedText = texts.size() <= 3;
                EXPECT_EQ(action->isEnabled(),
                          !forPrintedText || !form.printSurface().runs().empty())
                    << texts.back().toStdString();
            }
            ASSERT_EQ(texts, menuTexts);
            QAction* chosen = menu->actions().at(texts.indexOf(entry));
            enabled = chosen->isEnabled();
            if (enabled) {
                chosen->trigger();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(200, 200),
                                on->mapToGlobal(QPoint(200, 200)));
        QApplication::sendEvent(on, &event);
        return enabled;
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
    EXPECT_FALSE(chooseFromContextMenu(&form, "Copy"));
    EXPECT_EQ(clipboard()->text(), "left by another program");
}

TEST_F(CopyTest, TheContextMenuCopiesTheSame)
{
    click("Command3");
    EXPECT_TRUE(chooseFromContextMenu(&form, "Copy"));
    EXPECT_EQ(clipboard()->text(), QString::fromStdString(printedLines(form.printSurface())));
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

// Saving through the menu and Qt's own file dialog, read back as a person reads the page.
class SaveAsPdfTest : public CopyTest
{
protected:
    // Saves to `path` from the menu; returns the text of the message box, if one came up.
    QString saveAs(const QString& path)
    {
        QString message;
        QObject unanswered; // a dialog that did not come up must not be answered later
        whenOpen<QFileDialog>(&unanswered, [&](QFileDialog* dialog) {
            // Proposed: a name with the date and time, in the documents folder or at home.
            const QString proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            EXPECT_TRUE(dialog->selectedFiles().value(0).startsWith(QDir::homePath()));
            EXPECT_TRUE(nowAsWritten([](const QDateTime& now) {
                            return "krimvel-" + now.toString("yyyy-MM-dd-HHmm") + ".pdf";
                        }).contains(proposed))
                << proposed.toStdString();
            // Typed over the proposed name as a person does: selectFile() leaves the field as
            // it is once the field has the focus, which the dialog gives it when it is shown.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name == nullptr) {
                ADD_FAILURE() << "the file dialog has no file name field";
                dialog->reject();
                return;
            }
            name->setText(path);
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        });
        whenOpen<QMessageBox>(&unanswered, [&](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        EXPECT_TRUE(chooseFromContextMenu(&form, "Save as PDF…"));
        return message;
    }

    // What `written` makes of the time now, and of the minute before in case the clock
    // turned a minute since the program read it.
    template <class Written> static QStringList nowAsWritten(Written written)
    {
        const QDateTime now = QDateTime::currentDateTime();
        return {written(now), written(now.addSecs(-60))};
    }

    QTemporaryDir folder;
};

TEST_F(SaveAsPdfTest, ThePageHoldsTheHeaderThenThePrintedLinesInOrder)
{
    // Wine runs no Linux program: under Wine the pages are saved here and read back by
    // tests/windows/check-windows.
    const QString reader = QStandardPaths::findExecutable("pdftotext");
    for (const char* shown : {"numbers", "instructions"}) {
        SCOPED_TRACE(shown);
        shown == std::string("numbers") ? click("Command1")
                                        : QTest::keyClick(button("Command1"), Qt::Key_Backtab);
        const QString path = folder.filePath(QString(shown) + ".pdf");
        EXPECT_EQ(saveAs(path), "");
        if (reader.isEmpty()) {
            EXPECT_GT(QFileInfo(path).size(), 1000);
            continue;
        }
        QProcess pdftotext;
        pdftotext.start(reader, {"-layout", path, "-"});
        ASSERT_TRUE(pdftotext.waitForFinished()) << "pdftotext, from poppler-utils, is needed";
        // pdftotext lays the page out with blanks of its own; the words and their order count.
        const QString page = QString(pdftotext.readAllStandardOutput()).simplified();
        // The header: the name, then the date and the time of the press in the user's format.
        const QString header = page.section(" SAMO ZA ZABAVU ", 0, 0);
        EXPECT_TRUE(header.startsWith("KRIMVEL ")) << page.toStdString();
        const QDateTime printedAt = QLocale().toDateTime(
            header.mid(8), QLocale().dateTimeFormat(QLocale::ShortFormat).simplified());
        EXPECT_TRUE(printedAt.isValid() &&
                    std::abs(printedAt.secsTo(QDateTime::currentDateTime())) <= 120)
            << header.toStdString() << " is not the date and time of the press";
        EXPECT_TRUE(
            page.endsWith(" SAMO ZA ZABAVU " + form.findChild<PrintArea*>()->text().simplified()))
            << page.toStdString();
    }
    if (reader.isEmpty()) {
        GTEST_SKIP() << "the pages were saved, but there is no pdftotext here to read them";
    }
}

TEST_F(SaveAsPdfTest, AnUnwritablePathGivesAMessageAndLeavesNoFile)
{
    click("Command1");
    const QString inMissingFolder = folder.filePath("not-there/krimvel.pdf");
    // Named as the system names files, with backslashes on Windows.
    EXPECT_TRUE(saveAs(inMissingFolder).contains(QDir::toNativeSeparators(inMissingFolder)));
    EXPECT_FALSE(QFileInfo::exists(inMissingFolder));
}

TEST_F(SaveAsPdfTest, ADiskThatFillsUpGivesAMessageAndLeavesNoFile)
{
    if (!FileSizeLimit::available()) {
        GTEST_SKIP() << "no file-size limit to fill the disk with here";
    }
    click("Command1");
    QString message;
    {
        // Part of the way through the file: writes past 4 KiB fail.
        const FileSizeLimit full(4096);
        message = saveAs(folder.filePath("krimvel.pdf"));
    }
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(folder.filePath("krimvel.pdf"))))
        << message.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(CopyTest, AboutTellsNameVersionCommentAndLicence)
{
    QString shown;
    QObject unanswered;
    whenOpen<QMessageBox>(&unanswered, [&](QMessageBox* box) {
        shown = box->windowTitle() + '\n' + box->text();
        box->close();
    });
    EXPECT_TRUE(chooseFromContextMenu(&form, "About KRIMVEL"));
    for (const char* part :
         {"About KRIMVEL", "KRIMVEL 1.00", "SAMO ZA ZABAVU", "MIT", "Qt 6", "LGPL version 3"}) {
        EXPECT_TRUE(shown.contains(part)) << part << " not in " << shown.toStdString();
    }
}

// Words the program adds follow the user's language; the window's own texts do not.
TEST_F(CopyTest, AddedWordsFollowTheLanguageAndTheCaptionsStay)
{
    const struct
    {
        const char* translation;
        QString name;
        QStringList menu;
    } rows[] = {
        {"sr_Latn",
         "Izvučeni brojevi",
         {"Kopiraj", "Štampaj…", "Sačuvaj kao PDF…", "", "O programu KRIMVEL"}},
        {"sr_Cyrl",
         "Извучени бројеви",
         {"Копирај", "Штампај…", "Сачувај као PDF…", "", "О програму KRIMVEL"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.translation);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/krimvel_") + row.translation));
        QCoreApplication::installTranslator(&translator);
        RandomSource otherSource;
        const Form1 translated(otherSource);
        EXPECT_EQ(translated.findChild<QWidget*>("PrintArea")->accessibleName(), row.name);
        EXPECT_EQ(translated.findChild<QPushButton*>("Command1")->text(), "KOMPJUTER");
        EXPECT_EQ(translated.windowTitle(), "KRIMVEL FERNOS");
        menuTexts = row.menu;
        EXPECT_FALSE(chooseFromContextMenu(&form, row.menu.first())) << "nothing printed yet";
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
