#include "project_lifecycle.h"

#include <filesystem>

#include "project_file.h"

namespace varnholt {

namespace {
constexpr const char* kSaveQuestion = "Do you want to save the current project?";
constexpr const char* kExitQuestion = "Do you want to save the project before exiting?";
constexpr const char* kSaved = "Project Saved.";
constexpr const char* kInvalidName = "Project NOT Saved! Invalid filename.";
constexpr const char* kNewCaption = "Varnholt";
}  // namespace

bool isInvalidProjectFileName(const std::string& path) {
    // The dialog hands back a full path and may have added the extension; what the user typed
    // is the last part of it.
    std::string name = std::filesystem::path(path).filename().string();
    if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".vhl") == 0)
        name.resize(name.size() - 4);
    return name.find_first_not_of(' ') == std::string::npos || name.find('*') != std::string::npos;
}

bool ProjectLifecycle::hasFile() const {
    const std::string& name = design_.record().CurrentFileName;
    return !name.empty() && name != " " && name != "*.vhl";
}

bool ProjectLifecycle::isEmpty() const {
    const DesignRecord& r = design_.record();
    for (Field f : {Field::projtit, Field::projnum, Field::desname, Field::txtarea, Field::txtrain,
                    Field::txtsinf, Field::txtsdur, Field::txtlength, Field::txtdepth})
        if (!r.isEmpty(f)) return false;
    return true;
}

void ProjectLifecycle::clearmain() {
    DesignRecord& r = design_.record();
    for (Field f : {Field::projtit, Field::projnum, Field::desname, Field::txtarea,
                    Field::txtrain, Field::txtsinf}) {
        design_.write(f, "");
    }
    r.place(Field::txtsdur, "");  // the list takes its text without starting anything
    for (Field f : {Field::txtlength, Field::txtdepth, Field::lblwid, Field::lbltime, Field::rvdia,
                    Field::rvdepth, Field::rvhalf})
        design_.write(f, "");
    design_.write(Field::txtVRC, "1.0");
    design_.write(Field::txtVR, "0.3");
    design_.write(Field::txtFOS, "1");
    design_.write(Field::txtringfail, "4");
    design_.write(Field::txtoverflow, "0");
    design_.write(Field::txthalfempty, "24");
    design_.write(Field::txtringmargin, "0");
    for (Check c : {Check::chkringsur, Check::chkringbase, Check::chkbase}) design_.setCheck(c, false);
    r.hide(Notice::lblbaseincluded);
    r.hide(Notice::lblfttrench);
    design_.ringSizing().clearTable();
    r.caption = kNewCaption;
    design_.repaintWindow();  // wipes the outlines the emptied fields traced on their way
}

void ProjectLifecycle::newProject(bool fromToolBar) {
    if (prompts_.askYesNo(kSaveQuestion) == ProjectPrompts::Answer::yes) savefile();
    clearmain();
    DesignRecord& r = design_.record();
    r.appliedRingSurround = false;
    r.appliedRingMargin = 0;
    r.flags.ProjectModified = false;
    r.CurrentFileName = " ";
    if (fromToolBar) r.hide(Notice::trenchwarning);
}

void ProjectLifecycle::openfile() {
    if (!isEmpty()) {
        if (prompts_.askYesNo(kSaveQuestion) == ProjectPrompts::Answer::yes && savefile())
            prompts_.inform(kSaved);
        clearmain();
    }
    if (const auto path = prompts_.chooseFileToOpen()) {
        // A file that is not a project ends the command; what was cleared stays cleared.
        if (!readInto(*path)) return;
        DesignRecord& r = design_.record();
        r.CurrentFileName = *path;
        r.caption = "Varnholt 4 - " + *path;
    }
    design_.takeRingFillOver();
    design_.record().flags.ProjectModified = false;
    design_.activate();
}

bool ProjectLifecycle::openFromCommandLine(const std::string& path) {
    if (!readInto(path)) return false;
    DesignRecord& r = design_.record();
    r.CurrentFileName = path;
    r.caption = "Varnholt - " + path;
    return true;
}

bool ProjectLifecycle::readInto(const std::string& path) {
    return readProjectPath(design_, storage_, path, prompts_);
}

bool ProjectLifecycle::writeTo(const std::string& path) {
    if (const auto error = storage_.write(path, writeProjectFile(design_.record()))) {
        prompts_.inform(*error);
        return false;
    }
    return true;
}

ProjectLifecycle::SaveResult ProjectLifecycle::saveThroughDialog(ProjectPrompts::SaveTitle title) {
    const auto path = prompts_.chooseFileToSave(title);
    if (!path) return SaveResult::cancelled;
    if (isInvalidProjectFileName(*path)) {
        prompts_.inform(kInvalidName);
        return SaveResult::failed;
    }
    if (!writeTo(*path)) return SaveResult::failed;
    DesignRecord& r = design_.record();
    r.CurrentFileName = *path;
    r.caption = "Varnholt - " + *path;
    return SaveResult::written;
}

ProjectLifecycle::SaveResult ProjectLifecycle::save(bool reportInStatusBar) {
    SaveResult result = SaveResult::written;
    if (hasFile())
        result = writeTo(design_.record().CurrentFileName) ? SaveResult::written : SaveResult::failed;
    else
        result = saveThroughDialog(ProjectPrompts::SaveTitle::save);
    if (result != SaveResult::written) return result;
    design_.record().flags.ProjectModified = false;
    if (reportInStatusBar) design_.record().status[1] = kSaved;
    return result;
}

bool ProjectLifecycle::savefile(bool reportInStatusBar) {
    return save(reportInStatusBar) == SaveResult::written;
}

// Saved under a new name, the project is as its file: nothing is left to ask about on exit.
bool ProjectLifecycle::savefileas() {
    if (saveThroughDialog(ProjectPrompts::SaveTitle::saveAs) != SaveResult::written) return false;
    design_.record().flags.ProjectModified = false;
    return true;
}

bool ProjectLifecycle::closeprog() {
    if (!design_.record().flags.ProjectModified || isEmpty()) return true;
    switch (prompts_.askYesNoCancel(kExitQuestion)) {
        case ProjectPrompts::Answer::yes:
            // The program ends also when the save dialog is cancelled; a project that could not
            // be written (or was given no usable name) keeps it running, so nothing is lost.
            return save(false) != SaveResult::failed;
        case ProjectPrompts::Answer::no:
            return true;
        case ProjectPrompts::Answer::cancel:
            return false;
    }
    return false;
}

}  // namespace varnholt
