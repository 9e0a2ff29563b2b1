// The one-line fitting of a long text into its place: smaller type down to the floor, then
// cut with an ellipsis, and on the page never past the edge of its place.
#include "report/text_fit.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "report/page_painter.h"

namespace varnholt::report {
namespace {

const QChar kEllipsis(0x2026);

QString repeated(const QString& piece, int times) {
    QString s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

// A 5,000-character title of words.
QString veryLong() {
    return repeated(QStringLiteral("Extension to the Old Mill Lane Depot "), 136).left(5000);
}

TextStyle tenPoint() {
    TextStyle s;
    s.pointSize = 10;
    return s;
}

double widthAt(const QString& text, TextStyle style, double points) {
    style.pointSize = points;
    return textWidth(text, style);
}

struct Case {
    const char* name;
    QString text;
    double box;  // mm
};

std::vector<Case> cases() {
    return {
        {"short", QStringLiteral("Garage, 12 Mill Lane"), 154},
        {"a little too long",
         QStringLiteral("Extension to the Old Mill Lane Depot, Units 4 to 9, "
                        "with the new staff car park and its access road"),
         154},
        {"long", repeated(QStringLiteral("Extension to the depot "), 10), 154},
        {"very long", veryLong(), 154},
        {"no spaces", repeated(QStringLiteral("MillLaneDepot"), 30), 154},
        {"very long without spaces", repeated(QStringLiteral("X"), 5000), 154},
        {"narrow place", QStringLiteral("Designer with a name of some length"), 20},
        {"place smaller than the ellipsis", QStringLiteral("Mill Lane"), 0.5},
        {"empty", QString(), 154},
    };
}

TEST(TextFit, KeepsToItsPlaceShrinkingToTheFloorBeforeCutting) {
    const TextStyle style = tenPoint();
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const FittedText fitted = fitText(c.text, style, c.box);
        EXPECT_GE(fitted.pointSize, kFitFloorPoints);
        EXPECT_LE(fitted.pointSize, style.pointSize);
        if (fitted.text != QString(kEllipsis)) {
            EXPECT_LE(widthAt(fitted.text, style, fitted.pointSize), c.box);
        }

        const bool fitsAtTheFloor = widthAt(c.text, style, kFitFloorPoints) <= c.box;
        EXPECT_EQ(fitted.elided(), !fitsAtTheFloor);
        if (fitsAtTheFloor) {
            EXPECT_EQ(fitted.text, c.text);
            // Shrunk no further than it had to be.
            if (fitted.pointSize < style.pointSize) {
                EXPECT_GT(widthAt(c.text, style, fitted.pointSize + 0.2), c.box);
            }
            continue;
        }
        // Cut at the floor, keeping as much of the start as the place holds.
        EXPECT_EQ(fitted.pointSize, kFitFloorPoints);
        const QString kept = fitted.text.chopped(1);
        EXPECT_TRUE(c.text.startsWith(kept));
        if (kept.size() < c.text.size() && c.box >= 10) {
            const QString more = c.text.left(kept.size() + 1).trimmed() + kEllipsis;
            if (more.size() > kept.size() + 1) {
                EXPECT_GT(widthAt(more, style, kFitFloorPoints), c.box) << "cut too early";
            }
        }
    }
}

TEST(TextFit, AShortTextKeepsItsSizeAndALongOneGivesWayInThatOrder) {
    const TextStyle style = tenPoint();
    const FittedText shortOne = fitText(QStringLiteral("Garage"), style, 154);
    EXPECT_EQ(shortOne.pointSize, 10);
    EXPECT_EQ(shortOne.text, QStringLiteral("Garage"));

    // Fits at 8.5 pt: shrunk, whole.
    const QString title = repeated(QStringLiteral("Mill Lane "), 6).trimmed();
    const double box = widthAt(title, style, 8.5) + 0.01;
    const FittedText shrunk = fitText(title, style, box);
    EXPECT_EQ(shrunk.text, title);
    EXPECT_NEAR(shrunk.pointSize, 8.5, 0.15);
}

TEST(TextFit, AStyleBelowTheFloorIsCutAtItsOwnSize) {
    TextStyle style = tenPoint();
    style.pointSize = 6;
    const FittedText fitted = fitText(veryLong(), style, 50);
    EXPECT_EQ(fitted.pointSize, 6);
    EXPECT_TRUE(fitted.elided());
    EXPECT_LE(widthAt(fitted.text, style, 6), 50);
}

TEST(TextFit, ACutNeverSplitsACharacter) {
    // Each a surrogate pair, or a letter with a combining accent.
    for (const QString& piece :
         {QString::fromUtf8("\xf0\x9d\x94\xb8"), QString::fromUtf8("e\xcc\x81")}) {
        const FittedText fitted = fitText(repeated(piece, 2000), tenPoint(), 40);
        ASSERT_TRUE(fitted.elided());
        EXPECT_EQ(fitted.text.chopped(1).size() % piece.size(), 0) << fitted.text.toStdString();
    }
}

// The ink of a label painted on a page of 300 dpi, as the columns it reaches in millimetres.
struct Ink {
    double left = 1e9, right = -1, top = 1e9, bottom = -1;
};

Ink paintedInk(const Label& label) {
    constexpr double kDpi = 300;
    QImage image(static_cast<int>(210 / 25.4 * kDpi), static_cast<int>(40 / 25.4 * kDpi),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
    image.fill(Qt::white);
    Page page;
    page.elements.emplace_back(label);
    {
        QPainter painter(&image);
        paintPage(page, painter);
    }
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ink.left = std::min(ink.left, x / kDpi * 25.4);
                ink.right = std::max(ink.right, (x + 1) / kDpi * 25.4);
                ink.top = std::min(ink.top, y / kDpi * 25.4);
                ink.bottom = std::max(ink.bottom, (y + 1) / kDpi * 25.4);
            }
    return ink;
}

TEST(TextFit, APaintedLabelStaysInItsPlaceWhateverItsAlignment) {
    for (Qt::AlignmentFlag alignment : {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight}) {
        for (const QString& text : {veryLong(), repeated(QStringLiteral("W"), 400)}) {
            SCOPED_TRACE(alignment);
            Label label;
            label.at = {40, 10};
            label.text = text;
            label.style = tenPoint();
            label.fixedWidth = 120;
            label.shrinkToFit = true;
            label.alignment = alignment;
            const Ink ink = paintedInk(label);
            ASSERT_GE(ink.right, 0) << "nothing painted";
            EXPECT_GE(ink.left, 40 - 0.2);
            EXPECT_LE(ink.right, 160 + 0.2);
            // Within the line it takes at its own size.
            EXPECT_GE(ink.top, 10 - 0.2);
            EXPECT_LE(ink.bottom, 10 + wrappedHeight(label) + 0.2);
        }
    }
}

TEST(TextFit, AShortLabelIsPaintedAsWithoutFitting) {
    Label plain;
    plain.at = {40, 10};
    plain.text = QStringLiteral("Garage, 12 Mill Lane");
    plain.style = tenPoint();
    Label fitted = plain;
    fitted.fixedWidth = 120;
    fitted.shrinkToFit = true;
    // A column that places what follows below it moves nothing either.
    Label wrapped = fitted;
    wrapped.shrinkToFit = false;
    wrapped.wordWrap = true;
    EXPECT_DOUBLE_EQ(wrappedHeight(fitted), wrappedHeight(wrapped));

    const Ink a = paintedInk(plain), b = paintedInk(fitted);
    EXPECT_NEAR(a.left, b.left, 0.1);
    EXPECT_NEAR(a.right, b.right, 0.1);
    EXPECT_NEAR(a.top, b.top, 0.1);
    EXPECT_NEAR(a.bottom, b.bottom, 0.1);
}

}  // namespace
}  // namespace varnholt::report

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
