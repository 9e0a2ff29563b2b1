#pragma once

class QScrollArea;
class QWidget;

namespace varnholt {

// A page of a page control put in a scroll area: a pane made smaller than the page needs then
// scrolls instead of squeezing its labels and fields until they are cut. The scroll area takes
// the page's name; the page keeps it with "_contents" added.
QScrollArea* scrollingPage(QWidget* page);

}  // namespace varnholt
