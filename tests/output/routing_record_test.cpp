// The routed storm as the record draws it: the level plot marks an overflow only where the
// soakaway spills, and the record has a page of the routed storm, or says why there is none.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <regex>

#include "engine/design.h"
#include "output/critical/design_check_report.h"
#include "output/critical/level_plot.h"
#include "pdf_words.h"
#include "started_design.h"
#include "tools/design_check_logic.h"

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

// The words of the record's last page, as they read across it, and whether it has a picture.
struct RoutingPage {
    std::string text;
    bool plot;
};
RoutingPage routingPage(const std::string& length, const std::string& area) {
    Design design;
    testing::start(design);
    testing::enterWorkedInputs(design);
    testing::enter(design, {{Field::txtdepth, "1.5"}, {Field::lblwid, "0.5"}});
    DesignRecord record = design.record();
    record.setChangeHandler(nullptr);
    record.place(Field::txtlength, length);
    record.checkTexts.set("routearea", area);
    DesignCheckLogic logic;
    EXPECT_TRUE(logic.calculateFromProject(record)) << logic.error();
    QTemporaryDir dir;
    const QString path = dir.filePath("record.pdf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(designCheckReport(record, logic.inputs, *logic.check(), logic.routing).toPdf());
    file.close();
    const std::string text =
        testing::commandOutput("pdftotext -f 3 -l 3 -layout '" + path.toStdString() + "' -");
    const std::string images =
        testing::commandOutput("pdfimages -list -f 3 -l 3 '" + path.toStdString() + "'");
    return {std::regex_replace(text, std::regex("\\s+"), " "),
            images.find(" image ") != std::string::npos};
}

TEST(RoutingRecord, APageOfTheRoutedStormOrWhyThereIsNone) {
    const RoutingPage page = routingPage("6", "halfdepth");
    const std::string& routed = page.text;
    EXPECT_TRUE(page.plot);
    for (const char* expected :
         {"Design Check: routing", "Event Design (BRE 365 sizing): 10 years, 0 % allowance",
          "(the event's critical storm)", "Profile uniform",
          "Wetted area wetted area at half depth (BRE 365)", "Peak storage, routed"})
        EXPECT_NE(routed.find(expected), std::string::npos) << expected << "\n---\n" << routed;

    const RoutingPage unrouted = routingPage("", "level");
    const std::string& none = unrouted.text;
    EXPECT_FALSE(unrouted.plot);
    EXPECT_NE(none.find("Design Check: routing"), std::string::npos) << none;
    EXPECT_NE(none.find("Not routed: The trench on show has no length, so there is nothing to "
                        "route a storm through."),
              std::string::npos)
        << none;
    EXPECT_EQ(none.find("Profile"), std::string::npos) << none;
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
