#include "rainfall_source_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "engine/critical_storm_text.h"
#include "engine/number_text.h"
#include "tools/design_check_reader.h"

namespace varnholt {

namespace {

const QString kTyped = QStringLiteral("Typed");

QLineEdit* field(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaximumWidth(70);
    return e;
}

// The FEH13 and FEH22 sources share the page that shows the imported table.
int pageOf(RainfallSourceKind kind) {
    return std::min(static_cast<int>(kind), 2);
}

}  // namespace

RainfallSourceBox::RainfallSourceBox(QWidget* parent)
    : QGroupBox(QStringLiteral("Rainfall source"), parent),
      source_(new QComboBox(this)),
      import_(new QPushButton(QStringLiteral("Import FEH file…"), this)),
      pages_(new QStackedWidget(this)),
      region_(new QComboBox(this)),
      feh99Origin_(new QLabel(this)),
      tableLine_(new QLabel(this)) {
    setObjectName(QStringLiteral("rainfallsource"));
    source_->setObjectName(QStringLiteral("source"));
    for (std::size_t k = 0; k < kRainfallSourceCount; ++k)
        source_->addItem(
            QString::fromLatin1(rainfallSourceName(static_cast<RainfallSourceKind>(k))));
    import_->setObjectName(QStringLiteral("btnimportfeh"));
    import_->setToolTip(
        QStringLiteral("Takes the FEH99 parameters and the FEH13 and FEH22 depth tables from "
                       "an FEH Web Service export (XML), or a depth table from a CSV file."));

    auto* fsr = new QWidget(pages_);
    auto* fsrLayout = new QHBoxLayout(fsr);
    fsrLayout->setContentsMargins(0, 0, 0, 0);
    auto put = [](QWidget* page, QHBoxLayout* layout, const QString& text, QWidget* box) {
        auto* l = new QLabel(text, page);
        l->setBuddy(box);
        layout->addWidget(l);
        layout->addWidget(box);
    };
    region_->setObjectName(QStringLiteral("region"));
    region_->addItems(
        {QStringLiteral("England and Wales"), QStringLiteral("Scotland and N Ireland")});
    put(fsr, fsrLayout, QStringLiteral("M5-60 rainfall (mm)"), field(QStringLiteral("m560"), fsr));
    put(fsr, fsrLayout, QStringLiteral("Ratio r (0.12 to 0.45)"),
        field(QStringLiteral("ratio"), fsr));
    put(fsr, fsrLayout, QStringLiteral("Region"), region_);
    fsrLayout->addStretch(1);

    auto* feh99 = new QWidget(pages_);
    auto* feh99Layout = new QVBoxLayout(feh99);
    feh99Layout->setContentsMargins(0, 0, 0, 0);
    auto* parameters = new QHBoxLayout;
    for (std::size_t i = 0; i < feh99_.size(); ++i) {
        const QString name = QString::fromLatin1(kFeh99ParameterNames[i]);
        feh99_[i] = field(QStringLiteral("feh99") + name, feh99);
        put(feh99, parameters, name, feh99_[i]);
        connect(feh99_[i], &QLineEdit::textEdited, this, [this] {
            // Typed figures come from no file.
            feh99Origin_->setText(kTyped);
            emit edited(QStringLiteral("feh99origin"), QString());
            emit edited(QStringLiteral("feh99"), feh99Text());
        });
    }
    parameters->addStretch(1);
    feh99Layout->addLayout(parameters);
    feh99Origin_->setObjectName(QStringLiteral("feh99origin"));
    feh99Layout->addWidget(feh99Origin_);

    tableLine_->setObjectName(QStringLiteral("fehtable"));
    tableLine_->setWordWrap(true);
    tableLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pages_->addWidget(fsr);
    pages_->addWidget(feh99);
    pages_->addWidget(tableLine_);

    auto* layout = new QGridLayout(this);
    auto* sourceLabel = new QLabel(QStringLiteral("Source"), this);
    sourceLabel->setBuddy(source_);
    layout->addWidget(sourceLabel, 0, 0);
    layout->addWidget(source_, 0, 1);
    layout->addWidget(import_, 0, 2);
    layout->addWidget(pages_, 1, 0, 1, 4);
    layout->setColumnStretch(3, 1);

    connect(import_, &QPushButton::clicked, this, &RainfallSourceBox::importAsked);
    // Only the user's choices are edits; showing the project's sets the combos quietly.
    connect(source_, &QComboBox::activated, this, [this] {
        showPage();
        emit edited(QStringLiteral("source"), QString::fromLatin1(rainfallSourceKey(source())));
    });
    connect(region_, &QComboBox::activated, this, [this](int index) {
        emit edited(QStringLiteral("region"),
                    QString::fromLatin1(regionKey(index == 1 ? Region::scotlandAndNIreland
                                                             : Region::englandAndWales)));
    });
}

RainfallSourceKind RainfallSourceBox::source() const {
    return static_cast<RainfallSourceKind>(std::max(source_->currentIndex(), 0));
}

void RainfallSourceBox::showProject(const DesignRecord& record) {
    const CheckTexts& texts = record.checkTexts;
    const auto kind = rainfallSourceOfKey(texts.text("source"));
    source_->setCurrentIndex(static_cast<int>(kind.value_or(RainfallSourceKind::fsr)));
    region_->setCurrentIndex(texts.text("region") == "scotland" ? 1 : 0);
    const auto figures = splitAtCommas(texts.text("feh99"));
    for (std::size_t i = 0; i < feh99_.size(); ++i)
        feh99_[i]->setText(i < figures.size() ? QString::fromStdString(figures[i]).trimmed()
                                              : QString());
    const std::string& origin = texts.text("feh99origin");
    feh99Origin_->setText(
        origin.empty() ? kTyped : QStringLiteral("From ") + QString::fromStdString(origin));
    tables_ = record.fehTables;
    showPage();
}

void RainfallSourceBox::showPage() {
    pages_->setCurrentIndex(pageOf(source()));
    if (source() == RainfallSourceKind::feh13 || source() == RainfallSourceKind::feh22) {
        StormSite site;
        site.source = source();
        site.tables = tables_;
        tableLine_->setText(QString::fromStdString(rainfallSourceLine(site)));
    }
}

QString RainfallSourceBox::feh99Text() const {
    QStringList figures;
    bool any = false;
    for (const QLineEdit* e : feh99_) {
        figures << e->text().trimmed();
        any = any || !figures.back().isEmpty();
    }
    return any ? figures.join(QStringLiteral(", ")) : QString();
}

QString RainfallSourceBox::feh99Problem() const {
    for (std::size_t i = 0; i < feh99_.size(); ++i) {
        const QString text = feh99_[i]->text();
        if (!tryParseNumber(text.toStdString()))
            return QStringLiteral("FEH99 parameter ") +
                   QString::fromLatin1(kFeh99ParameterNames[i]) + QStringLiteral(": '") + text +
                   QStringLiteral("' is not a number.");
    }
    return {};
}

}  // namespace varnholt
