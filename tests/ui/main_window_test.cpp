// The main window as a designer meets it: the start-up state, the key filter of the fields,
// the design following every keystroke, the ring page and the status-bar tips.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <array>

#include "gui_fixture.h"
#include "ui/fitted_table.h"
#include "ui/main_commands.h"
#include "ui/status_panels.h"

namespace varnholt {
namespace {

using MainWindowTest = testing::GuiTest;

TEST_F(MainWindowTest, StartsAsTheDesignerExpects) {
    MainWindow& w = program->mainWindow();
    EXPECT_EQ(caption(), "Corvane Systems - Varnholt 4.0");
    EXPECT_EQ(find<QTabWidget>("pcmain")->currentWidget()->objectName(), "tsglobvar");
    EXPECT_EQ(find<QTabWidget>("pcdetail")->currentWidget()->objectName(), "tstrench");
    EXPECT_EQ(find<QComboBox>("txtsdur")->currentText(), "60");
    EXPECT_EQ(w.statusPanels().panel(0).toStdString(), shortDateToday());
    EXPECT_EQ(w.statusPanels().panel(1), "");
    EXPECT_EQ(w.minimumSize(), QSize(700, 180));
    EXPECT_FALSE(record().flags.ProjectModified);
    for (const char* hidden : {"lblfttrench", "lblringwarning", "trenchwarning", "lblbaseincluded"})
        EXPECT_FALSE(find(hidden)->isVisible()) << hidden;
    // Every control carries its program name, so scripts and tests can find it.
    for (const char* name :
         {"txtarea",        "txtrain",   "txtsinf",         "txtsdur",         "projtit",
          "projnum",        "desname",   "txtlength",       "txtdepth",        "lblwid",
          "lbltime",        "sblength",  "sbdepth",         "sbwidth",         "PCring",
          "rvdia",          "rvdepth",   "rvhalf",          "sbringdia",       "btnVRC",
          "btnrainfall",    "btnsinf",   "btnsoiltable",    "splitmain",       "Splitter1",
          "zoompanel",      "btnzoomin", "btnzoomout",      "chkshowsilttrap", "chkshowaxes",
          "GLSceneViewer1", "sbtips",    "ToolBar2",        "tbfilenew",       "tbfileopen",
          "tbfilesave",     "tbprint1",  "tbprintpreview1", "tboptions1",      "tbdrawing2",
          "tbmap1",         "tbhome1",   "tbpdf",           "tbhelp1",         "tbexit1"})
        EXPECT_NE(find(name), nullptr) << name;
}

TEST_F(MainWindowTest, MenusAreInTheirOrderWithTheirShortcuts) {
    auto titles = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? "-" : QString(a->text()).remove(QLatin1Char('&')));
        return out;
    };
    const QList<QAction*> menus = program->mainWindow().menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(titles(menus[0]->menu()),
              QStringList({"New", "Open", "Save", "Save As", "Print", "Print Preview",
                           "Save as PDF...", "-", "Exit"}));
    EXPECT_EQ(titles(menus[1]->menu()),
              QStringList({"Maintenance Schedule", "-", "Volumetric Runoff Coefficient",
                           "Soil Infiltration Rate Table", "Calculate Soil Infiltration Rate",
                           "Design Check", "View M5-60 Map", "View Soakaway Drawings", "-",
                           "Design Options", "Refresh View", "Fit View"}));
    EXPECT_EQ(titles(menus[2]->menu()), QStringList({"Report a Bug!", "Contents", "About"}));
    EXPECT_EQ(titles(find<QMenu>("PopupMenu1")),
              QStringList({"Design Options", "View M5-60 Map", "Design Check",
                           "View Soakaway Drawings", "Print Preview", "Refresh View", "Fit View"}));
    auto shortcut = [&](const char* name) {
        return program->mainWindow().findChild<QAction*>(name)->shortcut().toString();
    };
    EXPECT_EQ(shortcut("Open1"), "Ctrl+O");
    EXPECT_EQ(shortcut("Save1"), "Ctrl+S");
    EXPECT_EQ(shortcut("SaveAs1"), "F12");
    EXPECT_EQ(shortcut("Print1"), "Ctrl+P");
}

// The letter a menu item is chosen by from the keyboard: the one after its "&".
QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;  // "&&" is an ampersand shown as it is
    }
    return {};
}

