#include "project_file.h"

#include <filesystem>

#include "engine/fos_guidance.h"
#include "engine/number_text.h"
#include "field_texts.h"
#include "text_encoding.h"

namespace varnholt {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr const char* kNotAProject = "Not a valid Soakaway File.";

// The texts a New project gives the options that an older, shorter file leaves out.
constexpr const char* kDefaultVRC = "1.0";
constexpr const char* kDefaultVR = "0.3";
constexpr const char* kDefaultFOS = "1";

// The most bytes a file the writer makes can have: every text line at its longest, each unit
// three bytes of UTF-8, and the design check's lines at theirs. The reader must take all of it.
constexpr std::size_t kLargestWrittenFile =
    ProjectFileMagic.size() + kProjectFileLines * kCrLf.size() +
    kFieldLines.size() * kFieldTextLimit * 3 + 3 + largestCheckSection() + largestFillSection();
static_assert(kLargestWrittenFile <= kProjectFileReadLimit,
              "every project file the program writes must open again");

// Lines end at CR LF or at a LF alone; lines the file does not have read as empty texts. The
// lines after the 21 go to `after`.
ProjectFileLines splitLines(std::string_view contents, std::vector<NumberedLine>& after) {
    ProjectFileLines file;
    int number = 1;
    while (!contents.empty()) {
        const auto lf = contents.find('\n');
        std::string_view line = contents.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (number <= kProjectFileLines) {
            file.line[number] = lineToUtf8(line);
            file.count = number;
        } else {
            after.push_back({number, lineToUtf8(line)});
        }
        ++number;
        if (lf == std::string_view::npos) break;
        contents.remove_prefix(lf + 1);
    }
    return file;
}

const char* checkText(bool on) {
    return on ? "1" : "0";
}

// "1" ticks the box, "0" or nothing clears it, anything else leaves it alone.
void readCheck(Design& design, Check check, const std::string& line) {
    if (line == "1") design.setCheck(check, true);
    if (line == "0" || line.empty()) design.setCheck(check, false);
}

std::string missingLinesNote(const ProjectFileLines& file) {
    const int first = file.count + 1;
    const std::string missing =
        first == kProjectFileLines
            ? "line " + std::to_string(first) +
                  " was missing and its field takes its default value."
            : "lines " + std::to_string(first) + " to " + std::to_string(kProjectFileLines) +
                  " were missing and their fields take their default values.";
    return file.name + " ends after line " + std::to_string(file.count) + "; " + missing;
}

}  // namespace

std::string writeProjectFile(const DesignRecord& r) {
    const std::array<std::string, kProjectFileLines> lines = {
        std::string(ProjectFileMagic),
        r.text(Field::projtit),
        r.text(Field::projnum),
        r.text(Field::desname),
        r.text(Field::txtarea),
        r.text(Field::txtsinf),
        r.text(Field::txtrain),
        r.text(Field::txtsdur),
        r.text(Field::txtlength),
        r.text(Field::txtdepth),
        r.text(Field::txtVRC),
        r.text(Field::txtVR),
        checkText(r.checked(Check::chkbase)),
        r.text(Field::txtFOS),
        checkText(r.checked(Check::chkringsur)),
        r.text(Field::txtringfail),
        r.text(Field::txtoverflow),
        r.text(Field::lblwid),
        checkText(r.checked(Check::chkringbase)),
        r.text(Field::txthalfempty),
        r.text(Field::txtringmargin),
    };
    std::string out;
    for (const std::string& line : lines) {
        // One field, one line: a line feed inside a text would shift every field after it,
        // and a NUL make the file unreadable, when it is opened again. No window lets either
        // in; a text set otherwise keeps its place with a blank instead.
        for (char c : line) out += (c == '\n' || c == '\0') ? ' ' : c;
        out += kCrLf;
    }
    return out + writeCheckSection(r.checkTexts, r.fehTables) + writeFillSection(fillTextsOf(r));
}

std::optional<std::string> unsaveableField(const DesignRecord& record) {
    for (const FieldLine& l : kFieldLines) {
        const std::string& text = record.text(l.field);
        std::optional<std::string> problem = fieldTextProblem(l.field, text);
        if (!problem && isOption(l.field) && text.empty()) problem = "no value is given";
        if (problem) return std::string(fieldLabel(l.field)) + ": " + *problem;
    }
    for (Field f : kTrenchFillFields) {
        const std::string& text = record.text(f);
        std::optional<std::string> problem = fillTextProblem(f, text);
        if (!problem && text.empty()) problem = "no value is given";
        if (problem) return std::string(fieldLabel(f)) + ": " + *problem;
    }
    return std::nullopt;
}

