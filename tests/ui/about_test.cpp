// The Help menu's two small windows as the user meets them: the about box with its turning
// logo and its links, and the bug-report window that sends the user to the maker's site.
#include <QAction>
#include <QDesktopServices>
#include <QFrame>
#include <QOpenGLWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

#include "gui_fixture.h"
#include "opened_urls.h"
#include "scene/viewer.h"
#include "ui/about_box.h"
#include "ui/about_logo.h"
#include "ui/bug_report_window.h"
#include "ui/options_dialog.h"

namespace varnholt {
namespace {

class AboutTest : public testing::GuiTest {
protected:
    void trigger(const char* action) {
        program->mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    // Opens the window of a Help command and runs `inside` while it is up; `inside` closes it.
    void withHelpWindow(const char* action, const ModalStep& inside) {
        whileModal([&] { trigger(action); }, inside);
    }
    template <typename T = QWidget>
    static T* in(QWidget* window, const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    testing::OpenedUrls pages{{"http", "https"}};
};

struct HelpWindow {
    const char* action;
    const char* name;
    const char* caption;
    QSize client;
};

TEST_F(AboutTest, HelpCommandsOpenTheirWindowsModallyCentredFixedAndWhole) {
    const HelpWindow windows[] = {{"About1", "Tfrmabout", "About Varnholt", {510, 312}},
                                  {"ReportaBug1", "Tfrmreportbug", "Report a Bug!", {385, 162}}};
    for (const HelpWindow& w : windows) {
        SCOPED_TRACE(w.name);
        // Made at start-up with the other windows, hidden until asked for.
        auto* made = program->mainWindow().findChild<QDialog*>(QString::fromLatin1(w.name),
                                                               Qt::FindDirectChildrenOnly);
        ASSERT_NE(made, nullptr);
        EXPECT_FALSE(made->isVisible());
        withHelpWindow(w.action, [&](QWidget* modal) {
            EXPECT_EQ(modal, made);
            EXPECT_TRUE(modal->isModal());
            EXPECT_EQ(modal->windowTitle(), w.caption);
            EXPECT_EQ(modal->size(), w.client);
            EXPECT_EQ(modal->minimumSize(), w.client);
            EXPECT_EQ(modal->maximumSize(), w.client);
            const Qt::WindowFlags flags = modal->windowFlags();
            EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
            EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                  Qt::WindowContextHelpButtonHint));
            // Centred on the screen, up to the title bar a window manager adds above.
            const QPoint off =
                modal->geometry().center() - modal->screen()->availableGeometry().center();
            EXPECT_LE(std::abs(off.x()), 2);
            EXPECT_LE(std::abs(off.y()), 30);
            expectWhole(modal);
            modal->close();  // the close box
        });
        EXPECT_FALSE(made->isVisible());
        EXPECT_TRUE(eventually([&] { return QApplication::activeModalWidget() == nullptr; }));
    }
}

TEST_F(AboutTest, AboutShowsTheDisclaimerAndTheCreditBesideTheLogoSlot) {
    withHelpWindow("About1", [&](QWidget* about) {
        EXPECT_EQ(in<QLabel>(about, "Label1")->text(),
                  "Corvane Systems takes no liability for the failed performance of Soakaways "
                  "constructed from the output of our software.  Soakaways must be maintained "
                  "regularly to perform correctly.");
        EXPECT_TRUE(in<QLabel>(about, "Label1")->font().bold());
        EXPECT_EQ(in<QLabel>(about, "Label2")->text(), "3D drawn with Qt and OpenGL");
        QWidget* view = in(about, "GLSceneViewer1");
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->size(), QSize(255, 163));
        auto* panel = qobject_cast<QFrame*>(view->parentWidget());
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->frameShadow(), QFrame::Sunken);
        // The view lies at the top left, above the disclaimer; the links are to its right.
        const QRect viewArea(view->mapTo(about, QPoint(0, 0)), view->size());
        EXPECT_LT(viewArea.left(), 12);
        EXPECT_LT(viewArea.top(), 12);
        EXPECT_GE(in(about, "Label1")->mapTo(about, QPoint(0, 0)).y(), viewArea.bottom());
        for (const char* right : {"Label5", "Label7", "Image1", "Label2"})
            EXPECT_GT(in(about, right)->mapTo(about, QPoint(0, 0)).x(), viewArea.right()) << right;
        about->close();
    });
}

// A bug report starts with the version: it must be the one this build was made as, whole and
// readable, not a number typed into the window by hand.
TEST_F(AboutTest, AboutShowsTheVersionOfTheBuild) {
    const QString built = QStringLiteral(VARNHOLT_BUILT_VERSION);
    ASSERT_TRUE(
        QRegularExpression(QStringLiteral("^\\d+\\.\\d+(\\.\\d+)*$")).match(built).hasMatch())
        << built.toStdString();
    withHelpWindow("About1", [&](QWidget* about) {
        auto* version = in<QLabel>(about, "lblversion");
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), "Varnholt version " + built);
        EXPECT_TRUE(version->isVisible());
        EXPECT_GE(version->width(), version->sizeHint().width());
        about->close();
    });
}

struct Link {
    const char* action;
    const char* link;
    const char* shown;  // the text the link shows, if a text
    const char* opens;
};

