#include "detail_pages.h"

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "field_edit.h"
#include "fitted_table.h"
#include "qt_colour.h"
#include "scrolling_page.h"
#include "spin_buttons.h"

namespace varnholt {

namespace {
QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

}  // namespace

DetailPages::DetailPages(DesignSession& session, QWidget* parent)
    : QTabWidget(parent), session_(session) {
    setObjectName(QStringLiteral("pcdetail"));
    addTab(scrollingPage(buildTrenchPage()), QStringLiteral("Trench Soakaway"));
    addTab(scrollingPage(buildRingPage()), QStringLiteral("Ring Soakaway"));
    setMinimumWidth(50);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (syncing_) return;
        const DetailPage page = index == 0 ? DetailPage::tstrench : DetailPage::tsring;
        session_.act([&] { session_.design().switchPage(page); });
    });
    sync();
}

FieldEdit* DetailPages::edit(Field f, QWidget* parent) {
    auto* e = new FieldEdit(f, session_, parent);
    edits_.push_back(e);
    return e;
}

QLabel* DetailPages::notice(Notice n, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(qs(nameOf(n)));
    label->setText(qs(session_.record().notice(n).text));
    label->hide();
    notices_.emplace_back(n, label);
    return label;
}

// Why the soakaway on show cannot be built: in plain words, right under its fields.
QLabel* DetailPages::designNotice(Notice n, QWidget* parent) {
    QLabel* label = notice(n, parent);
    applyTextColour(label, colours::red);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(3);
    return label;
}

