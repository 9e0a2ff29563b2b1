#include "input_pages.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

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
    setFixedHeight(85);
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

QWidget* InputPages::buildInputsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tsglobvar"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);

    auto button = [&](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(QString::fromLatin1(caption), page);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
        b->setToolTip(QString::fromLatin1(hint));
        b->setAutoDefault(false);
        return b;
    };
    auto group = [&](const char* label, QWidget* field, std::initializer_list<QWidget*> buttons) {
        auto* text = new QLabel(QString::fromLatin1(label), page);
        text->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        if (!text->text().contains(QLatin1Char('\n'))) {  // wrapped over two lines like the rest
            text->setWordWrap(true);
            const QString firstLine = text->text().section(QLatin1Char(' '), 0, -2);
            text->setFixedWidth(text->fontMetrics().horizontalAdvance(firstLine) + 4);
        }
        layout->addWidget(text);
        field->setFixedWidth(64);
        layout->addWidget(field);
        for (QWidget* b : buttons) {
            b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            layout->addWidget(b);
        }
        layout->addSpacing(6);
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
    layout->addStretch(1);
    sync();
    return page;
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
