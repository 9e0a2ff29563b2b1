// The critical storm and design-check records with typed texts of any length: each project
// line keeps to its line, set smaller down to 7 pt and then cut with an ellipsis, and every
// other word of the record stays where it is with short texts, on the page.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

#include "output/critical/critical_report.h"
#include "output/critical/design_check_report.h"
#include "pdf_words.h"
#include "started_design.h"
#include "tools/critical_storm_logic.h"
#include "tools/design_check_logic.h"

namespace varnholt {
namespace {

using testing::PdfWord;

std::vector<PdfWord> words(report::Report report) {
    QTemporaryDir dir;
    const QString path = dir.filePath("record.pdf");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(report.toPdf());
    file.close();
    // The first page, where every project line stands; a later page has words of its own in
    // the same places.
    return testing::pdfWords(path.toStdString(), 1);
}

using Record = std::function<report::Report(const DesignRecord&)>;

report::Report critical(const DesignRecord& record) {
    CriticalStormLogic logic;
    EXPECT_TRUE(logic.calculate(record)) << logic.error();
    return criticalStormReport(record, logic.site, *logic.table());
}

report::Report designCheck(const DesignRecord& record) {
    DesignCheckLogic logic;
    EXPECT_TRUE(logic.calculate(record)) << logic.error();
    return designCheckReport(record, logic.inputs, *logic.check());
}

// A trench sized with the short texts "Mill Lane", "ML-1" and "J. Checker".
std::vector<PdfWord> render(const Record& record, Field field, const std::string& text) {
    Design design;
    testing::start(design);
    testing::enterWorkedInputs(design);
    testing::enter(design, {{Field::txtdepth, "1.5"},
                            {Field::lblwid, "0.5"},
                            {Field::txtlength, "10"},
                            {Field::projtit, "Mill Lane"},
                            {Field::projnum, "ML-1"},
                            {Field::desname, "J. Checker"}});
    if (!text.empty()) design.write(field, text);
    return words(record(design.record()));
}

bool overlap(const PdfWord& a, const PdfWord& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(RecordTitles, ATextOfAnyLengthKeepsToItsLineAndMovesNothingElse) {
    std::string words5000;
    while (words5000.size() < 5000) words5000 += "Extension to the Old Mill Lane Depot ";
    words5000.resize(5000);
    const std::string solid(5000, 'N');
    struct Case {
        const char* name;
        Record record;
        Field field;
        const char* shortText;
        std::string longText;
    };
    const Case cases[] = {
        {"critical storm, title", critical, Field::projtit, "Mill", words5000},
        {"critical storm, number", critical, Field::projnum, "ML-1", solid},
        {"critical storm, designer", critical, Field::desname, "J.", words5000},
        {"design check, title", designCheck, Field::projtit, "Mill", words5000},
        {"design check, title without spaces", designCheck, Field::projtit, "Mill", solid},
        {"design check, number", designCheck, Field::projnum, "ML-1", solid},
        {"design check, designer", designCheck, Field::desname, "J.", words5000},
    };
    constexpr double kSevenPoints = 7 * 25.4 / 72;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<PdfWord> shortWords = render(c.record, c.field, "");
        const std::vector<PdfWord> longWords = render(c.record, c.field, c.longText);

        // The short line: its caption and its text, the words the long text replaces.
        const auto first = std::find_if(shortWords.begin(), shortWords.end(),
                                        [&](const PdfWord& w) { return w.text == c.shortText; });
        ASSERT_NE(first, shortWords.end());
        const double lineTop = first->top;
        std::vector<bool> matched(longWords.size(), false);
        for (const PdfWord& w : shortWords) {
            if (std::abs(w.top - lineTop) < 0.5 && w.left < 100) continue;
            bool found = false;
            for (std::size_t i = 0; i < longWords.size() && !found; ++i)
                if (!matched[i] && longWords[i].text == w.text &&
                    std::abs(longWords[i].left - w.left) < 0.05 &&
                    std::abs(longWords[i].top - w.top) < 0.05)
                    found = matched[i] = true;
            EXPECT_TRUE(found) << w.text << " moved from " << w.left << ", " << w.top;
        }
        std::string line;
        for (std::size_t i = 0; i < longWords.size(); ++i) {
            if (matched[i]) continue;
            const PdfWord& w = longWords[i];
            line += (line.empty() ? "" : " ") + w.text;
            EXPECT_GE(w.left, 10 - 0.5) << w.text;
            EXPECT_LE(w.right, 200.1) << w.text;
            EXPECT_GE(w.top, lineTop - 0.5) << w.text;
            EXPECT_LE(w.bottom, lineTop + 4.5) << w.text << ": not on its one line";
            EXPECT_GE(w.bottom - w.top, kSevenPoints) << w.text << ": smaller than 7 pt";
            for (std::size_t j = 0; j < longWords.size(); ++j)
                EXPECT_FALSE(matched[j] && overlap(w, longWords[j]))
                    << w.text << " overlaps " << longWords[j].text;
        }
        EXPECT_TRUE(line.ends_with("\u2026")) << line;
        EXPECT_NE(line.find(c.longText.substr(0, 20)), std::string::npos) << line;
    }
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
