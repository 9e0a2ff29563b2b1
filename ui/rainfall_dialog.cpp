#include "rainfall_dialog.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

#include "factor_grid.h"

namespace varnholt {

namespace {

constexpr int kResultGap = 2;  // between the end of lblZ2 and lblresult
constexpr int kLineGap = 6;    // between the two result lines

QLabel* resultLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A label's height with a line of text in its font.
int lineHeight(const QLabel* label) {
    QLabel sample(QStringLiteral("0mm"));
    sample.setFont(label->font());
    return std::max(sample.sizeHint().height(), label->fontMetrics().height());
}

// Its text's whole advance, the trailing blank included, as lblresult is placed after it.
void fitToText(QLabel* label, int height) {
    const int advance = label->fontMetrics().horizontalAdvance(label->text());
    label->resize(std::max(advance, label->sizeHint().width()), height);
}

}  // namespace

// The size given here holds until the first opening builds the controls; from then on the
// window is as large as they need.
RainfallDialog::RainfallDialog(DesignSession& session, QWidget* parent)
    : FixedDialog(QStringLiteral("Tfrmz1z2"),
                  QStringLiteral("Rainfall Calculations for Z1 and Z2 factors"), QSize(480, 400),
                  parent),
      session_(session) {}

FactorGrid* RainfallDialog::makeGrid(RainfallGrid g, const QString& name, QWidget* parent) {
    std::vector<std::vector<std::string>> cells;
    for (int r = 0; r < RainfallDialogLogic::rowCount(g); ++r) {
        cells.emplace_back();
        for (int c = 0; c < RainfallDialogLogic::columnCount(g); ++c)
            cells.back().push_back(logic_.cell(g, {r, c}));
    }
    auto* grid = new FactorGrid(name, cells, parent);
    const GridCell at = logic_.selected(g);
    grid->showSelected(at.row, at.column);

    connect(grid, &FactorGrid::leftPressed, this, [this, g, grid](int row, int column) {
        logic_.click(g, {row, column});
        const GridCell now = logic_.selected(g);
        grid->showSelected(now.row, now.column);
    });
    connect(grid, &FactorGrid::released, this, [this, g] {
        logic_.mouseReleased(g);
        showResults();
    });
    connect(grid, &FactorGrid::keyMoved, this, [this, g, grid](int row, int column) {
        logic_.keyMoved(g, {row, column});
        const GridCell now = logic_.selected(g);
        grid->showSelected(now.row, now.column);
        showResults();
    });
    return grid;
}

void RainfallDialog::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* group = new QGroupBox(
        QStringLiteral("The basis for this calculation is the M5-60min storm taken as 20mm for "
                       "all parts of the UK."),
        this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    layout->addWidget(group);
    auto* inside = new QVBoxLayout(group);
    inside->setContentsMargins(8, 8, 8, 8);
    inside->setSpacing(10);

    auto* pages = new QTabWidget(group);
    pages->setObjectName(QStringLiteral("pcfactors"));
    auto addPage = [&](RainfallGrid g, const char* page, const char* grid, const char* title) {
        auto* tab = new QWidget(pages);
        tab->setObjectName(QString::fromLatin1(page));
        auto* box = new QVBoxLayout(tab);
        box->setContentsMargins(6, 6, 6, 6);
        box->addWidget(makeGrid(g, QString::fromLatin1(grid), tab), 0,
                       Qt::AlignTop | Qt::AlignHCenter);
        pages->addTab(tab, QString::fromLatin1(title));
    };
    addPage(RainfallGrid::sgz1, "tsz1", "sgz1", "Z1 Factor");
    addPage(RainfallGrid::sgz2, "tsz2", "sgz2", "Z2 Factor");
    inside->addWidget(pages);

    // lblresult follows the end of lblZ2 wherever that falls, so the two lines are placed by
    // hand rather than by a layout.
    auto* results = new QWidget(group);
    results->setObjectName(QStringLiteral("pnlresults"));
    lblZ1_ = resultLabel("lblZ1", results);
    lblZ2_ = resultLabel("lblZ2", results);
    lblresult_ = resultLabel("lblresult", results);
    QFont bold = lblresult_->font();
    bold.setBold(true);
    lblresult_->setFont(bold);
    line_ = std::max(lineHeight(lblZ1_), lineHeight(lblresult_));
    lblZ1_->move(0, 0);
    lblZ2_->move(0, line_ + kLineGap);
    results->setMinimumSize(widestResultLine(), 2 * line_ + kLineGap);
    inside->addWidget(results);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnuse_ = new QPushButton(QStringLiteral("Use in Design"), this);
    btnuse_->setObjectName(QStringLiteral("btnuse"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btncancel"));
    buttons->addWidget(btnuse_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(btnuse_, &QPushButton::clicked, this, &RainfallDialog::useClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);  // as Escape does
    showResults();
    layout->activate();
}

// At least the widest either line of results can be, over every pair of cells, worked from
// its parts rather than from all 2400 pairs: the texts of each Z1 cell, those of each Z2
// factor, and an M10 rainfall of seven of the widest digits. Two-decimal factors times 20 mm
// give at most four decimals, and no product reaches 1000 mm.
int RainfallDialog::widestResultLine() const {
    using L = RainfallDialogLogic;
    const QFontMetrics plain = lblZ1_->fontMetrics();
    const QFontMetrics bold = lblresult_->fontMetrics();
    auto advance = [](const QFontMetrics& metrics, const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    // lblZ2 is "M10-...mm x " followed by the Z2 factor and " = ".
    auto factorAt = [](const std::string& line) { return line.rfind(" x ") + 3; };
    RainfallDialogLogic probe;
    int firstLine = 0, upToFactor = 0, factor = 0;
    for (int r = 1; r < L::rowCount(RainfallGrid::sgz1); ++r)
        for (int c = 1; c < L::columnCount(RainfallGrid::sgz1); ++c) {
            probe.keyMoved(RainfallGrid::sgz1, {r, c});
            firstLine = std::max(firstLine, advance(plain, probe.lblZ1()));
            const std::string& line = probe.lblZ2();
            upToFactor = std::max(upToFactor, advance(plain, line.substr(0, factorAt(line))));
        }
    for (int r = 1; r < L::rowCount(RainfallGrid::sgz2); ++r)
        for (int c = 1; c < L::columnCount(RainfallGrid::sgz2); ++c) {
            probe.keyMoved(RainfallGrid::sgz2, {r, c});
            const std::string& line = probe.lblZ2();
            factor = std::max(factor, advance(plain, line.substr(factorAt(line))));
        }
    int digit = 0;
    for (char d = '0'; d <= '9'; ++d) digit = std::max(digit, bold.horizontalAdvance(QChar(d)));
    const int result = 7 * digit + advance(bold, ".mm");
    // A pixel each side for what kerning inside a part may differ from the whole.
    return std::max(firstLine, upToFactor + factor + kResultGap + result) + 2;
}

void RainfallDialog::showResults() {
    lblZ1_->setText(QString::fromStdString(logic_.lblZ1()));
    lblZ2_->setText(QString::fromStdString(logic_.lblZ2()));
    lblresult_->setText(QString::fromStdString(logic_.lblresult()));
    fitToText(lblZ1_, line_);
    fitToText(lblZ2_, line_);
    fitToText(lblresult_, line_);
    lblresult_->move(lblZ2_->x() + lblZ2_->width() + kResultGap, lblZ2_->y());
    btnuse_->setEnabled(logic_.canUse());
}

void RainfallDialog::useClicked() {
    // The depth is written even when the recalculation it starts stops with a message.
    session_.act([this] { logic_.useInDesign(session_.design()); });
    accept();
}

}  // namespace varnholt
