#pragma once

#include <string>

#include "engine/design.h"
#include "project_prompts.h"
#include "project_storage.h"

namespace varnholt {

// The commands that start, load, save and leave a project: New, Open, Save, Save As and Exit,
// with their questions, messages and captions. The project itself is the design's field texts,
// CurrentFileName and ProjectModified.
class ProjectLifecycle {
public:
    ProjectLifecycle(Design& design, ProjectPrompts& prompts, ProjectStorage& storage)
        : design_(design), prompts_(prompts), storage_(storage) {}

    // Resets the main window and the options to a new project; every changed text runs its
    // change handling.
    void clearmain();
    // The nine project fields the Open and Exit questions look at are all empty.
    bool isEmpty() const;

    // New, from the menu or (which also hides the trench warning) the tool bar.
    void newProject(bool fromToolBar);
    void openfile();
    // Save: returns whether the project was written. From the menu and the tool bar it puts
    // "Project Saved." into the status bar.
    bool savefile(bool reportInStatusBar = false);
    bool savefileas();
    // Exit: returns whether the program may end.
    bool closeprog();

    // Opens a project from its path as the command line does (no question, no clearing).
    bool openFromCommandLine(const std::string& path);

private:
    enum class SaveResult { written, cancelled, failed };
    SaveResult save(bool reportInStatusBar);
    // Reads a project file into the design; false (after saying why) when it could not be
    // read or is not a project file.
    bool readInto(const std::string& path);
    bool writeTo(const std::string& path);
    // The save dialog, its name check and the write.
    SaveResult saveThroughDialog(ProjectPrompts::SaveTitle title);
    bool hasFile() const;

    Design& design_;
    ProjectPrompts& prompts_;
    ProjectStorage& storage_;
};

// A name the save dialog must refuse: a blank one or the filter pattern itself.
bool isInvalidProjectFileName(const std::string& path);

}  // namespace varnholt
