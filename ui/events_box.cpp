#include "events_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "engine/number_text.h"

namespace varnholt {

namespace {

const QString kAllowanceHint = QStringLiteral(
    "the Environment Agency's peak rainfall allowances for the management catchment: 3.3 % and "
    "1 % annual exceedance probability, central or upper end, 2050s or 2070s epoch");

// The keys of each event's boxes, in the order of StormEventKind.
struct EventKeys {
    const char* period;
    const char* allowance;
};
constexpr EventKeys kEventKeys[kStormEventCount] = {
    {"returnperiod", "allowance"},
    {"siteperiod", "siteallowance"},
    {"buildingsperiod", "buildingsallowance"},
};

QLineEdit* box(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(70);
    return e;
}

QLabel* result(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

QString volumeText(double m3) {
    return QString::fromStdString(displayText(m3, 2));
}

}  // namespace

EventsBox::EventsBox(QWidget* parent) : QGroupBox(QStringLiteral("Events"), parent) {
    setObjectName(QStringLiteral("events"));
    auto* grid = new QGridLayout;
    const char* headings[] = {"Event",
                              "Return period (years)",
                              "Climate change allowance (%)",
                              "Critical duration (min)",
                              "Storage needed (m3)",
                              "Storage provided (m3)",
                              "Exceedance (m3)",
                              "Verdict"};
    for (int c = 0; c < int(std::size(headings)); ++c) {
        auto* h = new QLabel(QString::fromLatin1(headings[c]), this);
        h->setWordWrap(true);
        QFont bold = h->font();
        bold.setBold(true);
        h->setFont(bold);
        h->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(h, 0, c);
    }
    for (std::size_t k = 0; k < kStormEventCount; ++k) {
        const auto kind = static_cast<StormEventKind>(k);
        const QString key = QString::fromLatin1(stormEventKey(kind));
        Row& row = rows_[k];
        row.period = box(kEventKeys[k].period, this);
        row.allowance = box(kEventKeys[k].allowance, this);
        row.allowance->setToolTip(kAllowanceHint);
        row.critical = result(key + QStringLiteral("critical"), this);
        row.needed = result(key + QStringLiteral("needed"), this);
        row.provided = result(key + QStringLiteral("provided"), this);
        row.exceedance = result(key + QStringLiteral("exceedance"), this);
        row.verdict = result(key + QStringLiteral("verdict"), this);
        const int r = int(k) + 1;
        grid->addWidget(new QLabel(QString::fromLatin1(stormEventName(kind)), this), r, 0);
        QWidget* const cells[] = {row.period,   row.allowance,  row.critical, row.needed,
                                  row.provided, row.exceedance, row.verdict};
        for (int c = 0; c < int(std::size(cells)); ++c) grid->addWidget(cells[c], r, c + 1);
    }
    grid->setColumnStretch(7, 1);

    auto* creep = box("creep", this);
    auto* creepLabel = new QLabel(QStringLiteral("Urban creep allowance (%)"), this);
    creepLabel->setBuddy(creep);
    auto* hint = new QLabel(
        QStringLiteral("Climate change allowances: ") + kAllowanceHint + QStringLiteral("."), this);
    hint->setObjectName(QStringLiteral("allowancehint"));
    hint->setWordWrap(true);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    hint->setFont(small);
    auto* below = new QHBoxLayout;
    below->addWidget(creepLabel);
    below->addWidget(creep);
    below->addSpacing(12);
    below->addWidget(hint, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(below);
}

void EventsBox::showResults(const std::optional<DesignCheck>& check) {
    for (std::size_t k = 0; k < kStormEventCount; ++k) {
        Row& row = rows_[k];
        for (QLabel* l : {row.critical, row.needed, row.provided, row.exceedance, row.verdict}) {
            l->clear();
            l->setToolTip(QString());
        }
        if (!check) continue;
        const EventResult& r = check->events[k];
        if (r.storage) {
            row.critical->setText(
                QString::fromStdString(plainText(r.storage->rows[r.storage->critical].minutes)));
            row.needed->setText(volumeText(r.storage->needed));
        }
        if (check->provided) row.provided->setText(volumeText(*check->provided));
        if (r.verdict == Verdict::exceedance) row.exceedance->setText(volumeText(r.exceedance));
        row.verdict->setText(QString::fromLatin1(verdictName(r.verdict)));
        row.verdict->setToolTip(QString::fromStdString(r.reason));
        const bool failed = r.verdict == Verdict::fail || r.verdict == Verdict::notDesigned;
        row.verdict->setStyleSheet(failed ? QStringLiteral("color: #c80000; font-weight: bold")
                                          : QStringLiteral("font-weight: bold"));
    }
}

}  // namespace varnholt
