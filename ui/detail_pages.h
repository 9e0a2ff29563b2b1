#pragma once

#include <QTabWidget>
#include <vector>

#include "design_session.h"

class QLabel;
class QTableWidget;

namespace varnholt {

class FieldEdit;
class SpinButtons;

// pcdetail: the page "Trench Soakaway" (the three dimensions with their spin buttons, the
// half-empty time and the notices of the trench) and the page "Ring Soakaway" (the standard
// ring table PCring and the variable ring design). Changing the page starts a pass.
class DetailPages : public QTabWidget {
    Q_OBJECT
public:
    DetailPages(DesignSession& session, QWidget* parent = nullptr);
    void sync();

private:
    QWidget* buildTrenchPage();
    QWidget* buildRingPage();
    FieldEdit* edit(Field f, QWidget* parent);
    QLabel* notice(Notice n, QWidget* parent);
    QLabel* designNotice(Notice n, QWidget* parent);
    void syncRingTable();
    void ringRowChosen(int tableRow);

    DesignSession& session_;
    std::vector<FieldEdit*> edits_;
    std::vector<std::pair<Notice, QLabel*>> notices_;
    QTableWidget* pcring_ = nullptr;
    bool syncing_ = false;
};

}  // namespace varnholt
