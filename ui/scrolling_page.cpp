#include "scrolling_page.h"

#include <QScrollArea>

namespace varnholt {

QScrollArea* scrollingPage(QWidget* page) {
    auto* area = new QScrollArea;
    area->setObjectName(page->objectName());
    page->setObjectName(page->objectName() + QStringLiteral("_contents"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The frame only scrolls: the tab key passes on to the controls it holds.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(page);
    // The page control's own panel shows through, as on a page without scrolling.
    area->viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    return area;
}

}  // namespace varnholt
