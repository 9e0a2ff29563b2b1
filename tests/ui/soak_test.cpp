// Long random use of the whole program: keys, clicks, drags, wheel turns, page switches,
// menu commands and every dialog opened and answered at random. It must end without a crash
// or a sanitizer report, with the design the engine computes from the same texts.
//   VARNHOLT_SOAK_SECONDS (default 30) and VARNHOLT_SOAK_SEED (default 1) set the run.
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QSet>
#include <QTabWidget>
#include <QWheelEvent>
#include <cstdio>
#include <random>

#include "engine/design.h"
#include "engine/errors.h"
#include "gui_fixture.h"
#include "opened_urls.h"
#include "started_design.h"

namespace varnholt {
namespace {

int setting(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok ? n : fallback;
}

class SoakTest : public testing::GuiTest {
protected:
    template <typename T>
    T* pick(const QList<T*>& list) {
        if (list.isEmpty()) return nullptr;
        return list[std::uniform_int_distribution<int>(0, int(list.size()) - 1)(rng)];
    }
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    QString randomKeys() {
        static const QString keys = QStringLiteral("0123456789..-eE xq\b\b\b");
        QString out;
        for (int i = upTo(6) + 1; i > 0; --i) out += keys[upTo(int(keys.size()))];
        return out;
    }

    // Types into an edit, or clicks a button, of `window`; a button is clicked once this
    // returns, so that what it opens comes up in the event loop and not inside this call.
    void poke(QWidget* window) {
        QList<QLineEdit*> edits;
        for (QLineEdit* e : window->findChildren<QLineEdit*>())
            if (e->isVisible() && e->isEnabled()) edits << e;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (b->isVisible() && b->isEnabled() && !b->objectName().contains("exit")) buttons << b;
        if (upTo(3) != 0 && !edits.isEmpty()) {
            QLineEdit* e = pick(edits);
            e->setFocus();
            for (QChar c : randomKeys())
                c == QLatin1Char('\b') ? QTest::keyClick(e, Qt::Key_Backspace)
                                       : QTest::keyClick(e, c.toLatin1());
        } else if (QAbstractButton* b = pick(buttons)) {
            QTimer::singleShot(0, b, [b] { b->click(); });
        }
    }

    // Whatever modal window is up gets an answer: a message box a random button, a file or
    // print dialog Cancel, one of ours some random use and, now and then, closing.
    void answerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        seen.insert(modal->objectName().isEmpty()
                        ? QString::fromLatin1(modal->metaObject()->className())
                        : modal->objectName());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* b = pick(box->buttons());
            if (b) QTimer::singleShot(0, b, [b] { b->click(); });
            return;
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        const QString type = QString::fromLatin1(modal->metaObject()->className());
        const bool foreign = type.startsWith(QLatin1String("QFileDialog")) ||
                             type.startsWith(QLatin1String("QPrint")) ||
                             type.contains(QLatin1String("Print"));
        if (dialog && (foreign || upTo(4) == 0)) {
            QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
            return;
        }
        // Not from inside this call: a message box the typing brings up runs its own loop
        // there, and the watchdog's timer does not fire again until its call returns.
        QTimer::singleShot(0, modal, [this, modal] { poke(modal); });
    }

    void randomMainAction() {
        MainWindow& window = program->mainWindow();
        switch (upTo(6)) {
            case 0:
            case 1:
                poke(&window);
                break;
            case 2: {
                QList<QAction*> actions;
                for (QAction* a : window.findChildren<QAction*>())
                    if (a->isEnabled() && !a->menu() && !a->isSeparator() &&
                        !a->text().contains(QLatin1String("Exit")) && !a->objectName().isEmpty())
                        actions << a;
                if (QAction* a = pick(actions)) a->trigger();
                break;
            }
            case 3: {
                QList<QTabWidget*> tabs = window.findChildren<QTabWidget*>();
                if (QTabWidget* t = pick(tabs)) t->setCurrentIndex(upTo(t->count()));
                break;
            }
            case 4: {  // a drag somewhere in the window's panes
                QWidget* area = window.centralWidget();
                const QPoint from(upTo(area->width()), upTo(area->height()));
                const QPoint to(upTo(area->width()), upTo(area->height()));
                QWidget* under = area->childAt(from);
                if (!under) break;
                const Qt::MouseButton button = upTo(4) == 0 ? Qt::RightButton : Qt::LeftButton;
                QTest::mousePress(under, button, {}, under->mapFrom(area, from));
                QTest::mouseMove(under, under->mapFrom(area, (from + to) / 2));
                QTest::mouseMove(under, under->mapFrom(area, to));
                QTest::mouseRelease(under, button, {}, under->mapFrom(area, to));
                break;
            }
            case 5: {  // a wheel turn
                QWidget* area = window.centralWidget();
                const QPoint at(upTo(area->width()), upTo(area->height()));
                QWidget* under = area->childAt(at);
                if (!under) break;
                const QPoint local = under->mapFrom(area, at);
                QWheelEvent wheel(local, under->mapToGlobal(local), {},
                                  QPoint(0, upTo(2) ? 120 : -120), Qt::NoButton, {},
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(under, &wheel);
                break;
            }
        }
    }

    std::mt19937 rng;
    QSet<QString> seen;  // the modal windows that came up
};

TEST_F(SoakTest, RandomUseEndsWithTheDesignTheEngineComputesFromItsTexts) {
    const int seconds = setting("VARNHOLT_SOAK_SECONDS", 30);
    const int seed = setting("VARNHOLT_SOAK_SEED", 1);
    std::printf("soak: %d s, seed %d (VARNHOLT_SOAK_SEED replays it)\n", seconds, seed);
    rng.seed(static_cast<unsigned>(seed));
    testing::OpenedUrls urls(
        {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")});
    enterWorkedTrench();

    QTimer watchdog;
    watchdog.setInterval(20);
    QObject::connect(&watchdog, &QTimer::timeout, [this] { answerModal(); });
    watchdog.start();
    QElapsedTimer clock;
    clock.start();
    int actions = 0;
    while (clock.elapsed() < seconds * 1000) {
        randomMainAction();
        QTest::qWait(5);
        ++actions;
    }
    // Every modal window answered until none is left.
    ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 20000))
        << "a modal window stayed up";
    watchdog.stop();
    std::printf("soak: %d actions; modal windows answered: %s\n", actions,
                qPrintable(QStringList(seen.values()).join(QLatin1String(", "))));

    // A final recalculation in the program and in a headless engine given the same texts.
    program->session().act([&] { program->session().design().refreshView(); });
    const DesignRecord& shown = record();
    Design headless;
    testing::start(headless);
    DesignRecord& copy = headless.record();
    for (Field f : kAllFields) copy.place(f, shown.text(f));
    for (Check c : kAllChecks) copy.setChecked(c, shown.checked(c));
    copy.detailPage = shown.detailPage;
    copy.appliedRingSurround = shown.appliedRingSurround;
    copy.appliedRingMargin = shown.appliedRingMargin;
    copy.ring.selectedRow = shown.ring.selectedRow;
    try {
        headless.refreshView();
    } catch (const ActionStopped&) {
        // A text the program also refused: the texts below are compared as they stand.
    }
    for (Field f : kAllFields)
        EXPECT_EQ(copy.text(f), shown.text(f)) << "field " << static_cast<int>(f);
    EXPECT_EQ(copy.ring.cells, shown.ring.cells);
}

}  // namespace
}  // namespace varnholt
