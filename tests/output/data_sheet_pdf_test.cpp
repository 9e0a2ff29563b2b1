// The data sheet as it comes out on paper: rendered to PDF and read back with poppler, each
// element where the layout puts it, to half a millimetre.
#include "output/sheet/data_sheet.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>

#include "pdf_words.h"

namespace varnholt {
namespace {

using testing::lineAt;
using testing::PdfWord;

constexpr double kTolerance = 0.5;  // mm

std::vector<PdfWord> render(report::Report& sheet) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sheet.toPdf());
    file.close();
    return testing::pdfWords(path.toStdString());
}

std::vector<PdfWord> render(const SheetContent& content) {
    report::Report sheet = dataSheetReport("www.corvane.example", [&] { return content; });
    return render(sheet);
}

// Only the values: some captions run into their values (as "Depth :-" does), which poppler
// then reads as one word.
std::vector<PdfWord> renderValuesOnly(const SheetContent& content) {
    report::Page page = dataSheetLayout("www.corvane.example");
    std::erase_if(page.elements, [](const report::Element& e) {
        const auto* label = std::get_if<report::Label>(&e);
        return label && label->name.isEmpty();
    });
    report::Report sheet(page, "values");
    sheet.beforeRender = [&](report::Page& p) { fillDataSheet(p, content); };
    return render(sheet);
}

std::vector<PdfWord> render(const DesignRecord& record) {
    return render(fillSheet(record, "10/12/2026"));
}

bool placed(const std::vector<PdfWord>& words, const std::string& text, double x, double y) {
    for (const PdfWord& w : words)
        if (w.text == text && std::abs(w.left - x) <= kTolerance &&
            std::abs(w.top - y) <= kTolerance)
            return true;
    return false;
}

// Every label holds its own name, so that each value can be told from the others.
SheetContent named() {
    SheetContent s;
    s.QRprojtit = "QRprojtit";
    s.QRprojnum = "QRprojnum";
    s.QRdesname = "QRdesname";
    s.QRtxtarea = "QRtxtarea";
    s.QRtxtsdur = "QRtxtsdur";
    s.QRtxtvr = "QRtxtvr";
    s.QRtxtvrc = "QRtxtvrc";
    s.QRtxtsinf = "QRtxtsinf";
    s.QRtxtrain = "QRtxtrain";
    s.qrtxtfos = "qrtxtfos";
    s.qrtxtringfail = "qrtxtringfail";
    s.qrtxthalffail = "qrtxthalffail";
    s.qrtrenchbase = "qrtrenchbase";
    s.qrringbase = "qrringbase";
    s.qrringsurround = "qrringsurround";
    s.qrfiltertrench = "qrfiltertrench";
    s.QRtxtlength = "QRtxtlength";
    s.QRlblwid = "QRlblwid";
    s.QRtxtdepth = "QRtxtdepth";
    s.QRlbltime = "QRlbltime";
    s.qrsurface = "qrsurface";
    s.QRwarning = "QRwarning";
    for (std::size_t i = 0; i < 9; ++i) {
        s.ringDepths[i] = "QR1" + std::to_string(i + 1);
        s.ringHalfTimes[i] = "QR2" + std::to_string(i + 1);
    }
    s.qrvardia = "qrvardia";
    s.qrvardepth = "qrvardepth";
    s.qrvarhalf = "qrvarhalf";
    s.QRcurrentfile = "QRcurrentfile";
    s.QRdate = "QRdate";
    return s;
}

struct Placed {
    const char* text;  // the first word of the element
    double x, y;
};

