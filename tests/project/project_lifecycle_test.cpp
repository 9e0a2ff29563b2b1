// Guards the project commands as a designer meets them: which question comes when and what
// each answer does, what New and Open clear, the captions, the name check, and that no answer,
// no failed save and no broken file loses the project.
#include "project/project_lifecycle.h"

#include <gtest/gtest.h>

#include <optional>

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
    void SetUp() override {
        start(design);
        lifecycle.rememberAsSaved();
    }
    const DesignRecord& record() const { return design.record(); }
    void typeTitle() { design.type(Field::projtit, 'T'); }
    void sizeARingProjectWithFill() {
        enter(design,
              {{Field::txtarea, "100"}, {Field::txtrain, "0.015"}, {Field::txtsinf, "0.00001"}});
        design.setCheck(Check::chkringsur, true);
        design.write(Field::txtringmargin, "0.3");
        design.takeRingFillOver();
    }

    Design design;
    testing::ScriptedPrompts prompts;
    testing::MemoryStorage storage;
    ProjectLifecycle lifecycle{design, prompts, storage};
};

// Nothing changed since the start, a save or an open: no command asks. Typed back to what it
// was, the project has nothing to save either; an option changed alone has.
TEST_F(Lifecycle, AsksOnlyWhenTheProjectDiffersFromItsFile) {
    EXPECT_FALSE(lifecycle.hasUnsavedChanges());
    EXPECT_TRUE(lifecycle.closeprog());
    lifecycle.openfile();  // the open dialog is cancelled
    lifecycle.newProject(false);
    EXPECT_TRUE(prompts.questions.empty());

    typeTitle();
    EXPECT_TRUE(lifecycle.hasUnsavedChanges());
    design.type(Field::projtit, "\b");
    EXPECT_FALSE(lifecycle.hasUnsavedChanges());

    typeTitle();
    prompts.saveAnswers = {std::string("/p/site.vhl")};
    ASSERT_TRUE(lifecycle.savefile());
    EXPECT_FALSE(lifecycle.hasUnsavedChanges());
    lifecycle.openfile();
    EXPECT_TRUE(lifecycle.closeprog());
    EXPECT_TRUE(prompts.questions.empty());

    design.write(Field::txtVR, "0.4");  // an option alone, on the design options
    EXPECT_TRUE(lifecycle.hasUnsavedChanges());
    prompts.answers = {Answer::cancel};
    EXPECT_FALSE(lifecycle.closeprog());
    EXPECT_EQ(prompts.questions, std::vector<std::string>{kExitQuestion});
}

// Every question offers Yes, No and Cancel. Cancel, or Yes and then no save, stops the whole
// command with the project as it was; No goes on without saving; Yes saves, then goes on.
TEST(LifecycleQuestions, EachAnswerOfNewOpenAndExit) {
    enum class Command { newProject, open, exit };
    struct Case {
        Command command;
        Answer answer;
        std::optional<std::string> saveAs;  // what the save dialog that Yes opens answers
        bool goesOn;
    };
    const std::string other = "/p/other.vhl", site = "/p/site.vhl";
    for (const Case& c : {
             Case{Command::newProject, Answer::yes, site, true},
             Case{Command::newProject, Answer::yes, std::nullopt, false},
             Case{Command::newProject, Answer::no, std::nullopt, true},
             Case{Command::newProject, Answer::cancel, std::nullopt, false},
             Case{Command::open, Answer::yes, site, true},
             Case{Command::open, Answer::yes, std::nullopt, false},
             Case{Command::open, Answer::no, std::nullopt, true},
             Case{Command::open, Answer::cancel, std::nullopt, false},
             Case{Command::exit, Answer::yes, site, true},
             Case{Command::exit, Answer::yes, std::nullopt, false},
             Case{Command::exit, Answer::no, std::nullopt, true},
             Case{Command::exit, Answer::cancel, std::nullopt, false},
         }) {
        SCOPED_TRACE(static_cast<int>(c.command) * 10 + static_cast<int>(c.answer));
        Design design;
        start(design);
        testing::ScriptedPrompts prompts;
        testing::MemoryStorage storage;
        Design saved;
        start(saved);
        saved.write(Field::projtit, "Other");
        storage.files[other] = writeProjectFile(saved.record());
        ProjectLifecycle lifecycle{design, prompts, storage};
        lifecycle.rememberAsSaved();
        design.write(Field::projtit, "Mine");

        prompts.answers = {c.answer};
        prompts.saveAnswers = {c.saveAs};
        prompts.openAnswers = {other};
        bool ends = false;
        switch (c.command) {
            case Command::newProject:
                lifecycle.newProject(false);
                break;
            case Command::open:
                lifecycle.openfile();
                break;
            case Command::exit:
                ends = lifecycle.closeprog();
                break;
        }
        const std::string question = c.command == Command::exit ? kExitQuestion : kSaveQuestion;
        EXPECT_EQ(prompts.questions, std::vector<std::string>{question});
        EXPECT_EQ(storage.files.count(site), c.saveAs ? 1u : 0u);
        const std::string title = design.record().text(Field::projtit);
        if (c.command == Command::exit) {
            EXPECT_EQ(ends, c.goesOn);
            EXPECT_EQ(title, "Mine");
        } else if (!c.goesOn) {
            EXPECT_EQ(title, "Mine");
            EXPECT_EQ(design.record().caption, "Corvane Systems - Varnholt 4.0");
            EXPECT_TRUE(lifecycle.hasUnsavedChanges());
        } else {
            EXPECT_EQ(title, c.command == Command::open ? "Other" : "");
            EXPECT_FALSE(lifecycle.hasUnsavedChanges());
        }
    }
}

