#include "project_file.h"

#include <array>

#include "engine/fos_guidance.h"
#include "engine/number_text.h"
#include "text_encoding.h"

namespace varnholt {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Lines end at CR LF or at a LF alone; lines the file does not have read as empty texts.
std::array<std::string, kProjectFileLines + 1> splitLines(std::string_view contents) {
    std::array<std::string, kProjectFileLines + 1> lines;  // [0] unused, numbered as in the file
    std::size_t number = 1;
    while (!contents.empty() && number <= kProjectFileLines) {
        const auto lf = contents.find('\n');
        std::string_view line = contents.substr(0, lf);
        if (lf != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines[number++] = lineToUtf8(line);
        if (lf == std::string_view::npos) break;
        contents.remove_prefix(lf + 1);
    }
    return lines;
}

const char* checkText(bool on) {
    return on ? "1" : "0";
}

// "1" ticks the box, "0" or nothing clears it, anything else leaves it alone.
void readCheck(Design& design, Check check, const std::string& line) {
    if (line == "1") design.setCheck(check, true);
    if (line == "0" || line.empty()) design.setCheck(check, false);
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
    return out;
}

bool readProjectFile(Design& design, std::string_view contents, MessageSink& messages) {
    const auto line = splitLines(contents);
    const bool junk =
        contents.size() > kProjectFileReadLimit || contents.find('\0') != std::string_view::npos;
    if (line[1] != ProjectFileMagic || junk) {
        messages.inform("Not a valid Soakaway File.");
        return false;
    }
    DesignRecord& record = design.record();

    design.write(Field::projtit, line[2]);
    design.write(Field::projnum, line[3]);
    design.write(Field::desname, line[4]);
    design.write(Field::txtarea, line[5]);
    design.write(Field::txtsinf, line[6]);
    design.write(Field::txtrain, line[7]);
    record.place(Field::txtsdur, line[8]);  // the list takes its text without starting anything
    design.write(Field::txtlength, line[9]);
    design.write(Field::txtdepth, line[10]);
    design.write(Field::txtVRC, line[11]);

    design.write(Field::txtVR, line[12]);
    record.status[2] = "Void Ratio = " + line[12];

    readCheck(design, Check::chkbase, line[13]);

    design.write(Field::txtFOS, line[14]);
    record.status[3] = "Factor of Safety = " + line[14];
    if (isZeroOrEmpty(line[14])) design.write(Field::txtFOS, "1");
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
    return true;
}

bool readProjectPath(Design& design, ProjectStorage& storage, const std::string& path,
                     MessageSink& messages) {
    const ProjectStorage::Read file = storage.read(path);
    if (!file.ok) {
        messages.inform(file.error);
        return false;
    }
    return readProjectFile(design, file.contents, messages);
}

}  // namespace varnholt
