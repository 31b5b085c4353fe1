// The commands that type, read, write and show matrices.

#include <string>
#include <vector>

#include "cli/script_runner.h"
#include "engine/linear_map_picture.h"
#include "workspace/file_bytes.h"
#include "workspace/matrix_export.h"
#include "workspace/matrix_file.h"
#include "workspace/picture_statements.h"
#include "workspace/svg_picture.h"
#include "workspace/text_file.h"

namespace lorvex::cli {
namespace {

// "1 2; 3 4": rows separated by ";", entries by blanks; every row must have
// the same number of entries. Empty when the table is not one.
std::vector<std::vector<std::string_view>> tableRows(std::string_view text) {
    std::vector<std::vector<std::string_view>> rows;
    for (;;) {
        const std::size_t end = text.find(';');
        const CommandWords words(text.substr(0, end));
        if (words.size() == 0 || (!rows.empty() && words.size() != rows.front().size())) return {};
        std::vector<std::string_view> row;
        for (std::size_t j = 0; j < words.size(); ++j)
            row.push_back(words[j]);
        rows.push_back(std::move(row));
        if (end == std::string_view::npos) return rows;
        text.remove_prefix(end + 1);
    }
}

std::optional<TexDelimiter> texDelimiter(std::string_view word) {
    if (sameWord(word, "none")) return TexDelimiter::None;
    if (sameWord(word, "paren")) return TexDelimiter::Parentheses;
    if (sameWord(word, "bracket")) return TexDelimiter::Brackets;
    if (sameWord(word, "bar")) return TexDelimiter::Bars;
    return std::nullopt;
}

std::optional<TexAlignment> texAlignment(std::string_view word) {
    if (sameWord(word, "left")) return TexAlignment::Left;
    if (sameWord(word, "center")) return TexAlignment::Centred;
    if (sameWord(word, "right")) return TexAlignment::Right;
    return std::nullopt;
}

}  // namespace

int ScriptRunner::lookUp(std::string_view letterWord, MatrixDocument*& document) const {
    const std::optional<std::int32_t> letter = letterNumber(letterWord);
    if (!letter) return code::NotUnderstood;
    document = workspace_.slot(*letter);
    return document == nullptr ? code::MatrixNotFound : code::Ok;
}

int ScriptRunner::mode(const CommandWords& words, CommandResult&) {
    if (words.size() != 2) return code::NotUnderstood;
    if (sameWord(words[1], "real"))
        operations_.setMode(WorkspaceMode::Real);
    else if (sameWord(words[1], "complex"))
        operations_.setMode(WorkspaceMode::Complex);
    else if (sameWord(words[1], "integer"))
        operations_.setMode(WorkspaceMode::Integer);
    else
        return code::NotUnderstood;
    return code::Ok;
}

// Every entry is read as a typed cell reads it, into a matrix of the current
// mode's kind; an integer matrix may end in "/ denominator". The result
// is then what a new window shows: no notes, the field width from the entries.
int ScriptRunner::matrix(const CommandWords& words, CommandResult&) {
    const std::optional<Assignment> assignment = splitAssignment(words.restFrom(1));
    if (!assignment) return code::NotUnderstood;
    const std::optional<std::int32_t> letter = letterNumber(assignment->name);
    if (!letter) return code::NotUnderstood;
    const ElementKind kind = elementKindOf(workspace_.Mode());
    std::string_view entries = assignment->text;
    std::string_view denominator;
    if (kind == ElementKind::Integer) {
        if (const std::size_t slash = entries.rfind('/'); slash != std::string_view::npos) {
            denominator = trimmed(entries.substr(slash + 1));
            entries = entries.substr(0, slash);
            if (denominator.empty()) return code::NotUnderstood;
        }
    }
    const std::vector<std::vector<std::string_view>> rows = tableRows(entries);
    if (rows.empty()) return code::NotUnderstood;

    const auto rowCount = static_cast<std::int32_t>(rows.size());
    const auto colCount = static_cast<std::int32_t>(rows.front().size());
    MatrixDocument typed(*letter, kind, zeroMatrix(kind, rowCount, colCount));
    for (std::int32_t i = 0; i < rowCount; ++i) {
        for (std::int32_t j = 0; j < colCount; ++j) {
            const std::string_view entry =
                rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            if (const int rc = typed.setCellFromText(i, j, std::string(entry)); rc != code::Ok)
                return rc;
        }
    }
    if (!denominator.empty()) {
        const int rc = typed.setIntegerCellFromText(rowCount, 0, std::string(denominator));
        if (rc != code::Ok) return rc;
    }
    const Workspace::Placement placement =
        workspace_.PlaceMatrix(kind, "", *letter, typed.matrixData());
    if (placement.stored) {
        placement.document->setNotes("");
        placement.document->computeFieldWidth();
    }
    return placement.code;
}

// A file that does not read is reported and nothing is stored; so is a name
// without a matrix file's extension, which the program passes over.
int ScriptRunner::open(const CommandWords& words, CommandResult&) {
    const std::string path(words.restFrom(1));
    if (path.empty()) return code::NotUnderstood;
    if (matrixKindForPath(path) < 0) return code::CannotOpenFile;
    return operations_.files().OpenMatrixFile(path);
}

int ScriptRunner::save(const CommandWords& words, CommandResult&) {
    if (words.size() < 3) return code::NotUnderstood;
    MatrixDocument* document = nullptr;
    if (const int rc = lookUp(words[1], document); rc != code::Ok) return rc;
    return document->writeFile(std::string(words.restFrom(2)));
}

int ScriptRunner::paste(const CommandWords& words, CommandResult&) {
    const std::string path(words.restFrom(1));
    if (path.empty()) return code::NotUnderstood;
    std::string text;
    if (const int rc = readTextFile(path, text); rc != code::Ok) return rc;
    return operations_.files().paste(text);
}

int ScriptRunner::show(const CommandWords& words, CommandResult& result) {
    if (words.size() != 2) return code::NotUnderstood;
    MatrixDocument* document = nullptr;
    if (const int rc = lookUp(words[1], document); rc != code::Ok) return rc;
    std::string table;
    if (const int rc = plainTextTable(*document, table); rc != code::Ok) return rc;
    result.text = std::move(table);
    result.matrices.push_back(shownLettered(*document));
    return code::Ok;
}

// The delimiter and the alignment, in either order, each at most once; the
// TeX dialog's initial choices (parentheses, centred) stand for the missing.
int ScriptRunner::tex(const CommandWords& words, CommandResult& result) {
    if (words.size() < 2 || words.size() > 4) return code::NotUnderstood;
    MatrixDocument* document = nullptr;
    if (const int rc = lookUp(words[1], document); rc != code::Ok) return rc;
    std::optional<TexDelimiter> delimiter;
    std::optional<TexAlignment> alignment;
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (!delimiter && texDelimiter(words[i]))
            delimiter = texDelimiter(words[i]);
        else if (!alignment && texAlignment(words[i]))
            alignment = texAlignment(words[i]);
        else
            return code::NotUnderstood;
    }
    result.text = texMatrix(*document, delimiter.value_or(TexDelimiter::Parentheses),
                            alignment.value_or(TexAlignment::Centred));
    return code::Ok;
}

