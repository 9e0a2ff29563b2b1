// The two ways a designer gets the soil infiltration rate, as the designer uses them: the
// trial-pit window (its boxes, its refusals, the rate written and the design sized again, its
// Help and where Help looks) and the soil table (a soil used, the table closed any way).
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <array>
#include <functional>

#include "gui_fixture.h"
#include "opened_urls.h"
#include "started_design.h"
#include "tools/trial_pit_logic.h"
#include "ui/soil_table_dialog.h"
#include "ui/trial_pit_dialog.h"

namespace varnholt {
namespace {

class SoilInfiltrationTest : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        savedFolder = QDir::currentPath();
    }
    void TearDown() override {
        QDir::setCurrent(savedFolder);
        GuiTest::TearDown();
    }
    template <typename T = QWidget>
    static T* in(QWidget* window, const char* name) {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void trigger(const char* action) {
        program->mainWindow().findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    // The worked trench sized by the engine alone with `rate` typed in: what the main window
    // must show once a dialog has written that rate.
    static std::vector<std::string> trenchWith(const std::string& rate) {
        Design d;
        testing::start(d);
        testing::enterWorkedInputs(d);
        testing::enter(d, {{Field::txtdepth, "1.5"},
                           {Field::lblwid, "0.5"},
                           {Field::txtlength, "10"},
                           {Field::txtsinf, rate}});
        d.activate();
        return {d.record().text(Field::txtlength), d.record().text(Field::lblwid),
                d.record().text(Field::lbltime)};
    }
    std::vector<std::string> shownTrench() const {
        return {text("txtlength"), text("lblwid"), text("lbltime")};
    }
    static void fillPit(QWidget* dialog, const std::array<const char*, 4>& values) {
        const char* boxes[] = {"txtpitlength", "txtpitwidth", "txtpitdepth", "txtpittime"};
        for (int i = 0; i < 4; ++i) {
            auto* box = in<QLineEdit>(dialog, boxes[i]);
            box->setFocus();
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClicks(box, QString::fromLatin1(values[static_cast<std::size_t>(i)]));
        }
    }
    QString filterWarning() const { return find<QLabel>("lblfiltwarning")->text(); }

    testing::OpenedUrls opened{{"file"}};
    QString savedFolder;
};

TEST_F(SoilInfiltrationTest, ThePitTypedAndCalculatedResizesTheTrench) {
    enterWorkedTrench();
    const auto expected = trenchWith("3.33E-5");
    ASSERT_NE(expected, shownTrench());

    whileModal(
        [&] { find<QPushButton>("btnsinf")->click(); },
        [&](QWidget* modal) {
            ASSERT_EQ(modal, &program->trialPitDialog());
            EXPECT_EQ(modal->windowTitle(), "Calculate Soil Infiltration Rate");
            EXPECT_EQ(modal->size(), QSize(335, 177));
            EXPECT_EQ(modal->minimumSize(), modal->maximumSize());
            for (const char* caption : {"Enter Survey Values below", "Dimensions of trial pit"}) {
                bool shown = false;
                for (auto* box : modal->findChildren<QGroupBox*>())
                    shown |= box->title() == caption;
                EXPECT_TRUE(shown) << caption;
            }
            expectWhole(modal);
            fillPit(modal, {"2", "1", "1", "100"});
            QTest::mouseClick(in<QPushButton>(modal, "Button1"), Qt::LeftButton);
            EXPECT_FALSE(modal->isVisible());
        });
    EXPECT_EQ(text("txtsinf"), "3.33E-5");
    EXPECT_EQ(shownTrench(), expected);

    // The View menu opens the same window, with the pit still typed in.
    whileModal([&] { trigger("pdmcalcsoilinf"); },
               [&](QWidget* modal) {
                   EXPECT_EQ(in<QLineEdit>(modal, "txtpittime")->text(), "100");
                   fillPit(modal, {"1", "1", "1", "1000"});
                   QTest::mouseClick(in<QPushButton>(modal, "Button1"), Qt::LeftButton);
               });
    EXPECT_EQ(text("txtsinf"), "2.77E-6");
    EXPECT_EQ(shownTrench(), trenchWith("2.77E-6"));
}

TEST_F(SoilInfiltrationTest, PitValuesGivingNoRateAreRefusedAndTheWindowStays) {
    enterWorkedTrench();
    const auto before = shownTrench();
    struct Case {
        std::array<const char*, 4> pit;
        QString message;
    };
    const Case cases[] = {
        {{"", "", "", ""}, "You must enter valid numbers in each box."},
        {{"2", "0", "1", "100"}, "You must enter valid numbers in each box."},
        {{"2", "1", "1 m", "100"}, "'1 m' is not a valid floating point value"},
        {{"2", "1", "1", "0.0"}, QString::fromLatin1(NoInfiltrationRateError().what())},
    };
    whileModal([&] { trigger("pdmcalcsoilinf"); },
               [&](QWidget* modal) {
                   for (const Case& c : cases) {
                       SCOPED_TRACE(c.message.toStdString());
                       fillPit(modal, c.pit);
                       EXPECT_EQ(messageOf([&] { in<QPushButton>(modal, "Button1")->click(); }),
                                 c.message);
                       EXPECT_TRUE(modal->isVisible());
                   }
                   QTest::keyClick(modal, Qt::Key_Escape);
               });
    EXPECT_EQ(text("txtsinf"), "0.00001");
    EXPECT_EQ(shownTrench(), before);
}

TEST_F(SoilInfiltrationTest, DoubleClickingClayWritesItsRateAndResizesTheTrench) {
    enterWorkedTrench();
    whileModal(
        [&] { find<QPushButton>("btnsoiltable")->click(); },
        [&](QWidget* modal) {
            ASSERT_EQ(modal, &program->soilTableDialog());
            EXPECT_EQ(modal->windowTitle(), "Soil Table");
            EXPECT_GE(modal->width(), 350);
            EXPECT_GE(modal->height(), 295);
            EXPECT_EQ(modal->minimumSize(), QSize(350, 295));
            EXPECT_NE(modal->minimumSize(), modal->maximumSize()) << "the user may resize it";
            auto* warning = in<QGroupBox>(modal, "GroupBox1");
            EXPECT_EQ(warning->title(), "WARNING");
            EXPECT_EQ(warning->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            expectWhole(modal);

            auto* grid = in<QTableWidget>(modal, "sgsoil");
            EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
            EXPECT_EQ(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
            const QString soilHeading = grid->horizontalHeaderItem(0)->text();
            const QString rateHeading = grid->horizontalHeaderItem(1)->text();
            EXPECT_TRUE(soilHeading.startsWith(' ') && rateHeading.startsWith(' '));
            EXPECT_EQ(soilHeading.trimmed(), "Soil Type");
            EXPECT_EQ(rateHeading.trimmed(), "Infiltration Rate (m/sec)");
            ASSERT_EQ(grid->rowCount(), 5);
            EXPECT_EQ(grid->currentRow(), 0) << "Sand is selected at first";
            // Every cell shows its text whole.
            for (int r = 0; r < grid->rowCount(); ++r)
                for (int c = 0; c < 2; ++c)
                    EXPECT_GE(grid->columnWidth(c),
                              grid->fontMetrics().horizontalAdvance(grid->item(r, c)->text()))
                        << grid->item(r, c)->text().toStdString();

            ASSERT_EQ(grid->item(4, 0)->text(), "Clay");
            EXPECT_EQ(grid->item(4, 1)->text(), "2 x 10^-7");
            const QPoint clay = grid->visualItemRect(grid->item(4, 0)).center();
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, clay);
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, clay);
            EXPECT_FALSE(modal->isVisible());
        });
    EXPECT_EQ(text("txtsinf"), "0.0000002");
    EXPECT_EQ(shownTrench(), trenchWith("0.0000002"));
}

// However the table closes, the main window's pass runs once more there and then, before the
// main window is active again; the soil picked last stays picked.
TEST_F(SoilInfiltrationTest, ClosingTheTableAnyWayRunsTheRefreshPass) {
    enterWorkedTrench();
    struct Case {
        const char* how;
        int pick;  // the grid row clicked before closing
        const char* overflow;
        std::function<void(QWidget*)> close;
    };
    const Case cases[] = {
        {"Cancel", 2, "5",
         [](QWidget* t) { QTest::mouseClick(in<QPushButton>(t, "btncancel"), Qt::LeftButton); }},
        {"Escape", 3, "10",
         [](QWidget* t) { QTest::keyClick(in<QTableWidget>(t, "sgsoil"), Qt::Key_Escape); }},
        {"close box", 4, "15", [](QWidget* t) { t->close(); }},
        {"Use in Design", 1, "20",
         [](QWidget* t) { QTest::mouseClick(in<QPushButton>(t, "btnuse"), Qt::LeftButton); }},
    };
    int picked = 0;  // Sand, at first
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        whileModal([&] { trigger("pdmsoiltable"); },
                   [&](QWidget* modal) {
                       auto* grid = in<QTableWidget>(modal, "sgsoil");
                       EXPECT_EQ(grid->currentRow(), picked) << "the soil picked last time";
                       QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                         grid->visualItemRect(grid->item(c.pick, 1)).center());
                       picked = c.pick;
                       program->session().design().record().place(Field::txtoverflow, c.overflow);
                       const QString shown = QString::fromLatin1(c.overflow) + "%";
                       ASSERT_FALSE(filterWarning().contains(shown));
                       c.close(modal);
                       EXPECT_FALSE(modal->isVisible());
                       EXPECT_TRUE(filterWarning().contains(shown))
                           << filterWarning().toStdString();
                   });
        if (std::string(c.how) != "Use in Design") {
            EXPECT_EQ(text("txtsinf"), "0.00001");
        }
    }
    EXPECT_EQ(text("txtsinf"), "0.0000055") << "Sandy Loam, the soil picked last";
}