TEST(DataSheetPdf, EveryTextIsWhereTheLayoutPutsIt) {
    const std::vector<PdfWord> words = render(named());
    const std::vector<PdfWord> values = renderValuesOnly(named());
    const Placed expected[] = {
        {"Varnholt", 14.8, 13.2},
        {"www.corvane.example", 158.8, 26.2},
        {"Project", 15.3, 34.1},
        {"Project", 16.9, 42.3},
        {"QRprojtit", 38.9, 42.3},
        {"Project", 16.9, 49.2},
        {"QRprojnum", 45.8, 49.2},
        {"Designer:", 87.3, 49.2},
        {"QRdesname", 104.2, 49.2},
        {"Global", 15.3, 57.4},
        {"Impermeable", 16.9, 66.1},
        {"QRtxtarea", 50.8, 66.1},
        {"Storm", 16.9, 72.5},
        {"QRtxtsdur", 47.9, 72.5},
        {"Void", 16.9, 78.8},
        {"QRtxtvr", 38.4, 78.8},
        {"Factor", 16.9, 85.2},
        {"qrtxtfos", 47.4, 85.2},
        {"Half", 16.4, 91.5},
        {"qrtxthalffail", 68.5, 91.5},
        {"Soil", 105.3, 66.1},
        {"QRtxtsinf", 142.9, 66.1},
        {"Rainfall", 105.3, 72.5},
        {"QRtxtrain", 122.8, 72.5},
        {"Volumetric", 105.3, 78.8},
        {"QRtxtvrc", 151.6, 78.8},
        {"Ring", 105.3, 85.2},
        {"qrtxtringfail", 158.5, 85.2},
        {"qrtrenchbase", 16.9, 99.5},
        {"qrringbase", 16.9, 105.8},
        {"qrringsurround", 16.9, 112.2},
        {"qrfiltertrench", 16.9, 118.5},
        {"Trench", 15.3, 134.7},
        {"Length", 18.5, 144.2},
        {"QRtxtlength", 34.4, 144.2},
        {"Width", 82.5, 144.2},
        {"QRlblwid", 96.0, 144.2},
        {"Depth", 138.9, 144.2},
        {"QRtxtdepth", 152.4, 144.2},
        {"Half", 18.5, 150.5},
        {"QRlbltime", 48.7, 150.5},
        {"QRwarning", 88.9, 150.5},
        {"Surface", 18.5, 156.9},
        {"qrsurface", 67.7, 156.9},
        {"Precast", 15.3, 165.9},
        {"Ring", 23.8, 174.4},
        {"Depth", 86.3, 174.4},
        {"Half", 138.9, 174.4},
        {"900", 32.3, 184.9},
        {"QR11", 86.3, 184.9},
        {"QR21", 139.2, 184.9},
        {"1050", 30.4, 191.3},
        {"QR12", 86.3, 191.3},
        {"QR22", 139.2, 191.3},
        {"1200", 30.4, 197.9},
        {"QR13", 86.3, 197.9},
        {"1350", 30.4, 204.3},
        {"QR24", 139.2, 204.3},
        {"1500", 30.4, 210.6},
        {"QR15", 86.3, 210.6},
        {"1800", 30.4, 217.0},
        {"QR26", 139.2, 217.0},
        {"2100", 30.4, 223.3},
        {"QR17", 86.3, 223.3},
        {"2400", 30.4, 229.7},
        {"QR28", 139.2, 229.7},
        {"2700", 30.4, 236.0},
        {"QR19", 86.3, 236.0},
        {"QR29", 139.2, 236.0},
        {"Variable", 15.3, 246.3},
        {"Diameter", 23.3, 254.8},
        {"Depth", 86.8, 254.8},
        {"Half", 139.7, 254.8},
        {"qrvardia", 23.3, 261.4},
        {"qrvardepth", 86.8, 261.4},
        {"qrvarhalf", 139.7, 261.4},
        {"QRcurrentfile", 11.9, 280.5},
    };
    for (const Placed& p : expected)
        EXPECT_TRUE(placed(words, p.text, p.x, p.y) || placed(values, p.text, p.x, p.y))
            << p.text << " at " << p.x << ", " << p.y;

    // The date is set flush right against 193.7 mm.
    const auto date = std::find_if(words.begin(), words.end(),
                                   [](const PdfWord& w) { return w.text == "QRdate"; });
    ASSERT_NE(date, words.end());
    EXPECT_NEAR(date->right, 193.7, kTolerance);
    EXPECT_NEAR(date->top, 280.5, kTolerance);
    EXPECT_EQ(lineAt(words, 13.2, 0, 100), "Varnholt 4.0");
    EXPECT_EQ(lineAt(words, 165.9), "Precast Concrete Ring Soakaway");
}

