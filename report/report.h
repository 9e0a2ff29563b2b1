#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

#include "report_page.h"

class QPainter;
class QPagedPaintDevice;

namespace varnholt::report {

// A report of one page, or a few: its layout, its title (the print job's and the preview window's)
// and the hooks around each rendering. The page is filled again by beforeRender every time it is
// rendered, so a report keeps nothing of the data between renderings.
class Report {
public:
    Report(Page layout, QString title) : page_(std::move(layout)), title_(std::move(title)) {}

    const QString& title() const { return title_; }
    const Page& page() const { return page_; }
    // Pages after the first, of the first's size, in order. beforeRender fills the first only.
    const std::vector<Page>& morePages() const { return more_; }
    void addPage(Page page) { more_.push_back(std::move(page)); }

    std::function<void(Page&)> beforeRender;
    std::function<void()> afterPreview;
    std::function<void()> afterPrint;

    // Runs beforeRender, which may throw to stop the rendering, then paints every page on the
    // painter's device, a new sheet for each page after the first.
    void render(QPainter& painter, QPagedPaintDevice& device);
    // The page as a PDF document, in memory.
    QByteArray toPdf();

private:
    void paintAll(QPainter& painter, QPagedPaintDevice& device) const;

    Page page_;
    std::vector<Page> more_;
    QString title_;
};

}  // namespace varnholt::report
