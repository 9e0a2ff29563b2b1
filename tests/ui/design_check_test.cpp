// The design check as a designer uses it: opened over the worked trench, every storm tabled
// with the governing one marked and "Use in Design" sizing the trench for it; the trial-pit
// tests entered from the soil infiltration dialog and judged in the check; FEH rainfall typed
// or imported, and the storm events' storage; every input kept with the project.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "gui_fixture.h"
#include "ui/design_check_dialog.h"
#include "ui/trial_pit_dialog.h"

namespace varnholt {
namespace {

class DesignCheckTest : public testing::GuiTest {
protected:
    // Picks an item as the user does, with the arrow keys of the closed list.
    static void choose(QComboBox* combo, const QString& item) {
        combo->setFocus();
        const int wanted = combo->findText(item);
        ASSERT_GE(wanted, 0) << item.toStdString();
        while (combo->currentIndex() != wanted)
            QTest::keyClick(combo, combo->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
    }
    static QString shown(QWidget* dialog, const char* name) {
        return dialog->findChild<QLabel*>(name)->text();
    }
    // The file named as the user types it, in the folder the dialog opens at, and opened with
    // the dialog's button: Return would go to the list of names that pops up as they are typed.
    static void importFeh(QWidget* dialog, const char* file) {
        const QString oldFolder = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(VARNHOLT_FEH_DATA_DIR));
        withModals([&] { dialog->findChild<QPushButton*>("btnimportfeh")->click(); },
                   {[&](QWidget* modal) {
                       auto* files = qobject_cast<QFileDialog*>(modal);
                       ASSERT_NE(files, nullptr) << "no file dialog";
                       auto* name = files->findChild<QLineEdit*>("fileNameEdit");
                       name->setFocus();
                       QTest::keyClicks(name, QString::fromLatin1(file));
                       files->findChild<QDialogButtonBox*>("buttonBox")
                           ->button(QDialogButtonBox::Open)
                           ->click();
                   }});
        QDir::setCurrent(oldFolder);
    }
};

TEST_F(DesignCheckTest, UseInDesignWritesTheGoverningStormAndTheTrenchIsSizedForIt) {
    enterWorkedTrench();
    const std::string length = text("txtlength");
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   EXPECT_EQ(dialog->windowTitle(), "Design Check");
                   auto* table = dialog->findChild<QTableWidget*>("stormtable");
                   ASSERT_EQ(table->rowCount(), 11);
                   // The longest trench marked in the trench's columns, the deepest ring in the
                   // ring's.
                   const auto& storms = *program->designCheckDialog().logic().storm().table();
                   for (int r = 0; r < table->rowCount(); ++r) {
                       EXPECT_EQ(table->item(r, 6)->font().bold(),
                                 r == int(storms.trenchGoverning));
                       EXPECT_EQ(table->item(r, 9)->font().bold(), r == int(storms.ringGoverning));
                   }
                   // A refused ratio leaves no table to use.
                   auto* ratio = dialog->findChild<QLineEdit*>("ratio");
                   ratio->selectAll();
                   QTest::keyClicks(ratio, "0.5");
                   EXPECT_EQ(table->rowCount(), 0);
                   EXPECT_FALSE(dialog->findChild<QLabel*>("problem")->text().isEmpty());
                   ratio->selectAll();
                   QTest::keyClicks(ratio, "0.3");
                   ASSERT_EQ(table->rowCount(), 11);
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnuse"), Qt::LeftButton);
               });
    const CriticalStormLogic& logic = program->designCheckDialog().logic().storm();
    ASSERT_TRUE(logic.table());
    const auto& governing = logic.table()->rows[logic.table()->trenchGoverning];
    EXPECT_EQ(record().number(Field::txtsdur), governing.rain.minutes);
    EXPECT_NE(text("txtlength"), length) << "the trench is sized for the governing storm";
}

