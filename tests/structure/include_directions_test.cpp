// Guards the directions the libraries depend on each other, read from their #include lines:
// the engine includes nothing outside itself, scene/ and report/ nothing of soakaways, the
// headless driver nothing of the windows, and app -> ui -> (tools, project, output) -> engine
// never runs backwards. The link lines keep Qt out of the engine; only this keeps a header of
// a higher library from creeping into a lower one, where it compiles as long as the include
// path allows it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Each library folder and the folders it may include from besides its own. A folder of the
// tree that holds sources and is neither here nor among the unchecked is itself a fault: a new
// library gets its place in the order when it is made.
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"engine", {}},
    {"scene", {}},
    {"report", {}},
    {"tools", {"engine"}},
    {"project", {"engine"}},
    {"desktop", {"engine", "project"}},
    {"output", {"engine", "project", "report"}},
    {"cli", {"engine", "tools", "project", "output", "report"}},
    {"ui", {"engine", "tools", "project", "desktop", "output", "report", "scene"}},
    {"app", {"engine", "tools", "project", "desktop", "output", "report", "scene", "ui"}},
    {"packaging", {"engine", "project", "desktop"}},
};
// May reach into any library.
const std::set<std::string> kUnchecked = {"tests", "bench"};

bool isSource(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".h" || ext == ".cpp";
}

// Every fault: "<file>: includes <header> (<folder>/ may not include <other>/)".
std::vector<std::string> faults(const fs::path& root) {
    static const std::regex include(R"(^\s*#\s*include\s*["<]([^">]+)[">])");
    std::vector<std::string> found;
    for (const auto& top : fs::directory_iterator(root)) {
        const std::string folder = top.path().filename().string();
        if (!top.is_directory() || folder.front() == '.' || folder.rfind("build", 0) == 0 ||
            kUnchecked.count(folder) != 0)
            continue;
        const auto rule = kMayInclude.find(folder);
        for (const auto& entry : fs::recursive_directory_iterator(top.path())) {
            if (!entry.is_regular_file() || !isSource(entry.path())) continue;
            const std::string file = fs::relative(entry.path(), root).generic_string();
            if (rule == kMayInclude.end()) {
                found.push_back(file + ": " + folder + "/ has no place in the order of libraries");
                break;
            }
            std::ifstream in(entry.path());
            for (std::string line; std::getline(in, line);) {
                std::smatch m;
                if (!std::regex_search(line, m, include)) continue;
                const std::string header = m[1];
                const auto slash = header.find('/');
                if (slash == std::string::npos) continue;  // beside the including file
                const std::string other = header.substr(0, slash);
                // Only the tree's own libraries count; <QtCore/...> and the like do not.
                if (other == folder || kMayInclude.count(other) == 0) continue;
                if (rule->second.count(other) == 0)
                    found.push_back(file + ": includes " + header + " (" + folder +
                                    "/ may not include " + other + "/)");
            }
        }
    }
    return found;
}

TEST(IncludeDirections, TheTreeKeepsThem) {
    const std::vector<std::string> found = faults(VARNHOLT_SOURCE_DIR);
    for (const std::string& fault : found) ADD_FAILURE() << fault;
}

// A small tree of one file, with what the check must say of it.
struct Case {
    const char* name;
    const char* file;
    const char* text;
    const char* fault;  // empty: none
};

const Case kCases[] = {
    {"EngineReachingUp", "engine/sizing.cpp", "#include \"tools/options_dialog_logic.h\"\n",
     "engine/sizing.cpp: includes tools/options_dialog_logic.h (engine/ may not include tools/)"},
    {"SceneKnowingSoakaways", "scene/renderer.cpp", "  #  include <engine/scene_model.h>\n",
     "scene/renderer.cpp: includes engine/scene_model.h (scene/ may not include engine/)"},
    {"ReportKnowingSoakaways", "report/page.h", "#include \"output/sheet/sheet.h\"\n",
     "report/page.h: includes output/sheet/sheet.h (report/ may not include output/)"},
    {"DriverReachingTheWindows", "cli/main.cpp", "#include \"ui/program.h\"\n",
     "cli/main.cpp: includes ui/program.h (cli/ may not include ui/)"},
    {"LogicReachingTheWindows", "tools/logic.h", "#include \"ui/field_edit.h\"\n",
     "tools/logic.h: includes ui/field_edit.h (tools/ may not include ui/)"},
    {"ProjectReachingTheDesktop", "project/qt/storage.cpp", "#include \"desktop/run.h\"\n",
     "project/qt/storage.cpp: includes desktop/run.h (project/ may not include desktop/)"},
    {"NewFolderWithoutAPlace", "plugins/extra.cpp", "#include \"engine/design.h\"\n",
     "plugins/extra.cpp: plugins/ has no place in the order of libraries"},
    {"DownwardIsAllowed", "ui/window.cpp", "#include \"engine/design.h\"\n", ""},
    {"OwnFolderAndBesideAreAllowed", "engine/a.cpp",
     "#include \"engine/b.h\"\n#include \"b.h\"\n#include <QtCore/QString>\n", ""},
    {"ACommentIsNoInclude", "engine/a.cpp", "// #include \"ui/program.h\"\n", ""},
};

class IncludeDirectionCheck : public ::testing::TestWithParam<Case> {};

TEST_P(IncludeDirectionCheck, SaysWhatRunsBackwards) {
    const Case& c = GetParam();
    const fs::path root =
        fs::temp_directory_path() / ("varnholt-include-directions-" + std::string(c.name));
    fs::remove_all(root);
    fs::create_directories((root / c.file).parent_path());
    std::ofstream(root / c.file) << c.text;
    const std::vector<std::string> found = faults(root);
    fs::remove_all(root);
    if (*c.fault == '\0') {
        EXPECT_TRUE(found.empty()) << found.front();
    } else {
        EXPECT_EQ(found, std::vector<std::string>{c.fault});
    }
}

INSTANTIATE_TEST_SUITE_P(Trees, IncludeDirectionCheck, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
