#pragma once

class QPagedPaintDevice;
class QWidget;

namespace varnholt::drawings {

// Prints the image of the widget at the top-left of the page at the physical size it has on
// screen: scaled by the ratio of the device's resolution to the screen's. False when the
// device could not be opened.
bool printWidgetImage(QWidget& widget, QPagedPaintDevice& device);

}  // namespace varnholt::drawings
