#include "options_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "clickable_picture.h"
#include "field_edit.h"
#include "qt_colour.h"
#include "spin_buttons.h"

namespace varnholt {

namespace {
const QSize kPictureSize(120, 90);
// The crate unit's four fields share one line of the trench page.
constexpr int kCrateFieldWidth = 40;
// The ring page holds two pairs above each other, so its pictures are drawn smaller to leave
// every text and field whole within the fixed window.
const QSize kRingPictureSize(104, 78);
QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

ClickablePicture* optionPicture(const char* name, QWidget* parent, QSize size = kPictureSize) {
    return new ClickablePicture(
        QString::fromLatin1(name),
        QStringLiteral(":/pictures/options/%1.svg").arg(QLatin1String(name)), size, parent);
}

// The two fixed pictures beside a tab's texts.
QVBoxLayout* pictureColumn(std::initializer_list<const char*> names, QWidget* parent) {
    auto* column = new QVBoxLayout;
    for (const char* name : names) column->addWidget(optionPicture(name, parent));
    return column;
}
}  // namespace

OptionsDialog::OptionsDialog(DesignSession& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      session_(session),
      logic_(session.design()) {
    setObjectName(QStringLiteral("Tfrmoptions"));
    setWindowTitle(QStringLiteral("Design Options"));
    setProperty("varnholtForm", true);
    setFixedSize(500, 408);

    connect(&session_, &DesignSession::changed, this, &OptionsDialog::sync);
}

// The dialog's pages are built when it is first opened: the window exists from start-up, but
// its pictures need not be drawn before anyone looks at them.
void OptionsDialog::build() {
    if (built_) return;
    built_ = true;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("optionpages"));
    tabs->addTab(buildTrenchTab(), QStringLiteral("Trench Soakaways"));
    tabs->addTab(buildRingTab(), QStringLiteral("Ring Soakaways"));
    tabs->addTab(buildFilterTab(), QStringLiteral("Filter Trenches"));
    tabs->addTab(buildHalfEmptyTab(), QStringLiteral("Half Empty Time"));
    layout->addWidget(tabs, 1);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildSafetyGroup(), 1);
    groups->addWidget(buildVoidGroup(), 1);
    layout->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const char* name, const char* text) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* defaults = button("btndefaults", "Restore Defaults");
    buttons->addStretch(1);
    QPushButton* ok = button("btnok", "OK");
    QPushButton* cancel = button("btncancel", "Cancel");
    QPushButton* help = button("btnhelp", "Help");
    layout->addLayout(buttons);

    connect(defaults, &QPushButton::clicked, this,
            [this] { session_.act([this] { logic_.restoreDefaults(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { finish(&OptionsDialogLogic::ok); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(&OptionsDialogLogic::cancel); });
    connect(help, &QPushButton::clicked, this, &OptionsDialog::helpRequested);
    sync();
}

QLabel* OptionsDialog::note(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setWordWrap(true);
    return label;
}

QWidget* OptionsDialog::numberRow(Field f, const char* spinName, const char* unit, QWidget* parent,
                                  int width) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* e = new FieldEdit(f, session_, row);
    e->setFixedWidth(width);
    e->installEventFilter(this);  // the correction when the field is left
    edits_.push_back(e);
    auto* spin = new SpinButtons(QString::fromLatin1(spinName), row);
    connect(spin, &SpinButtons::up, this, [this, f] { session_.act([&] { logic_.spinUp(f); }); });
    connect(spin, &SpinButtons::down, this,
            [this, f] { session_.act([&] { logic_.spinDown(f); }); });
    layout->addWidget(e);
    layout->addWidget(spin);
    if (unit) layout->addWidget(new QLabel(QString::fromLatin1(unit), row));
    layout->addStretch(1);
    if (f == Field::txtringmargin) {
        margin_ = e;
        marginSpin_ = spin;
    }
    return row;
}

QCheckBox* OptionsDialog::switchBox(Check c, const char* text, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(qs(nameOf(c)));
    connect(box, &QCheckBox::clicked, this,
            [this, c](bool on) { session_.act([&] { logic_.setSwitch(c, on); }); });
    boxes_[c] = box;
    return box;
}

QWidget* OptionsDialog::picturePair(Check c, const char* offName, const char* onName,
                                    QWidget* parent, QSize size) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    auto picture = [&](const char* name) {
        ClickablePicture* p = optionPicture(name, holder, size);
        connect(p, &ClickablePicture::clicked, this,
                [this, c] { session_.act([&] { logic_.pictureClicked(c); }); });
        layout->addWidget(p);
        return p;
    };
    pictures_[c] = {picture(offName), picture(onName)};
    return holder;
}

QWidget* OptionsDialog::buildTrenchTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(
        switchBox(Check::chkbase, "Include base in trench soakaway calculation", page));
    layout->addWidget(
        picturePair(Check::chkbase, "imginclbase", "imginclbase2", page, kPictureSize), 0,
        Qt::AlignHCenter);
    layout->addWidget(
        note("(This option allows the designer to incorporate the base of the "
             "trench soakaway into the design.  This option is generally used only "
             "for plane soakaway systems. ie porous surfaces)",
             page));
    layout->addWidget(buildFillRows(page));
    layout->addStretch(1);
    return page;
}

