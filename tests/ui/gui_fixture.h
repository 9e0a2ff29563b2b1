#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "ui/main_window.h"
#include "ui/program.h"

namespace varnholt::testing {

// The whole program, started as from the desktop, with its windows on screen.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>(arguments());
        program->start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->mainWindow()));
        // Shortcuts reach only the active window; without a window manager it is made so here.
        ASSERT_TRUE(activate(&program->mainWindow()));
    }
    void TearDown() override {
        program->mainWindow().setCloseRequest({});
        program.reset();
    }
    virtual std::vector<std::string> arguments() const { return {}; }

    template <typename T = QWidget>
    T* find(const char* name) const {
        return program->mainWindow().findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    std::string text(const char* name) const { return edit(name)->text().toStdString(); }
    const DesignRecord& record() const { return program->session().record(); }
    // The main window's caption as the window system shows it, with the mark of unsaved
    // changes in place of its placeholder.
    QString caption() const { return program->mainWindow().windowHandle()->title(); }

    // Keys typed one by one into a field, as the user types them.
    void type(QWidget* field, const QString& keys) {
        field->setFocus();
        for (QChar c : keys) QTest::keyClick(field, c.toLatin1());
    }
    void type(const char* field, const QString& keys) { type(edit(field), keys); }
    // The worked trench: 100 m2 of roof, 0.02 m of rain, 0.00001 m/s, 1.5 m deep, the width
    // typed as 0.5 and the length then written as 10 m, which solves it 10.01 m by 0.32 m.
    void enterWorkedTrench() {
        type("txtarea", "100");
        type("txtrain", "0.02");
        type("txtsinf", "0.00001");
        type("txtdepth", "1.5");
        type("lblwid", "0.5");
        program->session().act([&] { program->session().design().write(Field::txtlength, "10"); });
        ASSERT_EQ(text("lblwid"), "0.32");
        ASSERT_EQ(text("txtlength"), "10.01");
    }
    void clearAndType(const char* field, const QString& keys) {
        QLineEdit* e = edit(field);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        type(e, keys);
    }

    // Makes `window` the active window as the user's click would. A window manager may pass
    // over one request while it is still settling another window, so it is asked again.
    static bool activate(QWidget* window) {
        return eventually([&] {
            if (QApplication::activeWindow() == window) return true;
            window->raise();
            window->activateWindow();
            QTest::qWait(50);
            return QApplication::activeWindow() == window;
        });
    }

    // Waits for what the window system delivers in its own time (pointer entry, focus).
    static bool eventually(const std::function<bool()>& condition, int milliseconds = 3000) {
        return QTest::qWaitFor(condition, milliseconds);
    }

    using ModalStep = std::function<void(QWidget*)>;

    // Runs `action`, which opens modal windows one after another; each step in turn handles the
    // next one to come up (a question, a file dialog, a message) and must close it.
    static void withModals(const std::function<void()>& action, std::vector<ModalStep> steps) {
        std::size_t done = 0;
        QPointer<QWidget> handled;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == handled || done == steps.size()) return;
            handled = modal;
            steps[done++](modal);
        });
        poll.start();
        action();
        poll.stop();
        EXPECT_EQ(done, steps.size()) << "fewer modal windows came up than expected";
    }
    static void whileModal(const std::function<void()>& action, const ModalStep& inside) {
        withModals(action, {inside});
    }

    // The text of the message box `action` shows, which is then closed with OK.
    static QString messageOf(const std::function<void()>& action) {
        QString shown;
        whileModal(action, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr) << "the modal window is not a message box";
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        return shown;
    }

    // Types a name into the file dialog that is up and confirms it.
    static void answerFileDialog(QWidget* modal, const QString& name) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameEdit, nullptr);
        nameEdit->setFocus();
        QTest::keyClicks(nameEdit, name);
        QTest::keyClick(nameEdit, Qt::Key_Return);
    }

    // Every visible control inside `area` is wholly inside it and has at least the room its
    // text or picture needs with the fonts this platform has: nothing clipped, nothing cropped.
    static void expectWhole(QWidget* area) {
        const QRect inside = area->rect();
        for (QWidget* w : area->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(area) || w->isWindow()) continue;
            const bool control = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                 qobject_cast<QLineEdit*>(w);
            if (!control) continue;
            const QRect r(w->mapTo(area, QPoint(0, 0)), w->size());
            const QString what =
                w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
            auto* label = qobject_cast<QLabel*>(w);
            const int needed = label && label->wordWrap() ? label->heightForWidth(w->width())
                                                          : w->sizeHint().height();
            EXPECT_TRUE(inside.contains(r)) << what.toStdString() << " lies outside its area";
            // A size fixed on purpose, or an editor sized by its drop-down list, is not judged
            // by the hint.
            if (qobject_cast<QComboBox*>(w->parentWidget())) continue;
            if (w->minimumHeight() != w->maximumHeight()) {
                EXPECT_GE(w->height(), needed) << what.toStdString() << " is cut at the bottom";
            }
            if (!(label && label->wordWrap()) && w->minimumWidth() != w->maximumWidth()) {
                EXPECT_GE(w->width(), w->minimumSizeHint().width())
                    << what.toStdString() << " is cut at the side";
            }
        }
    }

    // Whether the window manager stacks `upper` above `lower`. Without a window manager the
    // stacking is the order of mapping, and a window just shown comes up over every other.
    static bool isStackedAbove(QWidget* upper, QWidget* lower) {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
        if (!xprop.waitForFinished(3000)) return false;
        const QString out = QString::fromLatin1(xprop.readAllStandardOutput());
        const int list = out.indexOf(QLatin1Char('#'));
        if (list < 0) return upper->windowHandle()->transientParent() == lower->windowHandle();
        QList<WId> bottomToTop;
        for (const QString& id : out.mid(list + 1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            bottomToTop << id.trimmed().toULongLong(nullptr, 16);
        const auto up = bottomToTop.indexOf(upper->winId());
        const auto low = bottomToTop.indexOf(lower->winId());
        return up >= 0 && low >= 0 && up > low;
    }

    std::unique_ptr<Program> program;
};

}  // namespace varnholt::testing
