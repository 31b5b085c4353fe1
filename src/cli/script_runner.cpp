#include "cli/script_runner.h"

#include <string>

#include "cli/command_output.h"
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

}  // namespace

ScriptRunner::ScriptRunner(bool overwrite, RandomGenerator random, StopCheck stop)
    : prompter_(overwrite),
      workspace_(prompter_),
      random_(random),
      operations_(workspace_, random_),
      stop_(std::move(stop)) {
    operations_.setMode(WorkspaceMode::Real);
    workspace_.setListener(this);
}

ScriptRunner::~ScriptRunner() {
    workspace_.setListener(nullptr);
}

const std::vector<ScriptRunner::Keyword>& ScriptRunner::keywords() {
    static const std::vector<Keyword> table = {
        {"mode", &ScriptRunner::mode},
        {"matrix", &ScriptRunner::matrix},
        {"open", &ScriptRunner::open},
        {"save", &ScriptRunner::save},
        {"paste", &ScriptRunner::paste},
        {"show", &ScriptRunner::show},
        {"tex", &ScriptRunner::tex},
        {"notes", &ScriptRunner::notes},
        {"format", &ScriptRunner::format},
        {"eval", &ScriptRunner::eval},
        {"let", &ScriptRunner::let},
        {"calc", &ScriptRunner::calc},
        {"solve", &ScriptRunner::solve},
        {"report", &ScriptRunner::report},
        {"new", &ScriptRunner::newMatrix},
        {"formula", &ScriptRunner::formula},
        {"copycol", &ScriptRunner::copycol},
        {"unitary", &ScriptRunner::unitary},
        {"rot2d", &ScriptRunner::rot2d},
        {"rot3d", &ScriptRunner::rot3d},
        {"irot3d", &ScriptRunner::irot3d},
        {"project", &ScriptRunner::project},
        {"reflect", &ScriptRunner::reflect},
        {"echelon", &ScriptRunner::echelon},
        {"lp", &ScriptRunner::lp},
        {"oper", &ScriptRunner::oper},
        {"mul", &ScriptRunner::mul},
        {"add", &ScriptRunner::add},
        {"swap", &ScriptRunner::swap},
        {"undo", &ScriptRunner::undo},
        {"stepsave", &ScriptRunner::stepsave},
    };
    return table;
}

CommandResult ScriptRunner::run(std::string_view line) {
    const CommandWords words(line);
    CommandResult result;
    stored_.clear();
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
    return result;
}

void ScriptRunner::documentShown(MatrixDocument& document) {
    if (document.LetterNo() > 0) stored_.push_back(&document);
}

ShownMatrix ScriptRunner::shownLettered(const MatrixDocument& document) {
    return {&document, std::string(strings::byId(strings::id::Matrix)) + " " +
                           static_cast<char>('@' + document.LetterNo())};
}

int runScript(std::istream& in, std::ostream& out, ScriptRunner& runner, bool json) {
    int status = 0;
    std::string raw;
    while (std::getline(in, raw)) {
        const std::string line = scriptLine(std::move(raw));
        if (!isCommand(line)) continue;
        const CommandResult result = runner.run(line);
        if (json)
            writeJson(out, line, result);
        else
            writePlain(out, line, result);
        out.flush();
        if (result.code != code::Ok) status = 1;
    }
    return in.bad() ? 2 : status;
}

}  // namespace lorvex::cli
