#include "input_pages.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <algorithm>

#include "field_edit.h"
#include "scrolling_page.h"

namespace varnholt {

InputPages::InputPages(DesignSession& session, QWidget* parent)
    : QTabWidget(parent), session_(session) {
    setObjectName(QStringLiteral("pcmain"));
    tabBar()->setMouseTracking(true);  // hot-tracking tabs
    addTab(scrollingPage(buildProjectPage()), QStringLiteral("Current Project"));
    addTab(scrollingPage(buildInputsPage()), QStringLiteral("Global Variables"));
    setCurrentIndex(1);
    perRow_ = 0;
    arrangeInputs();
}

FieldEdit* InputPages::edit(Field f, QWidget* parent) {
    auto* e = new FieldEdit(f, session_, parent);
    edits_.push_back(e);
    return e;
}

QWidget* InputPages::buildProjectPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabsheetproject"));
    auto* layout = new QHBoxLayout(page);
    auto addPair = [&](const char* label, Field f, int width, bool grows) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(new QLabel(QString::fromLatin1(label), page));
        FieldEdit* e = edit(f, page);
        if (grows)
            e->setMinimumWidth(width);
        else
            e->setFixedWidth(width);
        column->addWidget(e);
        layout->addLayout(column, grows ? 1 : 0);
    };
    addPair("Project Title", Field::projtit, 423, false);
    addPair("Project Number", Field::projnum, 98, false);
    addPair("Designer", Field::desname, 313, true);
    return page;
}

// Wide enough for the longest texts the program's tools write into an input field, such as a
// rainfall depth of "0.06599251" metres.
int InputPages::numberFieldWidth(const QWidget* field) {
    return field->fontMetrics().horizontalAdvance(QStringLiteral("0.000000000")) + 14;
}

QWidget* InputPages::buildInputsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsglobvar"));
    auto* rows = new QVBoxLayout(page);
    rows->setContentsMargins(4, 4, 4, 4);
    rows->setSpacing(4);
    for (QHBoxLayout*& row : rows_) {
        row = new QHBoxLayout;
        row->setSpacing(0);
        rows->addLayout(row);
    }

    auto button = [&](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(QString::fromLatin1(caption), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
        b->setToolTip(QString::fromLatin1(hint));
        b->setAutoDefault(false);
        return b;
    };
    // One label, its field and the buttons of its tools: kept together when the page is too
    // narrow for all four in a row and lays them out in two.
    auto group = [&](const char* label, QWidget* field, std::initializer_list<QWidget*> buttons) {
        auto* box = new QWidget(page);
        box->setObjectName(field->objectName() + QStringLiteral("_group"));
        auto* layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, field == txtsdur_ ? 0 : 5, 0);
        layout->setSpacing(3);
        auto* text = new QLabel(QString::fromLatin1(label), box);
        text->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        if (!text->text().contains(QLatin1Char('\n'))) {  // wrapped over two lines like the rest
            text->setWordWrap(true);
            const QString firstLine = text->text().section(QLatin1Char(' '), 0, -2);
            text->setFixedWidth(text->fontMetrics().horizontalAdvance(firstLine) + 4);
        }
        layout->addWidget(text);
        // The storm duration holds minutes, which the drop-down's own width shows whole.
        field->setFixedWidth(field == txtsdur_ ? 64 : numberFieldWidth(field));
        layout->addWidget(field);
        for (QWidget* b : buttons) {
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            layout->addWidget(b);
        }
        box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        groups_.push_back(box);
    };

    btnVRC_ = button("btnVRC", "VRC", "Change/display Volumetric Runoff Coefficient");
    btnVRC_->installEventFilter(this);
    btnrainfall_ =
        button("btnrainfall", "Calc...", "Calculate rainfall depth based on Z1 and Z2 factors.");
    btnsinf_ = button("btnsinf", "Calc...", "Calculate infiltration rate based on trial pit test.");
    btnsoiltable_ = button("btnsoiltable", "Soil Table",
                           "Table of soil infiltration rates for different soil types. MUST BE "
                           "USED WITH CAUTION!");

    group("Impermeable Area \n(sqr metres)", edit(Field::txtarea, page), {btnVRC_});
    group("Rainfall Depth\n(metres)", edit(Field::txtrain, page), {btnrainfall_});
    group("Soil Infiltration Rate\n(metres/sec)", edit(Field::txtsinf, page),
          {btnsinf_, btnsoiltable_});

    txtsdur_ = new QComboBox(page);
    txtsdur_->setObjectName(QStringLiteral("txtsdur"));
    txtsdur_->setEditable(true);
    txtsdur_->setInsertPolicy(QComboBox::NoInsert);
    auto* durationEdit = new FieldEdit(Field::txtsdur, session_, txtsdur_);
    durationEdit->setObjectName(QStringLiteral("txtsdur_edit"));
    edits_.push_back(durationEdit);
    txtsdur_->setLineEdit(durationEdit);
    txtsdur_->setCompleter(nullptr);  // a completion would be a second change of the text
    txtsdur_->addItems({QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30"),
                        QStringLiteral("60"), QStringLiteral("120"), QStringLiteral("240")});
    connect(txtsdur_, &QComboBox::textActivated, this, [this](const QString& text) {
        const std::string utf8 = text.toStdString();
        session_.act([&] { session_.design().write(Field::txtsdur, utf8); });
    });
    group("Storm Duration (mins)", txtsdur_, {});
    for (QHBoxLayout* row : rows_) row->addStretch(1);
    arrangeInputs();
    sync();
    return page;
}

int InputPages::oneRowWidth() const {
    int width = 4 + 4 + 4;  // the page's margins and the frame of the page control
    for (QWidget* g : groups_) width += g->sizeHint().width();
    return width;
}

// All four inputs in one row where the window is wide enough, else two to a row; the page
// control is as high as its rows need, so no field hides under the tab bar or below the page.
void InputPages::arrangeInputs() {
    if (groups_.empty() || !rows_[0]) return;
    const int perRow = width() >= oneRowWidth() ? 4 : 2;
    if (perRow == perRow_) return;
    perRow_ = perRow;
    for (int i = 0; i < static_cast<int>(groups_.size()); ++i) {
        QHBoxLayout* row = rows_[i < perRow ? 0 : 1];
        for (QHBoxLayout* r : rows_) r->removeWidget(groups_[i]);
        row->insertWidget(i < perRow ? i : i - perRow, groups_[i]);
    }
    int rowHeight = 0;
    for (QWidget* g : groups_) rowHeight = std::max(rowHeight, g->sizeHint().height());
    // The page's margins and the page control's frame around the rows.
    const int twoRows = tabBar()->sizeHint().height() + 2 * rowHeight + 4 + 8 + 6;
    setFixedHeight(perRow == 4 ? 85 : std::max(85, twoRows));
}

void InputPages::resizeEvent(QResizeEvent* event) {
    QTabWidget::resizeEvent(event);
    arrangeInputs();
}

void InputPages::sync() {
    for (FieldEdit* e : edits_) e->sync();
}

// Pointing at the VRC button shows the coefficient in force as its tool tip.
bool InputPages::eventFilter(QObject* watched, QEvent* event) {
    if (watched == btnVRC_ && event->type() == QEvent::Enter)
        btnVRC_->setToolTip(QStringLiteral("Volumetric Runoff Coefficient = ") +
                            QString::fromStdString(session_.record().text(Field::txtVRC)));
    return QTabWidget::eventFilter(watched, event);
}

}  // namespace varnholt
