#include "report.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "page_painter.h"

namespace varnholt::report {

void Report::render(QPainter& painter) {
    if (beforeRender) beforeRender(page_);
    paintPage(page_, painter);
}

QByteArray Report::toPdf() {
    // Filled first, so that a hook that throws leaves no half-made document behind.
    if (beforeRender) beforeRender(page_);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title_);
        writer.setCreator(QStringLiteral("Varnholt"));
        writer.setPageSize(QPageSize(page_.size, QPageSize::Millimeter));
        writer.setPageOrientation(QPageLayout::Portrait);
        // The layout is measured from the corner of the paper.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter(&writer);
        paintPage(page_, painter);
    }
    return bytes;
}

}  // namespace varnholt::report