TEST_F(SoilInfiltrationTest, HelpOpensTheProgramFoldersFileBeforeTheOneInItsHelpFolder) {
    // As built: the help file the build compiled into the program folder's "help" folder.
    const QString built = QStringLiteral(VARNHOLT_PROGRAM_FILES_DIR "/help/helpvarn.chm");
    ASSERT_TRUE(QFile::exists(built));
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("help"));
    auto put = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("ITSF") == 4;
    };
    const QString inHelp = folder.filePath(QStringLiteral("help/helpvarn.chm"));
    const QString beside = folder.filePath(QStringLiteral("helpvarn.chm"));
    struct Case {
        QString programFolder;
        std::function<bool()> prepare;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral(VARNHOLT_PROGRAM_FILES_DIR), [] { return true; }, built},
        {folder.path(), [&] { return put(inHelp); }, inHelp},
        {folder.path(), [&] { return put(beside); }, beside},
    };
    QDir::setCurrent(QDir::tempPath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        ASSERT_TRUE(c.prepare());
        program->trialPitDialog().setProgramFolder(c.programFolder);
        opened.urls.clear();
        whileModal([&] { find<QPushButton>("btnsinf")->click(); },
                   [&](QWidget* modal) {
                       QTest::mouseClick(in<QPushButton>(modal, "Button2"), Qt::LeftButton);
                       QTest::keyClick(modal, Qt::Key_Escape);
                   });
        ASSERT_EQ(opened.paths().size(), 1);
        EXPECT_EQ(QFileInfo(opened.paths().first()).canonicalFilePath(),
                  QFileInfo(c.expected).canonicalFilePath());
        EXPECT_EQ(QDir::current().canonicalPath(), QDir(c.programFolder).canonicalPath())
            << "the program folder is made current";
    }
}