// A text of any length typed into the project's details, a value field or the file name keeps
// to its place on one line: set smaller, down to 7 pt, and then cut with an ellipsis; every other
// word on the page stays where it is with a short text.
TEST(DataSheetPdf, ATextOfAnyLengthKeepsToItsPlaceAndMovesNothingElse) {
    std::string words5000;
    while (words5000.size() < 5000) words5000 += "Extension to the Old Mill Lane Depot ";
    words5000.resize(5000);
    const std::string solid(5000, 'N');
    std::string digits;
    while (digits.size() < 300) digits += "1234567890";
    struct Case {
        const char* name;
        std::string SheetContent::*text;
        std::string value;
        double x, y, right;
    };
    const Case cases[] = {
        {"title", &SheetContent::QRprojtit, words5000, 38.9, 42.3, 193.0},
        {"title without spaces", &SheetContent::QRprojtit, solid, 38.9, 42.3, 193.0},
        {"project number", &SheetContent::QRprojnum, solid, 45.8, 49.2, 85.3},
        {"designer", &SheetContent::QRdesname, words5000, 104.2, 49.2, 193.0},
        {"area", &SheetContent::QRtxtarea, digits, 50.8, 66.1, 103.3},
        {"rainfall", &SheetContent::QRtxtrain, digits, 122.8, 72.5, 193.0},
        {"length", &SheetContent::QRtxtlength, digits, 34.4, 144.2, 80.5},
        {"variable ring", &SheetContent::qrvardia, digits, 23.3, 261.4, 84.8},
        {"file", &SheetContent::QRcurrentfile, "/home/designer/" + words5000, 11.9, 280.5, 160.0},
    };
    const std::vector<PdfWord> shortWords = render(named());
    constexpr double kSevenPoints = 7 * 25.4 / 72;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SheetContent content = named();
        const std::string shortText = content.*c.text;
        content.*c.text = c.value;
        const std::vector<PdfWord> words = render(content);

        std::vector<bool> matched(words.size(), false);
        for (const PdfWord& w : shortWords) {
            if (w.text == shortText) continue;
            bool found = false;
            for (std::size_t i = 0; i < words.size() && !found; ++i)
                if (!matched[i] && words[i].text == w.text &&
                    std::abs(words[i].left - w.left) < 0.05 &&
                    std::abs(words[i].top - w.top) < 0.05)
                    found = matched[i] = true;
            EXPECT_TRUE(found) << w.text << " moved from " << w.left << ", " << w.top;
        }
        std::string placed;
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (matched[i]) continue;
            const PdfWord& w = words[i];
            placed += (placed.empty() ? "" : " ") + w.text;
            EXPECT_GE(w.left, c.x - kTolerance) << w.text;
            EXPECT_LE(w.right, c.right + 0.1) << w.text;
            EXPECT_GE(w.top, c.y - kTolerance) << w.text;
            EXPECT_LE(w.bottom, c.y + 5) << w.text << ": not on its one line";
            EXPECT_GE(w.bottom - w.top, kSevenPoints) << w.text << ": smaller than 7 pt";
            for (std::size_t j = 0; j < words.size(); ++j) {
                const PdfWord& o = words[j];
                const bool overlaps =
                    o.left < w.right && w.left < o.right && o.top < w.bottom && w.top < o.bottom;
                EXPECT_FALSE(matched[j] && overlaps) << w.text << " overlaps " << o.text;
            }
        }
        EXPECT_TRUE(placed.ends_with("\u2026")) << placed;
        EXPECT_EQ(c.value.rfind(placed.substr(0, placed.size() - 3), 0), 0u) << placed;
    }
}

