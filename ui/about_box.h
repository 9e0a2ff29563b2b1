#pragma once

#include <QPointer>
#include <QTimer>

#include "fixed_dialog.h"

class QFrame;

namespace varnholt {

// Tfrmabout, "About Varnholt": the turning 3D logo, the disclaimer, the maker's and the
// product's web addresses and the credit of the 3D library. Opened modally.
class AboutBox : public FixedDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // Puts `view` into the sunken slot of the 3D view (255 x 163), in place of the empty
    // placeholder or of the view given before, which is deleted; also before the box is first
    // shown. The view is named
    // GLSceneViewer1; pressing a mouse button on it pauses the turning, releasing the last
    // button resumes it.
    void setLogoView(QWidget* view);

    // Timer1, reached by the tests: every 20 ms while the box is shown, and not while a button is
    // held on the view.
    QTimer& timer() { return timer_; }

public slots:
    void pauseTurning();
    void resumeTurning();

signals:
    // One step of the logo's turning.
    void tick();
    // The mouse wheel turned over the box by whole notches, positive away from the user.
    void wheelTurned(int notches);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void build() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QFrame* viewPanel_ = nullptr;
    QPointer<QWidget> view_;
    QTimer timer_;
    int wheelAngle_ = 0;  // eighths of a degree short of a whole notch
};

}  // namespace varnholt
