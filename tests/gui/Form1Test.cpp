#include "BackgroundPicture.h"
#include "DrawError.h"
#include "WindowFixture.h"
#include "WindowPlacement.h"

#include <QImageReader>
#include <QLabel>
#include <QWindow>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using Form1Test = WindowFixture;

TEST_F(Form1Test, StartsWithItsTitleSizeAndNothingPrinted)
{
    EXPECT_EQ(form.windowTitle(), "KRIMVEL FERNOS");
    EXPECT_EQ(form.size(), QSize(553, 354));
    EXPECT_FALSE(form.windowIcon().isNull());
    const Qt::WindowFlags flags = form.windowHandle()->flags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.printSurface().runs().empty());
    EXPECT_EQ(QApplication::focusWidget(), button("Command1"));
    EXPECT_EQ(yellowPixels(grabWindow(), form.rect()), 0) << "nothing yellow at start";
}

TEST_F(Form1Test, ControlsStandWhereTheirTwipsSay)
{
    struct Row
    {
        const char* name;
        QString caption;
        QRect geometry;
    };
    const Row rows[] = {
        {"Command1", "KOMPJUTER", {0, 0, 81, 24}},
        {"Command3", "KOMBINACIJA", {0, 24, 81, 24}},
        {"Label2", "KRIMVEL", {184, 24, 185, 25}},
        {"Command2", "BROJ", {0, 48, 81, 24}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* control = form.findChild<QWidget*>(row.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), row.geometry);
        const QString caption = row.name[0] == 'L' ? qobject_cast<QLabel*>(control)->text()
                                                   : qobject_cast<QPushButton*>(control)->text();
        EXPECT_EQ(caption, row.caption);
    }
}

TEST_F(Form1Test, ButtonsAreSalmonBoldAndNeitherDefaultNorAccessKeyed)
{
    for (const char* name : {"Command1", "Command3", "Command2"}) {
        SCOPED_TRACE(name);
        QPushButton* b = button(name);
        EXPECT_TRUE(b->font().bold());
        EXPECT_EQ(b->font().pixelSize(), 11) << "8.25 pt at 96 dpi";
        EXPECT_FALSE(b->isDefault());
        EXPECT_FALSE(b->autoDefault());
        EXPECT_FALSE(b->text().contains('&'));
        const QImage face = b->grab().toImage();
        // Just inside the edge, above the caption.
        const int inside = qRound(3 * face.devicePixelRatio());
        EXPECT_EQ(face.pixelColor(inside, inside).name(), "#ff8080")
            << "the face is exactly &H008080FF&, no gradient";
    }
}

TEST_F(Form1Test, BannerIsOrangeBoldItalicAndTakesNoFocus)
{
    auto* label = form.findChild<QLabel*>("Label2");
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    EXPECT_FALSE(label->autoFillBackground()) << "the picture shows around the letters";
    EXPECT_TRUE(label->font().italic());
    EXPECT_TRUE(label->font().bold());
}

TEST_F(Form1Test, ALargeWindowShowsMaroonBeyondThePicture)
{
    form.resize(1200, 900);
    QApplication::processEvents();
    const QImage image = grabWindow();
    const double s = image.devicePixelRatio();
    EXPECT_EQ(image.pixelColor(qRound(1100 * s), qRound(100 * s)).name(), "#800000");
    EXPECT_EQ(image.pixelColor(qRound(100 * s), qRound(850 * s)).name(), "#800000");
    EXPECT_NE(image.pixelColor(qRound(500 * s), qRound(300 * s)).name(), "#800000")
        << "the picture itself is drawn";
    EXPECT_NE(image.pixelColor(qRound(1000 * s), qRound(700 * s)).name(), "#800000")
        << "and beyond the corner that the window shows at its own size";
}

// The core's error is worded by its code, whatever its English says; anyone else's in its own.
TEST_F(Form1Test, AnErrorInAHandlerIsReportedAndLeavesThePrintedTextInPlace)
{
    const QString floatingPoint = "Floating-point error while drawing a number.";
    const struct
    {
        std::function<void()> fail;
        QString reported;
    } rows[] = {
        {[] { throw FloatingPointError(); }, floatingPoint},
        {[] { throw DrawError(DrawErrorCode::FloatingPoint, "reworded"); }, floatingPoint},
        {[] { throw std::runtime_error("cannot clear"); }, "cannot clear"},
    };
    for (const auto& row : rows) {
        QString reported;
        form.setFatalErrorHandler([&](const QString& message) { reported = message; });
        form.runCommand([&](PrintSurface& surface) {
            surface.clear();
            const PrintItem item[] = {{std::string_view("before"), RunOn}};
            surface.print(item);
            row.fail();
        });
        EXPECT_EQ(reported, row.reported);
        ASSERT_EQ(form.printSurface().runs().size(), 1u);
        EXPECT_EQ(form.printSurface().runs()[0].text, "before");
    }
}

// The icon's large sizes come after the first frame that the screen shows, never from a paint.
TEST(Form1IconTest, TheLargeSizesComeOnceTheWindowIsShownNotWhenItIsPainted)
{
    RandomSource source;
    Form1 form(source);
    form.grab();
    QApplication::processEvents();
    EXPECT_EQ(form.windowIcon().availableSizes().size(), 4) << "16 to 48 when painted, not shown";
    showCentredOnScreen(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    EXPECT_EQ(form.windowIcon().availableSizes().size(), 7) << "16 to 256 once shown";
}

TEST(WindowPlacementTest, TheFramedWindowIsCentredWithItsCornerInsideTheArea)
{
    const QSize framed(555, 379);
    EXPECT_EQ(centredTopLeft({0, 0, 1600, 1200}, framed), QPoint(522, 410));
    EXPECT_EQ(centredTopLeft({0, 32, 1600, 1168}, framed), QPoint(522, 426)) << "below a panel";
    EXPECT_EQ(centredTopLeft({0, 0, 400, 300}, framed), QPoint(0, 0)) << "smaller screen";
    EXPECT_EQ(centredTopLeft({50, 0, 400, 1200}, framed), QPoint(50, 410)) << "narrower screen";
}

// The corner the window paints straight from the program file is the JPEG's own top-left
// corner; where it is missing or too small for the window, the JPEG itself is read.
TEST(BackgroundPictureTest, TheCornerIsTheJpegsOwnAndAMissingOrSmallOneFallsBackToIt)
{
    const QString jpeg = QStringLiteral(":/pictures/background.jpg");
    const QString corner = QStringLiteral(":/pictures/background-corner.pixels");
    const auto jpegPart = [&](const QSize& size) {
        QImageReader reader(jpeg);
        reader.setClipRect(QRect({}, size));
        return reader.read().convertToFormat(QImage::Format_RGB32);
    };
    const QSize shown(553, 354);
    const QSize wider(600, 354);
    const struct
    {
        QString corner;
        QSize shown;
    } cases[] = {{corner, shown}, {QStringLiteral(":/pictures/no-such-corner"), shown},
                 {corner, wider}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.corner.toStdString() + " at " + std::to_string(c.shown.width()));
        BackgroundPicture picture(jpeg, c.corner, c.shown);
        picture.cover(c.shown);
        EXPECT_EQ(picture.image().convertToFormat(QImage::Format_RGB32), jpegPart(c.shown));
    }
}

} // namespace