// Open clears nothing until a file is chosen and read whole: cancelled, or given a file that
// cannot be read, it leaves the fields, the file name, the caption and the changes as they
// were, so that Save still writes to the project's own file.
TEST_F(Lifecycle, AnOpenThatFailsLeavesTheProjectAsItWas) {
    std::string bad = writeProjectFile(record());
    bad.replace(bad.find("\r\n\r\n\r\n\r\n") + 8, 0, "abc");  // line 5, the area
    storage.files["/p/bad.vhl"] = bad;
    storage.files["/p/notes.vhl"] = "not a project\r\n";
    prompts.saveAnswers = {std::string("/p/mine.vhl")};
    ASSERT_TRUE(lifecycle.savefileas());
    typeTitle();
    const std::string before = writeProjectFile(record());
    const auto status = record().status;

    struct Case {
        std::optional<std::string> path;
        std::vector<std::string> says;
    };
    for (const Case& c : {
             Case{std::nullopt, {}},
             Case{std::string("/p/notes.vhl"), {"Not a valid Soakaway File."}},
             Case{std::string("/p/bad.vhl"),
                  {"bad.vhl, line 5 (Impermeable Area): 'abc' is not a number"}},
             Case{std::string("/p/gone.vhl"),
                  {"Cannot open file \"/p/gone.vhl\". No such file or directory."}},
         }) {
        SCOPED_TRACE(c.path.value_or("cancelled"));
        prompts.answers = {Answer::no};
        prompts.openAnswers = {c.path};
        prompts.messages.clear();
        lifecycle.openfile();
        EXPECT_EQ(prompts.messages, c.says);
        EXPECT_EQ(writeProjectFile(record()), before);
        EXPECT_EQ(record().status, status);
        EXPECT_EQ(record().CurrentFileName, "/p/mine.vhl");
        EXPECT_EQ(record().caption, "Varnholt - /p/mine.vhl");
        EXPECT_TRUE(lifecycle.hasUnsavedChanges());
    }
    ASSERT_TRUE(lifecycle.savefile());
    EXPECT_EQ(storage.files["/p/mine.vhl"], before);
}

// A project holding a text its file could not be opened with again is not saved: the message
// names the field, nothing is written, and a command that wanted the save stops.
TEST_F(Lifecycle, SaveRefusesATextTheFileCouldNotBeOpenedWith) {
    prompts.saveAnswers = {std::string("/p/site.vhl")};
    ASSERT_TRUE(lifecycle.savefileas());
    const std::string old = storage.files["/p/site.vhl"];
    design.record().place(Field::txtarea, "12a");

    EXPECT_FALSE(lifecycle.savefile(true));
    EXPECT_FALSE(lifecycle.savefileas());
    EXPECT_EQ(
        prompts.messages,
        std::vector<std::string>(2, "Project NOT Saved! Impermeable Area: '12a' is not a number."));
    EXPECT_EQ(storage.files["/p/site.vhl"], old);
    EXPECT_EQ(storage.files.size(), 1u);
    EXPECT_EQ(prompts.dialogs.size(), 1u);  // no save dialog for a project that cannot be saved
    EXPECT_NE(record().status.tips, "Project Saved.");

    prompts.answers = {Answer::yes};
    EXPECT_FALSE(lifecycle.closeprog());
}

