#include "design_check_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "engine/critical_storm_text.h"
#include "engine/number_text.h"
#include "events_box.h"
#include "output/critical/critical_report.h"
#include "output/critical/design_check_report.h"
#include "output/critical/event_plot.h"
#include "project/qt/atomic_file.h"
#include "rainfall_source_box.h"
#include "report/report_printing.h"
#include "routing_page.h"
#include "tools/design_check_reader.h"
#include "tools/feh_import.h"

namespace varnholt {

namespace {

// The program keeps no stored preferences, so the size is remembered for the run only.
QSize lastSize{900, 820};

// Paints whatever check the logic holds with one of the record's painters.
class CheckPlot : public QWidget {
public:
    using Painter = void (*)(QPainter&, const QRectF&, const DesignCheck&);
    CheckPlot(const char* name, const DesignCheckLogic& logic, Painter paint, QWidget* parent)
        : QWidget(parent), logic_(logic), paint_(paint) {
        setObjectName(QString::fromLatin1(name));
        setMinimumSize(420, 160);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (logic_.check()) paint_(painter, QRectF(rect()), *logic_.check());
    }

private:
    const DesignCheckLogic& logic_;
    Painter paint_;
};

void paintStorms(QPainter& painter, const QRectF& area, const DesignCheck& check) {
    paintCriticalStormPlot(painter, area, check.table);
}

QLineEdit* field(const char* name, QWidget* parent, int width = 70) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(width);
    return e;
}

QTableWidget* tableOf(const char* name, QWidget* parent) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->verticalHeader()->hide();
    return t;
}

}  // namespace

DesignCheckDialog::DesignCheckDialog(DesignSession& session, QWidget* parent)
    : QDialog(parent),
      session_(session),
      source_(new RainfallSourceBox(this)),
      events_(new EventsBox(this)),
      consequence_(new QComboBox(this)),
      groundwater_(field("groundwater", this)),
      top_(field("topdepth", this)),
      building_(field("building", this)),
      leastGroundwater_(field("leastgroundwater", this)),
      leastBuilding_(field("leastbuilding", this)),
      smallArea_(field("smallarea", this, 60)),
      largestArea_(field("largearea", this, 60)),
      table_(tableOf("stormtable", this)),
      plot_(new CheckPlot("stormplot", logic_, paintStorms, this)),
      eventPlot_(new CheckPlot("eventplot", logic_, paintEventPlot, this)),
      routing_(new RoutingPage(logic_, this)),
      checks_(new QGroupBox(QStringLiteral("Checks"), this)),
      summary_(new QLabel(this)),
      problem_(new QLabel(this)),
      notes_(new QLabel(this)) {
    setObjectName(QStringLiteral("designcheck"));
    setWindowTitle(QStringLiteral("Design Check"));
    setModal(true);

    auto* stormTab = new QWidget(this);
    auto* stormTabLayout = new QVBoxLayout(stormTab);
    stormTabLayout->addWidget(table_, 3);
    notes_->setObjectName(QStringLiteral("stormnotes"));
    notes_->setWordWrap(true);
    stormTabLayout->addWidget(notes_);
    stormTabLayout->addWidget(plot_, 2);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("checkpages"));
    tabs->addTab(stormTab, QStringLiteral("Critical Storm"));
    tabs->addTab(eventPlot_, QStringLiteral("Event Storage"));
    tabs->addTab(siteTab(), QStringLiteral("Site and Safety"));
    tabs->addTab(routing_, QStringLiteral("Routing"));

    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setStyleSheet(QStringLiteral("color: red"));
    problem_->setWordWrap(true);
    checks_->setObjectName(QStringLiteral("checks"));
    auto* checkGrid = new QGridLayout(checks_);
    checkGrid->setColumnStretch(2, 1);
    checkGrid->setVerticalSpacing(4);
    summary_->setObjectName(QStringLiteral("summary"));

    auto* buttons = new QDialogButtonBox(this);
    auto* use = buttons->addButton(QStringLiteral("Use in Design"), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("btnuse"));
    use->setToolTip(QStringLiteral(
        "Writes the governing storm's duration and rainfall depth into the design. The urban "
        "creep allowance is not written: type the enlarged area yourself."));
    auto* pdf = buttons->addButton(QStringLiteral("Save as PDF"), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("btnpdf"));
    auto* printButton = buttons->addButton(QStringLiteral("Print"), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("btnprint"));
    auto* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnclose"));
    connect(use, &QPushButton::clicked, this, &DesignCheckDialog::useInDesign);
    connect(pdf, &QPushButton::clicked, this, &DesignCheckDialog::savePdf);
    connect(printButton, &QPushButton::clicked, this, &DesignCheckDialog::print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Everything but the buttons scrolls, so that the window fits a laptop's screen.
    auto* body = new QWidget;
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->addWidget(source_);
    bodyLayout->addWidget(events_);
    bodyLayout->addWidget(problem_);
    bodyLayout->addWidget(tabs, 1);
    bodyLayout->addWidget(checks_);
    bodyLayout->addWidget(summary_);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("checkbody"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(body);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    // The boxes named by a key edit that input; the source box tells of its own.
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        const QString key = e->objectName();
        if (isCheckTextKey(key.toStdString()))
            connect(e, &QLineEdit::textEdited, this,
                    [this, key](const QString& text) { edit(key, text); });
    }
    connect(consequence_, &QComboBox::activated, this, [this](int index) {
        edit(QStringLiteral("consequence"),
             QString::fromLatin1(consequenceKey(static_cast<Consequence>(index))));
    });
    connect(source_, &RainfallSourceBox::edited, this, &DesignCheckDialog::edit);
    connect(routing_, &RoutingPage::edited, this, &DesignCheckDialog::edit);
    connect(source_, &RainfallSourceBox::importAsked, this, &DesignCheckDialog::importFeh);
    table_->setMinimumHeight(160);
    resize(900, 820);
}