TEST_F(MainWindowTest, EveryMenuItemHasAnAccessKeyOfItsOwnWithinItsMenu) {
    QList<QMenu*> menus;
    for (QAction* a : program->mainWindow().menuBar()->actions()) menus << a->menu();
    menus << find<QMenu>("PopupMenu1");
    for (QMenu* menu : menus) {
        QMap<QChar, QString> taken;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            const QChar key = accessKey(a->text());
            EXPECT_FALSE(key.isNull()) << a->text().toStdString() << " has no access key";
            if (key.isNull()) continue;
            EXPECT_FALSE(taken.contains(key))
                << a->text().toStdString() << " and " << taken.value(key).toStdString()
                << " share the key " << QString(key).toStdString();
            taken.insert(key, a->text());
        }
    }
}

// The keys reach their items from wherever the focus is in the window. The commands themselves
// are held back: only that the key chose its item is looked at here.
TEST_F(MainWindowTest, TheUsualKeysChooseTheirMenuItems) {
    struct Key {
        QKeySequence keys;
        const char* item;
    };
    const Key keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), "New1"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "Open1"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "Save1"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "SaveAs1"},
        {QKeySequence(Qt::Key_F12), "SaveAs1"},
        {QKeySequence(Qt::CTRL | Qt::Key_P), "Print1"},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), "Exit1"},
        {QKeySequence(Qt::Key_F1), "Contents1"},
    };
    MainCommands& commands = program->mainWindow().commands();
    commands.blockSignals(true);
    for (const char* focus : {"txtarea", "projtit"}) {
        for (const Key& k : keys) {
            SCOPED_TRACE(k.keys.toString().toStdString() + " in " + focus);
            QWidget* field = edit(focus);
            find<QTabWidget>("pcmain")->setCurrentWidget(
                find(focus == std::string("txtarea") ? "tsglobvar" : "tabsheetproject"));
            field->setFocus();
            QSignalSpy chosen(commands.action(QString::fromLatin1(k.item)), &QAction::triggered);
            QTest::keySequence(field, k.keys);
            EXPECT_EQ(chosen.count(), 1);
        }
    }
    commands.blockSignals(false);
}

// Tabbing goes from control to control: never to a page's scrolling frame, a hidden control
// or one of no size, where the focus would be lost to sight.
TEST_F(MainWindowTest, TabbingThroughTheWindowStopsOnlyOnControlsInSight) {
    MainWindow& w = program->mainWindow();
    for (int page : {0, 1}) {
        find<QTabWidget>("pcdetail")->setCurrentIndex(page);
        edit("txtarea")->setFocus();
        QWidget* first = QApplication::focusWidget();
        ASSERT_EQ(first, edit("txtarea"));
        QStringList stops;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* at = QApplication::focusWidget();
            ASSERT_NE(at, nullptr);
            const QString name =
                at->objectName().isEmpty() ? at->metaObject()->className() : at->objectName();
            stops << name;
            EXPECT_TRUE(at->isVisible()) << name.toStdString() << " is hidden";
            EXPECT_FALSE(at->size().isEmpty()) << name.toStdString() << " has no size";
            EXPECT_FALSE(at->visibleRegion().isEmpty()) << name.toStdString() << " is out of sight";
            EXPECT_EQ(qobject_cast<QScrollArea*>(at), nullptr)
                << name.toStdString() << " is a scrolling frame, not a control";
            EXPECT_EQ(at->window(), &w);
            if (at == first) break;
        }
        EXPECT_EQ(QApplication::focusWidget(), first) << stops.join(", ").toStdString();
    }
}

// The window's main parts as they lie on the screen, scrolled or not.
QRect shownRect(QWidget* w, QWidget* window) {
    const QRect shown = w->visibleRegion().boundingRect();
    return shown.isEmpty() ? QRect() : QRect(w->mapTo(window, shown.topLeft()), shown.size());
}