TEST_F(DesignCheckTest, TheLowestOfThreeTrialPitTestsGoesIntoTheDesignAndIntoTheCheck) {
    enterWorkedTrench();
    withModals([&] { find<QAction>("pdmcalcsoilinf")->trigger(); },
               {[&](QWidget* single) {
                    // Clicked once this step has returned, so that the next step sees the
                    // tests come up over it.
                    auto* tests = single->findChild<QPushButton*>("btntests");
                    QTimer::singleShot(0, tests, [tests] { tests->click(); });
                },
                [&](QWidget* tests) {
                    EXPECT_EQ(tests->windowTitle(), "Trial Pit Tests");
                    auto typeIn = [&](const char* name, const char* keys) {
                        QTest::keyClicks(tests->findChild<QLineEdit*>(name), keys);
                    };
                    typeIn("pitlength", "2");
                    typeIn("pitwidth", "0.6");
                    typeIn("testdepth1", "1");
                    typeIn("testtime1", "30");
                    typeIn("testdepth3", "0.8");  // the second row left empty
                    EXPECT_FALSE(tests->findChild<QLabel*>("problem")->text().isEmpty())
                        << "a test with its depth only is named";
                    typeIn("testtime3", "40");
                    tests->findChild<QCheckBox*>("pitgravel")->click();
                    EXPECT_EQ(tests->findChild<QLabel*>("testrate1")->text(), "2.63E-5");
                    EXPECT_EQ(tests->findChild<QLabel*>("testrate3")->text(), "1.82E-5  (lowest)");
                    expectWhole(tests);
                    QTest::mouseClick(tests->findChild<QPushButton*>("btnuse"), Qt::LeftButton);
                }});
    EXPECT_FALSE(program->trialPitDialog().isVisible()) << "the single test closes with them";
    EXPECT_EQ(text("txtsinf"), "1.82E-5");

    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   const DesignCheck& check = *program->designCheckDialog().logic().check();
                   // Six checks and the two flood events; no ASSERT here, which would return
                   // with the window still open.
                   EXPECT_EQ(check.items.size(), 8u);
                   if (check.items.size() > 5) {
                       EXPECT_EQ(check.items[5].verdict, Verdict::pass) << check.items[5].reason;
                   }
                   EXPECT_EQ(dialog->findChild<QLabel*>("verdict4")->text(), "Not checked");
                   QTest::keyClicks(dialog->findChild<QLineEdit*>("groundwater"), "2");
                   EXPECT_EQ(dialog->findChild<QLabel*>("verdict4")->text(), "Fail");
                   EXPECT_NE(dialog->findChild<QLabel*>("reason4")->text().indexOf("only 0.5 m"),
                             -1);
                   EXPECT_NE(dialog->findChild<QLabel*>("summary")->text().indexOf("fail"), -1);
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
               });
}

// On a 1366 x 768 laptop (the suite's own run under Xvfb and the window manager) the whole
// window is on the screen, its checks within reach; an M5-60 rainfall no site has is refused
// naming the box; the record saved as "check1" is check1.pdf; and the size the user leaves
// the window at is the one it opens at again.
TEST_F(DesignCheckTest, FitsALaptopScreenRefusesWhatNoSiteHasAndRemembersItsSize) {
    enterWorkedTrench();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString oldFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    QSize left;
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   const QRect screen = dialog->screen()->availableGeometry();
                   ASSERT_TRUE(eventually([&] { return screen.contains(dialog->frameGeometry()); }))
                       << "frame " << dialog->frameGeometry().width() << "x"
                       << dialog->frameGeometry().height() << " on " << screen.width() << "x"
                       << screen.height();
                   // Every check and the buttons can be reached: scrolled to, or in view.
                   auto* close = dialog->findChild<QPushButton*>("btnclose");
                   EXPECT_TRUE(screen.contains(close->mapToGlobal(close->rect().center())));
                   auto* summary = dialog->findChild<QLabel*>("summary");
                   EXPECT_TRUE(summary->text().contains("not checked (no groundwater depth"))
                       << summary->text().toStdString();

                   auto* m560 = dialog->findChild<QLineEdit*>("m560");
                   m560->selectAll();
                   QTest::keyClicks(m560, "99999");
                   const QString refused = dialog->findChild<QLabel*>("problem")->text();
                   EXPECT_TRUE(refused.contains("M5-60 rainfall must lie between 5 and 100 mm"))
                       << refused.toStdString();
                   EXPECT_EQ(dialog->findChild<QTableWidget*>("stormtable")->rowCount(), 0);
                   m560->selectAll();
                   QTest::keyClicks(m560, "20");
                   EXPECT_TRUE(dialog->findChild<QLabel*>("problem")->text().isEmpty());

                   withModals([&] { dialog->findChild<QPushButton*>("btnpdf")->click(); },
                              {[&](QWidget* files) { answerFileDialog(files, "check1"); }});
                   EXPECT_TRUE(QFileInfo::exists(folder.filePath("check1.pdf")));
                   EXPECT_FALSE(QFileInfo::exists(folder.filePath("check1")));

                   dialog->resize(dialog->width() - 60, dialog->height() - 40);
                   left = dialog->size();
                   QTest::mouseClick(close, Qt::LeftButton);
               });
    QDir::setCurrent(oldFolder);
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   EXPECT_EQ(dialog->size(), left);
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
               });
}