// The size the user last left it at, within the screen it opens on.
void DesignCheckDialog::restoreSize() {
    QSize size = lastSize;
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
        // Room for the window's frame and title bar.
        const QSize room = screen->availableGeometry().size() - QSize(16, 48);
        size = size.boundedTo(room);
    }
    resize(size.expandedTo(minimumSizeHint()));
}

void DesignCheckDialog::done(int result) {
    lastSize = size();
    QDialog::done(result);
}

QWidget* DesignCheckDialog::siteTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);

    consequence_->setObjectName(QStringLiteral("consequence"));
    for (std::size_t c = 0; c < kConsequenceCount; ++c)
        consequence_->addItem(QString::fromLatin1(consequenceName(static_cast<Consequence>(c))));

    auto* site = new QGroupBox(QStringLiteral("Site"), tab);
    auto* form = new QFormLayout(site);
    form->addRow(QStringLiteral("Consequence of failure"), consequence_);
    form->addRow(QStringLiteral("Depth to the seasonal high groundwater (m; empty if unknown)"),
                 groundwater_);
    form->addRow(QStringLiteral("Depth from the ground to the top of the soakaway (m)"), top_);
    form->addRow(
        QStringLiteral("Distance to the nearest building foundation (m; empty if unknown)"),
        building_);
    layout->addWidget(site);

    auto* settings = new QGroupBox(QStringLiteral("Settings"), tab);
    auto* grid = new QGridLayout(settings);
    grid->addWidget(new QLabel(QStringLiteral("Least factor of safety (") +
                                   QString::fromLatin1(kFosTableName) + QStringLiteral(")"),
                               settings),
                    0, 0, 1, 4);
    for (std::size_t c = 0; c < kConsequenceCount; ++c) {
        auto* heading =
            new QLabel(QString::fromLatin1(consequenceName(static_cast<Consequence>(c))), settings);
        heading->setWordWrap(true);
        grid->addWidget(heading, 1, int(c) + 1);
    }
    auto* under = new QHBoxLayout;
    under->addWidget(new QLabel(QStringLiteral("Area under"), settings));
    under->addWidget(smallArea_);
    under->addWidget(new QLabel(QStringLiteral("m2"), settings));
    under->addStretch(1);
    grid->addLayout(under, 2, 0);
    auto* upTo = new QHBoxLayout;
    upTo->addWidget(new QLabel(QStringLiteral("From there up to"), settings));
    upTo->addWidget(largestArea_);
    upTo->addWidget(new QLabel(QStringLiteral("m2"), settings));
    upTo->addStretch(1);
    grid->addLayout(upTo, 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("Over that"), settings), 4, 0);
    for (std::size_t b = 0; b < kFosBandCount; ++b)
        for (std::size_t c = 0; c < kConsequenceCount; ++c) {
            const std::string name = "minimumfos" + std::to_string(b + 1) + std::to_string(c + 1);
            fos_[b][c] = field(name.c_str(), settings);
            grid->addWidget(fos_[b][c], int(b) + 2, int(c) + 1);
        }
    auto* least = new QFormLayout;
    least->addRow(QStringLiteral("Least height of the base above the groundwater (m)"),
                  leastGroundwater_);
    least->addRow(QStringLiteral("Least distance from a building foundation (m)"), leastBuilding_);
    grid->addLayout(least, 5, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    layout->addWidget(settings);
    layout->addStretch(1);
    return tab;
}