TEST_F(SoilInfiltrationTest, WithoutTheHelpFileTheUserMayFindIt) {
    QTemporaryDir programFolder, elsewhere;
    program->trialPitDialog().setProgramFolder(programFolder.path());
    const QString chosen = elsewhere.filePath(QStringLiteral("helpvarn.chm"));
    {
        QFile f(chosen);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write("ITSF") == 4);
    }
    auto answer = [](QMessageBox::StandardButton button) {
        return [button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(),
                      "Help file could not be found. Would you like to find it yourself?");
            EXPECT_NE(box->button(QMessageBox::Yes), nullptr);
            box->button(button)->click();
        };
    };
    auto fileDialog = [&](std::function<void(QFileDialog*)> then) {
        return [then, &programFolder](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->nameFilters(), QStringList{"HTML Help Files (*.chm)"});
            EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(dialog->directory().canonicalPath(),
                      QDir(programFolder.path()).canonicalPath())
                << "it starts in the program folder, made current";
            then(dialog);
        };
    };
    struct Case {
        const char* what;
        std::vector<ModalStep> steps;
        QStringList opened;
    };
    const Case cases[] = {
        {"No", {answer(QMessageBox::No)}, {}},
        {"Yes, then cancel",
         {answer(QMessageBox::Yes), fileDialog([](QFileDialog* d) { d->reject(); })},
         {}},
        {"Yes, then a file",
         {answer(QMessageBox::Yes), fileDialog([&](QFileDialog* d) {
              // The user browses from the program folder to where the file is.
              d->setDirectory(elsewhere.path());
              answerFileDialog(d, QStringLiteral("helpvarn.chm"));
          })},
         {chosen}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        opened.urls.clear();
        whileModal([&] { trigger("pdmcalcsoilinf"); },
                   [&](QWidget* modal) {
                       withModals([&] { in<QPushButton>(modal, "Button2")->click(); }, c.steps);
                       EXPECT_TRUE(modal->isVisible());
                       QTest::keyClick(modal, Qt::Key_Escape);
                   });
        EXPECT_EQ(opened.paths(), c.opened);
    }
}

}  // namespace
}  // namespace varnholt