TEST_F(MainWindowTest, AtLowSizesNothingLiesOverAnythingElseAndEveryInputScrollsIntoSight) {
    MainWindow& w = program->mainWindow();
    for (QSize size : {QSize(700, 180), QSize(700, 420)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        w.resize(size);
        ASSERT_TRUE(eventually([&] { return w.size() == size; }));
        QApplication::processEvents();
        const char* parts[] = {"ToolBar2",      "pcmain",         "pcdetail", "zoompanel",
                               "drawingscroll", "GLSceneViewer1", "sbtips"};
        for (std::size_t i = 0; i < std::size(parts); ++i)
            for (std::size_t j = i + 1; j < std::size(parts); ++j)
                EXPECT_FALSE(
                    shownRect(find(parts[i]), &w).intersects(shownRect(find(parts[j]), &w)))
                    << parts[i] << " and " << parts[j] << " overlap";
        auto* pcmain = find<QTabWidget>("pcmain");
        auto* body = find<QScrollArea>("bodyscroll");
        for (const char* name : {"txtarea", "btnVRC", "txtrain", "btnrainfall", "txtsinf",
                                 "btnsinf", "btnsoiltable", "txtsdur"}) {
            QWidget* input = find(name);
            body->ensureWidgetVisible(input, 0, 0);
            QApplication::processEvents();
            EXPECT_EQ(input->visibleRegion().boundingRect(), input->rect())
                << name << " cannot be brought wholly into sight";
            EXPECT_FALSE(shownRect(input, &w).intersects(shownRect(pcmain->tabBar(), &w)))
                << name << " lies under the tab bar";
        }
    }
}

TEST_F(MainWindowTest, ALargerWindowGivesItsRoomToTheDrawingAndThe3DView) {
    MainWindow& w = program->mainWindow();
    auto widths = [&] {
        QApplication::processEvents();
        return std::array<int, 3>{find("pcdetail")->width(), find("drawingscroll")->width(),
                                  find("GLSceneViewer1")->width()};
    };
    const auto before = widths();
    w.resize(w.width() + 600, w.height() + 300);
    ASSERT_TRUE(eventually([&] { return widths()[1] > before[1]; }));
    const auto after = widths();
    EXPECT_EQ(after[0], before[0]) << "the detail pages keep their width";
    EXPECT_GE(after[1] - before[1], 200) << "the drawing area";
    EXPECT_GE(after[2] - before[2], 200) << "the 3D view";
}

// A field shows the whole of a text the program writes into it: its start with the cursor at
// the end, and its end with the cursor at the start.
TEST_F(MainWindowTest, FieldsShowWholeTheNumbersTheProgramWritesIntoThem) {
    struct Case {
        Field field;
        const char* text;
    };
    const Case cases[] = {{Field::txtrain, "0.06599251"},
                          {Field::txtsinf, "0.0000002"},
                          {Field::txtsinf, "3.33333E-5"},
                          {Field::txtarea, "12345.6789"}};
    for (const Case& c : cases) {
        program->session().act([&] { program->session().design().write(c.field, c.text); });
        QLineEdit* e = edit(std::string(nameOf(c.field)).c_str());
        SCOPED_TRACE(e->objectName().toStdString() + " " + c.text);
        ASSERT_EQ(e->text(), c.text);
        const QPoint left(2, e->height() / 2), right(e->width() - 3, e->height() / 2);
        e->end(false);
        e->repaint();
        EXPECT_EQ(e->cursorPositionAt(left), 0);
        e->home(false);
        e->repaint();
        EXPECT_EQ(e->cursorPositionAt(right), e->text().size());
    }
}

TEST_F(MainWindowTest, NumericFieldsTakeOnlyDigitsAndOnePoint) {
    type("txtarea", "1.2.3-e+");
    EXPECT_EQ(text("txtarea"), "1.23");
    QTest::keyClick(edit("txtarea"), Qt::Key_Backspace);
    EXPECT_EQ(record().text(Field::txtarea), "1.2");
    type("projtit", "Plot 7-B.e");  // free text takes anything
    EXPECT_EQ(text("projtit"), "Plot 7-B.e");
    EXPECT_TRUE(record().flags.ProjectModified);
}

TEST_F(MainWindowTest, EveryKeystrokeResizesTheTrench) {
    type("txtarea", "100");
    type("txtrain", "0.02");
    type("txtsinf", "0.00001");
    type("txtdepth", "1");
    type("txtlength", "10");
    EXPECT_EQ(text("lbltime"), "");  // no width yet: nothing is sized
    // The width typed last stands, and the length is solved for it.
    type("lblwid", "1");
    EXPECT_EQ(text("lblwid"), "1");
    EXPECT_EQ(text("txtlength"), "5.84");
    EXPECT_EQ(text("lbltime"), "3.55");
    EXPECT_EQ(edit("lbltime")->palette().color(QPalette::Text), QColor(0, 0, 255));
    EXPECT_TRUE(find("lblfiltertrench")->isVisible());

    // A deeper trench needs less length; the depth's one change re-solves it at once.
    type("txtdepth", "5");  // "15" metres deep
    EXPECT_EQ(text("txtlength"), record().text(Field::txtlength));
    EXPECT_NE(text("txtlength"), "5.84");
}

// The write-back of the sizing never lands in the field being typed in: each sequence ends
// with the text typed, and the other fields show the design for it.
TEST_F(MainWindowTest, TypedDimensionsStandAsTyped) {
    struct Case {
        const char* what;
        const char* field;
        bool over;  // typed over the selected text rather than after emptying the field
        const char* keys;
        const char* length;
        const char* width;
        const char* depth;
    };
    type("txtarea", "150");
    type("txtrain", "0.0248");
    type("txtsinf", "0.00001");
    for (const Case& c : {
             Case{"length into an empty field", "txtlength", false, "12.5", "12.5", "0.53", "1.5"},
             {"length over a selected one", "txtlength", true, "12.5", "12.5", "0.53", "1.5"},
             {"width into an empty field", "lblwid", false, "0.6", "11.38", "0.6", "1.5"},
             {"width over a selected one", "lblwid", true, "0.6", "11.38", "0.6", "1.5"},
             {"depth into an empty field", "txtdepth", false, "2", "7.55", "0.69", "2"},
             {"depth over a selected one", "txtdepth", true, "2", "7.55", "0.69", "2"},
         }) {
        SCOPED_TRACE(c.what);
        Design& design = program->session().design();
        program->session().act([&] {
            design.write(Field::txtdepth, "1.5");
            design.write(Field::lblwid, "0.6");
            design.write(Field::txtlength, "10");
        });
        QLineEdit* e = edit(c.field);
        e->setFocus();
        e->selectAll();
        if (!c.over) QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, QString::fromLatin1(c.keys));
        EXPECT_EQ(text("txtlength"), c.length);
        EXPECT_EQ(text("lblwid"), c.width);
        EXPECT_EQ(text("txtdepth"), c.depth);
        EXPECT_EQ(e->text(), QString::fromLatin1(c.keys));
        // Leaving the field changes nothing further.
        QTest::keyClick(e, Qt::Key_Tab);
        EXPECT_EQ(e->text(), QString::fromLatin1(c.keys));
    }
}

