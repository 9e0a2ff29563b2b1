#include "tools/feh_file_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace varnholt {
namespace {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(VARNHOLT_FEH_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void expectParameters(const std::optional<Feh99Parameters>& read, const Feh99Parameters& p) {
    ASSERT_TRUE(read);
    EXPECT_EQ(read->c, p.c);
    EXPECT_EQ(read->d1, p.d1);
    EXPECT_EQ(read->d2, p.d2);
    EXPECT_EQ(read->d3, p.d3);
    EXPECT_EQ(read->e, p.e);
    EXPECT_EQ(read->f, p.f);
}

void expectTable(const std::optional<DepthTable>& read, const DepthTable& expected) {
    ASSERT_TRUE(read);
    EXPECT_EQ(read->returnPeriods, expected.returnPeriods);
    EXPECT_EQ(read->durations, expected.durations);
    EXPECT_EQ(read->depths, expected.depths);
}

TEST(FehFileReader, ReadsEveryGroupOfTheMaunExport) {
    const FehFile file = readFehFile(dataFile("028115-maun-at-mansfield.xml"), "maun.xml");
    expectParameters(file.catchmentFeh99, {-0.02575, 0.34137, 0.38734, 0.29204, 0.30397, 2.4102});
    expectParameters(file.pointFeh99, {-0.026, 0.316, 0.395, 0.301, 0.304, 2.417});
    EXPECT_TRUE(file.refusedGroups.empty());
    const struct {
        const std::optional<DepthTable>& table;
        double first, last;
    } tables[] = {{file.feh13, 3, 346.3}, {file.feh22, 3.2, 326.7}};
    for (const auto& t : tables) {
        ASSERT_TRUE(t.table);
        const DepthTable& table = *t.table;
        ASSERT_EQ(table.durations.size(), 15u);
        ASSERT_EQ(table.returnPeriods.size(), 22u);
        ASSERT_EQ(table.depths.size(), 15u);
        for (const auto& row : table.depths) EXPECT_EQ(row.size(), 22u);
        EXPECT_EQ(table.durations.front(), 0.083);
        EXPECT_EQ(table.durations.back(), 240);
        EXPECT_EQ(table.returnPeriods.front(), 1.3);
        EXPECT_EQ(table.returnPeriods.back(), 100000);
        EXPECT_EQ(table.depths.front().front(), t.first);
        EXPECT_EQ(table.depths.back().back(), t.last);
    }
    EXPECT_EQ(&fehDepthTable(file, RainfallSourceKind::feh22, "maun.xml"), &*file.feh22);
}

// Its tables fall (the 48-hour row drops to 108 mm at 18000 years; the 12-hour row lies below
// the 6-hour one): they are left out with a message each, and its parameters still stand.
TEST(FehFileReader, KeepsTheParametersOfAnExportWhoseTablesNoRainfallCanGive) {
    const std::string name = "web-service-export-2025.xml";
    const FehFile file = readFehFile(dataFile(name), name);
    expectParameters(file.catchmentFeh99, {-0.03191, 0.57781, 0.46883, 0.3777, 0.30749, 2.56448});
    expectParameters(file.pointFeh99, {-0.039, 0.453, 0.543, 0.288, 0.322, 3.178});
    EXPECT_FALSE(file.feh13);
    EXPECT_FALSE(file.feh22);
    ASSERT_EQ(file.refusedGroups.size(), 2u);
    const struct {
        RainfallSourceKind kind;
        std::string group;
    } groups[] = {{RainfallSourceKind::feh13, "<CatchmentAverageDDF2013Values>"},
                  {RainfallSourceKind::feh22, "<CatchmentAverageDDF2022Values>"}};
    for (const auto& g : groups) {
        try {
            fehDepthTable(file, g.kind, name);
            ADD_FAILURE() << g.group << " was not refused";
        } catch (const FehFileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(name + ", " + g.group + ": ", 0), 0u) << e.what();
        }
    }
}

// The same figures, written in the ways XML allows.
TEST(FehFileReader, ReadsTheFiguresHoweverTheXmlIsWritten) {
    const char* spellings[] = {
        // Plain, under the older root.
        "<FEHCDROMExportedDescriptors>"
        "<CatchmentAverageDDFValues><c>-0.02</c><d1>0.3</d1><d2>0.4</d2><d3>0.25</d3><e>0.3</e>"
        "<f>2.5</f></CatchmentAverageDDFValues>"
        "<CatchmentAverageDDF2013Values><ReturnPeriods>2,100</ReturnPeriods>"
        "<Depths duration=\"1\">10,30</Depths><Depths duration=\"24\">40,90</Depths>"
        "</CatchmentAverageDDF2013Values></FEHCDROMExportedDescriptors>",
        // Byte order mark, declaration, comments, CR LF, tabs, blanks in lists, a default
        // namespace, attributes and self-closing elements passed over.
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!-- exported -->\r\n"
        "<FEHDescriptors xmlns=\"https://fehweb.ceh.ac.uk/descriptors\" version='5.0.2'>\r\n"
        "\t<CatchmentDescriptors><area>30.5</area><CatchmentCentroid x=\"1\"/>"
        "</CatchmentDescriptors>\r\n"
        "\t<CatchmentAverageDDFValues grid=\"GB\">\r\n\t\t<c> -0.02 </c>\r\n\t\t<d1>0.3</d1>"
        "<d2>0.4</d2><d3>0.25</d3><e>0.3</e><f>2.5</f>\r\n\t</CatchmentAverageDDFValues>\r\n"
        "\t<CatchmentAverageDDF2013Values>\r\n\t\t<ReturnPeriods> 2 ,\t100 </ReturnPeriods>\r\n"
        "\t\t<Depths duration = \"1\" >10, 30</Depths>\r\n"
        "\t\t<Depths duration=\"24\">40, 90</Depths>\r\n"
        "\t</CatchmentAverageDDF2013Values>\r\n</FEHDescriptors>\r\n\r\n",
        // Prefixed names, CDATA, references, a comment inside a list, single quotes, and the
        // group names under another element, which are not the file's groups.
        "<x:FEHDescriptors xmlns:x=\"urn:feh\">"
        "<x:GaugingStation><CatchmentAverageDDFValues><c>9</c></CatchmentAverageDDFValues>"
        "</x:GaugingStation>"
        "<x:CatchmentAverageDDFValues><x:c><![CDATA[-0.02]]></x:c><x:d1>&#48;.3</x:d1>"
        "<x:d2>0.&#x34;</x:d2><x:d3>0.25<!-- . --></x:d3><x:e>0.3</x:e><x:f>2.5</x:f>"
        "</x:CatchmentAverageDDFValues>"
        "<x:CatchmentAverageDDF2013Values><x:ReturnPeriods><![CDATA[2,]]>100</x:ReturnPeriods>"
        "<x:Depths duration='&#49;'>10,<!-- 20, -->30</x:Depths>"
        "<x:Depths duration=\"24\"><![CDATA[40, 90]]></x:Depths>"
        "</x:CatchmentAverageDDF2013Values></x:FEHDescriptors>",
    };
    for (const char* xml : spellings) {
        SCOPED_TRACE(xml);
        const FehFile file = readFehFile(xml, "site.xml");
        expectParameters(file.catchmentFeh99, {-0.02, 0.3, 0.4, 0.25, 0.3, 2.5});
        expectTable(file.feh13, {{2, 100}, {1, 24}, {{10, 30}, {40, 90}}});
        EXPECT_FALSE(file.pointFeh99);
        EXPECT_FALSE(file.feh22);
    }
}

TEST(FehFileReader, ReadsACsvTableForBothTableSources) {
    const char* spellings[] = {
        "hours,2,100\n1,10,30\n24,40,90\n",
        ",2,100\n1,10,30\n24,40,90",
        "\xEF\xBB\xBF\"Duration, hours\" , 2 , 100\r\n 1 , 10 , 30 \r\n24,40,90,,\r\n\r\n \r\n",
    };
    for (const char* csv : spellings) {
        SCOPED_TRACE(csv);
        const FehFile file = readFehFile(csv, "table.csv");
        const DepthTable expected{{2, 100}, {1, 24}, {{10, 30}, {40, 90}}};
        expectTable(file.feh13, expected);
        expectTable(file.feh22, expected);
        EXPECT_FALSE(file.catchmentFeh99);
    }
}

TEST(FehFileReader, RefusesWhatIsNoFehFileNamingWhereAndWhy) {
    const std::string group =
        "<CatchmentAverageDDF2013Values>\n<ReturnPeriods>2, 100</ReturnPeriods>\n";
    const struct {
        std::string name, contents, message;
    } cases[] = {
        {"empty.xml", "\xEF\xBB\xBF \r\n", "empty.xml: the file is empty"},
        {"big.xml", std::string(kMostFehFileBytes + 1, ' '),
         "big.xml: the file is larger than 4 MB, far more than an FEH file holds"},
        {"page.xml", "<html><body/></html>",
         "page.xml: no FEH descriptors: the root element is <html>, not <FEHDescriptors> or "
         "<FEHCDROMExportedDescriptors>"},
        {"maun.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE x [<!ENTITY a \"b\">]>\n<FEHDescriptors/>",
         "maun.xml, line 2: a <!DOCTYPE> is not read: an FEH file has none"},
        {"maun.xml", "<FEHDescriptors>\n" + group + "<Depths duration=\"1\">10, 3\n",
         "maun.xml, line 4: the file ends inside <Depths>, opened on line 4"},
        {"maun.xml", "<FEHDescriptors>\n<PointDDFValues>\n<c_1_km>1</c_1_km>\n</PointDDFvalues>",
         "maun.xml, line 4: </PointDDFvalues> does not close <PointDDFValues>, opened on line 2"},
        {"maun.xml", "<FEHDescriptors>\n<c>1 &nbsp;</c></FEHDescriptors>",
         "maun.xml, line 2: '&nbsp;' is not one of XML's own entities (lt, gt, amp, quot, apos)"},
        {"maun.xml", "<FEHDescriptors><CatchmentDescriptors/></FEHDescriptors>",
         "maun.xml holds no DDF parameters and no depth table"},
        {"maun.xml", "<FEHDescriptors>\n" + group + "<Depths duration=\"1\">10, x</Depths>\n",
         "maun.xml, line 4, <Depths duration=\"1\">: 'x' is not a number"},
        {"maun.xml", "<FEHDescriptors>\n" + group + "<Depths duration=\"abc\">10, 30</Depths>\n",
         "maun.xml, line 4, <Depths duration=\"abc\">: the duration must be a number of hours"},
        {"maun.xml",
         "<FEHDescriptors>\n" + group +
             "<Depths duration=\"1\">10, 20, 30</Depths>\n</CatchmentAverageDDF2013Values>"
             "</FEHDescriptors>",
         "maun.xml, line 4, <Depths duration=\"1\">: 3 depths for 2 return periods"},
        {"maun.xml",
         "<FEHDescriptors>\n<CatchmentAverageDDFValues>\n<c>-0.02</c><d1>0.3</d1>\n<d2>NaN</d2>",
         "maun.xml, line 4, <d2>: 'NaN' is not a number"},
        {"maun.xml",
         "<FEHDescriptors>\n<CatchmentAverageDDFValues>\n<c>-0.02</c><d1>0.3</d1><d2>0.4</d2>"
         "<e>0.3</e><f>2.5</f>\n</CatchmentAverageDDFValues></FEHDescriptors>",
         "maun.xml, line 2, <CatchmentAverageDDFValues>: d3 is missing"},
        {"maun.xml", "<FEHDescriptors>\n<PointDDFValues>\n<c_1_km>1</c_1_km>\n<c_1_km>1</c_1_km>",
         "maun.xml, line 4, <c_1_km>: c_1_km is given twice; first on line 3"},
        {"table.csv", "hours,2,10,30,100\n1,10,20,30,40\n2,11,21,31,41,51\n",
         "table.csv, line 3: 5 depths for 4 return periods"},
        {"table.csv", "hours,2,100\n1,10,3O\n", "table.csv, line 2: '3O' is not a number"},
        {"table.csv", "hours;2;100\n1;10;30\n",
         "table.csv, line 1: no return periods: the first row holds a label and then the return "
         "periods in years, separated by commas"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents.substr(0, 200));
        try {
            readFehFile(c.contents, c.name);
            ADD_FAILURE() << "not refused";
        } catch (const FehFileError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
    // Why no rainfall gives a table is the engine's to say; the reader names the file.
    try {
        readFehFile("hours,2,100\n1,30,10\n", "table.csv");
        ADD_FAILURE() << "a falling table was not refused";
    } catch (const FehFileError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("table.csv: ", 0), 0u) << e.what();
    }
}

}  // namespace
}  // namespace varnholt
