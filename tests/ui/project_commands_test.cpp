// The project commands through the real message boxes and file dialogs: Save As typed into the
// save dialog, the questions and every way out of them, the caption's mark of unsaved changes,
// New from the tool bar, Open of a file that is not a project, and a project named on the
// command line.
#include <sys/mount.h>

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QToolButton>

#include "gui_fixture.h"
#include "project/project_file.h"
#include "ui/options_dialog.h"
#include "ui/status_panels.h"

namespace varnholt {
namespace {

class ProjectCommandsTest : public testing::GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        testing::GuiTest::SetUp();
    }
    static QString questionAnswered(const std::function<void()>& action,
                                    QMessageBox::StandardButton answer,
                                    const ModalStep& look = {}) {
        QString asked;
        whileModal(action, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            if (look) look(box);
            asked = box->text();
            box->button(answer)->click();
        });
        return asked;
    }
    QTemporaryDir dir;
};

TEST_F(ProjectCommandsTest, SaveAsThroughTheDialogWritesTheFileAndNamesIt) {
    type("projtit", "Garage");
    QString title;
    whileModal([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_F12); },
               [&](QWidget* modal) {
                   title = modal->windowTitle();
                   answerFileDialog(modal, "garage");
               });
    EXPECT_EQ(title, "Save Varnholt file As...");
    const QString path = dir.filePath("garage.vhl");
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(caption(), "Varnholt - " + path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Varnholt-Corvane Systems-Version2\r\nGarage\r\n"));
}

TEST_F(ProjectCommandsTest, TheCloseBoxAsksAndCancelKeepsTheWindow) {
    type("projtit", "Garage");
    const QString asked =
        questionAnswered([&] { program->mainWindow().close(); }, QMessageBox::Cancel);
    EXPECT_EQ(asked, "Do you want to save the project before exiting?");
    EXPECT_TRUE(program->mainWindow().isVisible());
    EXPECT_EQ(text("projtit"), "Garage");

    questionAnswered([&] { program->mainWindow().close(); }, QMessageBox::No);
    EXPECT_FALSE(program->mainWindow().isVisible());
}

TEST_F(ProjectCommandsTest, NewFromTheToolBarClearsTheProject) {
    type("txtarea", "100");
    const QString asked =
        questionAnswered([&] { find<QToolButton>("tbfilenew")->click(); }, QMessageBox::No);
    EXPECT_EQ(asked, "Do you want to save the current project?");
    EXPECT_EQ(text("txtarea"), "");
    EXPECT_EQ(text("txtsdur_edit"), "");
    EXPECT_EQ(caption(), "Varnholt");
    EXPECT_FALSE(record().flags.ProjectModified);
}

