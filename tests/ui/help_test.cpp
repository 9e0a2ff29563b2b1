// The help as a user without a desktop set up for it meets it: the pages read in the program's
// own window, and a message naming what to install wherever the desktop cannot open a file or
// an address.
#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include "gui_fixture.h"
#include "output/drawings/qt/drawing_window.h"
#include "ui/document_commands.h"
#include "ui/help_window.h"
#include "ui/trial_pit_dialog.h"

namespace varnholt {
namespace {

// A PATH with nothing on it: no opener, no browser, no reader of any kind.
class WithoutDesktopPrograms {
public:
    WithoutDesktopPrograms() : saved_(qgetenv("PATH")) { qputenv("PATH", empty_.path().toUtf8()); }
    ~WithoutDesktopPrograms() { qputenv("PATH", saved_); }

private:
    QTemporaryDir empty_;
    QByteArray saved_;
};

class HelpTest : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        program->setHelpFolder(QStringLiteral(VARNHOLT_PROGRAM_FILES_DIR));
        program->trialPitDialog().setProgramFolder(QStringLiteral(VARNHOLT_PROGRAM_FILES_DIR));
        program->documents().documents().setFolder(VARNHOLT_PROGRAM_FILES_DIR);
    }
    HelpWindow* helpWindow() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<HelpWindow*>(w); help && help->isVisible()) return help;
        return nullptr;
    }
    QString shownPage() {
        HelpWindow* help = helpWindow();
        return help ? help->browser()->source().fileName() : QString();
    }
    // The text of the message box `command` brings up, answered with OK.
    QString messageOf(const std::function<void()>& command) {
        QString shown;
        whileModal(command, [&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            if (!message) return box->close(), void();
            shown = message->text();
            message->button(QMessageBox::Ok)->click();
        });
        return shown;
    }

    WithoutDesktopPrograms bare;
};

TEST_F(HelpTest, ContentsAndF1ShowTheHelpPagesInTheProgramsOwnWindow) {
    const std::function<void()> ways[] = {
        [&] { program->mainWindow().findChild<QAction*>("Contents1")->trigger(); },
        [&] { QTest::keyClick(&program->mainWindow(), Qt::Key_F1); },
    };
    for (const auto& open : ways) {
        ASSERT_TRUE(activate(&program->mainWindow()));
        open();
        ASSERT_TRUE(eventually([&] { return helpWindow() != nullptr; }));
        HelpWindow* help = helpWindow();
        EXPECT_EQ(shownPage(), "index.htm");
        EXPECT_TRUE(help->browser()->toPlainText().contains("Varnholt"));
        // A link leads to its page, and the list of pages to another.
        auto* contents = help->findChild<QListWidget*>("helpcontents");
        ASSERT_EQ(contents->count(), 4);
        QListWidgetItem* soil = contents->item(3);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(soil).center());
        EXPECT_EQ(shownPage(), "soil_table.htm");
        help->close();
    }
}

TEST_F(HelpTest, WithoutAReaderForTheHelpFileTheTrialPitHelpShowsTheSamePages) {
    whileModal([&] { find<QPushButton>("btnsinf")->click(); },
               [&](QWidget* modal) {
                   ASSERT_EQ(modal, &program->trialPitDialog());
                   modal->findChild<QPushButton*>("Button2")->click();
                   ASSERT_TRUE(eventually([&] { return helpWindow() != nullptr; }));
                   EXPECT_EQ(shownPage(), "index.htm");
                   // Over the dialog that asked, and usable while it is up.
                   EXPECT_EQ(helpWindow()->parentWidget(), modal);
                   helpWindow()->close();
                   modal->close();
               });
}

// Where the desktop cannot open something, the user is told what to install and where the
// file lies, rather than nothing happening.
TEST_F(HelpTest, WhatTheDesktopCannotOpenIsNamedWithWhatToInstall) {
    const QString folder = QStringLiteral(VARNHOLT_PROGRAM_FILES_DIR);
    struct Case {
        const char* what;
        std::function<void()> command;
        QStringList says;
    };
    const Case cases[] = {
        {"the maintenance schedule",
         [&] { program->mainWindow().findChild<QAction*>("MaintenanceSchedule1")->trigger(); },
         {"PDF", "evince", folder + "/CS_VH_schedule.pdf"}},
        {"a drawing in a CAD program",
         [&] {
             program->documents()
                 .drawingWindow(0)
                 .findChild<QAction*>("OpendrawinginAutoCAD1")
                 ->trigger();
         },
         {"librecad", folder + "/Ring_Soakaway.dxf"}},
        {"the home page",
         [&] { program->mainWindow().findChild<QAction*>("tbhome1_action")->trigger(); },
         {"web browser", "firefox-esr", "http://127.0.0.1:9/"}},
        {"the online help",
         [&] { program->mainWindow().findChild<QAction*>("tbhelp1_action")->trigger(); },
         {"web browser", "http://127.0.0.1:9/help/default.htm"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString said = messageOf(c.command);
        for (const QString& part : c.says)
            EXPECT_TRUE(said.contains(part))
                << said.toStdString() << " lacks " << part.toStdString();
        EXPECT_TRUE(said.contains("xdg-utils")) << "the missing opener is named";
    }
}

}  // namespace
}  // namespace varnholt