QWidget* DetailPages::buildTrenchPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tstrench"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    auto* group = new QGroupBox(QStringLiteral("Trench soakaway dimensions"), page);
    pageLayout->addWidget(group);
    auto* grid = new QGridLayout(group);

    QLabel* base = notice(Notice::lblbaseincluded, group);
    applyTextColour(base, colours::blue);
    QFont bold = base->font();
    bold.setBold(true);
    base->setFont(bold);
    grid->addWidget(base, 0, 0, 1, 3, Qt::AlignRight);

    int row = 1;
    auto dimension = [&](const char* label, Field f, const char* spinName) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), group), row, 0);
        FieldEdit* e = edit(f, group);
        grid->addWidget(e, row, 1);
        auto* spin = new SpinButtons(QString::fromLatin1(spinName), group);
        connect(spin, &SpinButtons::up, this,
                [this, f] { session_.act([&] { session_.design().stepUp(f); }); });
        connect(spin, &SpinButtons::down, this,
                [this, f] { session_.act([&] { session_.design().stepDown(f); }); });
        grid->addWidget(spin, row, 2);
        ++row;
    };
    dimension("Length (metres)", Field::txtlength, "sblength");
    dimension("Depth (metres)", Field::txtdepth, "sbdepth");
    dimension("Width (metres)", Field::lblwid, "sbwidth");

    grid->addWidget(new QLabel(QStringLiteral("Half Empty Time (hours)"), group), row, 0);
    FieldEdit* time = edit(Field::lbltime, group);
    time->setReadOnly(true);
    time->setFocusPolicy(Qt::NoFocus);
    time->setStyled(true);
    grid->addWidget(time, row++, 1);

    QLabel* warning = notice(Notice::trenchwarning, group);
    applyTextColour(warning, colours::red);
    warning->setWordWrap(true);
    grid->addWidget(warning, row++, 0, 1, 3);
    grid->addWidget(designNotice(Notice::lbltrenchnotice, group), row++, 0, 1, 3);

    for (Notice n : {Notice::lblfiltwarning, Notice::lblfiltflow}) {
        QLabel* label = notice(n, group);
        applyTextColour(label, colours::blue);
        label->setWordWrap(true);
        grid->addWidget(label, row++, 0, 1, 3);
    }
    grid->setRowStretch(row++, 1);
    QLabel* notFilter = notice(Notice::lblfiltertrench, group);
    notFilter->setWordWrap(true);
    grid->addWidget(notFilter, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* DetailPages::buildRingPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsring"));
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    auto* group = new QGroupBox(QStringLiteral("Precast Concrete Ring Soakaway"), page);
    pageLayout->addWidget(group);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 4, 4, 4);

    pcring_ = new FittedTable(RingDesign::kRows, {95, 86, 103}, group);
    pcring_->setObjectName(QStringLiteral("PCring"));
    QFont small = pcring_->font();
    small.setPointSize(8);
    pcring_->setFont(small);
    pcring_->horizontalHeader()->setFont(small);
    pcring_->verticalHeader()->hide();
    pcring_->setSelectionBehavior(QAbstractItemView::SelectRows);
    pcring_->setSelectionMode(QAbstractItemView::SingleSelection);
    pcring_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pcring_->setTabKeyNavigation(false);  // the arrows choose a ring; the tab key moves on
    const auto& cells = session_.record().ring.cells;
    for (int c = 0; c < 3; ++c)
        pcring_->setHorizontalHeaderItem(c,
                                         new QTableWidgetItem(QString::fromStdString(cells[0][c])));
    for (int r = 0; r < RingDesign::kRows; ++r) {
        pcring_->setRowHeight(r, r == 0 || r == 5 ? 19 : 20);
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem;
            item->setForeground(Qt::black);
            if (c == 0) item->setBackground(palette().button());  // the fixed first column
            pcring_->setItem(r, c, item);
        }
    }
    connect(pcring_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previous, int) {
                // Keys move the selection here; a click is handled once, below.
                if (!syncing_ && row >= 0 && row != previous &&
                    QApplication::mouseButtons() == Qt::NoButton)
                    ringRowChosen(row);
            });
    connect(pcring_, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (!syncing_) ringRowChosen(row);
    });
    layout->addWidget(pcring_, 1);

    auto* panel = new QWidget(group);
    panel->setObjectName(QStringLiteral("ringvariable"));
    panel->setFixedHeight(60);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(QStringLiteral("<u>Variable Ring Design</u>"), panel);
    grid->addWidget(heading, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Diameter (mm)"), panel), 1, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Depth (m)"), panel), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Half Empty (hrs)"), panel), 1, 3);
    struct Panel {
        Field field;
        int column, width;
    };
    for (const Panel& p :
         {Panel{Field::rvdia, 0, 65}, {Field::rvdepth, 2, 57}, {Field::rvhalf, 3, 57}}) {
        FieldEdit* e = edit(p.field, panel);
        e->setReadOnly(true);
        e->setFixedWidth(p.width);
        e->setStyled(true);
        grid->addWidget(e, 2, p.column);
    }
    auto* sbringdia = new SpinButtons(QStringLiteral("sbringdia"), panel);
    connect(sbringdia, &SpinButtons::up, this,
            [this] { session_.act([this] { session_.design().stepRingDiameter(true); }); });
    connect(sbringdia, &SpinButtons::down, this,
            [this] { session_.act([this] { session_.design().stepRingDiameter(false); }); });
    grid->addWidget(sbringdia, 2, 1);
    grid->setColumnStretch(4, 1);
    layout->addWidget(panel);
    layout->addWidget(designNotice(Notice::lblringnotice, group));
    return page;
}

void DetailPages::ringRowChosen(int tableRow) {
    session_.act([&] { session_.design().chooseRingRow(tableRow + 1); });
}

void DetailPages::syncRingTable() {
    const RingDesign& ring = session_.record().ring;
    for (int r = 0; r < RingDesign::kRows; ++r)
        for (int c = 0; c < 3; ++c) {
            const QString text = QString::fromStdString(ring.cells[r + 1][c]);
            QTableWidgetItem* item = pcring_->item(r, c);
            if (item->text() != text) item->setText(text);
        }
    if (pcring_->currentRow() != ring.selectedRow - 1)
        pcring_->setCurrentCell(ring.selectedRow - 1, std::max(0, pcring_->currentColumn()));
}

void DetailPages::sync() {
    syncing_ = true;
    const DesignRecord& record = session_.record();
    const int page = record.detailPage == DetailPage::tstrench ? 0 : 1;
    if (currentIndex() != page) setCurrentIndex(page);
    for (FieldEdit* e : edits_) e->sync();
    for (auto& [n, label] : notices_) {
        const QString text = QString::fromStdString(record.notice(n).text);
        if (label->text() != text) label->setText(text);
        label->setVisible(record.notice(n).visible);
    }
    syncRingTable();
    syncing_ = false;
}

}  // namespace varnholt
