// New matrices from parameters, formulas and columns, and the geometric
// generators.

#include "cli/script_runner.h"

namespace lorvex::cli {
namespace {

std::optional<NewMatrixKind> newMatrixKind(std::string_view word) {
    if (sameWord(word, "zeros")) return NewMatrixKind::Zeros;
    if (sameWord(word, "random")) return NewMatrixKind::Random;
    if (sameWord(word, "diagonal")) return NewMatrixKind::Diagonal;
    if (sameWord(word, "rowprob")) return NewMatrixKind::ProbabilityRows;
    if (sameWord(word, "colprob")) return NewMatrixKind::ProbabilityColumns;
    return std::nullopt;
}

// "axis=B": the letter after the name and "=".
std::optional<std::int32_t> namedLetter(std::string_view word, std::string_view name) {
    if (word.size() <= name.size() || !sameWord(word.substr(0, name.size()), name) ||
        word[name.size()] != '=') {
        return std::nullopt;
    }
    return letterNumber(word.substr(name.size() + 1));
}

}  // namespace

// "new A KIND ROWS COLS [LOWER UPPER] [DIAGONAL]": the missing fields keep
// the texts the dialog shows in the current mode.
int ScriptRunner::newMatrix(const CommandWords& words, CommandResult&) {
    if (words.size() < 5 || words.size() > 8) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    const std::optional<NewMatrixKind> kind = newMatrixKind(words[2]);
    if (!letter || !kind) return code::NotUnderstood;
    const NewMatrixDefaults defaults = newMatrixDefaults(workspace_.Mode());
    std::string_view lower = defaults.lower;
    std::string_view upper = defaults.upper;
    std::string_view diagonal = defaults.diagonal;
    const std::size_t extra = words.size() - 5;
    if (extra >= 2) {
        lower = words[5];
        upper = words[6];
    }
    if (extra % 2 == 1) diagonal = words[words.size() - 1];
    return operations_.generators().MakeMatrix(*letter, *kind, words[3], words[4], lower, upper,
                                               diagonal);
}

// "formula A ROWS COLS TEXT": the formula is the rest of the line.
int ScriptRunner::formula(const CommandWords& words, CommandResult&) {
    if (words.size() < 5) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    return operations_.generators().Formula(*letter, words[2], words[3], words.restFrom(4), stop_);
}

int ScriptRunner::copycol(const CommandWords& words, CommandResult&) {
    if (words.size() != 4) return code::NotUnderstood;
    const std::optional<std::int32_t> source = letterNumber(words[1]);
    const std::optional<std::int32_t> result = letterNumber(words[2]);
    if (!source || !result) return code::NotUnderstood;
    return operations_.generators().CopyColumn(*source, *result, words[3]);
}

int ScriptRunner::unitary(const CommandWords& words, CommandResult&) {
    if (words.size() != 3) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    return operations_.generators().UnitaryRandom(words[2], *letter);
}

int ScriptRunner::rot2d(const CommandWords& words, CommandResult&) {
    if (words.size() != 3) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    return operations_.geometry().Rotate2D(*letter, words[2]);
}

// "rot3d A X Y Z DEGREES" or "rot3d A axis=B DEGREES".
int ScriptRunner::rot3d(const CommandWords& words, CommandResult&) {
    if (words.size() < 2) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    if (words.size() == 6)
        return operations_.geometry().Rotate3D(0, *letter, words[2], words[3], words[4], words[5]);
    if (words.size() != 4) return code::NotUnderstood;
    const std::optional<std::int32_t> axis = namedLetter(words[2], "axis");
    if (!axis) return code::NotUnderstood;
    return operations_.geometry().Rotate3D(*axis, *letter, "", "", "", words[3]);
}

// "irot3d A X Y Z RCOS RSIN", where "axis=B" may stand for X Y Z and
// "angle=K" for RCOS RSIN, as the dialog takes a column for either.
int ScriptRunner::irot3d(const CommandWords& words, CommandResult&) {
    if (words.size() < 2) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    if (!letter) return code::NotUnderstood;
    std::size_t next = 2;
    std::int32_t axis = 0;
    std::string_view x, y, z, rCos, rSin;
    if (next < words.size() && namedLetter(words[next], "axis")) {
        axis = *namedLetter(words[next++], "axis");
    } else if (next + 3 <= words.size()) {
        x = words[next++];
        y = words[next++];
        z = words[next++];
    }
    std::int32_t angle = 0;
    if (next < words.size() && namedLetter(words[next], "angle")) {
        angle = *namedLetter(words[next++], "angle");
    } else if (next + 2 <= words.size()) {
        rCos = words[next++];
        rSin = words[next++];
    }
    if (next != words.size() || (axis == 0 && x.empty()) || (angle == 0 && rCos.empty()))
        return code::NotUnderstood;
    return operations_.geometry().IntRotate3D(axis, angle, *letter, x, y, z, rCos, rSin);
}

int ScriptRunner::projectOrReflect(const CommandWords& words, bool projection) {
    if (words.size() != 3) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(words[1]);
    const std::optional<std::int32_t> axis = letterNumber(words[2]);
    if (!letter || !axis) return code::NotUnderstood;
    if (workspace_.Mode() == WorkspaceMode::Integer)
        return operations_.geometry().IntProjectReflect(*axis, *letter, projection);
    return operations_.geometry().ProjectReflect(*axis, *letter, projection);
}

int ScriptRunner::project(const CommandWords& words, CommandResult&) {
    return projectOrReflect(words, true);
}

int ScriptRunner::reflect(const CommandWords& words, CommandResult&) {
    return projectOrReflect(words, false);
}

}  // namespace lorvex::cli