void DesignCheckDialog::openModal() {
    showTexts();
    recalculate();
    restoreSize();
    exec();
}

void DesignCheckDialog::showTexts() {
    const DesignRecord& record = session_.record();
    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        const std::string key = e->objectName().toStdString();
        if (isCheckTextKey(key)) e->setText(QString::fromStdString(record.checkTexts.text(key)));
    }
    const std::string& consequence = record.checkTexts.text("consequence");
    consequence_->setCurrentIndex(static_cast<int>(Consequence::minorExternal));
    for (std::size_t c = 0; c < kConsequenceCount; ++c)
        if (consequence == consequenceKey(static_cast<Consequence>(c)))
            consequence_->setCurrentIndex(int(c));
    source_->showProject(record);
    routing_->showProject(record);
}

void DesignCheckDialog::edit(const QString& key, const QString& text) {
    session_.design().editCheckText(key.toStdString(), text.toStdString());
    recalculate();
}

void DesignCheckDialog::importFeh() {
    QFileDialog dialog(this, QStringLiteral("Import FEH file"));
    dialog.setObjectName(QStringLiteral("FehOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("FEH files (*.xml *.csv)"));
    dialog.setDirectory(QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    const std::string name = QFileInfo(path).fileName().toStdString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem_->setText(QString::fromStdString(name) + QStringLiteral(" cannot be read: ") +
                          file.errorString());
        return;
    }
    // One byte over the limit is enough for the reader to refuse it.
    const QByteArray contents = file.read(qint64(kMostFehFileBytes) + 1);

    // Taken into copies first: a refusal leaves the project as it was.
    const DesignRecord& record = session_.record();
    CheckTexts texts = record.checkTexts;
    FehDepthTables tables = record.fehTables;
    try {
        useFehFile(
            readFehFile(std::string_view(contents.constData(), std::size_t(contents.size())), name),
            name, source_->source(), texts, tables);
    } catch (const FehFileError& e) {
        problem_->setText(QString::fromStdString(e.what()));
        return;
    }
    Design& design = session_.design();
    for (const CheckTextDefault& d : kCheckTextDefaults)
        design.editCheckText(d.key, texts.text(d.key));
    if (!(tables == record.fehTables)) design.importFehTables(std::move(tables));
    showTexts();
    recalculate();
}

void DesignCheckDialog::recalculate() {
    problemText_.clear();
    if (!logic_.calculateFromProject(session_.record())) {
        problemText_ = QString::fromStdString(logic_.error());
        // Six boxes stand for the one FEH99 input: the refusal names the one to mend.
        const QString feh99 = source_->feh99Problem();
        if (source_->source() == RainfallSourceKind::feh99 && !feh99.isEmpty() &&
            problemText_.startsWith(QStringLiteral("FEH99 parameters")))
            problemText_ = feh99;
        // No check from inputs it refused: the last one would no longer match them.
        DesignCheckLogic fresh;
        fresh.inputs = logic_.inputs;
        logic_ = fresh;
    }
    problem_->setText(problemText_);
    showTable();
    showChecks();
    events_->showResults(logic_.check());
    plot_->update();
    eventPlot_->update();
    routing_->showResults(problemText_);
}

void DesignCheckDialog::showTable() {
    const auto& t = logic_.storm().table();
    const auto& headings = criticalStormHeadings(t ? t->source : logic_.inputs.site.source);
    table_->clear();
    table_->setColumnCount(int(headings.size()));
    for (std::size_t c = 0; c < headings.size(); ++c)
        table_->setHorizontalHeaderItem(int(c),
                                        new QTableWidgetItem(QString::fromStdString(headings[c])));
    table_->setRowCount(t ? int(t->rows.size()) : 0);
    if (t) {
        for (std::size_t r = 0; r < t->rows.size(); ++r) {
            const auto cells = criticalStormCells(*t, t->rows[r]);
            for (std::size_t c = 0; c < cells.size(); ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
                if (isGoverningCell(*t, r, c)) {
                    QFont bold = item->font();
                    bold.setBold(true);
                    item->setFont(bold);
                    item->setBackground(QColor(255, 236, 160));
                }
                table_->setItem(int(r), int(c), item);
            }
        }
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    QString notes;
    if (t)
        for (const std::string& note : criticalStormNotes(*t))
            notes +=
                (notes.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(note);
    notes_->setText(notes);
    notes_->setVisible(!notes.isEmpty());
}

void DesignCheckDialog::showChecks() {
    auto* grid = static_cast<QGridLayout*>(checks_->layout());
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto& check = logic_.check();
    if (!check) return;
    for (std::size_t r = 0; r < check->items.size(); ++r) {
        const CheckItem& item = check->items[r];
        const int row = int(r);
        auto* name = new QLabel(QString::fromStdString(item.name), checks_);
        auto* verdict = new QLabel(QString::fromLatin1(verdictName(item.verdict)), checks_);
        verdict->setObjectName(QStringLiteral("verdict%1").arg(row + 1));
        const bool failed = item.verdict == Verdict::fail || item.verdict == Verdict::notDesigned;
        verdict->setStyleSheet(failed ? QStringLiteral("color: #c80000; font-weight: bold")
                                      : QStringLiteral("font-weight: bold"));
        auto* reason = new QLabel(QString::fromStdString(item.reason), checks_);
        reason->setObjectName(QStringLiteral("reason%1").arg(row + 1));
        reason->setWordWrap(true);
        reason->setTextInteractionFlags(Qt::TextSelectableByMouse);
        for (QLabel* l : {name, verdict, reason}) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(name, row, 0);
        grid->addWidget(verdict, row, 1);
        grid->addWidget(reason, row, 2);
    }
    summary_->setText(QString::fromStdString(logic_.summary()));
    summary_->setStyleSheet(!check->passes() ? QStringLiteral("color: #c80000; font-weight: bold")
                                             : QStringLiteral("font-weight: bold"));
}

void DesignCheckDialog::useInDesign() {
    if (!logic_.check()) return;
    if (session_.act([&] { logic_.useInDesign(session_.design()); })) accept();
}

void DesignCheckDialog::savePdf() {
    if (!logic_.check()) return;
    QFileDialog dialog(this, QStringLiteral("Save Design Check as PDF"));
    dialog.setObjectName(QStringLiteral("PdfSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF Files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));  // "check1" is written as check1.pdf
    dialog.setDirectory(QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    const QByteArray pdf =
        designCheckReport(session_.record(), logic_.inputs, *logic_.check(), logic_.routing)
            .toPdf();
    if (auto failed = writeFileAtomically(path.toStdString(), pdf.toStdString()))
        showInformation(this, *failed);
}

void DesignCheckDialog::print() {
    if (!logic_.check()) return;
    report::Report record =
        designCheckReport(session_.record(), logic_.inputs, *logic_.check(), logic_.routing);
    if (auto failed = report::printReport(record)) showInformation(this, failed->toStdString());
}

}  // namespace varnholt