int ScriptRunner::notes(const CommandWords& words, CommandResult& result) {
    if (words.size() != 2) return code::NotUnderstood;
    MatrixDocument* document = nullptr;
    if (const int rc = lookUp(words[1], document); rc != code::Ok) return rc;
    result.text = document->notes();
    return code::Ok;
}

// The Format dialog with the scientific flag as it was; without a width the
// field keeps the width it has, as the dialog's field starts with it.
int ScriptRunner::format(const CommandWords& words, CommandResult& result) {
    if (words.size() != 3 && words.size() != 4) return code::NotUnderstood;
    MatrixDocument* document = nullptr;
    if (const int rc = lookUp(words[1], document); rc != code::Ok) return rc;
    const std::optional<std::int32_t> decimals = wholeInteger(words[2]);
    const std::optional<std::int32_t> width =
        words.size() == 4 ? wholeInteger(words[3])
                          : std::optional<std::int32_t>(document->FieldWidth());
    if (!decimals || !width) return code::NotUnderstood;
    if (const int rc = document->setFormat(*decimals, *width, document->SciNotation());
        rc != code::Ok)
        return rc;
    result.matrices.push_back(shownLettered(*document));
    return code::Ok;
}

// The picture of a real 2 x 2 or 3 x 3 matrix as a linear map, as an SVG
// file; any other matrix is incompatible with a picture.
int ScriptRunner::picture(const CommandWords& words, CommandResult&) {
    if (words.size() < 3) return code::NotUnderstood;
    MatrixDocument* document = nullptr;
    if (const int rc = lookUp(words[1], document); rc != code::Ok) return rc;
    const std::optional<std::vector<double>> entries = pictureEntries(document->matrixData());
    if (!entries) return code::Incompatible;
    const LinearMapPicture drawn = linearMapPicture(*entries);
    const std::string svg = svgPicture(drawn, pictureStatements(drawn));
    const std::vector<std::uint8_t> bytes(svg.begin(), svg.end());
    return replaceFileContents(std::string(words.restFrom(2)), bytes) ? code::Ok
                                                                      : code::CannotSaveFile;
}

}  // namespace lorvex::cli
