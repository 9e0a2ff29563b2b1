#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "report_page.h"

class QPainter;

namespace varnholt::report {

// A one-page report: its layout, its title (the print job's and the preview window's) and
// the hooks around each rendering. The page is filled again by beforeRender every time it is
// rendered, so a report keeps nothing of the data between renderings.
class Report {
public:
    Report(Page layout, QString title) : page_(std::move(layout)), title_(std::move(title)) {}

    const QString& title() const { return title_; }
    const Page& page() const { return page_; }

    std::function<void(Page&)> beforeRender;
    std::function<void()> afterPreview;
    std::function<void()> afterPrint;

    // Runs beforeRender, which may throw to stop the rendering, then paints the page.
    void render(QPainter& painter);
    // The page as a PDF document, in memory.
    QByteArray toPdf();

private:
    Page page_;
    QString title_;
};

}  // namespace varnholt::report