std::optional<ProjectFileLines> checkProjectFile(std::string_view contents,
                                                 std::string_view fileName, MessageSink& messages) {
    std::vector<NumberedLine> after;
    ProjectFileLines file = splitLines(contents, after);
    file.name = fileName;
    // A file larger than any project file could be, or one holding NUL bytes, is not a project
    // file, even when its first line is right: reading its junk would only destroy the design.
    const bool junk =
        contents.size() > kProjectFileReadLimit || contents.find('\0') != std::string_view::npos;
    if (file.line[1] != ProjectFileMagic || junk) {
        messages.inform(kNotAProject);
        return std::nullopt;
    }
    // Every line is checked before any is read, so that a bad one leaves the design whole.
    for (const FieldLine& l : kFieldLines) {
        if (const auto problem = fieldTextProblem(l.field, file.line[l.number])) {
            messages.inform(file.name + ", line " + std::to_string(l.number) + " (" +
                            std::string(fieldLabel(l.field)) + "): " + *problem);
            return std::nullopt;
        }
    }
    std::optional<CheckSectionProblem> problem = readCheckSection(after, file.check);
    if (!problem) problem = readFillSection(after, file.fill);
    if (problem) {
        const std::string about = problem->about.empty() ? "" : " (" + problem->about + ")";
        messages.inform(file.name + ", line " + std::to_string(problem->line) + about + ": " +
                        problem->why);
        return std::nullopt;
    }
    return file;
}

std::optional<std::string> loadProjectFile(Design& design, const ProjectFileLines& file) {
    const auto& line = file.line;
    DesignRecord& record = design.record();
    record.checkTexts = file.check.texts;
    record.fehTables = file.check.tables;
    // The fill first, whole, so that every recalculation the lines start sizes with it.
    for (std::size_t i = 0; i < kTrenchFillFields.size(); ++i)
        record.place(kTrenchFillFields[i], file.fill[i]);

    design.write(Field::projtit, line[2]);
    design.write(Field::projnum, line[3]);
    design.write(Field::desname, line[4]);
    design.write(Field::txtarea, line[5]);
    design.write(Field::txtsinf, line[6]);
    design.write(Field::txtrain, line[7]);
    record.place(Field::txtsdur, line[8]);  // the list takes its text without starting anything
    design.write(Field::txtlength, line[9]);
    design.write(Field::txtdepth, line[10]);
    // An empty option would stop every recalculation that follows: it takes its default.
    design.write(Field::txtVRC, line[11].empty() ? kDefaultVRC : line[11]);

    design.write(Field::txtVR, line[12].empty() ? kDefaultVR : line[12]);
    record.status.showVoidRatio(record.text(Field::txtVR));

    readCheck(design, Check::chkbase, line[13]);

    // A factor of safety of zero is taken as 1; the status bar shows the line as read, or
    // the default that a missing line gives.
    design.write(Field::txtFOS, line[14]);
    record.status.showFactorOfSafety(line[14].empty() ? kDefaultFOS : line[14]);
    if (isZeroOrEmpty(line[14])) design.write(Field::txtFOS, kDefaultFOS);
    colourcheck(record);

    readCheck(design, Check::chkringsur, line[15]);

    design.write(Field::txtringfail, line[16]);
    if (line[16] == "0" || line[16].empty()) design.write(Field::txtringfail, "4");

    design.write(Field::txtoverflow, line[17].empty() ? std::string("0") : line[17]);

    // The width comes after the options, so the last recalculation the reading starts already
    // uses every stored value up to here.
    design.write(Field::lblwid, line[18]);

    readCheck(design, Check::chkringbase, line[19]);
    if (!line[20].empty()) design.write(Field::txthalfempty, line[20]);
    if (!line[21].empty()) design.write(Field::txtringmargin, line[21]);

    design.takeRingFillOver();
    if (file.count < kProjectFileLines) return missingLinesNote(file);
    return std::nullopt;
}

bool readProjectFile(Design& design, std::string_view contents, std::string_view fileName,
                     MessageSink& messages) {
    const auto file = checkProjectFile(contents, fileName, messages);
    if (!file) return false;
    if (const auto note = loadProjectFile(design, *file)) messages.inform(*note);
    return true;
}

std::optional<ProjectFileLines> checkProjectPath(ProjectStorage& storage, const std::string& path,
                                                 MessageSink& messages) {
    const ProjectStorage::Read read = storage.read(path);
    if (!read.ok) {
        messages.inform(read.error);
        return std::nullopt;
    }
    return checkProjectFile(read.contents, std::filesystem::path(path).filename().string(),
                            messages);
}

}  // namespace varnholt