TEST_F(Lifecycle, SaveWithoutAFileAsksForOneAndCancellingWritesNothing) {
    typeTitle();
    design.record().status.tips = "Open Soakaway project.";
    EXPECT_FALSE(lifecycle.savefile(true));
    EXPECT_EQ(prompts.dialogs, std::vector<std::string>{"Save Varnholt File"});
    EXPECT_TRUE(storage.files.empty());
    EXPECT_EQ(record().status.tips, "Open Soakaway project.");
    EXPECT_TRUE(record().flags.ProjectModified);

    prompts.saveAnswers = {std::string("/p/site.vhl")};
    EXPECT_TRUE(lifecycle.savefile(true));
    EXPECT_EQ(record().status.tips, "Project Saved.");
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
    EXPECT_EQ(
        prompts.messages,
        std::vector<std::string>{"Cannot write file \"/full/site.vhl\". No space left on device."});
    EXPECT_TRUE(record().flags.ProjectModified);
    EXPECT_EQ(record().CurrentFileName, "/full/site.vhl");
    EXPECT_NE(record().status.tips, "Project Saved.");

    prompts.answers = {Answer::yes};
    EXPECT_FALSE(lifecycle.closeprog());  // Yes, but the save failed: nothing may be lost
}

TEST_F(Lifecycle, OpenCaptionsTheFileItRead) {
    Design other;
    start(other);
    storage.files["/p/good.vhl"] = writeProjectFile(other.record());
    typeTitle();
    prompts.answers = {Answer::no};
    prompts.openAnswers = {std::string("/p/good.vhl")};
    lifecycle.openfile();
    EXPECT_EQ(record().caption, "Varnholt 4 - /p/good.vhl");
    EXPECT_EQ(record().CurrentFileName, "/p/good.vhl");
    EXPECT_EQ(record().text(Field::projtit), "");
    EXPECT_EQ(record().text(Field::txtsdur), "60");
    EXPECT_FALSE(record().flags.ProjectModified);
    EXPECT_TRUE(prompts.messages.empty());
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

    enter(design, {{Field::txtarea, "100"},
                   {Field::txtrain, "0.015"},
                   {Field::txtsinf, "0.00001"},
                   {Field::txtsdur, "60"}});
    EXPECT_EQ(record().ring.cells[1][1], "        2.18");  // sized without the fill
}

// The design check's inputs belong to the project: changing them is a change to save, New
// forgets them, and Open and the command line take the file's, or the defaults from a file of
// 21 lines.
TEST_F(Lifecycle, TheDesignChecksInputsGoWithTheProject) {
    design.editCheckText("source", "feh99");
    design.editCheckText("feh99", "-0.023,0.273,0.351,0.236,0.309,2.488");
    design.importFehTables(
        {std::nullopt, DepthTable{{2, 5}, {1, 2}, {{10, 12}, {12, 20}}}, "a.xml"});
    EXPECT_TRUE(lifecycle.hasUnsavedChanges());
    prompts.saveAnswers = {std::string("/p/check.vhl")};
    ASSERT_TRUE(lifecycle.savefile());
    const CheckTexts saved = record().checkTexts;
    const FehDepthTables tables = record().fehTables;
    storage.files["/p/plain.vhl"] =
        storage.files["/p/check.vhl"].substr(0, storage.files["/p/check.vhl"].find("[Design"));

    lifecycle.newProject(false);
    EXPECT_TRUE(record().checkTexts.isDefault());
    EXPECT_EQ(record().fehTables, FehDepthTables{});

    prompts.openAnswers = {std::string("/p/check.vhl"), std::string("/p/plain.vhl")};
    lifecycle.openfile();
    EXPECT_EQ(record().checkTexts, saved);
    EXPECT_EQ(record().fehTables, tables);
    lifecycle.openfile();
    EXPECT_TRUE(record().checkTexts.isDefault());
    EXPECT_EQ(record().fehTables, FehDepthTables{});
    ASSERT_TRUE(lifecycle.openFromCommandLine("/p/check.vhl"));
    EXPECT_EQ(record().checkTexts, saved);
    EXPECT_EQ(record().fehTables, tables);
    EXPECT_TRUE(prompts.questions.empty());
}

TEST_F(Lifecycle, NewPutsTheTrenchFillBackToGravel) {
    design.write(Field::txtfill, "crates");
    design.write(Field::txtcrateheight, "0.6");
    EXPECT_TRUE(lifecycle.hasUnsavedChanges());
    prompts.answers = {Answer::no};
    lifecycle.newProject(false);
    EXPECT_EQ(record().text(Field::txtfill), "gravel");
    EXPECT_EQ(record().text(Field::txtcrateheight), "0.4");
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
