#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "project/project_prompts.h"
#include "project/project_storage.h"

namespace varnholt::testing {

// Answers the project commands' questions and dialogs from a script, and remembers what was
// asked and said.
class ScriptedPrompts : public ProjectPrompts {
public:
    Answer askYesNoCancel(const std::string& q) override { return next(q); }
    void inform(const std::string& m) override { messages.push_back(m); }
    std::optional<std::string> chooseFileToOpen() override {
        dialogs.push_back("Open Varnholt File");
        return take(openAnswers);
    }
    std::optional<std::string> chooseFileToSave(SaveTitle title) override {
        dialogs.push_back(title == SaveTitle::save ? "Save Varnholt File"
                                                   : "Save Varnholt file As...");
        return take(saveAnswers);
    }

    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::vector<std::string> questions, messages, dialogs;

private:
    Answer next(const std::string& q) {
        questions.push_back(q);
        if (answers.empty()) return Answer::cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    static std::optional<std::string> take(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto a = queue.front();
        queue.pop_front();
        return a;
    }
};

// Project files in memory; a path listed in `failing` cannot be written.
class MemoryStorage : public ProjectStorage {
public:
    Read read(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end())
            return {false, {}, "Cannot open file \"" + path + "\". No such file or directory."};
        return {true, it->second, {}};
    }
    std::optional<std::string> write(const std::string& path,
                                     const std::string& contents) override {
        if (failing.count(path))
            return "Cannot write file \"" + path + "\". No space left on device.";
        files[path] = contents;
        return std::nullopt;
    }
    std::map<std::string, std::string> files;
    std::map<std::string, bool> failing;
};

}  // namespace varnholt::testing
