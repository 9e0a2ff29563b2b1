#pragma once

#include <QGroupBox>
#include <array>

#include "engine/design_record.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace varnholt {

// "Rainfall source": FSR with its M5-60, r and region; FEH99 with its six parameters; or an
// imported FEH13 / FEH22 depth table, of which it shows the origin and range. It shows the
// project's texts and tells of every edit by its key; "Import FEH file…" is the opener's to
// handle.
class RainfallSourceBox : public QGroupBox {
    Q_OBJECT
public:
    explicit RainfallSourceBox(QWidget* parent = nullptr);

    void showProject(const DesignRecord& record);
    RainfallSourceKind source() const;
    // The first FEH99 box that is not a number, in the words of a refusal; empty when all are.
    QString feh99Problem() const;

signals:
    void edited(const QString& key, const QString& text);
    void importAsked();

private:
    void showPage();
    QString feh99Text() const;

    QComboBox* source_;
    QPushButton* import_;
    QStackedWidget* pages_;
    QComboBox* region_;
    std::array<QLineEdit*, 6> feh99_{};
    QLabel* feh99Origin_;
    QLabel* tableLine_;
    FehDepthTables tables_;
};

}  // namespace varnholt