TEST_F(ProjectCommandsTest, OpeningAFileThatIsNotAProjectSaysSoAndKeepsTheProject) {
    QFile notes(dir.filePath("notes.vhl"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("shopping list\n");
    notes.close();
    type("projtit", "Old site");
    QStringList said;
    // Behind the file dialog and the message the window still shows the project as it was.
    auto showsUnchanged = [&] {
        EXPECT_EQ(text("projtit"), "Old site");
        EXPECT_EQ(caption(), "Corvane Systems - Varnholt 4.0*");
    };
    withModals([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_O, Qt::ControlModifier); },
               {[&](QWidget* question) {
                    said << qobject_cast<QMessageBox*>(question)->text();
                    qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
                },
                [&](QWidget* open) {
                    showsUnchanged();
                    said << open->windowTitle();
                    answerFileDialog(open, "notes.vhl");
                },
                [&](QWidget* message) {
                    showsUnchanged();
                    said << qobject_cast<QMessageBox*>(message)->text();
                    qobject_cast<QMessageBox*>(message)->button(QMessageBox::Ok)->click();
                }});
    EXPECT_EQ(said, QStringList({"Do you want to save the current project?", "Open Varnholt File",
                                 "Not a valid Soakaway File."}));
    showsUnchanged();
}

// Every "save changes?" question offers Yes, No and Cancel; Escape and the close box are
// Cancel, and Cancel leaves the project and the program as they were.
TEST_F(ProjectCommandsTest, BackingOutOfAQuestionKeepsTheProject) {
    struct Command {
        const char* name;
        std::function<void()> start;
        const char* question;
    };
    const Command commands[] = {
        {"New", [&] { find<QToolButton>("tbfilenew")->click(); },
         "Do you want to save the current project?"},
        {"Open", [&] { QTest::keyClick(&program->mainWindow(), Qt::Key_O, Qt::ControlModifier); },
         "Do you want to save the current project?"},
        {"Exit", [&] { program->mainWindow().close(); },
         "Do you want to save the project before exiting?"},
    };
    struct WayOut {
        const char* name;
        std::function<void(QMessageBox*)> take;
    };
    const WayOut waysOut[] = {
        {"Escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }},
        {"close box", [](QMessageBox* box) { box->close(); }},
        {"Cancel", [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); }},
    };
    type("projtit", "Garage");
    for (const Command& command : commands) {
        for (const WayOut& way : waysOut) {
            SCOPED_TRACE(std::string(command.name) + ", " + way.name);
            QString asked;
            QList<QMessageBox::StandardButton> buttons;
            // Only the question comes up: no save or open dialog follows it.
            whileModal(command.start, [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                asked = box->text();
                for (QAbstractButton* b : box->buttons()) buttons << box->standardButton(b);
                way.take(box);
            });
            EXPECT_EQ(asked, command.question);
            EXPECT_EQ(buttons.size(), 3);
            for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                EXPECT_TRUE(buttons.contains(b)) << b;
            EXPECT_TRUE(program->mainWindow().isVisible());
            EXPECT_EQ(text("projtit"), "Garage");
            EXPECT_EQ(caption(), "Corvane Systems - Varnholt 4.0*");
        }
    }
}

// The caption marks unsaved changes as the desktop does: an asterisk after the caption's text
// while the project differs from its file, none once it is saved or typed back.
TEST_F(ProjectCommandsTest, TheCaptionMarksUnsavedChanges) {
    MainWindow& w = program->mainWindow();
    EXPECT_FALSE(w.isWindowModified());
    EXPECT_EQ(caption(), "Corvane Systems - Varnholt 4.0");
    type("projtit", "G");
    EXPECT_TRUE(w.isWindowModified());
    EXPECT_EQ(caption(), "Corvane Systems - Varnholt 4.0*");
    QTest::keyClick(edit("projtit"), Qt::Key_Backspace);
    EXPECT_FALSE(w.isWindowModified());

    type("projtit", "Garage");
    whileModal([&] { QTest::keyClick(&w, Qt::Key_F12); },
               [&](QWidget* modal) { answerFileDialog(modal, "garage"); });
    EXPECT_EQ(caption(), "Varnholt - " + dir.filePath("garage.vhl"));
    EXPECT_FALSE(w.isWindowModified());

    // An option counts as much as a field: it is saved in the file.
    program->session().act([&] { program->session().design().write(Field::txtVR, "0.35"); });
    EXPECT_EQ(caption(), "Varnholt - " + dir.filePath("garage.vhl") + "*");
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(w.isWindowModified());
}

// Saving onto a full disk: the write fails only when the buffer is flushed at the end.
TEST_F(ProjectCommandsTest, SavingOnAFullDiskSaysWhyAndKeepsTheOldFile) {
    const QString fs = dir.filePath("fs");
    QDir().mkpath(fs);
    if (::mount("tmpfs", fs.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a file system here";
    struct Unmount {
        QString at;
        ~Unmount() { ::umount2(at.toLocal8Bit().constData(), MNT_DETACH); }
    } unmount{fs};
    const QString path = fs + "/site.vhl";
    type("projtit", "Garage roof");
    type("txtarea", "100");
    whileModal([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_F12); },
               [&](QWidget* modal) {
                   // Set whole: typing a path letter by letter brings up the completer.
                   auto* name = modal->findChild<QLineEdit*>("fileNameEdit");
                   ASSERT_NE(name, nullptr);
                   name->setText(path);
                   QTest::keyClick(name, Qt::Key_Return);
               });
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray old = saved.readAll();
    saved.close();
    QFile filler(fs + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(4096, 'f')) == 4096) {
    }
    while (filler.write("f", 1) == 1) {
    }
    filler.close();

    type("projtit", " 2");
    const QString said =
        messageOf([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_S, Qt::ControlModifier); });
    EXPECT_TRUE(said.contains("No space left on device")) << said.toStdString();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), old);
    EXPECT_TRUE(record().flags.ProjectModified);
    EXPECT_NE(program->mainWindow().statusPanels().panel(1), "Project Saved.");
}

