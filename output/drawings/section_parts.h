#pragma once

#include "sketch.h"

namespace varnholt::drawings {

// The layers every standard section uses, one per material or purpose.
struct SectionLayers {
    std::size_t ground;     // ground level, faces of the excavation
    std::size_t earth;      // natural ground symbols
    std::size_t concrete;   // concrete outlines
    std::size_t hatching;   // aggregate, brick hatching and bed joints
    std::size_t brickwork;  // brick outlines
    std::size_t fill;       // type 1 stones
    std::size_t membrane;   // geotextile
    std::size_t pipe;
    std::size_t ironwork;    // covers and frames
    std::size_t annotation;  // notes, leaders, titles
};
SectionLayers addSectionLayers(Sketch& sketch);

// Text heights of the standard sheets, in millimetres of the section.
struct TextHeights {
    double note;
    double title;
};

// A manhole cover in its frame, standing on the ground line at `centreX`; the frame's
// flanges span `flangeWidth` on each side of the clear opening.
void coverAndFrame(Sketch& s, const SectionLayers& l, double centreX, double groundY,
                   double clearOpening, double flangeWidth);

// A 600 x 600 mm precast concrete cover with two lifting hooks, its top at ground level.
void liftingCover(Sketch& s, const SectionLayers& l, double centreX, double groundY);

// A pipe in long section between two stations; perforations are shown as rows of holes.
void horizontalPipe(Sketch& s, const SectionLayers& l, double fromX, double toX, double invert,
                    double diameter, bool perforated);

// A vertical pipe from a horizontal pipe's crown up to `topY`; its outer wall turns into the
// horizontal pipe's end as a bend does.
void verticalPipe(Sketch& s, const SectionLayers& l, double centreX, double fromY, double topY,
                  double diameter);

// The type 1 fill of a trench wrapped in geotextile, with compacted backfill up to ground level.
void trenchBody(Sketch& s, const SectionLayers& l, const Box& fill, double groundY);

// The title under a section, with an optional line of notes below it.
void sectionTitle(Sketch& s, const SectionLayers& l, Point at, const TextHeights& h,
                  const std::string& title, const std::string& notes = {});

}  // namespace varnholt::drawings
