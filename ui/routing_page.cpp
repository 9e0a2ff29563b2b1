#include "routing_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/number_text.h"
#include "engine/routing_text.h"
#include "output/critical/level_plot.h"
#include "tools/design_check_reader.h"

namespace varnholt {

namespace {

constexpr WettedArea kAreas[] = {WettedArea::atLevel, WettedArea::halfDepth};

// The level of the routed storm.
class LevelPlot : public QWidget {
public:
    LevelPlot(const DesignCheckLogic& logic, QWidget* parent) : QWidget(parent), logic_(logic) {
        setObjectName(QStringLiteral("levelplot"));
        setMinimumSize(420, 220);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (logic_.routed()) paintLevelPlot(painter, QRectF(rect()), *logic_.routed());
    }

private:
    const DesignCheckLogic& logic_;
};

QComboBox* combo(const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

}  // namespace

RoutingPage::RoutingPage(const DesignCheckLogic& logic, QWidget* parent)
    : QWidget(parent),
      logic_(logic),
      event_(combo("routeevent", this)),
      duration_(combo("routeduration", this)),
      area_(combo("routearea", this)),
      used_(new QCheckBox(QStringLiteral("Use the routed half-empty time in the check"), this)),
      results_(new QTableWidget(this)),
      plot_(new LevelPlot(logic, this)),
      problem_(new QLabel(this)),
      plotArea_(new QStackedWidget(this)) {
    setObjectName(QStringLiteral("routing"));
    for (std::size_t k = 0; k < kStormEventCount; ++k)
        event_->addItem(QString::fromLatin1(stormEventName(static_cast<StormEventKind>(k))));
    duration_->addItem(QStringLiteral("Critical storm of the event"));
    for (double minutes : kCriticalStormDurations)
        duration_->addItem(QString::fromStdString(plainText(minutes)) + QStringLiteral(" min"));
    auto* profile = combo("routeprofile", this);
    profile->addItem(QString::fromLatin1(stormProfileName(StormProfile::uniform)));
    // The peaked profiles are asked for by name elsewhere; here the engine says why they are
    // not there.
    auto* profileNote = new QLabel(QString::fromStdString(stormProfileOf("summer").problem + "\n" +
                                                          stormProfileOf("winter").problem),
                                   this);
    profileNote->setObjectName(QStringLiteral("profilenote"));
    profileNote->setWordWrap(true);
    profileNote->setStyleSheet(QStringLiteral("color: #505050"));
    for (WettedArea a : kAreas) area_->addItem(QString::fromLatin1(wettedAreaName(a)));
    auto* step = new QLineEdit(this);
    step->setObjectName(QStringLiteral("routestep"));
    step->setMaximumWidth(70);
    step->setPlaceholderText(QStringLiteral("chosen"));
    used_->setObjectName(QStringLiteral("routedcheck"));

    results_->setObjectName(QStringLiteral("routingresults"));
    results_->setColumnCount(2);
    results_->horizontalHeader()->hide();
    results_->verticalHeader()->hide();
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setSelectionMode(QAbstractItemView::NoSelection);
    results_->horizontalHeader()->setStretchLastSection(true);

    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("Event"), event_);
    choices->addRow(QStringLiteral("Storm"), duration_);
    choices->addRow(QStringLiteral("Profile"), profile);
    choices->addRow(profileNote);
    choices->addRow(QStringLiteral("Wetted area"), area_);
    choices->addRow(QStringLiteral("Step (s; empty: chosen)"), step);
    choices->addRow(used_);
    auto* left = new QVBoxLayout;
    left->addLayout(choices);
    left->addWidget(results_, 1);
    // Where the plot stands, why there is none: a blank would look like a storm that never
    // fills the soakaway.
    problem_->setObjectName(QStringLiteral("routingproblem"));
    problem_->setWordWrap(true);
    problem_->setAlignment(Qt::AlignCenter);
    problem_->setMargin(20);
    problem_->setStyleSheet(QStringLiteral("background: white; color: #505050"));
    plotArea_->setObjectName(QStringLiteral("routingplot"));
    plotArea_->addWidget(plot_);
    plotArea_->addWidget(problem_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addWidget(plotArea_, 3);

    connect(event_, &QComboBox::activated, this, [this](int index) {
        emit edited(QStringLiteral("routeevent"),
                    QString::fromLatin1(stormEventKey(static_cast<StormEventKind>(index))));
    });
    connect(duration_, &QComboBox::activated, this, [this](int index) {
        emit edited(QStringLiteral("routeduration"),
                    index == 0 ? QString()
                               : QString::fromStdString(
                                     plainText(kCriticalStormDurations[std::size_t(index - 1)])));
    });
    connect(area_, &QComboBox::activated, this, [this](int index) {
        emit edited(QStringLiteral("routearea"),
                    QString::fromLatin1(wettedAreaKey(kAreas[std::size_t(index)])));
    });
    connect(used_, &QCheckBox::clicked, this, [this](bool on) {
        emit edited(QStringLiteral("routedcheck"), on ? QStringLiteral("1") : QStringLiteral("0"));
    });
}

void RoutingPage::showProject(const DesignRecord& record) {
    const CheckTexts& texts = record.checkTexts;
    // A text no choice holds shows the first choice; the check says what is wrong with it.
    event_->setCurrentIndex(0);
    for (std::size_t k = 0; k < kStormEventCount; ++k)
        if (texts.text("routeevent") == stormEventKey(static_cast<StormEventKind>(k)))
            event_->setCurrentIndex(int(k));
    duration_->setCurrentIndex(0);
    for (std::size_t i = 0; i < kCriticalStormDurations.size(); ++i)
        if (tryParseNumber(texts.text("routeduration")) == kCriticalStormDurations[i])
            duration_->setCurrentIndex(int(i) + 1);
    area_->setCurrentIndex(texts.text("routearea") == wettedAreaKey(WettedArea::halfDepth));
    used_->setChecked(texts.text("routedcheck") == "1");
}

void RoutingPage::showResults(const QString& checkProblem) {
    const auto& routed = logic_.routed();
    const std::vector<RoutingLine> lines =
        routed ? routingLines(*routed) : std::vector<RoutingLine>{};
    results_->setRowCount(int(lines.size()));
    for (std::size_t r = 0; r < lines.size(); ++r) {
        results_->setItem(int(r), 0, new QTableWidgetItem(QString::fromStdString(lines[r].label)));
        results_->setItem(int(r), 1, new QTableWidgetItem(QString::fromStdString(lines[r].value)));
    }
    results_->resizeColumnToContents(0);
    results_->resizeRowsToContents();
    problem_->setText(logic_.routingProblem().empty()
                          ? checkProblem
                          : QString::fromStdString(logic_.routingProblem()));
    plotArea_->setCurrentWidget(routed ? plot_ : static_cast<QWidget*>(problem_));
    plot_->update();
}

}  // namespace varnholt