QWidget* OptionsDialog::buildRingTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    grid->addWidget(switchBox(Check::chkringsur,
                              "Include granular fill in area surrounding PC ring Soakaway for "
                              "storage",
                              page),
                    0, 0, 1, 2);
    grid->addWidget(
        picturePair(Check::chkringsur, "imgringfill", "imgringfill2", page, kRingPictureSize), 1,
        0);
    auto* marginColumn = new QVBoxLayout;
    marginColumn->setSpacing(2);
    marginColumn->addWidget(
        note("Width of extra granular fill around soakaway ring to be "
             "included for storage calculation.",
             page));
    marginColumn->addWidget(numberRow(Field::txtringmargin, "ringmarginspin", "metres", page));
    marginColumn->addStretch(1);
    grid->addLayout(marginColumn, 1, 1);
    grid->addWidget(
        switchBox(Check::chkringbase, "Include base in ring soakaway calculation", page), 2, 0, 1,
        2);
    grid->addWidget(
        picturePair(Check::chkringbase, "imgringbase1", "imgringbase2", page, kRingPictureSize), 3,
        0);
    auto* failColumn = new QVBoxLayout;
    failColumn->setSpacing(2);
    failColumn->addWidget(
        note("(Includes base of ring soakaway in calculation as a surface for "
             "infiltration into the soil below)",
             page));
    // The failure depth and its field share a line, beside the base picture.
    auto* failRow = new QHBoxLayout;
    failRow->addWidget(
        new QLabel(QStringLiteral("Ring Soakaway failure depth (default = 4 metres)"), page));
    failRow->addWidget(numberRow(Field::txtringfail, "ringfailspin", nullptr, page), 1);
    failColumn->addLayout(failRow);
    failColumn->addStretch(1);
    grid->addLayout(failColumn, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* OptionsDialog::buildFilterTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(note("Percentage of flow from impermeable area that should overflow out of "
                         "the soakaway through an overflow pipe.",
                         page),
                    0, 0);
    grid->addWidget(numberRow(Field::txtoverflow, "overflowspin", "%", page), 1, 0);
    grid->addWidget(note("Use this design option where you are designing a filter trench with an "
                         "overflow pipe. The percentage you specify is the amount of runoff (from "
                         "your catchment area) that will flow out through the overflow.  The "
                         "default is 0%, ie a traditional soakaway.",
                         page),
                    2, 0);
    grid->addLayout(pictureColumn({"filter1", "filter2"}, page), 0, 1, 3, 1);
    return page;
}

QWidget* OptionsDialog::buildHalfEmptyTab() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(note("The default Half Empty time for a Soakaway and/or Filter Trench is 24 "
                         "hours.  This value may be changed but you should be fully aware of how "
                         "this may affect your design.",
                         page),
                    0, 0);
    grid->addWidget(numberRow(Field::txthalfempty, "halfemptyspin", "Hours", page), 1, 0);
    grid->addWidget(note("The Half Empty time allows for the soakaway to empty to a reasonable "
                         "level in preparation for a storm of equivalent or greater proportions.",
                         page),
                    2, 0);
    grid->addWidget(note("(Changing the Half Empty time will not alter the size of the soakaway, "
                         "but it will set the limitations of when the soakaway will fail)",
                         page),
                    3, 0);
    grid->addLayout(pictureColumn({"halfempty1", "halfempty2"}, page), 0, 1, 4, 1);
    return page;
}

