#include "critical_storm_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "output/critical/critical_report.h"
#include "project/qt/atomic_file.h"
#include "report/report_printing.h"

namespace varnholt {

namespace {

// Paints the plot of whatever table the logic holds.
class StormPlot : public QWidget {
public:
    explicit StormPlot(const CriticalStormLogic& logic, QWidget* parent)
        : QWidget(parent), logic_(logic) {
        setObjectName(QStringLiteral("stormplot"));
        setMinimumSize(420, 200);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (logic_.table()) paintCriticalStormPlot(painter, QRectF(rect()), *logic_.table());
    }

private:
    const CriticalStormLogic& logic_;
};

QLineEdit* field(const char* name, const char* text, QWidget* parent) {
    auto* e = new QLineEdit(QString::fromLatin1(text), parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

}  // namespace

CriticalStormDialog::CriticalStormDialog(DesignSession& session, QWidget* parent)
    : QDialog(parent), session_(session), m560_(field("txtm560", "20", this)),
      ratio_(field("txtratio", "0.3", this)), region_(new QComboBox(this)),
      allowance_(field("txtallowance", "0", this)), table_(new QTableWidget(this)),
      plot_(new StormPlot(logic_, this)), problem_(new QLabel(this)) {
    setObjectName(QStringLiteral("Tfrmcriticalstorm"));
    setWindowTitle(QStringLiteral("Critical Storm Duration"));
    setModal(true);
    region_->setObjectName(QStringLiteral("cbregion"));
    region_->addItems({QStringLiteral("England and Wales"), QStringLiteral("Scotland and N Ireland")});

    auto* inputs = new QFormLayout;
    inputs->addRow(QStringLiteral("M5-60 rainfall (mm)"), m560_);
    inputs->addRow(QStringLiteral("Ratio r (0.12 to 0.45)"), ratio_);
    inputs->addRow(QStringLiteral("Region"), region_);
    inputs->addRow(QStringLiteral("Climate change allowance (%)"), allowance_);

    table_->setObjectName(QStringLiteral("sgstorms"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->hide();
    problem_->setObjectName(QStringLiteral("lblproblem"));
    problem_->setStyleSheet(QStringLiteral("color: red"));
    problem_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    auto* use = buttons->addButton(QStringLiteral("Use in Design"), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("btnuse"));
    auto* pdf = buttons->addButton(QStringLiteral("Save as PDF"), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("btnpdf"));
    auto* printButton = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("btnprint"));
    auto* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnclose"));
    connect(use, &QPushButton::clicked, this, &CriticalStormDialog::useInDesign);
    connect(pdf, &QPushButton::clicked, this, &CriticalStormDialog::savePdf);
    connect(printButton, &QPushButton::clicked, this, &CriticalStormDialog::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(problem_);
    layout->addWidget(table_, 1);
    layout->addWidget(plot_, 1);
    layout->addWidget(buttons);
    for (QLineEdit* e : {m560_, ratio_, allowance_})
        connect(e, &QLineEdit::textEdited, this, &CriticalStormDialog::recalculate);
    connect(region_, &QComboBox::currentIndexChanged, this, &CriticalStormDialog::recalculate);
    resize(760, 640);
}

void CriticalStormDialog::openModal() {
    recalculate();
    exec();
}

void CriticalStormDialog::recalculate() {
    problem_->clear();
    StormSite& site = logic_.site;
    try {
        site.m560Rainfall = parseNumber(m560_->text().toStdString());
        site.ratio = parseNumber(ratio_->text().toStdString());
        site.allowancePercent = parseNumber(allowance_->text().toStdString());
    } catch (const std::exception& e) {
        problem_->setText(QString::fromStdString(e.what()));
    }
    site.region = region_->currentIndex() == 1 ? Region::scotlandAndNIreland
                                                : Region::englandAndWales;
    const DesignRecord& record = session_.record();
    if (problem_->text().isEmpty() && !logic_.calculate(record))
        problem_->setText(QString::fromStdString(logic_.error()));
    if (!problem_->text().isEmpty()) {
        // No table from inputs it refused: the last one would no longer match them.
        CriticalStormLogic fresh;
        fresh.site = site;
        logic_ = fresh;
    }

    const auto& headings = CriticalStormLogic::headings();
    table_->clear();
    table_->setColumnCount(int(headings.size()));
    for (std::size_t c = 0; c < headings.size(); ++c)
        table_->setHorizontalHeaderItem(int(c), new QTableWidgetItem(QString::fromStdString(headings[c])));
    const auto& t = logic_.table();
    table_->setRowCount(t ? int(t->rows.size()) : 0);
    if (t) {
        // The storm that needs the longest trench marks the trench's columns, the one that
        // needs the deepest ring the ring's; the storm columns belong to both.
        constexpr int kFirstRingColumn = 9;
        constexpr int kFirstTrenchColumn = 6;
        for (std::size_t r = 0; r < t->rows.size(); ++r) {
            const auto cells = CriticalStormLogic::cells(t->rows[r]);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
                const int column = int(c);
                const bool storm = column < kFirstTrenchColumn;
                const bool trench = r == t->trenchGoverning &&
                                    (storm || column < kFirstRingColumn);
                const bool ring = r == t->ringGoverning && (storm || column >= kFirstRingColumn);
                if (trench || ring) {
                    QFont bold = item->font();
                    bold.setBold(true);
                    item->setFont(bold);
                    item->setBackground(QColor(255, 236, 160));
                }
                table_->setItem(int(r), column, item);
            }
        }
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    plot_->update();
}

void CriticalStormDialog::useInDesign() {
    if (!logic_.table()) return;
    if (session_.act([&] { logic_.useInDesign(session_.design()); })) accept();
}

void CriticalStormDialog::savePdf() {
    if (!logic_.table()) return;
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save Critical Storm Record as PDF"), QDir::currentPath(),
        QStringLiteral("PDF Files (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return;
    const QByteArray pdf = criticalStormReport(session_.record(), logic_).toPdf();
    if (auto failed = writeFileAtomically(path.toStdString(), pdf.toStdString()))
        showInformation(this, *failed);
}

void CriticalStormDialog::print() {
    if (!logic_.table()) return;
    report::Report record = criticalStormReport(session_.record(), logic_);
    if (auto failed = report::printReport(record)) showInformation(this, failed->toStdString());
}

}  // namespace varnholt
