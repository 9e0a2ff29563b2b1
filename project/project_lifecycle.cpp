#include "project_lifecycle.h"

#include <filesystem>

#include "engine/errors.h"

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

void ProjectLifecycle::rememberAsSaved() {
    savedText_ = writeProjectFile(design_.record());
}

bool ProjectLifecycle::hasUnsavedChanges() const {
    return writeProjectFile(design_.record()) != savedText_;
}

void ProjectLifecycle::clearmain() {
    ++replacements_;
    DesignRecord& r = design_.record();
    for (Field f : {Field::projtit, Field::projnum, Field::desname, Field::txtarea, Field::txtrain,
                    Field::txtsinf}) {
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
    const FillTexts fill = defaultFillTexts();
    for (std::size_t i = 0; i < kTrenchFillFields.size(); ++i)
        design_.write(kTrenchFillFields[i], fill[i]);
    for (Check c : {Check::chkringsur, Check::chkringbase, Check::chkbase})
        design_.setCheck(c, false);
    r.hide(Notice::lblbaseincluded);
    r.hide(Notice::lblfttrench);
    r.checkTexts.reset();
    r.fehTables = {};
    design_.clearRingTable();
    r.caption = kNewCaption;
    design_.repaintWindow();  // wipes the outlines the emptied fields traced on their way
}

bool ProjectLifecycle::offerToSave(const char* question, bool sayWhenSaved) {
    if (!hasUnsavedChanges()) return true;
    switch (prompts_.askYesNoCancel(question)) {
        case ProjectPrompts::Answer::yes:
            // A save dialog cancelled, a name refused or a write that failed: nothing may be
            // lost, so the command goes no further.
            if (save(false) != SaveResult::written) return false;
            if (sayWhenSaved) prompts_.inform(kSaved);
            return true;
        case ProjectPrompts::Answer::no:
            return true;
        case ProjectPrompts::Answer::cancel:
            return false;
    }
    return false;
}

void ProjectLifecycle::newProject(bool fromToolBar) {
    if (!offerToSave(kSaveQuestion, false)) return;
    clearmain();
    DesignRecord& r = design_.record();
    r.appliedRingSurround = false;
    r.appliedRingMargin = 0;
    r.flags.ProjectModified = false;
    r.CurrentFileName = " ";
    if (fromToolBar) r.hide(Notice::trenchwarning);
    rememberAsSaved();
}

std::optional<std::string> ProjectLifecycle::load(const ProjectFileLines& file,
                                                  const std::string& path,
                                                  const std::string& caption) {
    DesignRecord& r = design_.record();
    std::optional<std::string> note;
    try {
        note = loadProjectFile(design_, file);
    } catch (const ActionStopped&) {
        r.CurrentFileName = " ";
        r.caption = kNewCaption;
        throw;
    }
    r.CurrentFileName = path;
    r.caption = caption + path;
    return note;
}

void ProjectLifecycle::openfile() {
    if (!offerToSave(kSaveQuestion, true)) return;
    const auto path = prompts_.chooseFileToOpen();
    if (!path) return;
    // Read and checked whole before anything is cleared: a file that fails leaves the
    // project, its file name and its caption as they were.
    const auto file = checkProjectPath(storage_, *path, prompts_);
    if (!file) return;
    clearmain();
    const auto note = load(*file, *path, "Varnholt 4 - ");
    design_.takeRingFillOver();
    design_.record().flags.ProjectModified = false;
    design_.activate();
    rememberAsSaved();
    if (note) prompts_.inform(*note);
}

bool ProjectLifecycle::openFromCommandLine(const std::string& path) {
    const auto file = checkProjectPath(storage_, path, prompts_);
    if (!file) return false;
    if (const auto note = load(*file, path, "Varnholt - ")) prompts_.inform(*note);
    return true;
}

bool ProjectLifecycle::refusesToSave() {
    const auto why = unsaveableField(design_.record());
    if (!why) return false;
    prompts_.inform("Project NOT Saved! " + *why + ".");
    return true;
}

bool ProjectLifecycle::writeTo(const std::string& path) {
    const std::string text = writeProjectFile(design_.record());
    if (const auto error = storage_.write(path, text)) {
        prompts_.inform(*error);
        return false;
    }
    savedText_ = text;
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
    if (refusesToSave()) return SaveResult::failed;
    SaveResult result = SaveResult::written;
    if (hasFile())
        result =
            writeTo(design_.record().CurrentFileName) ? SaveResult::written : SaveResult::failed;
    else
        result = saveThroughDialog(ProjectPrompts::SaveTitle::save);
    if (result != SaveResult::written) return result;
    design_.record().flags.ProjectModified = false;
    if (reportInStatusBar) design_.record().status.tips = kSaved;
    return result;
}

bool ProjectLifecycle::savefile(bool reportInStatusBar) {
    return save(reportInStatusBar) == SaveResult::written;
}

// Saved under a new name, the project is as its file: nothing is left to ask about on exit.
bool ProjectLifecycle::savefileas() {
    if (refusesToSave()) return false;
    if (saveThroughDialog(ProjectPrompts::SaveTitle::saveAs) != SaveResult::written) return false;
    design_.record().flags.ProjectModified = false;
    return true;
}

bool ProjectLifecycle::closeprog() {
    return offerToSave(kExitQuestion, false);
}

}  // namespace varnholt
