#include "design_command.h"

#include <ctime>
#include <functional>
#include <stdexcept>

#include "design_report.h"
#include "engine/design.h"
#include "engine/errors.h"
#include "project/command_line.h"
#include "project/project_lifecycle.h"
#include "project/qt/file_storage.h"
#include "project/text_encoding.h"
#include "tools/options_dialog_logic.h"
#include "tools/rainfall_dialog_logic.h"
#include "tools/runoff_dialog_logic.h"
#include "tools/soil_table_logic.h"
#include "tools/trial_pit_logic.h"

namespace varnholt {

namespace {

// No one to ask: the questions of the project commands are not asked by the actions the
// driver offers, and the save dialog is answered with the path of --save.
class ScriptedPrompts : public ProjectPrompts {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    Answer askYesNoCancel(const std::string&) override { return Answer::cancel; }
    std::optional<std::string> chooseFileToOpen() override { return std::nullopt; }
    std::optional<std::string> chooseFileToSave(SaveTitle) override { return savePath; }

    std::vector<std::string> texts;
    std::optional<std::string> savePath;
};

// "A=B" split at the first "=".
bool splitAssignment(const std::string& arg, std::string& name, std::string& value) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos) return false;
    name = arg.substr(0, eq);
    value = arg.substr(eq + 1);
    return true;
}

// KEYS split into the keys the user would press: one UTF-8 character each, "\b" a backspace.
std::vector<std::string> decodeKeys(const std::string& keys) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < keys.size();) {
        if (keys[i] == '\\' && i + 1 < keys.size() && keys[i + 1] == 'b') {
            out.emplace_back("\b");
            i += 2;
            continue;
        }
        std::size_t n = 1;
        while (i + n < keys.size() && (static_cast<unsigned char>(keys[i + n]) & 0xC0) == 0x80) ++n;
        out.push_back(keys.substr(i, n));
        i += n;
    }
    return out;
}

std::string today() {
    char buf[64];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(buf, sizeof buf, "%x", &local);
    return buf;
}

// Runs one user action; a failure shows its message and the session carries on, as the
// program does after a message box.
template <typename Fn>
bool guarded(ScriptedPrompts& messages, Fn&& fn) {
    try {
        fn();
        return true;
    } catch (const ActionStopped& e) {
        messages.inform(e.what());
    }
    return false;
}

// The design with the dialogs that live as long as it, as in the program.
struct Session {
    Design& design;
    OptionsDialogLogic& options;
    RunoffDialogLogic& runoff;
    RainfallDialogLogic& rainfall;
    ScriptedPrompts& messages;
    ProjectLifecycle& lifecycle;
    TrialPitLogic& trialPit;
    SoilTableLogic& soilTable;
    bool saveFailed = false;
};

void apply(Session& session, const Action& action) {
    Design& design = session.design;
    std::visit(
        [&](const auto& a) {
            using A = std::decay_t<decltype(a)>;
            if constexpr (std::is_same_v<A, SetAction>) {
                design.write(a.field, a.text);
            } else if constexpr (std::is_same_v<A, TypeAction>) {
                // Each key is a user action of its own: a message stops that key's handling,
                // and the next key is typed all the same.
                for (const std::string& key : a.keys)
                    guarded(session.messages, [&] { design.type(a.field, key); });
            } else if constexpr (std::is_same_v<A, CheckAction>) {
                design.setCheck(a.check, a.on);
            } else if constexpr (std::is_same_v<A, PageAction>) {
                design.switchPage(a.page);
            } else if constexpr (std::is_same_v<A, ActivateAction>) {
                design.activate();
            } else if constexpr (std::is_same_v<A, RefreshAction>) {
                design.refreshView();
            } else if constexpr (std::is_same_v<A, OptionsOkAction>) {
                session.options.shown();
                session.options.ok();
                design.activate();
            } else if constexpr (std::is_same_v<A, SaveAction>) {
                session.messages.savePath = a.path;
                if (!session.lifecycle.savefileas()) session.saveFailed = true;
            } else if constexpr (std::is_same_v<A, VrcOkAction>) {
                // A refused coefficient keeps the dialog open: nothing closes, nothing activates.
                if (!session.runoff.ok(session.messages)) return;
                session.runoff.closed();
                design.activate();
            } else if constexpr (std::is_same_v<A, TrialPitAction>) {
                // Refused pit values keep the dialog open; once it has closed, a failure of
                // the recalculation the rate starts still returns to the main window.
                bool closed = false;
                session.trialPit.boxes = a.boxes;
                guarded(session.messages, [&] {
                    session.trialPit.calculate(session.messages, [&] { closed = true; });
                });
                if (closed) design.activate();
            } else if constexpr (std::is_same_v<A, SoilTableAction>) {
                session.soilTable.select(a.row);
                session.soilTable.use();  // a failure keeps the table open
                guarded(session.messages, [&] { session.soilTable.closed(); });
                design.activate();
            } else if constexpr (std::is_same_v<A, RainfallAction>) {
                RainfallDialogLogic& dialog = session.rainfall;
                dialog.click(RainfallGrid::sgz1, a.z1);
                dialog.mouseReleased(RainfallGrid::sgz1);
                dialog.click(RainfallGrid::sgz2, a.z2);
                dialog.mouseReleased(RainfallGrid::sgz2);
                // The dialog closes even when the recalculation stops with a message.
                guarded(session.messages, [&] { dialog.useInDesign(design); });
                design.activate();
            }
        },
        action);
}

}  // namespace

