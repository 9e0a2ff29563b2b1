#pragma once

#include <optional>
#include <string>

#include "engine/design.h"
#include "project_file.h"
#include "project_prompts.h"
#include "project_storage.h"

namespace varnholt {

// The commands that start, load, save and leave a project: New, Open, Save, Save As and Exit,
// with their questions, messages and captions. The project itself is the design's field texts
// and CurrentFileName.
//
// Unsaved changes are whatever makes the project's file differ from the one last saved,
// opened or started with: a field, an option, a switch or an input of the design check, and
// nothing else. Every question offers Cancel, which stops the whole command with the project
// as it was.
class ProjectLifecycle {
public:
    ProjectLifecycle(Design& design, ProjectPrompts& prompts, ProjectStorage& storage)
        : design_(design), prompts_(prompts), storage_(storage) {
        rememberAsSaved();
    }

    // Resets the main window, the options and the design check's inputs to a new project;
    // every changed text runs its change handling.
    void clearmain();

    // New, from the menu or (which also hides the trench warning) the tool bar.
    void newProject(bool fromToolBar);
    // Open: the project is replaced only by a file that was chosen and read whole.
    void openfile();
    // Save: returns whether the project was written. From the menu and the tool bar it puts
    // "Project Saved." into the status bar.
    bool savefile(bool reportInStatusBar = false);
    bool savefileas();
    // Exit: returns whether the program may end.
    bool closeprog();

    // Opens a project from its path as the command line does (no question, no clearing).
    bool openFromCommandLine(const std::string& path);

    // The project as it stands is the one to compare with: once start-up (with its
    // recalculation) has settled.
    void rememberAsSaved();
    bool hasUnsavedChanges() const;
    // Counts the projects that New and Open put in place of the one before, so that a window
    // can tell that a command replaced the project.
    int replacements() const { return replacements_; }

private:
    enum class SaveResult { written, cancelled, failed };
    SaveResult save(bool reportInStatusBar);
    // Asks whether to save before the project is replaced or left; false when the command
    // must stop (Cancel, or Yes and then no save).
    bool offerToSave(const char* question, bool sayWhenSaved);
    // Says why, when the project holds a text its file could not be opened with again.
    bool refusesToSave();
    bool writeTo(const std::string& path);
    // The save dialog, its name check and the write.
    SaveResult saveThroughDialog(ProjectPrompts::SaveTitle title);
    bool hasFile() const;
    // Loads a checked file and names the project after it, returning the reader's note; a
    // load that stops part-way leaves the project without a file, so that no save writes the
    // half-read design over another project's file.
    std::optional<std::string> load(const ProjectFileLines& file, const std::string& path,
                                    const std::string& caption);

    Design& design_;
    ProjectPrompts& prompts_;
    ProjectStorage& storage_;
    std::string savedText_;  // the project file as last saved, opened or started with
    int replacements_ = 0;
};

// A name the save dialog must refuse: a blank one or the filter pattern itself.
bool isInvalidProjectFileName(const std::string& path);

}  // namespace varnholt
