#pragma once

#include <QTabWidget>
#include <array>
#include <vector>

#include "design_session.h"

class QComboBox;
class QHBoxLayout;
class QPushButton;

namespace varnholt {

class FieldEdit;

// pcmain: the pages "Current Project" (title, number, designer) and "Global Variables" (the
// design inputs with the buttons of their tools).
class InputPages : public QTabWidget {
    Q_OBJECT
public:
    InputPages(DesignSession& session, QWidget* parent = nullptr);
    void sync();

    QPushButton* vrcButton() const { return btnVRC_; }
    QPushButton* rainfallButton() const { return btnrainfall_; }
    QPushButton* infiltrationButton() const { return btnsinf_; }
    QPushButton* soilTableButton() const { return btnsoiltable_; }

    // The width of a field that shows the numbers the program writes whole.
    static int numberFieldWidth(const QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildProjectPage();
    QWidget* buildInputsPage();
    FieldEdit* edit(Field f, QWidget* parent);
    int oneRowWidth() const;
    void arrangeInputs();

    DesignSession& session_;
    std::vector<FieldEdit*> edits_;
    std::vector<QWidget*> groups_;  // label, field and buttons of each input
    std::array<QHBoxLayout*, 2> rows_{};
    int perRow_ = 0;
    QComboBox* txtsdur_ = nullptr;
    QPushButton* btnVRC_ = nullptr;
    QPushButton* btnrainfall_ = nullptr;
    QPushButton* btnsinf_ = nullptr;
    QPushButton* btnsoiltable_ = nullptr;
};

}  // namespace varnholt