QWidget* OptionsDialog::buildFillRows(QWidget* page) {
    auto* holder = new QWidget(page);
    auto* rows = new QVBoxLayout(holder);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Trench fill:"), holder));
    auto radio = [&](const char* name, const char* text, TrenchFill fill) {
        auto* r = new QRadioButton(QString::fromLatin1(text), holder);
        r->setObjectName(QString::fromLatin1(name));
        connect(r, &QRadioButton::clicked, this,
                [this, fill] { session_.act([&] { logic_.setFill(fill); }); });
        choice->addWidget(r);
        return r;
    };
    gravel_ = radio("optgravel", "gravel (void ratio as set)", TrenchFill::gravel);
    crates_ = radio("optcrates", "geocellular crates", TrenchFill::crates);
    choice->addStretch(1);
    rows->addLayout(choice);

    // The crate unit on one line: its three sizes in metres, then its void ratio.
    auto* unit = new QHBoxLayout;
    unit->setSpacing(3);
    unit->addWidget(new QLabel(QStringLiteral("Unit (m):"), holder));
    for (auto [f, label, spin] : {std::tuple{Field::txtcratelength, "L", "cratelengthspin"},
                                  {Field::txtcratewidth, "W", "cratewidthspin"},
                                  {Field::txtcrateheight, "H", "crateheightspin"},
                                  {Field::txtcratevr, "void ratio", "cratevrspin"}}) {
        auto* caption = new QLabel(QString::fromLatin1(label), holder);
        QWidget* numbers = numberRow(f, spin, nullptr, holder, kCrateFieldWidth);
        caption->setBuddy(numbers);
        crateRows_.push_back(caption);
        crateRows_.push_back(numbers);
        unit->addWidget(caption);
        unit->addWidget(numbers);
    }
    unit->addStretch(1);
    rows->addLayout(unit);
    return holder;
}

QWidget* OptionsDialog::buildSafetyGroup() {
    auto* group = new QGroupBox(QStringLiteral("Factor of Safety"), this);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addWidget(numberRow(Field::txtFOS, "FOSspin", nullptr, group));
    lblfos_ = new QLabel(group);
    lblfos_->setObjectName(QStringLiteral("lblfos"));
    lblfos_->setWordWrap(true);
    layout->addWidget(lblfos_);
    return group;
}

QWidget* OptionsDialog::buildVoidGroup() {
    auto* group = new QGroupBox(QStringLiteral("Void Ratio"), this);
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addWidget(numberRow(Field::txtVR, "vrspin", nullptr, group));
    layout->addWidget(
        note("The void ratio indicates the free volume available within the infill "
             "material.",
             group));
    layout->addWidget(
        note("The default is 0.3 but may vary depending on the type of fill used.", group));
    return group;
}

void OptionsDialog::sync() {
    if (!built_) return;
    const DesignRecord& record = session_.record();
    for (FieldEdit* e : edits_) e->sync();
    for (auto& [c, box] : boxes_) box->setChecked(record.checked(c));
    for (auto& [c, pair] : pictures_) {
        pair.first->setVisible(!record.checked(c));
        pair.second->setVisible(record.checked(c));
    }
    lblfos_->setText(QString::fromStdString(record.fosGuidance.text));
    applyTextColour(lblfos_, record.fosGuidance.colour);
    for (FieldEdit* e : edits_)
        if (e->field() == Field::txtFOS) applyTextColour(e, record.style(Field::txtFOS).text);
    const bool crates = logic_.fill() == TrenchFill::crates;
    gravel_->setChecked(!crates);
    crates_->setChecked(crates);
    for (QWidget* row : crateRows_) row->setEnabled(logic_.crateFieldsEnabled());
    margin_->setEnabled(logic_.marginEnabled());
    marginSpin_->setEnabled(logic_.marginEnabled());
}

bool OptionsDialog::begin() {
    build();
    if (isVisible()) {
        raise();
        activateWindow();
        return false;
    }
    session_.act([this] { logic_.shown(); });
    return true;
}

void OptionsDialog::openModeless() {
    if (!begin()) return;
    setModal(false);
    show();
    raise();
    activateWindow();
}

void OptionsDialog::openModal() {
    if (!begin()) return;
    exec();
}

void OptionsDialog::finish(void (OptionsDialogLogic::*step)()) {
    // A conversion failure keeps the dialog open with the message, as for any action.
    if (!session_.act([&] { (logic_.*step)(); })) return;
    done(QDialog::Accepted);  // done() hides without the close box's handling
}

// The close box is Cancel: what was typed and not confirmed is put back, so that no option
// the designer walked away from stays in force unseen.
void OptionsDialog::closeEvent(QCloseEvent* event) {
    if (!session_.act([this] { logic_.cancel(); })) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::closeEvent(event);
}

void OptionsDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        finish(&OptionsDialogLogic::cancel);
        return;
    }
    QDialog::keyPressEvent(event);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    // A pop-up menu over the field is not leaving it.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (auto* e = qobject_cast<FieldEdit*>(watched)) {
            const Field f = e->field();
            session_.act([&] { logic_.fieldLeft(f); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace varnholt