// A question asked while the design options stay on top beside the main window comes up in
// front of them, not hidden behind.
TEST_F(ProjectCommandsTest, AQuestionComesUpInFrontOfTheOptionsKeptOnTop) {
    program->mainWindow().findChild<QAction*>("pdmoptions")->trigger();
    QWidget& options = program->optionsDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    ASSERT_TRUE(activate(&program->mainWindow()));
    type("projtit", "Garage");
    questionAnswered([&] { program->mainWindow().close(); }, QMessageBox::Cancel,
                     [&](QWidget* box) {
                         EXPECT_TRUE(eventually([&] { return box->isVisible(); }));
                         EXPECT_TRUE(eventually([&] { return isStackedAbove(box, &options); }));
                     });
    EXPECT_TRUE(program->mainWindow().isVisible());
    options.close();
}

// A broken project named on the command line is reported over the main window, which is
// already on the screen.
class BrokenCommandLineTest : public testing::GuiTest {
protected:
    std::vector<std::string> arguments() const override {
        return {dir.filePath("broken.vhl").toStdString()};
    }
    void SetUp() override {
        QFile file(dir.filePath("broken.vhl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a project\r\n");
    }
    QTemporaryDir dir;
};

TEST_F(BrokenCommandLineTest, IsReportedOverTheShownWindow) {
    program = std::make_unique<Program>(arguments());
    bool windowOnScreen = false;
    QString said;
    whileModal([&] { program->start(); },
               [&](QWidget* modal) {
                   QWindow* main = program->mainWindow().windowHandle();
                   windowOnScreen = main && main->isExposed();
                   said = qobject_cast<QMessageBox*>(modal)->text();
                   qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
               });
    EXPECT_EQ(said, "Not a valid Soakaway File.");
    EXPECT_TRUE(windowOnScreen);
    EXPECT_EQ(caption(), "Corvane Systems - Varnholt 4.0");
}

class CommandLineStartTest : public testing::GuiTest {
protected:
    std::vector<std::string> arguments() const override {
        // The desktop hands an unquoted path with a blank over as two arguments.
        const std::string path = dir.filePath("site plan.vhl").toStdString();
        return {path.substr(0, path.rfind(' ')), "plan.vhl"};
    }
    void SetUp() override {
        Design other;
        other.write(Field::projtit, "From the desktop");
        QFile file(dir.filePath("site plan.vhl"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(writeProjectFile(other.record())));
        file.close();
        testing::GuiTest::SetUp();
    }
    QTemporaryDir dir;
};

TEST_F(CommandLineStartTest, OpensTheNamedProjectAtStart) {
    EXPECT_EQ(text("projtit"), "From the desktop");
    EXPECT_FALSE(program->mainWindow().isWindowModified());
    EXPECT_EQ(caption(), "Varnholt - " + dir.filePath("site plan.vhl"));
}

}  // namespace
}  // namespace varnholt
