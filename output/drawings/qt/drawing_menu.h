#pragma once

#include <QDialog>
#include <array>

class QRadioButton;

namespace varnholt::drawings {

// Tfrmdrawmenu: picks one of the standard drawings; OK shows its window beside the main window.
// The dialog is kept for the whole run, so the choice stays between openings.
class DrawingMenu : public QDialog {
    Q_OBJECT
public:
    // The windows of opt1 to opt3: the ring, the trench with and without silt trap manhole.
    DrawingMenu(std::array<QWidget*, 3> windows, QWidget* parent = nullptr);

    QRadioButton* option(int index) const { return options_.at(static_cast<std::size_t>(index)); }

private:
    void ok();

    std::array<QWidget*, 3> windows_;
    std::array<QRadioButton*, 3> options_{};
};

}  // namespace varnholt::drawings
