// The standard drawings and the maintenance schedule as a designer reaches them: the drawing
// menu and its windows, their captions and sizes, the files handed to the desktop or the
// messages when they are missing, the current directory moved to the program folder, and the
// window image printed at its size on screen.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <filesystem>

#include "gui_fixture.h"
#include "output/drawings/qt/drawing_menu.h"
#include "output/drawings/qt/drawing_window.h"
#include "output/drawings/qt/window_printing.h"
#include "ui/document_commands.h"

namespace varnholt {
namespace {

using drawings::DrawingWindow;

class DrawingsTest : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        docs().documents().setOpen([this](const std::filesystem::path& p) { opened.push_back(p); });
    }
    DocumentCommands& docs() { return program->documents(); }
    void trigger(const char* action) {
        program->mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    std::vector<DrawingWindow*> visibleDrawings() {
        std::vector<DrawingWindow*> shown;
        for (int i = 0; i < 3; ++i)
            if (docs().drawingWindow(i).isVisible()) shown.push_back(&docs().drawingWindow(i));
        return shown;
    }
    // Opens the drawing menu with `action`, and in it ticks `option` (none: -1) and presses
    // `button`. Returns which option was ticked when the menu came up.
    int throughMenu(const char* action, int option, const char* button) {
        int ticked = -1;
        whileModal([&] { trigger(action); },
                   [&](QWidget* modal) {
                       ASSERT_EQ(modal->objectName(), "Tfrmdrawmenu");
                       EXPECT_EQ(modal->windowTitle(), "Soakaway Drawings");
                       auto& menu = *static_cast<drawings::DrawingMenu*>(modal);
                       for (int i = 0; i < 3; ++i)
                           if (menu.option(i)->isChecked()) ticked = i;
                       if (option >= 0) QTest::mouseClick(menu.option(option), Qt::LeftButton);
                       QTest::mouseClick(
                           modal->findChild<QPushButton*>(QString::fromLatin1(button)),
                           Qt::LeftButton);
                   });
        EXPECT_FALSE(docs().drawingMenu().isVisible());
        return ticked;
    }

    std::vector<std::filesystem::path> opened;
};

TEST_F(DrawingsTest, OkWithNothingTickedOpensNothing) {
    EXPECT_EQ(throughMenu("ViewSoakawayDrawings1", -1, "btnok"), -1);
    EXPECT_TRUE(visibleDrawings().empty());
}

TEST_F(DrawingsTest, OkShowsTheTickedDrawingBesideTheMainWindow) {
    const struct {
        const char* action;
        int option;
        const char* window;
        const char* caption;
        QSize picture;
    } cases[] = {
        {"ViewSoakawayDrawings1", 0, "Tfrmdrawring", "Precast Concrete Ring Soakaway", {510, 382}},
        {"ViewSoakawayDrawings2",
         1,
         "Tfrmdrawtrenchsilt",
         "Trench Soakaway with Silt Trap Manhole",
         {798, 290}},
        {"tbdrawing2_action",
         2,
         "Tfrmdrawtrench",
         "Trench Soakaway without Silt Trap Manhole",
         {703, 241}},
    };
    for (const auto& c : cases) {
        throughMenu(c.action, c.option, "btnok");
        const auto shown = visibleDrawings();
        ASSERT_EQ(shown.size(), 1u) << c.window;
        DrawingWindow& w = *shown.front();
        EXPECT_EQ(w.objectName(), c.window);
        EXPECT_EQ(w.windowTitle(), c.caption);
        EXPECT_FALSE(w.isModal());
        EXPECT_EQ(w.picture().size(), c.picture) << c.window;
        // The choice stays; Cancel then opens nothing more.
        EXPECT_EQ(throughMenu(c.action, -1, "btncancel"), c.option);
        w.close();
        EXPECT_TRUE(visibleDrawings().empty());
    }
}

TEST_F(DrawingsTest, SeveralDrawingsStayOpenTogether) {
    throughMenu("ViewSoakawayDrawings1", 0, "btnok");
    throughMenu("ViewSoakawayDrawings1", 2, "btnok");
    EXPECT_EQ(visibleDrawings().size(), 2u);
    // The main window goes on taking keys meanwhile.
    ASSERT_TRUE(activate(&program->mainWindow()));
    type("txtarea", "5");
    EXPECT_EQ(text("txtarea"), "5");
}

TEST_F(DrawingsTest, MissingFilesAreReportedOverTheirWindow) {
    // The test program's own folder holds neither the drawings nor the schedule.
    const QString folder = QCoreApplication::applicationDirPath();
    DrawingWindow& ring = docs().drawingWindow(0);
    ring.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ring));
    const std::string caption = program->session().record().caption;
    const struct {
        std::function<void()> command;
        QWidget* over;
        const char* message;
    } cases[] = {
        {[&] { trigger("MaintenanceSchedule1"); }, &program->mainWindow(),
         "Soakaway Maintenance Schedule could not be found. Look in the program group for "
         "Varnholt in your start menu."},
        {[&] { trigger("tbpdf_action"); }, &program->mainWindow(),
         "Soakaway Maintenance Schedule could not be found. Look in the program group for "
         "Varnholt in your start menu."},
        {[&] { ring.findChild<QAction*>("OpendrawinginAutoCAD1")->trigger(); }, &ring,
         "Drawing file could not be found. You may have to re-install Varnholt."},
    };
    for (const auto& c : cases) {
        QDir::setCurrent(QDir::tempPath());
        QString shown;
        whileModal(c.command, [&](QWidget* box) {
            EXPECT_TRUE(eventually([&] { return isStackedAbove(box, c.over); }));
            shown = static_cast<QMessageBox*>(box)->text();
            static_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        });
        EXPECT_EQ(shown, c.message);
        // The open and save dialogs start in the program folder afterwards.
        EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
        EXPECT_TRUE(opened.empty());
    }
    EXPECT_EQ(program->session().record().caption, caption);
}

TEST_F(DrawingsTest, FilesBesideTheProgramGoToTheDesktop) {
    docs().documents().setFolder(VARNHOLT_PROGRAM_FILES_DIR);
    trigger("tbpdf_action");
    for (int i = 0; i < 3; ++i)
        docs().drawingWindow(i).findChild<QAction*>("OpendrawinginAutoCAD1")->trigger();
    const std::filesystem::path folder = VARNHOLT_PROGRAM_FILES_DIR;
    EXPECT_EQ(opened, (std::vector<std::filesystem::path>{
                          folder / "CS_VH_schedule.pdf", folder / "Ring_Soakaway.dxf",
                          folder / "Soakaway_plus_Silttrap.dxf", folder / "Trench_Soakaway.dxf"}));
}

// The page is rendered back at 72 dots per inch, one dot a point: the drawing's image must sit
// at the top-left of the page at the width it has on screen.
TEST_F(DrawingsTest, PrintedImageKeepsItsSizeOnScreen) {
    DrawingWindow& w = docs().drawingWindow(1);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(drawings::printWidgetImage(w.picture(), printer));

    ASSERT_EQ(QProcess::execute(
                  QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))}),
              0);
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "the page is blank";
    const double expectedWidth = w.picture().width() * 72.0 / w.picture().logicalDpiX();
    EXPECT_NEAR(right - left, expectedWidth, expectedWidth * 0.06);
    EXPECT_LT(left, page.width() / 10);
    EXPECT_LT(top, page.height() / 10);
}

}  // namespace
}  // namespace varnholt