TEST_F(MainWindowTest, RefusedKeysAndPastesSayWhatTheFieldTakes) {
    StatusPanels& status = program->mainWindow().statusPanels();
    type("txtarea", "1,");
    EXPECT_EQ(text("txtarea"), "1");
    EXPECT_EQ(status.panel(1), "Use a point for decimals.");

    // The rate takes the exponent form the program writes into it; an "e" is written "E", and
    // no message comes up while the exponent is on its way.
    QString shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    watch.start(10);
    type("txtsinf", "1e-5");
    watch.stop();
    EXPECT_EQ(shown, "");
    EXPECT_EQ(text("txtsinf"), "1E-5");
    type("txtsinf", "-");
    EXPECT_EQ(text("txtsinf"), "1E-5");
    EXPECT_EQ(status.panel(1),
              "This field takes a number: digits, one decimal point and an exponent such as "
              "1E-5.");

    // A paste that would leave no number is refused whole; one that leaves a number is taken.
    QLineEdit* area = edit("txtarea");
    area->setFocus();
    area->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    QTest::keyClick(area, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("txtarea"), "1");
    EXPECT_EQ(record().text(Field::txtarea), "1");
    EXPECT_EQ(status.panel(1), "This field takes a number: digits and one decimal point.");
    area->selectAll();
    QApplication::clipboard()->setText(QStringLiteral(" 150 "));
    QTest::keyClick(area, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(record().text(Field::txtarea), "150");
}

// A length whose sides alone take the storm: the width is not written, both it and the time
// are marked, and the notice under the fields says what it means.
TEST_F(MainWindowTest, ASizeThatCannotBeBuiltIsExplainedUnderTheFields) {
    type("txtarea", "100");
    type("txtrain", "0.02");
    type("txtsinf", "0.0001");
    type("txtdepth", "1");
    type("lblwid", "1");
    type("txtlength", "10");
    EXPECT_EQ(text("txtlength"), "10");
    EXPECT_EQ(text("lblwid"), "2.48");  // as solved for the "1" typed first
    auto* notice = find<QLabel>("lbltrenchnotice");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(),
              "No storage is needed: the soil takes this storm through the trench's sides at "
              "this length. Shorten the trench or check the inputs.");
    for (const char* marked : {"lblwid", "lbltime"})
        EXPECT_EQ(edit(marked)->palette().color(QPalette::Base), QColor(0, 255, 255)) << marked;
    EXPECT_FALSE(program->session().design().trenchElevation().shapes().visible);
    expectWhole(find("tstrench"));

    QTest::keyClick(edit("txtlength"), Qt::Key_Backspace);  // 1 m: storage is needed again
    EXPECT_FALSE(notice->isVisible());
    EXPECT_NE(edit("lblwid")->palette().color(QPalette::Base), QColor(0, 255, 255));
}

