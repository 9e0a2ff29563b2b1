#include "trial_pit_dialog.h"

#include <QBoxLayout>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "document_commands.h"
#include "front_window.h"
#include "help_window.h"
#include "tools/trial_pit_help.h"
#include "trial_pit_tests_dialog.h"

namespace varnholt {

namespace {

QLabel* label(const char* text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setBuddy(buddy);
    return l;
}

}  // namespace

TrialPitDialog::TrialPitDialog(DesignSession& session, QString programFolder, QWidget* parent)
    : FixedDialog(QStringLiteral("Tfrmsinfcalc"),
                  QStringLiteral("Calculate Soil Infiltration Rate"), QSize(335, 177), parent),
      session_(session),
      logic_(session.design()),
      programFolder_(std::move(programFolder)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(4);

    auto* survey = new QGroupBox(QStringLiteral("Enter Survey Values below"), this);
    survey->setObjectName(QStringLiteral("GroupBox1"));
    layout->addWidget(survey, 1);
    auto* surveyLayout = new QHBoxLayout(survey);
    surveyLayout->setContentsMargins(6, 2, 6, 4);
    surveyLayout->setSpacing(8);

    auto* pit = new QGroupBox(QStringLiteral("Dimensions of trial pit"), survey);
    pit->setObjectName(QStringLiteral("GroupBox2"));
    auto* pitLayout = new QGridLayout(pit);
    pitLayout->setContentsMargins(6, 2, 6, 4);
    pitLayout->setHorizontalSpacing(6);
    pitLayout->setVerticalSpacing(3);
    length_ = box("txtpitlength");
    width_ = box("txtpitwidth");
    depth_ = box("txtpitdepth");
    int row = 0;
    for (auto [text, edit] :
         {std::pair{"Length (metres)", length_}, std::pair{"Width (metres)", width_},
          std::pair{"Depth (metres)", depth_}}) {
        edit->setParent(pit);
        pitLayout->addWidget(label(text, edit, pit), row, 0);
        pitLayout->addWidget(edit, row++, 1);
    }
    surveyLayout->addWidget(pit, 0, Qt::AlignTop);

    // The question the time answers is long: it wraps above its box.
    auto* timeColumn = new QVBoxLayout;
    timeColumn->setSpacing(3);
    time_ = box("txtpittime");
    time_->setParent(survey);
    QLabel* timeLabel =
        label("Time taken for water level to drop from 75% to 25% effective depth. (minutes)",
              time_, survey);
    timeLabel->setObjectName(QStringLiteral("lblpittime"));
    timeLabel->setWordWrap(true);
    timeColumn->addWidget(timeLabel);
    timeColumn->addWidget(time_, 0, Qt::AlignLeft);
    timeColumn->addStretch(1);
    surveyLayout->addLayout(timeColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto* calculateButton = new QPushButton(QStringLiteral("Calculate Infiltration Rate"), this);
    calculateButton->setObjectName(QStringLiteral("Button1"));
    calculateButton->setDefault(true);
    auto* helpButton = new QPushButton(QStringLiteral("Help"), this);
    helpButton->setObjectName(QStringLiteral("Button2"));
    helpButton->setAutoDefault(false);
    auto* testsButton = new QPushButton(QStringLiteral("3 Tests..."), this);
    testsButton->setObjectName(QStringLiteral("btntests"));
    testsButton->setAutoDefault(false);
    testsButton->setToolTip(QStringLiteral(
        "Trial Pit Tests: up to three tests on the same pit; the design takes the lowest rate."));
    buttons->addWidget(testsButton);
    buttons->addStretch(1);
    buttons->addWidget(calculateButton);
    buttons->addWidget(helpButton);
    layout->addLayout(buttons);

    connect(calculateButton, &QPushButton::clicked, this, &TrialPitDialog::calculate);
    connect(helpButton, &QPushButton::clicked, this, &TrialPitDialog::help);
    connect(testsButton, &QPushButton::clicked, this, &TrialPitDialog::openTests);
}

TrialPitDialog::~TrialPitDialog() = default;

TrialPitTestsDialog& TrialPitDialog::testsDialog() {
    // Made when first opened: start-up has enough windows to make.
    if (!tests_) tests_ = new TrialPitTestsDialog(testsLogic_, session_, this);
    return *tests_;
}

void TrialPitDialog::openTests() {
    if (!testsDialog().openModal()) return;
    accept();
    session_.act([this] { testsLogic_.useInDesign(session_.design()); });
}

QLineEdit* TrialPitDialog::box(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(64);
    return edit;
}

void TrialPitDialog::calculate() {
    logic_.boxes = {length_->text().toStdString(), width_->text().toStdString(),
                    depth_->text().toStdString(), time_->text().toStdString()};
    // The dialog closes before the rate is written: a message of the recalculation that the
    // rate starts comes up over the main window.
    session_.act([this] { logic_.calculate(session_, [this] { accept(); }); });
}

void TrialPitDialog::help() {
    const auto found = findTrialPitHelp(QFile::encodeName(programFolder_).toStdString());
    if (found)
        return openCompiledHelp(QFile::decodeName(found->c_str()), programFolder_,
                                frontWindow(this));

    QMessageBox question(QMessageBox::Question, QStringLiteral("Varnholt"),
                         QString::fromLatin1(kMissingHelpQuestion),
                         QMessageBox::Yes | QMessageBox::No, frontWindow(this));
    question.setObjectName(QStringLiteral("question"));
    question.setEscapeButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes) return;

    QFileDialog dialog(frontWindow(this));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("HTML Help Files (*.chm)"));
    dialog.setDirectory(QDir::currentPath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    openCompiledHelp(dialog.selectedFiles().first(), programFolder_, frontWindow(this));
}

}  // namespace varnholt