// FEH99 typed box by box: a box left empty is named; with all six the flood events are worked
// from the Norwich figures, and the project keeps them as one text.
TEST_F(DesignCheckTest, TypedFeh99ParametersWorkTheFloodEvents) {
    enterWorkedTrench();
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   EXPECT_EQ(shown(dialog, "siteverdict"), "Not checked")
                       << "FSR gives 10-year storms";
                   choose(dialog->findChild<QComboBox*>("source"), "FEH99");
                   const char* norwich[][2] = {{"feh99c", "-0.023"}, {"feh99d1", "0.273"},
                                               {"feh99d2", "0.351"}, {"feh99d3", "0.236"},
                                               {"feh99e", "0.309"},  {"feh99f", "2.488"}};
                   for (const auto& [box, figure] : norwich) {
                       EXPECT_FALSE(shown(dialog, "problem").isEmpty()) << "before " << box;
                       QTest::keyClicks(dialog->findChild<QLineEdit*>(box), figure);
                   }
                   EXPECT_EQ(shown(dialog, "problem"), "");
                   EXPECT_EQ(dialog->findChild<QTableWidget*>("stormtable")->rowCount(), 11);
                   for (const char* event : {"site", "buildings"}) {
                       const std::string e = event;
                       EXPECT_FALSE(shown(dialog, (e + "needed").c_str()).isEmpty()) << e;
                       EXPECT_FALSE(shown(dialog, (e + "critical").c_str()).isEmpty()) << e;
                       EXPECT_NE(shown(dialog, (e + "verdict").c_str()), "Not checked") << e;
                   }
                   // The 100-year storm needs more than the 30-year one.
                   const DesignCheck& check = *program->designCheckDialog().logic().check();
                   EXPECT_GT(check.events[2].storage->needed, check.events[1].storage->needed);
                   EXPECT_EQ(shown(dialog, "designprovided"), shown(dialog, "buildingsprovided"));

                   auto* f = dialog->findChild<QLineEdit*>("feh99f");
                   f->clear();
                   QTest::keyClicks(f, "x");
                   EXPECT_EQ(shown(dialog, "problem"), "FEH99 parameter f: 'x' is not a number.");
                   QTest::keyClick(f, Qt::Key_Backspace);
                   QTest::keyClicks(f, "2.488");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
               });
    EXPECT_EQ(record().checkTexts.text("source"), "feh99");
    EXPECT_EQ(record().checkTexts.text("feh99"), "-0.023, 0.273, 0.351, 0.236, 0.309, 2.488");
}

// An export of the FEH Web Service imported: the newest depth table becomes the source. A file
// whose FEH13 table no rainfall can give is refused for FEH13, and nothing changes. Its FEH99
// figures, once altered, no longer claim to come from it.
TEST_F(DesignCheckTest, ImportingAnFehFileTakesItsNewestTableAndARefusalChangesNothing) {
    enterWorkedTrench();
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   auto* source = dialog->findChild<QComboBox*>("source");
                   importFeh(dialog, "028115-maun-at-mansfield.xml");
                   EXPECT_EQ(source->currentText(), "FEH22");
                   EXPECT_TRUE(shown(dialog, "fehtable").contains("028115-maun-at-mansfield.xml"))
                       << shown(dialog, "fehtable").toStdString();
                   EXPECT_EQ(shown(dialog, "problem"), "");
                   EXPECT_NE(shown(dialog, "buildingsverdict"), "Not checked");

                   choose(source, "FEH13");
                   const CheckTexts texts = record().checkTexts;
                   const FehDepthTables tables = record().fehTables;
                   importFeh(dialog, "web-service-export-2025.xml");
                   const QString refused = shown(dialog, "problem");
                   EXPECT_TRUE(refused.contains("web-service-export-2025.xml") &&
                               refused.contains("CatchmentAverageDDF2013Values"))
                       << refused.toStdString();
                   EXPECT_TRUE(record().checkTexts == texts);
                   EXPECT_TRUE(record().fehTables == tables);
                   EXPECT_EQ(source->currentText(), "FEH13");

                   // The FEH99 figures came with the first file; once altered they are typed ones.
                   choose(source, "FEH99");
                   EXPECT_EQ(shown(dialog, "feh99origin"),
                             "From 028115-maun-at-mansfield.xml, catchment average");
                   QTest::keyClicks(dialog->findChild<QLineEdit*>("feh99f"), "1");
                   EXPECT_EQ(shown(dialog, "feh99origin"), "Typed");
                   EXPECT_EQ(record().checkTexts.text("feh99origin"), "");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
               });
}