TEST_F(AboutTest, EachLinkOpensItsPageThroughTheDesktop) {
    const Link links[] = {
        {"About1", "Label5", "http://127.0.0.1:9", "http://127.0.0.1:9/"},
        {"About1", "Label7", "http://127.0.0.1:9/varnholt", "http://127.0.0.1:9/varnholt"},
        {"About1", "Image1", nullptr, "https://www.qt.io"},
        {"ReportaBug1", "Label2", "Report a Bug!", "http://127.0.0.1:9/"},
    };
    for (const Link& l : links) {
        SCOPED_TRACE(l.link);
        pages.urls.clear();
        withHelpWindow(l.action, [&](QWidget* window) {
            QWidget* link = in(window, l.link);
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
            if (l.shown) {
                auto* label = qobject_cast<QLabel*>(link);
                EXPECT_EQ(label->text(), l.shown);
                EXPECT_TRUE(label->font().underline());
            }
            QTest::mouseClick(link, Qt::LeftButton);
            EXPECT_TRUE(window->isVisible());  // the window stays up over the browser
            window->close();
        });
        EXPECT_EQ(pages.urls, QList<QUrl>({QUrl(QString::fromLatin1(l.opens))}));
    }
}

TEST_F(AboutTest, TheBugReportLinkIsBoldBlueAndCloseClosesTheWindow) {
    withHelpWindow("ReportaBug1", [&](QWidget* window) {
        auto* link = in<QLabel>(window, "Label2");
        EXPECT_TRUE(link->font().bold());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        for (const char* text :
             {"If you have discovered a bug or any other problem with our software please click "
              "on the link below to go to our web site and report your findings.",
              "(Requires Internet connection)"}) {
            bool shown = false;
            for (QLabel* l : window->findChildren<QLabel*>())
                shown = shown || (l->text() == text && l->isVisible());
            EXPECT_TRUE(shown) << text;
        }
        QTest::mouseClick(in(window, "Button1"), Qt::LeftButton);
        EXPECT_FALSE(window->isVisible());
    });
}

TEST_F(AboutTest, TheLogoTurnsOnlyWhileShownAndPausesWhileHeld) {
    AboutBox& about = program->aboutBox();
    QTimer& timer = about.timer();
    EXPECT_EQ(timer.objectName(), "Timer1");
    EXPECT_EQ(timer.interval(), 20);
    EXPECT_FALSE(timer.isActive());

    withHelpWindow("About1", [&](QWidget*) {
        AboutLogo& logo = *program->aboutLogo();
        auto* view = in<scene::Viewer>(&about, "GLSceneViewer1");
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(view->drawsOpenGL()) << view->problem().toStdString();
        EXPECT_EQ(view->size(), QSize(255, 163));
        EXPECT_TRUE(timer.isActive());
        // A degree a tick about the vertical.
        const QQuaternion before = logo.turner().orientation;
        EXPECT_TRUE(eventually([&] { return logo.turner().orientation != before; }));
        EXPECT_NEAR(logo.turner().orientation.toEulerAngles().x(), 0, 1e-3);

        // Held down, the turning stops and a drag orbits the camera; released, it goes on.
        auto* surface = view->findChild<QOpenGLWidget*>();
        const QPoint middle = surface->rect().center();
        const QVector3D eye = logo.scene().camera.position;
        QTest::mousePress(surface, Qt::LeftButton, {}, middle);
        EXPECT_FALSE(timer.isActive());
        QTest::mouseMove(surface, middle + QPoint(20, 0));
        EXPECT_NE(logo.scene().camera.position, eye);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, middle + QPoint(20, 0));
        EXPECT_TRUE(timer.isActive());

        // Shift turns the orange box alone, not the letters.
        timer.stop();
        const QQuaternion letters = logo.lowestLine().orientation;
        const QQuaternion box = logo.box().orientation;
        QMouseEvent press(QEvent::MouseButtonPress, middle, surface->mapToGlobal(middle),
                          Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(surface, &press);
        const QPoint to = middle + QPoint(10, 10);
        QMouseEvent move(QEvent::MouseMove, to, surface->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(surface, &move);
        EXPECT_NE(logo.box().orientation, box);
        EXPECT_EQ(logo.lowestLine().orientation, letters);

        // The wheel over the box: a hundredth of the scale a notch, away from the user smaller.
        const float scale = logo.scene().camera.sceneScale;
        emit about.wheelTurned(2);
        EXPECT_FLOAT_EQ(logo.scene().camera.sceneScale, scale - 0.02f);

        // Solid letters in their blue and the orange box are in the picture.
        const QImage picture = view->grabFrame();
        int blue = 0, orange = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor c = picture.pixelColor(x, y);
                blue += c.blue() > 150 && c.red() < 100;
                orange += c.red() > 230 && c.green() > 100 && c.green() < 200 && c.blue() < 60;
            }
        EXPECT_GT(blue, 200);
        EXPECT_GT(orange, 200);
        about.close();
    });
    EXPECT_FALSE(timer.isActive());
    about.resumeTurning();  // a release after the box went away starts nothing
    EXPECT_FALSE(timer.isActive());
}

// A dialog given its native window early must not make every child of the main window native:
// those cannot be drawn in a window that holds an OpenGL view, which then kept showing the menu
// the command came from.
TEST_F(AboutTest, OpeningTheAboutBoxLeavesTheMainWindowDrawable) {
    withHelpWindow("About1", [&](QWidget* about) {
        for (QWidget* w : program->mainWindow().findChildren<QWidget*>())
            EXPECT_FALSE(!w->isWindow() && w->internalWinId())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        about->close();
    });
}

TEST_F(AboutTest, OpensInFrontOfTheOptionsKeptOnTop) {
    program->optionsDialog().openModeless();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->optionsDialog()));
    withHelpWindow("About1", [&](QWidget* about) {
        EXPECT_TRUE(eventually([&] { return isStackedAbove(about, &program->optionsDialog()); }));
        about->close();
    });
    program->optionsDialog().close();
}

}  // namespace
}  // namespace varnholt
