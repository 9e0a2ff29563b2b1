#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "check_section.h"
#include "engine/design.h"
#include "engine/messages.h"
#include "fill_section.h"
#include "project_storage.h"

namespace varnholt {

inline constexpr std::string_view ProjectFileMagic = "Varnholt-Corvane Systems-Version2";
inline constexpr int kProjectFileLines = 21;

// The text lines of a project file and their fields; lines 13, 15 and 19 hold the check boxes.
struct FieldLine {
    int number;
    Field field;
};
inline constexpr std::array<FieldLine, 17> kFieldLines = {{
    {2, Field::projtit},
    {3, Field::projnum},
    {4, Field::desname},
    {5, Field::txtarea},
    {6, Field::txtsinf},
    {7, Field::txtrain},
    {8, Field::txtsdur},
    {9, Field::txtlength},
    {10, Field::txtdepth},
    {11, Field::txtVRC},
    {12, Field::txtVR},
    {14, Field::txtFOS},
    {16, Field::txtringfail},
    {17, Field::txtoverflow},
    {18, Field::lblwid},
    {20, Field::txthalfempty},
    {21, Field::txtringmargin},
}};

// The 21 lines of a project file, each ended by CR LF: the field texts as they stand; then,
// when the design check's inputs differ from their defaults, the lines that keep them
// (check_section.h).
std::string writeProjectFile(const DesignRecord& record);

// Why the project cannot be saved as it stands, naming the first field in the file's order
// that stops it ("Impermeable Area: '1,5' is not a number"): a text the reader would refuse,
// or an empty option, with which no design can be worked. Nothing when it can be saved. The
// design check's inputs never stop a save: they are checked when the check runs.
std::optional<std::string> unsaveableField(const DesignRecord& record);

// A project file checked whole, its lines as the fields will take them.
struct ProjectFileLines {
    std::array<std::string, kProjectFileLines + 1> line;  // [0] unused, numbered as in the file
    int count = 0;                                        // lines the file has, up to 21
    std::string name;                                     // the file's name, for messages
    CheckSection check;  // the design check's inputs; their defaults when the file keeps none
    FillTexts fill = defaultFillTexts();  // the trench fill, likewise
};

// Checks a whole project file without touching the design: its first line, that it is no
// larger than a project file can be and holds no NUL byte ("Not a valid Soakaway File."), and
// that every number line holds a number or nothing and no line more than a field holds
// ("garage.vhl, line 5 (Impermeable Area): 'abc' is not a number"), and the design check's
// lines after the 21 ("garage.vhl, line 25 (FEH13 depth table): 'x' is not a number").
// Nothing, after saying why, when the file is refused. A line that is not UTF-8 is read as
// Windows-1252.
std::optional<ProjectFileLines> checkProjectFile(std::string_view contents,
                                                 std::string_view fileName, MessageSink& messages);

// Puts checked lines back into their fields, one after another, each as if the user had typed
// it, so that every line runs its field's change handling (and the recalculation) before the
// next is read. The design check's inputs are taken first, whole. A file cut short (older files may
// be) is read as far as it goes and its options take their defaults; the returned note, for the
// designer, says which lines were missing.
std::optional<std::string> loadProjectFile(Design& design, const ProjectFileLines& file);

// checkProjectFile, then loadProjectFile, telling the note; false when the file was refused
// and nothing changed.
bool readProjectFile(Design& design, std::string_view contents, std::string_view fileName,
                     MessageSink& messages);

// Reads the project file at `path` through `storage` and checks it; nothing, after saying why,
// when it could not be read or is refused.
std::optional<ProjectFileLines> checkProjectPath(ProjectStorage& storage, const std::string& path,
                                                 MessageSink& messages);

}  // namespace varnholt