DesignRecord trench(bool base, double hours, const char* limit) {
    DesignRecord record;
    record.place(Field::txtlength, "10");
    record.place(Field::lblwid, "0.6");
    record.place(Field::txtdepth, "1.5");
    record.place(Field::txthalfempty, limit);
    record.setChecked(Check::chkbase, base);
    record.trench.halfEmptyTime = hours;
    return record;
}

TEST(DataSheetPdf, SurfaceAreaAndWarningOfTheTrench) {
    struct Case {
        bool base;
        double hours;
        const char* limit;
        const char* surface;
        const char* warning;
    };
    const char* warned = "WARNING! HALF EMPTY TIME EXCEEDS 24hour LIMIT!";
    for (const Case& c : {Case{false, 24.0, "48", "15.9 metres squared", ""},
                          Case{true, 24.01, "48", "21.9 metres squared", warned}}) {
        const std::vector<PdfWord> words = render(trench(c.base, c.hours, c.limit));
        EXPECT_EQ(lineAt(words, 156.9, 67.7 - kTolerance), c.surface);
        EXPECT_EQ(lineAt(words, 150.5, 80), c.warning) << c.hours << " h";
    }
}

// A trench or ring these inputs cannot have: the notice takes the place of the values it makes
// meaningless, on two lines within the box, and no stale value is printed.
TEST(DataSheetPdf, ANoticeReplacesTheValuesOfASoakawayThatCannotBeBuilt) {
    DesignRecord record = trench(false, 2.13, "24");
    record.place(Field::lbltime, "2.13");
    record.place(Field::rvdia, "900");
    record.place(Field::rvdepth, "2.18");
    record.place(Field::rvhalf, "6.25");
    record.style(Field::lblwid) = kWarningStyle;
    const std::string trenchText =
        "No storage is needed: the soil takes this storm through the trench's sides at this "
        "length. Shorten the trench or check the inputs.";
    const std::string ringText =
        "No storage is needed: the soil takes this storm through the ring's base alone. Check "
        "the inputs, or leave the base out of the calculation in the design options.";
    record.notice(Notice::lbltrenchnotice) = {true, trenchText};
    record.notice(Notice::lblringnotice) = {true, ringText};
    const std::vector<PdfWord> words = render(record);
    EXPECT_EQ(lineAt(words, 144.2, 80, 130), "Width :-");
    const std::string trenchLines = lineAt(words, 150.5) + " " + lineAt(words, 150.5 + 4.2);
    EXPECT_EQ(trenchLines, trenchText);
    EXPECT_EQ(lineAt(words, 261.4, 80), "");
    EXPECT_EQ(lineAt(words, 261.4, 0, 80), "900");
    EXPECT_EQ(lineAt(words, 270.9) + " " + lineAt(words, 270.9 + 4.2), ringText);
    for (const PdfWord& w : words) EXPECT_LE(w.right, 195.0) << w.text;
}

TEST(DataSheetPdf, FailedRingsShowFailInBothColumnsAndUnsavedProjectsNoFileName) {
    DesignRecord record;
    for (std::size_t row = 1; row <= 9; ++row) {
        const bool fails = row <= 2;
        record.ring.cells[row][1] = fails ? "        Fail" : "        1.5";
        record.ring.cells[row][2] = fails ? "        Fail" : "        7.25";
    }
    record.ring.cells[9] = {"         2700", "", ""};  // never computed
    record.CurrentFileName = " ";
    const std::vector<PdfWord> words = render(record);
    EXPECT_EQ(lineAt(words, 184.9), "900 Fail Fail");
    EXPECT_EQ(lineAt(words, 191.3), "1050 Fail Fail");
    EXPECT_EQ(lineAt(words, 197.9), "1200 1.5 7.25");
    EXPECT_EQ(lineAt(words, 236.0), "2700");
    EXPECT_EQ(lineAt(words, 280.5, 0, 100), "");
}

}  // namespace
}  // namespace varnholt

// The page is drawn with Qt Gui, which makes PDFs without a screen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
