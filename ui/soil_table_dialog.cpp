#include "soil_table_dialog.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "fitted_table.h"
#include "front_window.h"

namespace varnholt {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

SoilTableDialog::SoilTableDialog(DesignSession& session, QWidget* parent)
    : QDialog(parent), session_(session), logic_(session.design()) {
    setObjectName(QStringLiteral("Tfrmsoiltable"));
    setWindowTitle(QStringLiteral("Soil Table"));
    setModal(true);
    setMinimumSize(350, 295);
    resize(350, 295);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);

    auto* warning = new QGroupBox(QStringLiteral("WARNING"), this);
    warning->setObjectName(QStringLiteral("GroupBox1"));
    // The caption red, the text inside in the window's own colour.
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    warning->setPalette(red);
    auto* warningLayout = new QVBoxLayout(warning);
    warningLayout->setContentsMargins(8, 2, 8, 6);
    auto* warningText = new QLabel(
        QStringLiteral("The information shown in the table below is provided to assist the "
                       "designer in establishing a preliminary design. A full soil infiltration "
                       "test must be carried out prior to the design being approved"),
        warning);
    warningText->setObjectName(QStringLiteral("Label1"));
    warningText->setWordWrap(true);
    QPalette plain = warningText->palette();
    plain.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    warningText->setPalette(plain);
    warningLayout->addWidget(warningText);
    layout->addWidget(warning);

    grid_ = new FittedTable(static_cast<int>(kSoilRows.size()), {130, 190}, this);
    grid_->setObjectName(QStringLiteral("sgsoil"));
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral(" Soil Type"), QStringLiteral(" Infiltration Rate (m/sec)")});
    // Left-aligned, so that the leading blanks place each heading over its column's texts.
    for (int c = 0; c < grid_->columnCount(); ++c)
        grid_->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->hide();
    // Rows of one line each, so that all five soils show without scrolling.
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 8);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    layout->addWidget(grid_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* use = new QPushButton(QStringLiteral("Use in Design"), this);
    use->setObjectName(QStringLiteral("btnuse"));
    use->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btncancel"));
    cancel->setAutoDefault(false);
    buttons->addWidget(use);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(use, &QPushButton::clicked, this, &SoilTableDialog::useSelected);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);  // as Escape does
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { logic_.select(row + 1); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        logic_.select(row + 1);
        useSelected();
    });
    fill();
}

void SoilTableDialog::fill() {
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const SoilRow& soil = kSoilRows[static_cast<std::size_t>(row)];
        grid_->setItem(row, 0, new QTableWidgetItem(text(soil.soilType)));
        grid_->setItem(row, 1, new QTableWidgetItem(text(soil.shownRate)));
    }
    grid_->setCurrentCell(logic_.selectedRow() - 1, 0);
}

void SoilTableDialog::openModal() {
    fill();
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        owner && owner->screen() && !isVisible())
        move(owner->screen()->availableGeometry().center() - rect().center());
    // Stacked over a window kept on top (the design options beside the main window) rather
    // than hidden behind it; see FixedDialog::openModal.
    QWidget* front = frontWindow(parentWidget());
    if (front && front != this) {
        create();
        windowHandle()->setTransientParent(front->window()->windowHandle());
    }
    grid_->setFocus();
    exec();
}

void SoilTableDialog::useSelected() {
    // A failure of the recalculation the rate starts keeps the table open, its message shown.
    if (session_.act([this] { logic_.use(); })) accept();
}

void SoilTableDialog::done(int result) {
    const bool wasOpen = isVisible();
    QDialog::done(result);
    if (wasOpen) session_.act([this] { logic_.closed(); });
}

}  // namespace varnholt
