// Guards the project commands as a designer meets them: which question comes when, what New
// and Open clear, the captions, the name check, and that a save which fails loses nothing.
#include "project/project_lifecycle.h"

#include <gtest/gtest.h>

#include "project/command_line.h"
#include "project/project_file.h"
#include "scripted_prompts.h"
#include "started_design.h"

namespace varnholt {
namespace {

using Answer = ProjectPrompts::Answer;
using testing::enter;
using testing::start;

constexpr const char* kSaveQuestion = "Do you want to save the current project?";
constexpr const char* kExitQuestion = "Do you want to save the project before exiting?";

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override { start(design); }
    const DesignRecord& record() const { return design.record(); }
    void typeTitle() { design.type(Field::projtit, 'T'); }
    void sizeARingProjectWithFill() {
        enter(design, {{Field::txtarea, "100"}, {Field::txtrain, "0.015"},
                       {Field::txtsinf, "0.00001"}});
        design.setCheck(Check::chkringsur, true);
        design.write(Field::txtringmargin, "0.3");
        design.takeRingFillOver();
    }

    Design design;
    testing::ScriptedPrompts prompts;
    testing::MemoryStorage storage;
    ProjectLifecycle lifecycle{design, prompts, storage};
};

TEST_F(Lifecycle, RightAfterStartOpenAsksAndExitDoesNot) {
    EXPECT_FALSE(lifecycle.isEmpty());  // the storm duration holds 60
    EXPECT_TRUE(lifecycle.closeprog());
    EXPECT_TRUE(prompts.questions.empty());

    prompts.answers = {Answer::no};
    lifecycle.openfile();  // the open dialog is cancelled
    EXPECT_EQ(prompts.questions, std::vector<std::string>{kSaveQuestion});
    EXPECT_EQ(record().text(Field::txtsdur), "");  // No clears the window all the same
    EXPECT_EQ(record().caption, "Varnholt");
    EXPECT_TRUE(lifecycle.isEmpty());

    prompts.questions.clear();
    lifecycle.openfile();
    EXPECT_TRUE(prompts.questions.empty());  // an empty project is not asked about
}

TEST_F(Lifecycle, ExitAsksOnlyAboutAChangedProjectWithSomethingInIt) {
    struct Case {
        Answer answer;
        bool ends;
    };
    for (const Case& c : {Case{Answer::cancel, false}, {Answer::no, true}}) {
        typeTitle();
        prompts.answers = {c.answer};
        prompts.questions.clear();
        EXPECT_EQ(lifecycle.closeprog(), c.ends);
        EXPECT_EQ(prompts.questions, std::vector<std::string>{kExitQuestion});
    }
    EXPECT_EQ(record().text(Field::projtit), "TT");  // Cancel kept everything

    prompts.answers = {Answer::no};
    lifecycle.newProject(false);
    design.write(Field::txtVR, "0.4");  // an option alone, on an empty project
    prompts.questions.clear();
    EXPECT_TRUE(lifecycle.closeprog());
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(Lifecycle, SaveWithoutAFileAsksForOneAndCancellingWritesNothing) {
    typeTitle();
    design.record().status[1] = "Open Soakaway project.";
    EXPECT_FALSE(lifecycle.savefile(true));
    EXPECT_EQ(prompts.dialogs, std::vector<std::string>{"Save Varnholt File"});
    EXPECT_TRUE(storage.files.empty());
    EXPECT_EQ(record().status[1], "Open Soakaway project.");
    EXPECT_TRUE(record().flags.ProjectModified);

    prompts.saveAnswers = {std::string("/p/site.vhl")};
    EXPECT_TRUE(lifecycle.savefile(true));
    EXPECT_EQ(record().status[1], "Project Saved.");
    EXPECT_EQ(record().caption, "Varnholt - /p/site.vhl");
    EXPECT_EQ(record().CurrentFileName, "/p/site.vhl");
    EXPECT_FALSE(record().flags.ProjectModified);

    // Saved again to the current file: no dialog, the caption stays.
    typeTitle();
    prompts.dialogs.clear();
    design.record().caption = "kept";
    EXPECT_TRUE(lifecycle.savefile());
    EXPECT_TRUE(prompts.dialogs.empty());
    EXPECT_EQ(record().caption, "kept");
    EXPECT_NE(storage.files["/p/site.vhl"].find("\r\nTT\r\n"), std::string::npos);
}

TEST_F(Lifecycle, InvalidNamesAreRefused) {
    for (const char* name : {" ", "*.vhl", "/p/ .vhl", "/p/*.vhl"}) {
        prompts.saveAnswers = {std::string(name)};
        prompts.messages.clear();
        EXPECT_FALSE(lifecycle.savefileas()) << name;
        EXPECT_EQ(prompts.messages,
                  std::vector<std::string>{"Project NOT Saved! Invalid filename."});
    }
    EXPECT_TRUE(storage.files.empty());
    EXPECT_EQ(record().caption, "Corvane Systems - Varnholt 4.0");
    EXPECT_FALSE(isInvalidProjectFileName("/p/site plan.vhl"));
}

TEST_F(Lifecycle, AFailedSaveChangesNothingAndKeepsTheProgramRunning) {
    prompts.saveAnswers = {std::string("/full/site.vhl")};
    lifecycle.savefileas();
    storage.failing["/full/site.vhl"] = true;
    typeTitle();

    EXPECT_FALSE(lifecycle.savefile(true));
    EXPECT_EQ(prompts.messages, std::vector<std::string>{
                                    "Cannot write file \"/full/site.vhl\". No space left on device."});
    EXPECT_TRUE(record().flags.ProjectModified);
    EXPECT_EQ(record().CurrentFileName, "/full/site.vhl");
    EXPECT_NE(record().status[1], "Project Saved.");

    prompts.answers = {Answer::yes};
    EXPECT_FALSE(lifecycle.closeprog());  // Yes, but the save failed: nothing may be lost
}

TEST_F(Lifecycle, ExitWithYesEndsEvenWhenTheSaveDialogIsCancelled) {
    typeTitle();
    prompts.answers = {Answer::yes};
    EXPECT_TRUE(lifecycle.closeprog());
    EXPECT_EQ(prompts.dialogs, std::vector<std::string>{"Save Varnholt File"});
}

TEST_F(Lifecycle, OpenCaptionsTheFileAndAnInvalidOneLeavesTheClearedProject) {
    storage.files["/p/good.vhl"] = writeProjectFile(record());
    storage.files["/p/bad.vhl"] = "not a project\r\n";
    typeTitle();

    prompts.answers = {Answer::no};
    prompts.openAnswers = {std::string("/p/bad.vhl")};
    lifecycle.openfile();
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Not a valid Soakaway File."});
    EXPECT_EQ(record().caption, "Varnholt");
    EXPECT_EQ(record().text(Field::projtit), "");
    EXPECT_EQ(record().CurrentFileName, " ");

    prompts.openAnswers = {std::string("/p/good.vhl")};
    lifecycle.openfile();
    EXPECT_EQ(record().caption, "Varnholt 4 - /p/good.vhl");
    EXPECT_EQ(record().CurrentFileName, "/p/good.vhl");
    EXPECT_EQ(record().text(Field::txtsdur), "60");
    EXPECT_FALSE(record().flags.ProjectModified);
}

TEST_F(Lifecycle, YesToOpensQuestionSavesAndSaysSo) {
    prompts.saveAnswers = {std::string("/p/first.vhl")};
    lifecycle.savefileas();
    typeTitle();
    prompts.answers = {Answer::yes};
    lifecycle.openfile();
    EXPECT_EQ(prompts.messages, std::vector<std::string>{"Project Saved."});
    EXPECT_NE(storage.files["/p/first.vhl"].find("\r\nT\r\n"), std::string::npos);
}

TEST_F(Lifecycle, SavedRightAfterNewTheFileHoldsTheDefaults) {
    prompts.answers = {Answer::no};
    lifecycle.newProject(false);
    prompts.saveAnswers = {std::string("/p/new.vhl")};
    ASSERT_TRUE(lifecycle.savefile());
    EXPECT_EQ(storage.files["/p/new.vhl"],
              "Varnholt-Corvane Systems-Version2\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n1.0\r\n"
              "0.3\r\n0\r\n1\r\n0\r\n4\r\n0\r\n\r\n0\r\n24\r\n0\r\n");
}

TEST_F(Lifecycle, NewForgetsTheRingFillAndEmptiesTheTable) {
    sizeARingProjectWithFill();
    design.switchPage(DetailPage::tsring);
    ASSERT_FALSE(record().ring.cells[1][1].empty());
    prompts.answers = {Answer::no};
    lifecycle.newProject(false);
    EXPECT_FALSE(record().appliedRingSurround);
    EXPECT_DOUBLE_EQ(record().appliedRingMargin, 0);
    EXPECT_TRUE(record().ring.cells[1][1].empty());
    EXPECT_EQ(record().ring.cells[1][0], "         900");
    EXPECT_EQ(record().CurrentFileName, " ");
    EXPECT_TRUE(design.canvas().lines.empty());  // nothing left drawn of the old ring

    enter(design, {{Field::txtarea, "100"}, {Field::txtrain, "0.015"},
                   {Field::txtsinf, "0.00001"}, {Field::txtsdur, "60"}});
    EXPECT_EQ(record().ring.cells[1][1], "        2.18");  // sized without the fill
}

TEST_F(Lifecycle, OnlyTheToolBarsNewHidesTheTrenchWarning) {
    for (bool fromToolBar : {false, true}) {
        design.record().show(Notice::trenchwarning);
        prompts.answers = {Answer::no};
        lifecycle.newProject(fromToolBar);
        EXPECT_EQ(record().notice(Notice::trenchwarning).visible, !fromToolBar);
    }
}

}  // namespace
}  // namespace varnholt
