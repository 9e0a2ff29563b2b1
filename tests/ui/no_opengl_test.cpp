// Without usable OpenGL (no context at all, or one too old) the 3D pane says so in plain
// words and the rest of the program works: run with an environment that refuses the context.
#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

#include "gui_fixture.h"
#include "scene/viewer.h"
#include "ui/soakaway_view.h"

namespace varnholt {
namespace {

class NoOpenGLTest : public testing::GuiTest {};

TEST_F(NoOpenGLTest, ThePaneSaysWhyAndEverythingElseWorks) {
    scene::Viewer& viewer = program->mainWindow().soakawayView().viewer();
    ASSERT_FALSE(viewer.drawsOpenGL());
    auto* message = viewer.findChild<QLabel*>("noOpenGL");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().startsWith("The 3D view ")) << message->text().toStdString();
    EXPECT_TRUE(message->text().endsWith("Everything else in the program works as usual."));
    expectWhole(&viewer);

    type("txtarea", "100");
    type("txtrain", "0.02");
    type("txtsinf", "0.00001");
    type("txtdepth", "1");
    type("lblwid", "1");
    type("txtlength", "10");
    EXPECT_EQ(text("lblwid"), "0.54");
    for (const char* name : {"btnzoomin", "btnzoomout"})
        QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>("chkshowaxes"), Qt::LeftButton);
    QTest::mouseClick(find<QCheckBox>("chkshowsilttrap"), Qt::LeftButton);
    find<QTabWidget>("pcdetail")->setCurrentIndex(1);
    QTest::mouseClick(message, Qt::LeftButton);
    EXPECT_FALSE(viewer.grabFrame().isNull());
    EXPECT_TRUE(program->mainWindow().isVisible());

    // The about box's logo says the same in its place.
    whileModal([&] { find<QAction>("About1")->trigger(); },
               [&](QWidget* about) {
                   auto* logo = about->findChild<scene::Viewer*>("GLSceneViewer1");
                   ASSERT_NE(logo, nullptr);
                   EXPECT_FALSE(logo->drawsOpenGL());
                   auto* said = logo->findChild<QLabel*>("noOpenGL");
                   ASSERT_NE(said, nullptr);
                   EXPECT_TRUE(said->isVisible());
                   EXPECT_TRUE(said->text().startsWith("The 3D view "));
                   about->close();
               });
}

}  // namespace
}  // namespace varnholt
