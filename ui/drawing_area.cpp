#include "drawing_area.h"

#include <QLabel>

#include "qt_colour.h"

namespace varnholt {

DrawingArea::DrawingArea(DesignSession& session, QWidget* parent)
    : QWidget(parent), session_(session), lblfttrench_(new QLabel(this)),
      lblringwarning_(new QLabel(this)) {
    setObjectName(QStringLiteral("drawingarea"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    lblfttrench_->setObjectName(QStringLiteral("lblfttrench"));
    applyTextColour(lblfttrench_, colours::blue);
    QFont underlined = lblfttrench_->font();
    underlined.setUnderline(true);
    lblfttrench_->setFont(underlined);

    lblringwarning_->setObjectName(QStringLiteral("lblringwarning"));
    applyTextColour(lblringwarning_, colours::red);
    sync();
}

void DrawingArea::sync() {
    const DesignRecord& record = session_.record();
    for (auto [label, n] : {std::pair{lblfttrench_, Notice::lblfttrench},
                            {lblringwarning_, Notice::lblringwarning}}) {
        label->setText(QString::fromStdString(record.notice(n).text));
        label->adjustSize();
        label->setVisible(record.notice(n).visible);
    }
    placeNotices();
}

void DrawingArea::resizeEvent(QResizeEvent*) { placeNotices(); }

// The pane starts at the splitter's right edge, 8 pixels right of its left edge.
void DrawingArea::placeNotices() {
    lblfttrench_->move(2, 4);
    lblringwarning_->move(2, height() - lblringwarning_->height() - 6);
}

}  // namespace varnholt