// The check's inputs belong to the project: opening the window changes nothing, an event's
// allowance typed marks the project modified and is there at the next opening.
TEST_F(DesignCheckTest, AnEventsAllowanceIsKeptWithTheProject) {
    ASSERT_FALSE(record().flags.ProjectModified);
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   EXPECT_FALSE(record().flags.ProjectModified) << "by opening alone";
                   auto* allowance = dialog->findChild<QLineEdit*>("siteallowance");
                   EXPECT_EQ(allowance->text(), "40");
                   allowance->selectAll();
                   QTest::keyClicks(allowance, "25");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
               });
    EXPECT_TRUE(record().flags.ProjectModified);
    EXPECT_EQ(record().checkTexts.text("siteallowance"), "25");
    whileModal([&] { find<QAction>("pdmdesigncheck")->trigger(); },
               [&](QWidget* dialog) {
                   EXPECT_EQ(dialog->findChild<QLineEdit*>("siteallowance")->text(), "25");
                   QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
               });
}

// The Routing page: each choice routes another storm and is kept with the project; the check
// takes the routed half-empty time when asked; a trench not designed shows why there is no plot.
TEST_F(DesignCheckTest, TheRoutingPageRoutesTheChosenStormAndTheCheckTakesItWhenAsked) {
    enterWorkedTrench();
    auto value = [](QWidget* dialog, const QString& label) {
        auto* results = dialog->findChild<QTableWidget*>("routingresults");
        for (int r = 0; r < results->rowCount(); ++r)
            if (results->item(r, 0)->text() == label) return results->item(r, 1)->text();
        return QString();
    };
    whileModal(
        [&] { find<QAction>("pdmdesigncheck")->trigger(); },
        [&](QWidget* dialog) {
            dialog->findChild<QTabWidget*>("checkpages")
                ->setCurrentWidget(dialog->findChild<QWidget*>("routing"));
            auto* plotArea = dialog->findChild<QStackedWidget*>("routingplot");
            EXPECT_EQ(value(dialog, "Profile"), "uniform");
            EXPECT_TRUE(value(dialog, "Storm").endsWith("(the event's critical storm)"));
            EXPECT_EQ(plotArea->currentWidget()->objectName(), "levelplot");

            struct Case {
                const char* combo;
                const char* item;
                const char* row;
                const char* shows;
            };
            for (const Case& c : {Case{"routeduration", "30 min", "Storm", "30 min"},
                                  Case{"routearea", "wetted area at half depth (BRE 365)",
                                       "Wetted area", "wetted area at half depth (BRE 365)"},
                                  Case{"routeduration", "Critical storm of the event", "Storm",
                                       "(the event's critical storm)"}}) {
                SCOPED_TRACE(c.item);
                const QString overflow = value(dialog, "Overflow");
                choose(dialog->findChild<QComboBox*>(c.combo), c.item);
                EXPECT_TRUE(value(dialog, c.row).contains(c.shows))
                    << value(dialog, c.row).toStdString();
                EXPECT_NE(value(dialog, "Overflow"), overflow);
            }
            EXPECT_EQ(record().checkTexts.text("routearea"), "halfdepth");

            // FSR gives no 30-year storm to route: the reason stands where the plot was.
            choose(dialog->findChild<QComboBox*>("routeevent"), "No flooding on site");
            EXPECT_EQ(plotArea->currentWidget()->objectName(), "routingproblem");
            EXPECT_EQ(shown(dialog, "routingproblem"),
                      "The FSR source gives 10-year storms only; choose an FEH source.");
            EXPECT_EQ(dialog->findChild<QTableWidget*>("routingresults")->rowCount(), 0);
            choose(dialog->findChild<QComboBox*>("routeevent"), "Design (BRE 365 sizing)");

            EXPECT_FALSE(shown(dialog, "reason2").startsWith("Routed"));
            dialog->findChild<QCheckBox*>("routedcheck")->click();
            EXPECT_TRUE(shown(dialog, "reason2").startsWith("Routed through the "))
                << shown(dialog, "reason2").toStdString();
            EXPECT_TRUE(shown(dialog, "reason2").contains("wetted area at half depth (BRE 365)"));
            EXPECT_EQ(record().checkTexts.text("routedcheck"), "1");
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
        });

    program->session().act([&] { program->session().design().write(Field::txtlength, ""); });
    ASSERT_EQ(text("txtlength"), "");
    whileModal(
        [&] { find<QAction>("pdmdesigncheck")->trigger(); },
        [&](QWidget* dialog) {
            EXPECT_TRUE(dialog->findChild<QCheckBox*>("routedcheck")->isChecked());
            EXPECT_EQ(
                dialog->findChild<QStackedWidget*>("routingplot")->currentWidget()->objectName(),
                "routingproblem");
            EXPECT_EQ(shown(dialog, "routingproblem"),
                      "The trench on show has no length, so there is nothing to route a "
                      "storm through.");
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnclose"), Qt::LeftButton);
        });
}

}  // namespace
}  // namespace varnholt
