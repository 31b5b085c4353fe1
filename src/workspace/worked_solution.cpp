#include "workspace/worked_solution.h"

#include <algorithm>
#include <cstdint>
#include <variant>

#include "engine/rational.h"
#include "engine/result_codes.h"
#include "workspace/file_bytes.h"
#include "workspace/number_text.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

// Three matrices with their arrows fill the width of a page.
constexpr int kMatricesPerLine = 3;

bool isPivot(std::int32_t i, std::int32_t j, std::int32_t pivotRow, std::int32_t pivotCol) {
    return i == pivotRow && j == pivotCol;
}

// The entries row by row, with the number of columns.
std::vector<std::string> entryTexts(const MatrixData& m, int decimals, bool tex) {
    std::vector<std::string> entries;
    if (const auto* exact = std::get_if<IntegerMatrix>(&m)) {
        for (const Fraction& cell : fractionsOf(*exact, StopCheck::never()))
            entries.push_back(fractionText(cell, tex ? StepNotation::Tex : StepNotation::Text));
        return entries;
    }
    for (const Complex& cell : std::get<ComplexMatrix>(m).cells)
        entries.push_back(entryText(cell, decimals));
    return entries;
}

std::int32_t rowsOf(const MatrixData& m) {
    return std::visit([](const auto& matrix) { return matrix.rows; }, m);
}

std::int32_t colsOf(const MatrixData& m) {
    return std::visit([](const auto& matrix) { return matrix.cols; }, m);
}

// The columns as wide as the widest entry, each entry between blanks or,
// for the pivot, between brackets; the line without its trailing blanks.
std::string textMatrix(const MatrixData& m, int decimals, std::int32_t pivotRow = -1,
                       std::int32_t pivotCol = -1) {
    const std::vector<std::string> entries = entryTexts(m, decimals, false);
    std::size_t width = 0;
    for (const std::string& entry : entries)
        width = std::max(width, entry.size());
    const std::int32_t cols = colsOf(m);
    std::string text;
    for (std::int32_t i = 0; i < rowsOf(m); ++i) {
        std::string line;
        for (std::int32_t j = 0; j < cols; ++j) {
            const std::string& entry = entries[static_cast<std::size_t>(i * cols + j)];
            const bool pivot = isPivot(i, j, pivotRow, pivotCol);
            if (j > 0) line += ' ';
            line += (pivot ? "[" : " ") + std::string(width - entry.size(), ' ') + entry +
                    (pivot ? "]" : " ");
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + '\n';
    }
    return text;
}

std::string texMatrix(const MatrixData& m, int decimals, std::int32_t pivotRow = -1,
                      std::int32_t pivotCol = -1) {
    const std::vector<std::string> entries = entryTexts(m, decimals, true);
    const std::int32_t rows = rowsOf(m);
    const std::int32_t cols = colsOf(m);
    std::string text = "\\begin{bmatrix}\n";
    for (std::int32_t i = 0; i < rows; ++i) {
        for (std::int32_t j = 0; j < cols; ++j) {
            const std::string& entry = entries[static_cast<std::size_t>(i * cols + j)];
            if (j > 0) text += " & ";
            text += isPivot(i, j, pivotRow, pivotCol) ? "\\boxed{" + entry + "}" : entry;
        }
        text += i + 1 < rows ? " \\\\\n" : "\n";
    }
    return text + "\\end{bmatrix}\n";
}

// amsmath's matrices hold at most ten columns unless told of more.
constexpr std::int32_t kAmsmathColumns = 10;

std::string matrixColumnsSetting(const WorkedSolution& solution) {
    std::int32_t columns = colsOf(solution.start);
    for (const SolutionStep& step : solution.steps)
        columns = std::max(columns, colsOf(step.after));
    if (columns <= kAmsmathColumns) return {};
    return "\\setcounter{MaxMatrixCols}{" + std::to_string(columns) + "}\n";
}

const MatrixData& resultOf(const WorkedSolution& solution) {
    return solution.steps.empty() ? solution.start : solution.steps.back().after;
}

}  // namespace

std::string solutionText(const WorkedSolution& solution) {
    const int decimals = solution.decimals;
    std::string text = std::string(strings::byId(strings::id::SolutionStart)) + '\n' +
                       textMatrix(solution.start, decimals);
    int number = 0;
    for (const SolutionStep& step : solution.steps) {
        text += '\n' + std::to_string(++number) + ". " +
                describeStep(step.record, decimals, StepNotation::Text) + '\n' +
                textMatrix(step.after, decimals, step.pivotRow, step.pivotCol);
    }
    return text + '\n' + std::string(strings::byId(strings::id::SolutionResult)) + '\n' +
           textMatrix(resultOf(solution), decimals);
}

std::string solutionTex(const WorkedSolution& solution, bool completeDocument) {
    const int decimals = solution.decimals;
    std::string text =
        matrixColumnsSetting(solution) + "\\begin{gather*}\n" + texMatrix(solution.start, decimals);
    int onLine = 1;
    for (const SolutionStep& step : solution.steps) {
        if (onLine == kMatricesPerLine) {
            text += "\\\\\n";
            onLine = 0;
        }
        text += "\\xrightarrow{" + describeStep(step.record, decimals, StepNotation::Tex) + "}\n" +
                texMatrix(step.after, decimals, step.pivotRow, step.pivotCol);
        ++onLine;
    }
    text += "\\end{gather*}\n";
    if (!completeDocument) return text;
    return "\\documentclass{article}\n\\usepackage[utf8]{inputenc}\n\\usepackage{amsmath}\n"
           "\\begin{document}\n" +
           text + "\\end{document}\n";
}

std::string solutionIn(const WorkedSolution& solution, SolutionFormat format) {
    if (format == SolutionFormat::PlainText) return solutionText(solution);
    return solutionTex(solution, format == SolutionFormat::TexDocument);
}

int writeSolution(const std::filesystem::path& path, const WorkedSolution& solution,
                  SolutionFormat format) {
    const std::string text = solutionIn(solution, format);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return replaceFileContents(path, {bytes, text.size()}) ? code::Ok : code::CannotSaveFile;
}

}  // namespace lorvex