TEST_F(MainWindowTest, ALonePointShowsTheMessageAndTheProgramCarriesOn) {
    const QString message = messageOf([&] { type("txtarea", "."); });
    EXPECT_EQ(message, "'.' is not a valid floating point value");
    EXPECT_EQ(text("txtarea"), ".");
    type("txtarea", "5");
    EXPECT_EQ(text("txtarea"), ".5");
}

TEST_F(MainWindowTest, OverTheLimitTheTimeTurnsRedAndTheWarningShows) {
    program->session().design().record().place(Field::txthalfempty, "2");
    type("txtarea", "100");
    type("txtrain", "0.02");
    type("txtsinf", "0.00001");
    type("txtdepth", "1");
    type("lblwid", "1");
    type("txtlength", "10");
    EXPECT_EQ(text("lbltime"), "2.13");
    EXPECT_TRUE(find("trenchwarning")->isVisible());
    EXPECT_EQ(edit("lbltime")->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit("lbltime")->palette().color(QPalette::Base), QColor(0, 255, 255));
}

TEST_F(MainWindowTest, RingPageFillsTheTableAndChoosesTheFirstPassingRing) {
    type("txtarea", "100");
    type("txtrain", "0.015");
    type("txtsinf", "0.00001");
    auto* pcdetail = find<QTabWidget>("pcdetail");
    QTest::mouseClick(pcdetail->tabBar(), Qt::LeftButton, {},
                      pcdetail->tabBar()->tabRect(1).center());
    ASSERT_EQ(pcdetail->currentIndex(), 1);
    auto* table = find<QTableWidget>("PCring");
    EXPECT_EQ(table->item(0, 1)->text(), "        2.18");
    EXPECT_EQ(table->item(8, 2)->text(), "        18.75");
    EXPECT_EQ(table->currentRow(), 0);
    EXPECT_EQ(text("rvdia"), "900");
    EXPECT_EQ(text("rvhalf"), "6.25");

    // Clicking the 1500 mm row shows it in the panel.
    const QRect cell = table->visualItemRect(table->item(4, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(text("rvdia"), "1500");
    EXPECT_EQ(text("rvdepth"), "0.80");
    EXPECT_EQ(record().ring.selectedRow, 5);
}

TEST_F(MainWindowTest, ToolBarTipsStayInTheStatusBarUntilAFieldChanges) {
    auto* save = find<QToolButton>("tbfilesave");
    QTest::mouseMove(save);
    EXPECT_TRUE(eventually(
        [&] { return program->mainWindow().statusPanels().panel(1) == "Save Soakaway project."; }));
    QTest::mouseMove(find("txtarea"));
    EXPECT_EQ(program->mainWindow().statusPanels().panel(1), "Save Soakaway project.");
    type("txtarea", "1");
    EXPECT_EQ(program->mainWindow().statusPanels().panel(1), " ");
    EXPECT_EQ(save->toolTip(), "Save Soakaway project.");
}

TEST_F(MainWindowTest, StatusPanelsShowTheirWholeTextsAndStayPutForTips) {
    StatusPanels& status = program->mainWindow().statusPanels();
    DesignRecord& r = program->session().design().record();
    r.status.voidRatio = "Void Ratio = 0.35";
    r.status.factorOfSafety = "Factor of Safety = 2.5";
    program->session().refreshViews();
    auto* home = find<QToolButton>("tbhome1");
    QTest::mouseMove(home);
    ASSERT_TRUE(eventually([&] { return status.panel(1) == home->toolTip(); }));
    QApplication::processEvents();
    expectWhole(&status);
    const int voidAt = status.findChild<QLabel*>("sbtips_panel2")->x();
    QTest::mouseMove(find<QToolButton>("tbexit1"));
    ASSERT_TRUE(eventually([&] { return status.panel(1) == "Exit Varnholt."; }));
    QApplication::processEvents();
    EXPECT_EQ(status.findChild<QLabel*>("sbtips_panel2")->x(), voidAt);
    const std::array<int, 4> least = {100, 250, 120, 100};
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(status.findChild<QLabel*>(QStringLiteral("sbtips_panel%1").arg(i))->width(),
                  least[static_cast<std::size_t>(i)]);
}

TEST(FittedWidths, ShareTheRoomAndNeverCutAHeading) {
    const std::vector<int> preferred = {95, 86, 103}, least = {80, 60, 90};
    struct Case {
        int room;
        std::vector<int> widths;
    };
    for (const Case& c : {Case{300, {95, 86, 103}}, Case{257, {87, 73, 96}},
                          Case{230, {80, 60, 90}}, Case{100, {80, 60, 90}}}) {
        SCOPED_TRACE(c.room);
        EXPECT_EQ(fittedWidths(preferred, least, c.room), c.widths);
    }
    // A heading wider than its preferred column keeps its width.
    EXPECT_EQ(fittedWidths({50, 50}, {70, 20}, 200), (std::vector<int>{70, 50}));
}

TEST_F(MainWindowTest, TheRingTableShowsItsThreeColumnsWholeAtTheStartSize) {
    auto* pcdetail = find<QTabWidget>("pcdetail");
    pcdetail->setCurrentIndex(1);
    auto* table = find<QTableWidget>("PCring");
    ASSERT_TRUE(eventually([&] { return table->isVisible(); }));
    QApplication::processEvents();
    int total = 0;
    for (int c = 0; c < 3; ++c) {
        const int width = table->columnWidth(c);
        EXPECT_GE(width, table->horizontalHeader()->sectionSizeHint(c))
            << "heading " << c << " is cut";
        total += width;
    }
    EXPECT_LE(total, table->viewport()->width());
    EXPECT_FALSE(table->horizontalScrollBar()->isVisible());
}

// The detail pane can be dragged down to its least width; its page then scrolls, and every
// label and field on it stays whole.
TEST_F(MainWindowTest, ASqueezedDetailPaneScrollsInsteadOfCuttingItsFields) {
    auto* splitmain = find<QSplitter>("splitmain");
    auto* pcdetail = find<QTabWidget>("pcdetail");
    splitmain->setSizes({0, splitmain->width()});
    QApplication::processEvents();
    EXPECT_EQ(pcdetail->width(), 50);
    for (const char* page : {"tstrench", "tsring"}) {
        SCOPED_TRACE(page);
        pcdetail->setCurrentWidget(find(page));
        QApplication::processEvents();
        auto* area = find<QScrollArea>(page);
        ASSERT_NE(area, nullptr);
        expectWhole(area->widget());
        EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    }
    // At the window's least width the inputs along the top scroll the same way.
    program->mainWindow().resize(program->mainWindow().minimumSize());
    QApplication::processEvents();
    for (const char* page : {"tsglobvar", "tabsheetproject"}) {
        SCOPED_TRACE(page);
        find<QTabWidget>("pcmain")->setCurrentWidget(find(page));
        QApplication::processEvents();
        expectWhole(find<QScrollArea>(page)->widget());
    }
}

TEST_F(MainWindowTest, PointingAtVrcShowsTheCoefficientInForce) {
    program->session().design().write(Field::txtVRC, "0.9");
    auto* vrc = find<QPushButton>("btnVRC");
    QTest::mouseMove(vrc);
    EXPECT_TRUE(
        eventually([&] { return vrc->toolTip() == "Volumetric Runoff Coefficient = 0.9"; }));
}

}  // namespace
}  // namespace varnholt
