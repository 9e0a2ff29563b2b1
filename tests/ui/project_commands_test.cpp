// The project commands through the real message boxes and file dialogs: Save As typed into the
// save dialog, the close box's question, New from the tool bar, Open of a file that is not a
// project, and a project named on the command line.
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QToolButton>

#include "gui_fixture.h"
#include "project/project_file.h"

namespace varnholt {
namespace {

class ProjectCommandsTest : public testing::GuiTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        testing::GuiTest::SetUp();
    }
    // Types a name into the file dialog that is up and confirms it.
    static void answerFileDialog(QWidget* modal, const QString& name) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(nameEdit, nullptr);
        nameEdit->setFocus();
        QTest::keyClicks(nameEdit, name);
        QTest::keyClick(nameEdit, Qt::Key_Return);
    }
    static QString questionAnswered(const std::function<void()>& action, QMessageBox::StandardButton answer) {
        QString asked;
        whileModal(action, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
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
    EXPECT_EQ(program->mainWindow().windowTitle(), "Varnholt - " + path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Varnholt-Corvane Systems-Version2\r\nGarage\r\n"));
}

TEST_F(ProjectCommandsTest, TheCloseBoxAsksAndCancelKeepsTheWindow) {
    type("projtit", "Garage");
    const QString asked = questionAnswered([&] { program->mainWindow().close(); },
                                           QMessageBox::Cancel);
    EXPECT_EQ(asked, "Do you want to save the project before exiting?");
    EXPECT_TRUE(program->mainWindow().isVisible());
    EXPECT_EQ(text("projtit"), "Garage");

    questionAnswered([&] { program->mainWindow().close(); }, QMessageBox::No);
    EXPECT_FALSE(program->mainWindow().isVisible());
}

TEST_F(ProjectCommandsTest, NewFromTheToolBarClearsTheProject) {
    type("txtarea", "100");
    const QString asked = questionAnswered([&] { find<QToolButton>("tbfilenew")->click(); },
                                           QMessageBox::No);
    EXPECT_EQ(asked, "Do you want to save the current project?");
    EXPECT_EQ(text("txtarea"), "");
    EXPECT_EQ(text("txtsdur_edit"), "");
    EXPECT_EQ(program->mainWindow().windowTitle(), "Varnholt");
    EXPECT_FALSE(record().flags.ProjectModified);
}

TEST_F(ProjectCommandsTest, OpeningAFileThatIsNotAProjectSaysSo) {
    QFile notes(dir.filePath("notes.vhl"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("shopping list\n");
    notes.close();
    QStringList said;
    withModals([&] { QTest::keyClick(&program->mainWindow(), Qt::Key_O, Qt::ControlModifier); },
               {[&](QWidget* question) {
                    said << qobject_cast<QMessageBox*>(question)->text();
                    qobject_cast<QMessageBox*>(question)->button(QMessageBox::No)->click();
                },
                [&](QWidget* open) {
                    said << open->windowTitle();
                    answerFileDialog(open, "notes.vhl");
                },
                [&](QWidget* message) {
                    said << qobject_cast<QMessageBox*>(message)->text();
                    qobject_cast<QMessageBox*>(message)->button(QMessageBox::Ok)->click();
                }});
    EXPECT_EQ(said, QStringList({"Do you want to save the current project?", "Open Varnholt File",
                                 "Not a valid Soakaway File."}));
    EXPECT_EQ(program->mainWindow().windowTitle(), "Varnholt");
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
    EXPECT_EQ(program->mainWindow().windowTitle(), "Varnholt - " + dir.filePath("site plan.vhl"));
}

}  // namespace
}  // namespace varnholt
