// The routed storm as the record draws it: the level plot marks an overflow only where the
// soakaway spills.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "output/critical/level_plot.h"

namespace varnholt {
namespace {

// 5 m3 of rain in an hour into a soakaway 1.5 m deep holding `perMetre` m3 a metre of level.
RoutingCase routedStorm(double perMetre) {
    RoutingCase c;
    c.storm.minutes = 60;
    c.soakaway = {perMetre, 1.5, 10, 2, 1e-5};
    RoutingInputs in;
    in.runoffArea = 100;
    in.rainfall = 0.05;
    in.stormMinutes = 60;
    c.result = route(c.soakaway, in);
    return c;
}

int overflowPixels(const RoutingCase& routing) {
    QImage image(900, 420, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintLevelPlot(painter, QRectF(image.rect()), routing);
    }
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(200, 0, 0)) ++count;
    return count;
}

TEST(LevelPlot, MarksTheOverflowOnlyWhereTheSoakawaySpills) {
    const RoutingCase spills = routedStorm(2);
    const RoutingCase holds = routedStorm(6);
    ASSERT_GT(spills.result.overflow, 0);
    ASSERT_EQ(holds.result.overflow, 0);
    EXPECT_GT(overflowPixels(spills), 50);
    EXPECT_EQ(overflowPixels(holds), 0);
}

}  // namespace
}  // namespace varnholt

// The records are drawn with Qt Gui, which makes PDFs without a screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
