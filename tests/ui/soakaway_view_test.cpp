// The 3D pane on real OpenGL, sampled in the picture it draws: the sky, the materials where the
// objects project, the captions, the axes, the overflow pipe, the ring and the ground; the
// pointer, wheel and zoom buttons acting on a view state that outlives refreshes and new
// projects; and Fit View from every place it is reached, by itself for a new or opened project.
#include <QtTest/qtestspontaneevent.h>
#include <QCheckBox>
#include <QMenu>
#include <QOpenGLWidget>
#include <QTabWidget>
#include <map>

#include "gui_fixture.h"
#include "scene/fitting.h"
#include "scene/viewer.h"
#include "ui/main_commands.h"
#include "ui/soakaway_view.h"

namespace varnholt {
namespace {

using N = SceneNodeId;

bool near(QColor c, int r, int g, int b, int tolerance = 6) {
    return std::abs(c.red() - r) <= tolerance && std::abs(c.green() - g) <= tolerance &&
           std::abs(c.blue() - b) <= tolerance;
}

class SoakawayViewTest : public testing::GuiTest {
protected:
    SoakawayView& view() { return program->mainWindow().soakawayView(); }
    scene::Scene& scene() { return view().scene(); }
    scene::Node& node(N id) { return view().node(id); }
    QOpenGLWidget* surface() { return view().findChild<QOpenGLWidget*>(); }

    QImage frame() { return view().viewer().grabFrame(); }
    QPoint pixelOf(QVector3D world) {
        return scene().camera.project(world, surface()->size(), surface()->logicalDpiX()).toPoint();
    }
    QPoint pixelOf(N id, QVector3D offset = {}) {
        return pixelOf(node(id).worldMatrix().map(offset));
    }
    QColor colourAt(const QImage& image, QPoint p) {
        EXPECT_TRUE(image.rect().contains(p)) << p.x() << ", " << p.y();
        return image.pixelColor(p);
    }

