// Guards the DXF files of the standard drawings: read back as a CAD program reads them, they
// hold every shape of the description, on declared layers, inside the extents in their header,
// in the C locale's number form; and the files the build puts beside the program open the same.
#include "output/drawings/dxf_writer.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "dxf_reader.h"
#include "german_locale.h"
#include "output/drawings/standard_drawings.h"

namespace varnholt::drawings {
namespace {

using testing::DxfFile;

DxfFile written(const Drawing& drawing) {
    std::stringstream out;
    writeDxf(out, drawing);
    return testing::readDxf(out);
}

// Every entity's points lie within the header's extents, and the extents are those of a
// section a few metres across, not of a stray point far away.
void expectSane(const DxfFile& f, const std::string& name) {
    EXPECT_TRUE(f.faults.empty()) << name << ": " << f.faults.front();
    EXPECT_EQ(f.sections, (std::vector<std::string>{"HEADER", "TABLES", "BLOCKS", "ENTITIES"}))
        << name;
    EXPECT_EQ(f.headerText.at("$ACADVER"), "AC1009") << name;
    const auto [minX, minY] = f.headerPoints.at("$EXTMIN");
    const auto [maxX, maxY] = f.headerPoints.at("$EXTMAX");
    EXPECT_GT(maxX - minX, 5000) << name;
    EXPECT_LT(maxX - minX, 20000) << name;
    EXPECT_GT(maxY - minY, 3000) << name;
    EXPECT_LT(maxY - minY, 8000) << name;
    for (const DxfFile::Entity& e : f.entities) {
        if (e.type != "SEQEND") {
            EXPECT_TRUE(f.layers.count(e.layer)) << name << ": " << e.type << " on " << e.layer;
        }
        for (const auto& [x, y] : e.points) {
            if (e.type == "POLYLINE") continue;  // its own point is only a placeholder
            EXPECT_TRUE(x >= minX - 1e-6 && x <= maxX + 1e-6 && y >= minY - 1e-6 &&
                        y <= maxY + 1e-6)
                << name << ": " << e.type << " at " << x << ", " << y;
        }
    }
}

TEST(DrawingDxf, HoldsEveryShapeOfTheDescription) {
    for (StandardDrawing which : standardDrawings) {
        const Drawing drawing = standardDrawing(which);
        const DxfFile f = written(drawing);
        expectSane(f, fileBaseName(which));

        std::map<std::string, int> expected;
        for (const Entity& e : drawing.entities) {
            if (const auto* p = std::get_if<Polyline>(&e.shape)) {
                ++expected["POLYLINE"];
                expected["VERTEX"] += static_cast<int>(p->points.size());
                ++expected["SEQEND"];
            } else {
                const char* types[] = {"LINE", "POLYLINE", "CIRCLE", "SOLID", "TEXT"};
                ++expected[types[e.shape.index()]];
            }
        }
        EXPECT_EQ(f.countByType(), expected) << fileBaseName(which);
        std::set<std::string> layers{"0"};
        for (const Layer& l : drawing.layers) layers.insert(l.name);
        EXPECT_EQ(f.layers, layers);

        std::vector<std::string> texts;
        std::vector<std::string> expectedTexts;
        for (const DxfFile::Entity& e : f.entities)
            if (e.type == "TEXT") {
                texts.push_back(e.text);
                EXPECT_GT(e.height, 0) << e.text;
            }
        for (const Entity& e : drawing.entities)
            if (const auto* t = std::get_if<Text>(&e.shape)) expectedTexts.push_back(t->text);
        EXPECT_EQ(texts, expectedTexts);
    }
}

TEST(DrawingDxf, NumbersKeepTheirPointInACommaLocale) {
    // The program runs in the user's locale; a decimal comma would make every number unreadable.
    DxfFile f;
    {
        const testing::GermanLocale german;
        if (!german.inForce()) GTEST_SKIP() << "localedef could not build a German locale here";
        f = written(standardDrawing(StandardDrawing::ring));
    }
    expectSane(f, "ring");
}

TEST(DrawingDxf, FilesBesideTheProgramOpen) {
    const std::filesystem::path folder = VARNHOLT_PROGRAM_FILES_DIR;
    for (StandardDrawing which : standardDrawings) {
        std::ifstream in(folder / (fileBaseName(which) + ".dxf"), std::ios::binary);
        ASSERT_TRUE(in) << fileBaseName(which) << ".dxf was not written by the build";
        const DxfFile f = testing::readDxf(in);
        expectSane(f, fileBaseName(which));
        EXPECT_EQ(f.countByType(), written(standardDrawing(which)).countByType());
    }
}

}  // namespace
}  // namespace varnholt::drawings
