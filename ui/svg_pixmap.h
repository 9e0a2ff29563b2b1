#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace varnholt {

// Renders one of the program's SVG pictures at the size it is shown. Drawing them directly
// avoids loading the icon-engine plugin at start-up, which costs more than the drawing.
QPixmap svgPixmap(const QString& resource, QSize size);
QIcon svgIcon(const QString& resource, QSize size);

}  // namespace varnholt
