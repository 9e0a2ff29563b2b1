#include "trial_pit_tests_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/trial_pit.h"

namespace varnholt {

namespace {
QLineEdit* box(const std::string& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromStdString(name));
    e->setFixedWidth(72);
    return e;
}
}  // namespace

TrialPitTestsDialog::TrialPitTestsDialog(TrialPitTestsLogic& logic, DesignSession& session,
                                         QWidget* parent)
    : QDialog(parent),
      logic_(logic),
      session_(session),
      length_(box("pitlength", this)),
      width_(box("pitwidth", this)),
      gravel_(new QCheckBox(QStringLiteral("Pit filled with gravel"), this)),
      voidRatio_(box("pitvoidratio", this)),
      lowest_(new QLabel(this)),
      problem_(new QLabel(this)) {
    setObjectName(QStringLiteral("trialpittests"));
    setWindowTitle(QStringLiteral("Trial Pit Tests"));
    setModal(true);

    auto* pit = new QGroupBox(QStringLiteral("The trial pit"), this);
    auto* pitLayout = new QGridLayout(pit);
    pitLayout->addWidget(new QLabel(QStringLiteral("Length (metres)"), pit), 0, 0);
    pitLayout->addWidget(length_, 0, 1);
    pitLayout->addWidget(new QLabel(QStringLiteral("Width (metres)"), pit), 1, 0);
    pitLayout->addWidget(width_, 1, 1);
    gravel_->setObjectName(QStringLiteral("pitgravel"));
    pitLayout->addWidget(gravel_, 0, 2);
    auto* voidLabel = new QLabel(QStringLiteral("Void ratio of the gravel"), pit);
    voidLabel->setBuddy(voidRatio_);
    pitLayout->addWidget(voidLabel, 1, 2);
    pitLayout->addWidget(voidRatio_, 1, 3);
    pitLayout->setColumnStretch(4, 1);
    voidRatio_->setEnabled(false);

    auto* tests = new QGroupBox(
        QStringLiteral("Tests: the fall from 75% to 25% of the effective depth"), this);
    auto* grid = new QGridLayout(tests);
    const char* headings[] = {"Test", "Effective depth (metres)", "Time (minutes)",
                              "Infiltration rate (metres/sec)"};
    for (int c = 0; c < 4; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(headings[c]), tests), 0, c);
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        const int row = int(i) + 1;
        const std::string n = std::to_string(i + 1);
        grid->addWidget(new QLabel(QString::fromStdString(n), tests), row, 0);
        depth_[i] = box("testdepth" + n, tests);
        minutes_[i] = box("testtime" + n, tests);
        rate_[i] = new QLabel(tests);
        rate_[i]->setObjectName(QString::fromStdString("testrate" + n));
        grid->addWidget(depth_[i], row, 1);
        grid->addWidget(minutes_[i], row, 2);
        grid->addWidget(rate_[i], row, 3);
    }
    grid->setColumnStretch(3, 1);

    lowest_->setObjectName(QStringLiteral("lowest"));
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setStyleSheet(QStringLiteral("color: red"));
    problem_->setWordWrap(true);
    // Room for a line each from the start, so that the dialog does not jump as they fill.
    for (QLabel* l : {lowest_, problem_}) l->setMinimumHeight(l->fontMetrics().lineSpacing() + 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* use = buttons->addButton(QStringLiteral("Use in Design"), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("btnuse"));
    auto* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("btnclose"));
    connect(use, &QPushButton::clicked, this, &TrialPitTestsDialog::useInDesign);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pit);
    layout->addWidget(tests);
    layout->addWidget(lowest_);
    layout->addWidget(problem_);
    layout->addStretch(1);
    layout->addWidget(buttons);
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, &TrialPitTestsDialog::recalculate);
    connect(gravel_, &QCheckBox::toggled, this, [this](bool on) {
        voidRatio_->setEnabled(on);
        recalculate();
    });
}

bool TrialPitTestsDialog::openModal() {
    showTexts();
    recalculate();
    return exec() == QDialog::Accepted;
}

void TrialPitTestsDialog::showTexts() {
    const TrialPitTestsBoxes b = trialPitBoxesOf(session_.record().checkTexts);
    length_->setText(QString::fromStdString(b.length));
    width_->setText(QString::fromStdString(b.width));
    voidRatio_->setText(QString::fromStdString(b.voidRatio));
    {
        const QSignalBlocker quiet(gravel_);
        gravel_->setChecked(b.gravel);
    }
    voidRatio_->setEnabled(b.gravel);
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        depth_[i]->setText(QString::fromStdString(b.depth[i]));
        minutes_[i]->setText(QString::fromStdString(b.minutes[i]));
    }
}

void TrialPitTestsDialog::recalculate() {
    TrialPitTestsBoxes& b = logic_.boxes;
    b.length = length_->text().toStdString();
    b.width = width_->text().toStdString();
    b.gravel = gravel_->isChecked();
    b.voidRatio = voidRatio_->text().toStdString();
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        b.depth[i] = depth_[i]->text().toStdString();
        b.minutes[i] = minutes_[i]->text().toStdString();
    }
    // Kept with the project as typed, whether or not they give rates yet.
    CheckTexts texts = session_.record().checkTexts;
    keepTrialPitBoxes(b, texts);
    for (const CheckTextDefault& d : kCheckTextDefaults)
        session_.design().editCheckText(d.key, texts.text(d.key));
    const bool made = logic_.calculate();
    // Rates stand beside the tests they come from; a left-out test has none.
    std::size_t next = 0;
    for (std::size_t i = 0; i < kMostTrialPitTests; ++i) {
        const bool entered = !b.depth[i].empty() || !b.minutes[i].empty();
        QString text;
        if (made && entered) {
            const std::size_t k = next++;
            text = QString::fromStdString(infiltrationRateText(logic_.rates()->rates[k].rate));
            if (k == logic_.rates()->lowest) text += QStringLiteral("  (lowest)");
        }
        rate_[i]->setText(text);
    }
    lowest_->setText(
        made ? QStringLiteral("Design rate, the lowest of the tests: ") +
                   QString::fromStdString(infiltrationRateText(logic_.rates()->designRate)) +
                   QStringLiteral(" metres/sec")
             : QString());
    const bool untouched =
        b.length.empty() && b.width.empty() &&
        std::all_of(b.depth.begin(), b.depth.end(), [](auto& s) { return s.empty(); }) &&
        std::all_of(b.minutes.begin(), b.minutes.end(), [](auto& s) { return s.empty(); });
    problem_->setText(made || untouched ? QString() : QString::fromStdString(logic_.error()));
}

void TrialPitTestsDialog::useInDesign() {
    recalculate();
    if (!logic_.rates()) {
        showInformation(this, logic_.error());
        return;
    }
    // The opener writes the rate once both dialogs are closed, so that a message of the
    // recalculation it starts comes up over the main window.
    accept();
}

}  // namespace varnholt
