#include "cli/script_runner.h"

#include <sstream>
#include <string>

#include "cli/command_output.h"
#include "engine/guarded.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"
#include "workspace/windows1252.h"

namespace lorvex::cli {
namespace {

// The line without its line end, in UTF-8.
std::string scriptLine(std::string raw) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    return decodeTextFileBytes(raw, raw.size());
}

bool isCommand(std::string_view line) {
    const std::string_view text = trimmed(line);
    return !text.empty() && text.front() != '#';
}

// What a command prints, made whole before any of it is written.
std::string commandOutput(std::string_view line, const CommandResult& result, bool json) {
    std::ostringstream text;
    // A stream keeps a failed allocation to itself unless asked to throw.
    text.exceptions(std::ios::badbit);
    if (json)
        writeJson(text, line, result);
    else
        writePlain(text, line, result);
    return std::move(text).str();
}

// The output of a command, or, when memory runs out while it is made, that
// of its failure with code::OutOfMemory (the command's work is kept).
std::string guardedOutput(std::string_view line, CommandResult& result, bool json) {
    std::string output;
    if (runGuarded([&] {
            output = commandOutput(line, result, json);
            return code::Ok;
        }) != code::Ok) {
        result = CommandResult{};
        result.code = code::OutOfMemory;
        output = commandOutput(line, result, json);
    }
    return output;
}

}  // namespace

ScriptRunner::ScriptRunner(bool overwrite, RandomGenerator random, StopCheck stop)
    : prompter_(overwrite),
      workspace_(prompter_),
      random_(random),
      operations_(workspace_, random_),
      stop_(std::move(stop)) {
    operations_.setMode(WorkspaceMode::Real);
    // Room for the most a command stores (solve: two), so that learning of a
    // store never needs memory.
    stored_.reserve(2);
    workspace_.setListener(this);
}

ScriptRunner::~ScriptRunner() {
    workspace_.setListener(nullptr);
}

const std::vector<ScriptRunner::Keyword>& ScriptRunner::keywords() {
    static const std::vector<Keyword> table = {
        {"mode", &ScriptRunner::mode},       {"matrix", &ScriptRunner::matrix},
        {"open", &ScriptRunner::open},       {"save", &ScriptRunner::save},
        {"paste", &ScriptRunner::paste},     {"show", &ScriptRunner::show},
        {"tex", &ScriptRunner::tex},         {"notes", &ScriptRunner::notes},
        {"format", &ScriptRunner::format},   {"eval", &ScriptRunner::eval},
        {"let", &ScriptRunner::let},         {"calc", &ScriptRunner::calc},
        {"solve", &ScriptRunner::solve},     {"report", &ScriptRunner::report},
        {"new", &ScriptRunner::newMatrix},   {"formula", &ScriptRunner::formula},
        {"copycol", &ScriptRunner::copycol}, {"unitary", &ScriptRunner::unitary},
        {"rot2d", &ScriptRunner::rot2d},     {"rot3d", &ScriptRunner::rot3d},
        {"irot3d", &ScriptRunner::irot3d},   {"project", &ScriptRunner::project},
        {"reflect", &ScriptRunner::reflect}, {"echelon", &ScriptRunner::echelon},
        {"lp", &ScriptRunner::lp},           {"oper", &ScriptRunner::oper},
        {"mul", &ScriptRunner::mul},         {"add", &ScriptRunner::add},
        {"swap", &ScriptRunner::swap},       {"undo", &ScriptRunner::undo},
        {"check", &ScriptRunner::check},     {"stepsave", &ScriptRunner::stepsave},
        {"picture", &ScriptRunner::picture}, {"solution", &ScriptRunner::solution},
        {"exact", &ScriptRunner::exact},
    };
    return table;
}

CommandResult ScriptRunner::run(std::string_view line) {
    CommandResult result;
    stored_.clear();
    if (const int rc = runGuarded([&] { return runCommand(line, result); }); rc != code::Ok) {
        // Memory ran out around the command's own work: the command fails as
        // a whole, and what it had collected goes.
        result = CommandResult{};
        result.code = rc;
        prompter_.takeShown();
        prompter_.takeRefused();
    }
    return result;
}

int ScriptRunner::runCommand(std::string_view line, CommandResult& result) {
    const CommandWords words(line);
    result.code = code::NotUnderstood;
    if (words.size() > 0) {
        for (const Keyword& keyword : keywords()) {
            if (sameWord(words[0], keyword.name)) {
                result.code = (this->*keyword.command)(words, result);
                break;
            }
        }
    }
    std::vector<ShownMatrix> stored;
    for (const MatrixDocument* document : stored_)
        stored.push_back(shownLettered(*document));
    result.matrices.insert(result.matrices.begin(), stored.begin(), stored.end());
    result.shown = prompter_.takeShown();
    result.overwriteRefused = prompter_.takeRefused();
    return code::Ok;
}

void ScriptRunner::documentShown(MatrixDocument& document) {
    if (document.LetterNo() > 0) stored_.push_back(&document);
}

ShownMatrix ScriptRunner::shownLettered(const MatrixDocument& document) {
    return {&document, std::string(strings::byId(strings::id::Matrix)) + " " +
                           static_cast<char>('@' + document.LetterNo())};
}

int runScript(std::istream& in, std::ostream& out, ScriptRunner& runner, bool json,
              CommandStop* stop) {
    const auto interrupted = [&] { return stop != nullptr && CommandStop::interrupted(); };
    int status = 0;
    std::string raw;
    while (!interrupted() && std::getline(in, raw)) {
        std::string line;
        // A line that cannot be kept is a script that cannot be read.
        if (runGuarded([&] {
                line = scriptLine(std::move(raw));
                return code::Ok;
            }) != code::Ok) {
            return 2;
        }
        if (!isCommand(line) || interrupted()) continue;
        if (stop != nullptr) stop->startCommand();
        CommandResult result = runner.run(line);
        out << guardedOutput(line, result, json);
        out.flush();
        if (result.code != code::Ok) status = 1;
    }
    if (interrupted()) return kInterruptedStatus;
    return in.bad() ? 2 : status;
}

}  // namespace lorvex::cli
