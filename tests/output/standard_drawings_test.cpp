// Guards what the standard drawings say: each names the parts a builder needs, and no note is
// written over another, in the layout the windows and the DXF files share.
#include "output/drawings/standard_drawings.h"

#include <gtest/gtest.h>

namespace varnholt::drawings {
namespace {

// All the drawing's text, lines joined with blanks, so that notes of several lines read whole.
std::string allText(const Drawing& d) {
    std::string joined;
    for (const Entity& e : d.entities)
        if (const auto* t = std::get_if<Text>(&e.shape)) joined += t->text + " ";
    return joined;
}

TEST(StandardDrawings, NameTheirParts) {
    const struct {
        StandardDrawing which;
        std::vector<const char*> phrases;
    } cases[] = {
        {StandardDrawing::ring,
         {"Manhole cover and frame", "Mortar bedding", "Finished road or ground level",
          "1 to 5 courses of class B engineering brickwork",
          "Unperforated precast concrete chamber rings", "Perforated soakaway chamber rings",
          "Geotextile membrane graded for medium to coarse soils", "Hardcore type 1 surround",
          "150 mm thick C20P/40 concrete foundation", "Incoming surface water sewer"}},
        {StandardDrawing::trenchWithSiltTrap,
         {"Type 1 fill", "Geotextile membrane", "Compacted backfill",
          "225 mm dia. clay or plastic perforated pipe", "Vertical rodding pipe",
          "600 x 600 mm concrete cover with lifting hooks", "Silt trap manhole", "Brick courses",
          "Cover and frame", "150 mm C20P/40 concrete foundation", "Incoming surface water sewer"}},
        {StandardDrawing::trench,
         {"Type 1 fill", "Geotextile membrane", "Compacted backfill", "Finished ground level",
          "225 mm dia. clay or plastic perforated pipe", "Vertical pipe",
          "600 x 600 mm concrete cover with lifting hooks", "Inflow from development"}},
    };
    for (const auto& c : cases) {
        const std::string text = allText(standardDrawing(c.which));
        for (const char* phrase : c.phrases)
            EXPECT_NE(text.find(phrase), std::string::npos)
                << fileBaseName(c.which) << ": " << phrase;
    }
}

struct TextBox {
    std::string text;
    double left, bottom, right, top;
};

TEST(StandardDrawings, NotesDoNotOverlap) {
    for (StandardDrawing which : standardDrawings) {
        std::vector<TextBox> boxes;
        for (const Entity& e : standardDrawing(which).entities) {
            const auto* t = std::get_if<Text>(&e.shape);
            if (!t) continue;
            const double w = textWidth(*t);
            const double left = t->align == Align::left     ? t->at.x
                                : t->align == Align::centre ? t->at.x - w / 2
                                                            : t->at.x - w;
            boxes.push_back(
                {t->text, left, t->at.y - 0.2 * t->height, left + w, t->at.y + t->height});
        }
        for (std::size_t i = 0; i < boxes.size(); ++i)
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const TextBox& a = boxes[i];
                const TextBox& b = boxes[j];
                const bool apart = a.right <= b.left || b.right <= a.left || a.top <= b.bottom ||
                                   b.top <= a.bottom;
                EXPECT_TRUE(apart)
                    << fileBaseName(which) << ": '" << a.text << "' runs into '" << b.text << "'";
            }
    }
}

TEST(StandardDrawings, FileNames) {
    EXPECT_EQ(fileBaseName(StandardDrawing::ring), "Ring_Soakaway");
    EXPECT_EQ(fileBaseName(StandardDrawing::trenchWithSiltTrap), "Soakaway_plus_Silttrap");
    EXPECT_EQ(fileBaseName(StandardDrawing::trench), "Trench_Soakaway");
}

}  // namespace
}  // namespace varnholt::drawings
