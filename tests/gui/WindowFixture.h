#pragma once

#include "Form1.h"
#include "PrintSurface.h"
#include "RandomSource.h"
#include "WindowPlacement.h"

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& string, std::ostream* out)
{
    *out << '"' << string.toStdString() << '"';
}

// A freshly started window, shown and active, with its own generator.
class WindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        showCentredOnScreen(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QPushButton* button(const char* name) { return form.findChild<QPushButton*>(name); }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // Pixels of the printed text's yellow within a rectangle of the window, in logical pixels.
    static int yellowPixels(const QImage& image, const QRect& logicalArea)
    {
        const double scale = image.devicePixelRatio();
        const QRect area(
            QPoint(qRound(logicalArea.left() * scale), qRound(logicalArea.top() * scale)),
            logicalArea.size() * scale);
        int count = 0;
        const QRect inside = area.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 220 && c.green() > 220 && c.blue() < 60;
            }
        }
        return count;
    }

    QImage grabWindow() { return form.grab().toImage(); }

    RandomSource source;
    Form1 form{source};
};