    // The pointer pressed at `from`, moved by `by` in steps of one pixel, released.
    void drag(Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint from, QPoint by) {
        const Qt::MouseButton first =
            buttons & Qt::LeftButton ? Qt::LeftButton : Qt::MouseButton(int(buttons));
        send(QEvent::MouseButtonPress, from, first, buttons, keys);
        const int steps = std::max(std::abs(by.x()), std::abs(by.y()));
        for (int i = 1; i <= steps; ++i)
            send(QEvent::MouseMove, from + by * i / steps, Qt::NoButton, buttons, keys);
        send(QEvent::MouseButtonRelease, from + by, first, Qt::NoButton, keys);
    }
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers keys) {
        QMouseEvent e(type, at, surface()->mapToGlobal(at), button, buttons, keys);
        QApplication::sendEvent(surface(), &e);
    }
    void wheel(QWidget* over, int notches) {
        const QPointF at(over->width() / 2.0, over->height() / 2.0);
        QWheelEvent e(at, over->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        // As from the window system, so that a widget that does not take it passes it on.
        QSpontaneKeyEvent::setSpontaneous(&e);
        qApp->notify(over, &e);
    }

    void enterTrench() {
        type("txtarea", "100");
        type("txtrain", "0.02");
        type("txtsinf", "0.00001");
        type("txtdepth", "1.5");
        type("lblwid", "0.5");
        program->session().act([&] { program->session().design().write(Field::txtlength, "4"); });
        ASSERT_TRUE(node(N::GLDummyTrench).visible);
    }
    void setOverflow(const char* percent) {
        program->session().act([&] {
            program->session().design().write(Field::txtoverflow, percent);
            program->session().design().refreshView();
        });
    }
    // Where the corners of the trench's box show, as far as they show on the pane at all.
    std::vector<QPoint> trenchCorners() {
        std::vector<QPoint> at;
        for (const QVector3D& c : scene::boundingCorners(node(N::GLTrench)))
            at.push_back(pixelOf(c));
        return at;
    }
    // Every corner of the trench's box on the pane, clear of the captions, and the soakaway
    // filling the pane: some shown object reaches the fit's border.
    void expectWholeTrenchFillingThePane() {
        const QRect pane = surface()->rect();
        const int captionsEnd = 25 + 3 * scene::kCaptionHeight;
        for (QPoint p : trenchCorners()) {
            EXPECT_TRUE(pane.contains(p)) << p.x() << ", " << p.y();
            EXPECT_GT(p.y(), captionsEnd) << "under the captions";
        }
        int closest = pane.width();
        for (const QVector3D& c : view().shownCorners()) {
            const QPoint p = pixelOf(c);
            closest = std::min(
                {closest, p.x(), pane.right() - p.x(), pane.bottom() - p.y(), p.y() - captionsEnd});
        }
        EXPECT_LE(closest, SoakawayView::kFitBorder + 2);
    }
    // The view moved away from the fitted one: round the trench, and nearer.
    void lookElsewhere() {
        drag(Qt::LeftButton, {}, {150, 200}, {25, 10});
        for (int i = 0; i < 100; ++i)
            QTest::mouseClick(find<QPushButton>("btnzoomin"), Qt::LeftButton);
        const QRect pane = surface()->rect();
        const auto corners = trenchCorners();
        ASSERT_FALSE(std::all_of(corners.begin(), corners.end(), [&](QPoint p) {
            return pane.contains(p);
        })) << "the trench is still whole: no fit would show";
    }

    int countPixels(const QImage& image, const std::function<bool(QColor)>& match) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += match(image.pixelColor(x, y));
        return n;
    }
};

TEST_F(SoakawayViewTest, DrawsOnOpenGLAtItsDesignSize) {
    ASSERT_TRUE(view().viewer().drawsOpenGL()) << view().viewer().problem().toStdString();
    EXPECT_TRUE(view().viewer().problem().isEmpty());
    EXPECT_EQ(view().width(), 322);
    const QSurfaceFormat f = surface()->format();
    EXPECT_GE(f.depthBufferSize(), 24);
    frame();
    EXPECT_EQ(view().viewer().samples(), 4);
}

TEST_F(SoakawayViewTest, SkyIsWhiteAtTheHorizonAndSkyBlueAbove) {
    // Nothing designed yet, so both groups are hidden; the pointer moved 45 pixels up lowers
    // the camera from 45 degrees above the target to level with it.
    drag(Qt::LeftButton, {}, {150, 200}, {0, -45});
    const QVector3D eye = scene().camera.position;
    const QVector3D ahead = scene().camera.forwardAxis();
    ASSERT_NEAR(ahead.y(), 0, 1e-4);
    const auto skyAt = [&](double degrees) {
        const double e = qDegreesToRadians(degrees);
        return pixelOf(eye +
                       10 * (ahead * float(std::cos(e)) + QVector3D(0, float(std::sin(e)), 0)));
    };
    const QImage image = frame();
    const QColor horizon = colourAt(image, skyAt(0.3));
    EXPECT_GE(horizon.blue(), 245);
    EXPECT_GE(horizon.red(), 235);
    const QColor halfway = colourAt(image, skyAt(7.5));
    EXPECT_TRUE(near(halfway, (255 + 56) / 2, (255 + 176) / 2, (255 + 222) / 2, 12))
        << halfway.name().toStdString();
    for (double e : {16.0, 20.0}) EXPECT_TRUE(near(colourAt(image, skyAt(e)), 56, 176, 222)) << e;
    // Below the horizon the background shows, not the sky.
    EXPECT_FALSE(near(colourAt(image, skyAt(-5)), 56, 176, 222, 40));
}

TEST_F(SoakawayViewTest, TrenchShowsInItsMaterialsWithItsCaptions) {
    enterTrench();
    const QImage image = frame();
    // The box's top: at least the trench's own orange, lit towards yellow.
    const QColor top = colourAt(image, pixelOf(N::GLTrench, {0, 0.5f, 0}));
    EXPECT_GE(top.red(), 227);
    EXPECT_GE(top.green(), 120);
    EXPECT_GE(top.blue(), 51);
    EXPECT_GT(top.red(), top.green());
    EXPECT_GT(top.green(), top.blue());
    // The front panel in the trench base's blue, seen through the ground it lies in: bluer
    // than the earth, which is redder than it is blue.
    const QColor panel = colourAt(image, pixelOf(N::GLside1));
    EXPECT_GE(panel.blue() - panel.red(), 15) << panel.name().toStdString();
    // The captions in black at the top left.
    const QImage captions = image.copy(2, 25, 120, 40);
    EXPECT_GT(countPixels(captions, [](QColor c) { return c.lightness() < 60; }), 50);
    EXPECT_EQ(scene().captions[0].text, "Length = 4.00m");
}

TEST_F(SoakawayViewTest, AxesShowInFullAndHalfIntensityWhileTicked) {
    enterTrench();
    const auto pure = [](int r, int g, int b) {
        return [=](QColor c) { return near(c, r, g, b, 30); };
    };
    // From afar and from aside, each half of each axis runs clear of the trench and of the
    // others somewhere. The trench came into view fitted, from farther than the start camera.
    for (int i = 0; i < 30; ++i) QTest::mouseClick(find<QPushButton>("btnzoomout"), Qt::LeftButton);
    drag(Qt::LeftButton, {}, {100, 200}, {30, 0});
    auto* axes = find<QCheckBox>("chkshowaxes");
    QTest::mouseClick(axes, Qt::LeftButton);
    ASSERT_TRUE(axes->isChecked());
    QImage image = frame();
    for (auto [r, g, b] :
         {std::tuple{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {128, 0, 0}, {0, 128, 0}, {0, 0, 128}})
        EXPECT_GT(countPixels(image, pure(r, g, b)), 10) << r << " " << g << " " << b;
    // Dotted: along the positive x axis, which runs more across than down, about half the
    // columns it crosses have a dot.
    std::map<int, int> rowOfColumn;
    for (float x = 4; x < 10; x += 0.002f) {
        const QPoint p = pixelOf(N::GLDummyTrench, {x, 0, 0});
        rowOfColumn[p.x()] = p.y();
    }
    ASSERT_GT(rowOfColumn.size(), 40u);
    int dotted = 0;
    for (auto [x, y] : rowOfColumn) {
        bool dot = false;
        for (int dy = -1; dy <= 1; ++dy) dot |= pure(255, 0, 0)(image.pixelColor(x, y + dy));
        dotted += dot;
    }
    EXPECT_GT(dotted, int(rowOfColumn.size()) / 3);
    EXPECT_LT(dotted, int(rowOfColumn.size()) * 2 / 3);

    QTest::mouseClick(axes, Qt::LeftButton);
    image = frame();
    EXPECT_EQ(countPixels(image, pure(255, 0, 0)), 0);
}

TEST_F(SoakawayViewTest, OverflowPipeAndSiltTrapComeAndGo) {
    // The trench came into view fitted: the room its inflow pipe takes on the right leaves
    // room for the overflow pipe on the left.
    enterTrench();
    // The pipe and the trap lie in the ground: their orange shows through the earth.
    const auto orangeInTheGround = [](QColor c) {
        return c.red() > 200 && c.red() - c.blue() > 60;
    };
    const auto pipeIsOrange = [&] {
        return orangeInTheGround(colourAt(frame(), pixelOf(N::GLTrenchOutflow)));
    };
    EXPECT_FALSE(pipeIsOrange());
    setOverflow("10");
    EXPECT_TRUE(node(N::GLTrenchOutflow).visible);
    EXPECT_TRUE(pipeIsOrange());
    setOverflow("0");
    EXPECT_FALSE(pipeIsOrange());

    // The silt trap shows while its box is ticked, whatever the design does meanwhile.
    const auto trapIsOrange = [&] {
        return orangeInTheGround(colourAt(frame(), pixelOf(N::GLSiltTrap, {0.3f, 0, 0.3f})));
    };
    EXPECT_FALSE(trapIsOrange());
    auto* trap = find<QCheckBox>("chkshowsilttrap");
    QTest::mouseClick(trap, Qt::LeftButton);
    EXPECT_TRUE(trapIsOrange());
    clearAndType("txtdepth", "2");
    EXPECT_TRUE(trapIsOrange());
    QTest::mouseClick(trap, Qt::LeftButton);
    EXPECT_FALSE(trapIsOrange());
}

TEST_F(SoakawayViewTest, TheRingPageShowsTheRingGroup) {
    enterTrench();
    find<QTabWidget>("pcdetail")->setCurrentIndex(1);
    ASSERT_TRUE(node(N::GLDummyRing).visible);
    EXPECT_FALSE(node(N::GLDummyTrench).visible);
    const QImage image = frame();
    const float r = node(N::GLPCRing).shape().radius;
    const QColor side = colourAt(image, pixelOf(N::GLPCRing, {0, 0, r}));
    EXPECT_GE(side.green(), 125);
    EXPECT_GT(side.green(), side.red());
    EXPECT_TRUE(scene().captions[3].text.startsWith("Diameter = "));
    EXPECT_EQ(countPixels(image, [](QColor c) { return near(c, 255, 138, 59, 30); }), 0)
        << "no trench orange while the ring shows";
}

TEST_F(SoakawayViewTest, ZoomsFromTheButtonsAndTheWheelAnywhereInTheWindow) {
    const float start = scene().camera.sceneScale;
    QTest::mouseClick(find<QPushButton>("btnzoomin"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(scene().camera.sceneScale, start + 0.02f);
    wheel(find<QWidget>("drawingarea"), -1);  // towards the user: in
    EXPECT_FLOAT_EQ(scene().camera.sceneScale, start + 0.04f);
    wheel(surface(), 2);  // away: out, one step a notch
    EXPECT_FLOAT_EQ(scene().camera.sceneScale, start);
    QTest::mouseClick(find<QPushButton>("btnzoomout"), Qt::LeftButton);
    EXPECT_FLOAT_EQ(scene().camera.sceneScale, start - 0.02f);
}

TEST_F(SoakawayViewTest, ViewStateOutlivesRefreshesDimensionChangesAndNewProjects) {
    enterTrench();
    drag(Qt::LeftButton, {}, {100, 200}, {30, -10});                // orbit
    drag(Qt::LeftButton, Qt::ShiftModifier, {100, 200}, {20, 15});  // turn the box
    drag(Qt::RightButton, {}, {100, 200}, {-10, 5});                // pan
    QTest::mouseClick(find<QPushButton>("btnzoomin"), Qt::LeftButton);
    const QVector3D eye = scene().camera.position;
    const QVector3D group = node(N::GLDummyTrench).position;
    const QQuaternion turn = node(N::GLTrench).orientation;
    EXPECT_NE(eye, QVector3D(0, 3, 3));
    EXPECT_FALSE(turn.isIdentity());
    EXPECT_LT(group.x(), 0);
    EXPECT_EQ(scene().camera.target, group);
    EXPECT_TRUE(node(N::GLside1).orientation.isIdentity()) << "only the box turns";

    program->mainWindow().findChild<QAction*>("RefreshView1")->trigger();
    clearAndType("txtdepth", "2");
    EXPECT_EQ(node(N::GLTrench).shape().extent.y(), 2.0f);
    EXPECT_EQ(node(N::GLTrench).orientation, turn);
    EXPECT_TRUE(node(N::GLside1).orientation.isIdentity());
    withModals([&] { program->mainWindow().findChild<QAction*>("New1")->trigger(); },
               {[](QWidget* question) {
                   qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
               }});
    ASSERT_EQ(text("txtarea"), "");
    EXPECT_EQ(scene().camera.position, eye);
    EXPECT_EQ(node(N::GLDummyTrench).position, group);
    EXPECT_FLOAT_EQ(scene().camera.sceneScale, 1.02f);
}

TEST_F(SoakawayViewTest, ARightClickWithoutDragBringsUpThePopUpMenu) {
    QMenu* popup = program->mainWindow().commands().popupMenu();
    drag(Qt::RightButton, {}, {100, 100}, {12, 0});
    EXPECT_FALSE(popup->isVisible()) << "a pan is no click";
    drag(Qt::RightButton, {}, {100, 100}, {0, 0});
    EXPECT_TRUE(eventually([&] { return popup->isVisible(); }));
    popup->close();
}

TEST_F(SoakawayViewTest, FromTheStartStateTheTenMetreTrenchComesIntoViewWhole) {
    enterWorkedTrench();
    expectWholeTrenchFillingThePane();
    EXPECT_EQ(scene().camera.target, QVector3D(0, 0, 0));
    // Looking as the start camera looks: down at 45 degrees from the front.
    EXPECT_NEAR((scene().camera.forwardAxis() - QVector3D(0, -1, -1).normalized()).length(), 0,
                1e-4);
    EXPECT_FLOAT_EQ(scene().camera.sceneScale, 1);
}

TEST_F(SoakawayViewTest, FitViewIsReachedFromEveryPlaceAndKeepsTheDirection) {
    enterWorkedTrench();
    auto& commands = program->mainWindow().commands();
    const auto menuHas = [](QMenu* menu, QAction* action) {
        return menu->actions().contains(action);
    };
    ASSERT_TRUE(menuHas(find<QMenu>("Tools1"), commands.action("FitView1")));
    ASSERT_TRUE(menuHas(commands.popupMenu(), commands.action("FitView2")));
    struct Route {
        const char* name;
        std::function<void()> fit;
    };
    const Route routes[] = {
        {"View menu", [&] { commands.action("FitView1")->trigger(); }},
        {"pop-up menu", [&] { commands.action("FitView2")->trigger(); }},
        {"zoom bar", [&] { QTest::mouseClick(find<QPushButton>("btnfitview"), Qt::LeftButton); }},
        {"Home key",
         [&] {
             // A click in the pane gives it the keyboard.
             QTest::mouseClick(surface(), Qt::LeftButton, {}, QPoint(150, 300));
             ASSERT_EQ(QApplication::focusWidget(), &view().viewer());
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
         }},
        {"double click",
         [&] { QTest::mouseDClick(surface(), Qt::LeftButton, {}, QPoint(150, 300)); }},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.name);
        lookElsewhere();
        const QVector3D direction = scene().camera.forwardAxis();
        route.fit();
        EXPECT_FLOAT_EQ(scene().camera.sceneScale, 1);
        EXPECT_NEAR((scene().camera.forwardAxis() - direction).length(), 0, 1e-4);
        expectWholeTrenchFillingThePane();
    }
}

TEST_F(SoakawayViewTest, HomeInAFieldMovesItsCursorAndLeavesTheViewAlone) {
    enterWorkedTrench();
    lookElsewhere();
    const QVector3D eye = scene().camera.position;
    QLineEdit* area = edit("txtarea");
    area->setFocus();
    area->end(false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    EXPECT_EQ(area->cursorPosition(), 0);
    EXPECT_EQ(scene().camera.position, eye);
}

TEST_F(SoakawayViewTest, TheViewFitsItselfOnceForANewDesignAndThenTheUsersViewStands) {
    enterWorkedTrench();
    lookElsewhere();
    const scene::Camera looked = scene().camera;
    program->mainWindow().findChild<QAction*>("RefreshView1")->trigger();
    clearAndType("txtdepth", "2");
    EXPECT_EQ(scene().camera.position, looked.position);
    EXPECT_EQ(scene().camera.sceneScale, looked.sceneScale);

    withModals([&] { program->mainWindow().findChild<QAction*>("New1")->trigger(); },
               {[](QWidget* question) {
                   qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
               }});
    EXPECT_EQ(scene().camera.position, looked.position) << "nothing to fit yet";
    // New empties the storm duration too.
    program->session().act([&] { program->session().design().write(Field::txtsdur, "60"); });
    enterTrench();
    expectWholeTrenchFillingThePane();
}

TEST_F(SoakawayViewTest, OpeningAProjectFitsItsViewAndACancelledOpenDoesNot) {
    enterWorkedTrench();
    lookElsewhere();
    const QVector3D eye = scene().camera.position;
    const auto open = [&](const std::function<void(QWidget*)>& inFileDialog) {
        withModals([&] { program->mainWindow().findChild<QAction*>("Open1")->trigger(); },
                   {[](QWidget* question) {
                        qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
                    },
                    inFileDialog});
    };
    open([](QWidget* dialog) { qobject_cast<QFileDialog*>(dialog)->reject(); });
    EXPECT_EQ(scene().camera.position, eye);
    open([](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        files->selectFile(VARNHOLT_SAMPLE_PROJECT);
        static_cast<QDialog*>(files)->accept();  // as its Open button does
    });
    ASSERT_EQ(text("txtlength"), "10.01");
    expectWholeTrenchFillingThePane();
}

TEST_F(SoakawayViewTest, TheSoakawayLiesInTheGroundAtItsTop) {
    enterWorkedTrench();
    const QImage image = frame();
    const scene::Node& box = node(N::GLTrench);
    const QVector3D e = box.shape().extent;
    // The box's top is open to the sky: its own orange, lit.
    const QColor top = colourAt(image, pixelOf(N::GLTrench, {0, e.y() / 2, 0}));
    EXPECT_GE(top.red(), 227);
    EXPECT_LT(top.blue(), 100);
    // Its front face below the top shows through the ground: orange in the earth.
    const QColor buried = colourAt(image, pixelOf(N::GLTrench, {0, e.y() / 4, e.z() / 2}));
    EXPECT_GT(buried.red() - buried.blue(), 45) << buried.name().toStdString();
    EXPECT_GT(buried.blue(), top.blue() + 40) << buried.name().toStdString();
    // Well in front of the trench (nothing buried lies behind the ground there) and beyond its
    // ends, between the grid's lines: the earth.
    const QColor earth = scene().background;
    for (QVector3D at :
         {QVector3D(0.5f, e.y() / 2, 3.5f), QVector3D(-e.x() / 2 - 1.5f, e.y() / 2, 0.5f)}) {
        const QColor c = colourAt(image, pixelOf(N::GLTrench, at));
        EXPECT_TRUE(near(c, earth.red(), earth.green(), earth.blue(), 12))
            << c.name().toStdString() << " at " << at.x() << ", " << at.z();
    }
}

class StartedWithAProjectTest : public SoakawayViewTest {
protected:
    std::vector<std::string> arguments() const override { return {VARNHOLT_SAMPLE_PROJECT}; }
};

TEST_F(StartedWithAProjectTest, ShowsItsTrenchWhole) {
    ASSERT_EQ(text("txtlength"), "10.01");
    expectWholeTrenchFillingThePane();
}

}  // namespace
}  // namespace varnholt
