// The two dialogs of the main window as a designer uses them: the design options (opened
// beside the main window or modally, its corrections, spins, switches and pictures, OK and
// Cancel) and the runoff coefficient (its refusals, and its close widening the trench).
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "gui_fixture.h"
#include "ui/options_dialog.h"
#include "ui/runoff_dialog.h"
#include "ui/status_panels.h"

#include <QRadioButton>
#include <cmath>

namespace varnholt {
namespace {

class DialogTest : public testing::GuiTest {
protected:
    OptionsDialog& options() { return program->optionsDialog(); }
    template <typename T = QWidget>
    T* inOptions(const char* name) {
        return options().findChild<T*>(QString::fromLatin1(name));
    }
    // Selects the text from `from` on and types over it, as a designer replaces a value.
    static void typeOver(QWidget* parent, const char* field, const QString& keys, int from = 0) {
        auto* e = parent->findChild<QLineEdit*>(QString::fromLatin1(field));
        e->setFocus();
        e->setSelection(from, static_cast<int>(e->text().size()) - from);
        QTest::keyClicks(e, keys);
    }
};

TEST_F(DialogTest, FromTheViewMenuTheOptionsStayOnTopWithoutBlocking) {
    program->mainWindow().findChild<QAction*>("pdmoptions")->trigger();
    ASSERT_TRUE(options().isVisible());
    EXPECT_FALSE(options().isModal());
    EXPECT_TRUE(options().windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(options().windowTitle(), "Design Options");
    // The main window goes on taking keys meanwhile.
    type("txtarea", "5");
    EXPECT_EQ(text("txtarea"), "5");
    options().close();
}

TEST_F(DialogTest, EveryPageOfTheOptionsShowsItsControlsWhole) {
    options().openModeless();
    auto* pages = inOptions<QTabWidget>("optionpages");
    for (int i = 0; i < pages->count(); ++i) {
        SCOPED_TRACE(pages->tabText(i).toStdString());
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        expectWhole(pages->currentWidget());
    }
    expectWhole(&options());
    options().close();
}

// Nothing is corrected while the designer types, so every key lands in the text typed so far;
// leaving the field brings the value into its range.
TEST_F(DialogTest, TypedOptionsAreBroughtIntoRangeWhenTheFieldIsLeft) {
    options().openModeless();
    ASSERT_TRUE(activate(&options()));  // the fields take focus only in the active window
    auto* fos = inOptions<QLineEdit>("txtFOS");
    typeOver(&options(), "txtFOS", "15");
    EXPECT_EQ(fos->text(), "15");
    QTest::keyClick(fos, Qt::Key_Tab);
    EXPECT_EQ(fos->text(), "10");
    EXPECT_EQ(inOptions<QLabel>("lblfos")->text(),
              "5 - 10. Used where damage to buildings is likely due to the effects of flooding");
    EXPECT_EQ(inOptions<QLabel>("lblfos")->palette().color(QPalette::WindowText),
              QColor(255, 0, 0));
    typeOver(&options(), "txtFOS", "0");
    QTest::keyClick(fos, Qt::Key_Tab);
    EXPECT_EQ(fos->text(), "1");

    // A void ratio typed over the whole text is the one typed, not its first key raised.
    auto* vr = inOptions<QLineEdit>("txtVR");
    typeOver(&options(), "txtVR", "0.35");
    EXPECT_EQ(vr->text(), "0.35");
    QTest::keyClick(vr, Qt::Key_Tab);
    EXPECT_EQ(vr->text(), "0.35");
    // Emptying it puts back the value it had when the dialog was shown, once it is left.
    vr->setFocus();
    vr->selectAll();
    QTest::keyClick(vr, Qt::Key_Backspace);
    EXPECT_EQ(vr->text(), "");
    QTest::keyClick(vr, Qt::Key_Tab);
    EXPECT_EQ(vr->text(), "0.3");
    options().close();
}

// Escape and the close box put back what the dialog was shown with: the options, the design
// and the status bar agree again.
TEST_F(DialogTest, EscapeAndTheCloseBoxAreCancel) {
    enterWorkedTrench();
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "close box");
        options().openModeless();
        ASSERT_TRUE(activate(&options()));
        typeOver(&options(), "txtVR", "0.0135");
        QTest::mouseClick(inOptions<QCheckBox>("chkbase"), Qt::LeftButton);
        if (escape)
            QTest::keyClick(inOptions<QLineEdit>("txtVR"), Qt::Key_Escape);
        else
            options().close();
        EXPECT_FALSE(options().isVisible());
        EXPECT_EQ(record().text(Field::txtVR), "0.3");
        EXPECT_FALSE(record().checked(Check::chkbase));
        EXPECT_EQ(program->mainWindow().statusPanels().panel(2), "Void Ratio = 0.3");
        ASSERT_TRUE(activate(&program->mainWindow()));
        EXPECT_EQ(text("lblwid"), "0.32");
        EXPECT_EQ(text("txtlength"), "10.01");
    }
}

TEST_F(DialogTest, SpinsStepAndSwitchesShowTheirPictures) {
    options().openModeless();
    program->session().design().record().place(Field::txtFOS, "9.5");
    options().sync();
    inOptions<QToolButton>("FOSspin_up")->click();
    EXPECT_EQ(inOptions<QLineEdit>("txtFOS")->text(), "10");
    inOptions<QToolButton>("FOSspin_up")->click();
    EXPECT_EQ(inOptions<QLineEdit>("txtFOS")->text(), "10");
    inOptions<QToolButton>("ringfailspin_down")->click();
    EXPECT_EQ(inOptions<QLineEdit>("txtringfail")->text(), "3.5");

    inOptions<QTabWidget>("optionpages")->setCurrentIndex(1);
    EXPECT_FALSE(inOptions<QLineEdit>("txtringmargin")->isEnabled());
    EXPECT_TRUE(inOptions("imgringfill")->isVisibleTo(&options()));
    QTest::mouseClick(inOptions<QCheckBox>("chkringsur"), Qt::LeftButton);
    EXPECT_TRUE(inOptions<QLineEdit>("txtringmargin")->isEnabled());
    EXPECT_TRUE(inOptions("imgringfill2")->isVisibleTo(&options()));
    EXPECT_FALSE(inOptions("imgringfill")->isVisibleTo(&options()));
    // The picture of the switch turns it over too.
    QTest::mouseClick(inOptions("imgringfill2"), Qt::LeftButton);
    EXPECT_FALSE(record().checked(Check::chkringsur));
    options().close();
}

TEST_F(DialogTest, CancelPutsTheVisitBackAndOkCommitsIt) {
    enterWorkedTrench();
    options().openModeless();
    typeOver(&options(), "txtVR", "4", 2);
    QTest::mouseClick(inOptions<QCheckBox>("chkbase"), Qt::LeftButton);
    inOptions<QPushButton>("btncancel")->click();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(record().text(Field::txtVR), "0.3");
    EXPECT_FALSE(record().checked(Check::chkbase));
    EXPECT_EQ(program->mainWindow().statusPanels().panel(2), "Void Ratio = 0.3");

    options().openModeless();
    typeOver(&options(), "txtVR", "4", 2);
    inOptions<QPushButton>("btnok")->click();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(program->mainWindow().statusPanels().panel(2), "Void Ratio = 0.4");
    EXPECT_EQ(program->mainWindow().statusPanels().panel(3), "Factor of Safety = 1");
    EXPECT_EQ(text("lblwid"), "0.24");  // more storage in the fill: a narrower trench
}

// The fill is chosen on the trench page; the unit's fields wait for crates, OK sizes the tank
// in whole units, and Cancel puts the fill back.
TEST_F(DialogTest, TheTrenchPageChoosesTheFillThatOkSizesAndCancelPutsBack) {
    enterWorkedTrench();
    options().openModeless();
    inOptions<QTabWidget>("optionpages")->setCurrentIndex(0);
    auto* unitLength = inOptions<QLineEdit>("txtcratelength");
    EXPECT_TRUE(inOptions<QRadioButton>("optgravel")->isChecked());
    EXPECT_FALSE(unitLength->isEnabled());
    QTest::mouseClick(inOptions<QRadioButton>("optcrates"), Qt::LeftButton);
    EXPECT_TRUE(unitLength->isEnabled());
    typeOver(&options(), "txtcratelength", "2");
    inOptions<QPushButton>("btnok")->click();
    EXPECT_EQ(record().text(Field::txtfill), "crates");
    EXPECT_EQ(text("txtdepth"), "1.6");  // four layers of 0.4 m
    EXPECT_DOUBLE_EQ(std::fmod(record().trench.length, 2), 0);
    EXPECT_EQ(text("lblwid"), "0.5");

    options().openModeless();
    EXPECT_TRUE(inOptions<QRadioButton>("optcrates")->isChecked());
    QTest::mouseClick(inOptions<QRadioButton>("optgravel"), Qt::LeftButton);
    EXPECT_FALSE(unitLength->isEnabled());
    inOptions<QPushButton>("btncancel")->click();
    EXPECT_EQ(record().text(Field::txtfill), "crates");
    EXPECT_EQ(record().text(Field::txtcratelength), "2");
}

TEST_F(DialogTest, ComingBackToTheMainWindowFromTheOptionsRecalculates) {
    enterWorkedTrench();
    options().openModeless();
    ASSERT_TRUE(eventually([&] { return QApplication::activeWindow() == &options(); }));
    typeOver(&options(), "txtVR", "4", 2);
    EXPECT_EQ(text("lblwid"), "0.32");  // an option alone starts nothing
    ASSERT_TRUE(activate(&program->mainWindow()));
    EXPECT_TRUE(eventually([&] { return text("lblwid") == "0.24"; }));
    options().close();
}

TEST_F(DialogTest, PopupMenuAndStatusBarOpenTheOptionsModally) {
    bool modal = false;
    whileModal([&] { program->mainWindow().findChild<QAction*>("DesignOptions1")->trigger(); },
               [&](QWidget* w) {
                   modal = w == &options() && options().isModal();
                   inOptions<QPushButton>("btncancel")->click();
               });
    EXPECT_TRUE(modal);

    modal = false;
    auto& status = program->mainWindow().statusPanels();
    whileModal([&] { QTest::mouseDClick(&status, Qt::LeftButton); },
               [&](QWidget* w) {
                   modal = w == &options();
                   options().close();
               });
    EXPECT_TRUE(modal);
}

TEST_F(DialogTest, AskingModallyWhileOpenBesideOnlyBringsItToTheFront) {
    options().openModeless();
    typeOver(&options(), "txtVR", "5", 2);
    program->mainWindow().findChild<QAction*>("DesignOptions1")->trigger();  // returns at once
    EXPECT_TRUE(options().isVisible());
    EXPECT_FALSE(options().isModal());
    EXPECT_EQ(record().text(Field::txtVR), "0.5");
    inOptions<QPushButton>("btncancel")->click();
    EXPECT_EQ(record().text(Field::txtVR), "0.3");  // the visit's snapshot still stood
}

TEST_F(DialogTest, RunoffCoefficientIsRefusedOutsideItsRangeAndWidensTheTrenchOnClose) {
    enterWorkedTrench();
    QStringList messages;
    whileModal(
        [&] { find<QPushButton>("btnVRC")->click(); },
        [&](QWidget* dialog) {
            EXPECT_EQ(dialog->objectName(), "TfrmVRC");
            for (const char* refused : {"1.01", "0"}) {
                typeOver(dialog, "txtVRC", refused);
                messages << messageOf([&] { dialog->findChild<QPushButton*>("Button1")->click(); });
                EXPECT_EQ(dialog->findChild<QLineEdit*>("txtVRC")->text(), "1.00");
            }
            QTest::keyClick(dialog, Qt::Key_Escape);  // only OK closes it
            EXPECT_TRUE(dialog->isVisible());
            dialog->findChild<QPushButton*>("Button1")->click();
        });
    EXPECT_EQ(messages,
              QStringList({"Incorrect runoff coefficient.", "Incorrect runoff coefficient."}));
    EXPECT_EQ(text("lblwid"), "0.33");
    EXPECT_EQ(text("txtlength"), "9.78");

    whileModal(
        [&] {
            program->mainWindow().findChild<QAction*>("VolumetricRunoffCoefficeint1")->trigger();
        },
        [&](QWidget* dialog) {
            typeOver(dialog, "txtVRC", "0.9");
            dialog->findChild<QPushButton*>("Button1")->click();
        });
    EXPECT_EQ(text("lblwid"), "0.34");
    EXPECT_EQ(text("txtlength"), "8.60");
}

}  // namespace
}  // namespace varnholt