bool parseDesignRequest(const std::vector<std::string>& args, DesignRequest& request,
                        std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto next = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string value, name, text;
        if (arg == "--json") {
            request.json = true;
        } else if (arg == "--activate") {
            request.actions.emplace_back(ActivateAction{});
        } else if (arg == "--refresh") {
            request.actions.emplace_back(RefreshAction{});
        } else if (arg == "--options-ok") {
            request.actions.emplace_back(OptionsOkAction{});
        } else if (arg == "--vrc-ok") {
            request.actions.emplace_back(VrcOkAction{});
        } else if (arg == "--rainfall") {
            if (!next(value)) return false;
            RainfallAction rainfall;
            if (!parseRainfallChoice(value, rainfall, error)) return false;
            request.actions.emplace_back(rainfall);
        } else if (arg == "--save") {
            if (!next(value)) return false;
            request.actions.emplace_back(SaveAction{value});
        } else if (arg == "--set" || arg == "--type") {
            if (!next(value)) return false;
            if (!splitAssignment(value, name, text)) {
                error = arg + " takes FIELD=TEXT, not '" + value + "'";
                return false;
            }
            // A field holds text, never stray bytes: an argument in another code page is
            // read as the project reader reads old files.
            text = lineToUtf8(text);
            const auto field = fieldNamed(name);
            if (!field) {
                error = "unknown field '" + name + "'";
                return false;
            }
            if (arg == "--set") {
                request.actions.emplace_back(SetAction{*field, text});
            } else {
                if (!isTypeable(*field)) {
                    error = "'" + name + "' is not a field the user types into on the main window";
                    return false;
                }
                request.actions.emplace_back(TypeAction{*field, decodeKeys(text)});
            }
        } else if (arg == "--check") {
            if (!next(value)) return false;
            const auto check = splitAssignment(value, name, text) ? checkNamed(name) : std::nullopt;
            if (!check || (text != "0" && text != "1")) {
                error = "--check takes chkbase, chkringsur or chkringbase =0 or =1, not '" + value +
                        "'";
                return false;
            }
            request.actions.emplace_back(CheckAction{*check, text == "1"});
        } else if (arg == "--page") {
            if (!next(value)) return false;
            if (value != "trench" && value != "ring") {
                error = "--page takes trench or ring, not '" + value + "'";
                return false;
            }
            request.actions.emplace_back(
                PageAction{value == "trench" ? DetailPage::tstrench : DetailPage::tsring});
        } else if (arg == "--trial-pit") {
            if (!next(value)) return false;
            std::vector<std::string> parts{""};
            for (char ch : value) {
                if (ch == ',')
                    parts.emplace_back();
                else
                    parts.back().push_back(ch);
            }
            if (parts.size() != 4) {
                error = "--trial-pit takes LENGTH,WIDTH,DEPTH,TIME, not '" + value + "'";
                return false;
            }
            request.actions.emplace_back(TrialPitAction{{parts[0], parts[1], parts[2], parts[3]}});
        } else if (arg == "--soil-table") {
            if (!next(value)) return false;
            const auto row = soilRowNamed(value);
            if (!row) {
                error =
                    "--soil-table takes a row 1 to 5 or Sand, Sandy Loam, Loam, Clay Loam or "
                    "Clay, not '" +
                    value + "'";
                return false;
            }
            request.actions.emplace_back(SoilTableAction{*row});
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option '" + arg + "'";
            return false;
        } else if (request.fileArguments.empty() && request.actions.empty()) {
            request.fileArguments.push_back(arg);
        } else {
            error = "unexpected argument '" + arg + "' (the project file comes first)";
            return false;
        }
    }
    return true;
}

bool runSession(const DesignRequest& request, const SessionEnd& atEnd) {
    ScriptedPrompts messages;
    Design design;
    DesignRecord& record = design.record();
    FileStorage storage;
    ProjectLifecycle lifecycle(design, messages, storage);

    // The program's start: command-line hand-over, the main window created, its first show
    // (which opens the named project last), then its first activation.
    handOverCommandLine(record, request.fileArguments);
    design.create(today());
    LoadOutcome outcome = LoadOutcome::failed;
    const bool shown = guarded(messages, [&] {
        design.firstShow();
        outcome = commandload(design, lifecycle, request.fileArguments);
    });
    guarded(messages, [&] { design.activate(); });
    lifecycle.rememberAsSaved();

    OptionsDialogLogic options(design);
    RunoffDialogLogic runoff(design);
    TrialPitLogic trialPit(design);
    SoilTableLogic soilTable(design);
    RainfallDialogLogic rainfall;
    Session session{design, options, runoff, rainfall, messages, lifecycle, trialPit, soilTable};
    // A file that failed to load is never worked on, let alone saved over: the actions are
    // for the project it names.
    const bool loaded = shown && outcome != LoadOutcome::failed;
    if (loaded)
        for (const Action& action : request.actions)
            guarded(messages, [&] { apply(session, action); });

    const bool started = loaded && !session.saveFailed;
    atEnd(design, messages.texts, started);
    return started;
}

int runDesign(const DesignRequest& request, std::string& out, std::string& messages) {
    const bool ok = runSession(request, [&](Design& design, std::vector<std::string>& shown, bool) {
        out = request.json ? jsonReport(design, shown) : textReport(design, shown);
        messages = joinedLines(shown);
    });
    return ok ? 0 : 1;
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += (out.empty() ? "" : "\n") + line;
    return out;
}

}  // namespace varnholt
