#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "design_session.h"
#include "tools/options_dialog_logic.h"

class QCheckBox;
class QLabel;
class QRadioButton;

namespace varnholt {

class ClickablePicture;
class FieldEdit;
class SpinButtons;

// Tfrmoptions, "Design Options": a view over the design's option fields and the dialog's
// logic. One window serves both ways of opening it: without blocking the main window (it
// stays on top) or modally.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(DesignSession& session, QWidget* parent = nullptr);

    // Opens without blocking the main window. When the dialog is already open it is only
    // brought to the front: the visit (and what Cancel would restore) goes on.
    void openModeless();
    // Opens modally and returns when it is closed; an open dialog is brought to the front
    // instead, and the call returns at once.
    void openModal();
    bool openedModeless() const { return isVisible() && !isModal(); }

    void sync();

signals:
    void helpRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QWidget* buildTrenchTab();
    QWidget* buildRingTab();
    QWidget* buildFilterTab();
    QWidget* buildHalfEmptyTab();
    // The trench fill's choice and the crate unit, under the trench page's base switch.
    QWidget* buildFillRows(QWidget* page);
    QWidget* buildSafetyGroup();
    QWidget* buildVoidGroup();
    QWidget* numberRow(Field f, const char* spinName, const char* unit, QWidget* parent,
                       int width = 60);
    QCheckBox* switchBox(Check c, const char* text, QWidget* parent);
    QWidget* picturePair(Check c, const char* offName, const char* onName, QWidget* parent,
                         QSize size);
    QLabel* note(const char* text, QWidget* parent);
    bool begin();
    void finish(void (OptionsDialogLogic::*step)());

    DesignSession& session_;
    OptionsDialogLogic logic_;
    std::vector<FieldEdit*> edits_;
    std::map<Check, QCheckBox*> boxes_;
    std::map<Check, std::pair<ClickablePicture*, ClickablePicture*>> pictures_;
    QLabel* lblfos_ = nullptr;
    FieldEdit* margin_ = nullptr;
    SpinButtons* marginSpin_ = nullptr;
    QRadioButton* gravel_ = nullptr;
    QRadioButton* crates_ = nullptr;
    std::vector<QWidget*> crateRows_;  // the unit's captions and fields with their spins
    bool built_ = false;
};

}  // namespace varnholt
