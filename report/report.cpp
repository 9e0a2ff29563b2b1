#include "report.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "page_painter.h"

namespace varnholt::report {

void Report::paintAll(QPainter& painter, QPagedPaintDevice& device) const {
    paintPage(page_, painter);
    for (const Page& page : more_) {
        device.newPage();
        paintPage(page, painter);
    }
}

void Report::render(QPainter& painter, QPagedPaintDevice& device) {
    if (beforeRender) beforeRender(page_);
    paintAll(painter, device);
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
        paintAll(painter, writer);
    }
    return bytes;
}

}  // namespace varnholt::report
