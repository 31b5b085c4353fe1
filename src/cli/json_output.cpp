#include <string>
#include <vector>

#include "cli/command_output.h"
#include "cli/json_writer.h"
#include "cli/significant_digits.h"
#include "workspace/strings.h"

namespace lorvex::cli {
namespace {

std::string kindName(ElementKind kind) {
    switch (kind) {
        case ElementKind::Complex:
            return "complex";
        case ElementKind::Integer:
            return "integer";
        case ElementKind::Real:
            break;
    }
    return "real";
}

// Rows of the texts of the entries, row-major.
template <typename Text>
std::string rowsJson(const MatrixDocument& document, Text entry) {
    std::vector<std::string> rows;
    for (std::int32_t i = 0; i < document.Rows(); ++i) {
        std::vector<std::string> row;
        for (std::int32_t j = 0; j < document.Cols(); ++j)
            row.push_back(jsonString(entry(i * document.Cols() + j)));
        rows.push_back(jsonArray(row));
    }
    return jsonArray(rows);
}

// Exact values, whatever the window shows: real and imaginary parts with
// enough digits to be read back, integer numerators and denominator whole.
std::string matrixJson(const MatrixDocument& document) {
    JsonObject matrix;
    if (document.LetterNo() > 0)
        matrix.addString("letter", std::string(1, static_cast<char>('@' + document.LetterNo())));
    else
        matrix.addNull("letter");
    matrix.addString("kind", kindName(document.Kind()))
        .addInt("rows", document.Rows())
        .addInt("cols", document.Cols());
    if (document.isInteger()) {
        const std::vector<BigInt>& cells = document.ICells();
        matrix.addRaw("num", rowsJson(document, [&](std::int32_t k) {
                          return cells[static_cast<std::size_t>(k)].toText();
                      }));
        matrix.addString("den", document.Denominator().toText());
        return matrix.text();
    }
    const auto entry = [&](std::int32_t k) {
        return document.complexEntry(k / document.Cols(), k % document.Cols());
    };
    matrix.addRaw("re", rowsJson(document, [&](std::int32_t k) {
                      return significantDigits(entry(k).re, kExactDigits);
                  }));
    if (document.Kind() == ElementKind::Complex) {
        matrix.addRaw("im", rowsJson(document, [&](std::int32_t k) {
                          return significantDigits(entry(k).im, kExactDigits);
                      }));
    }
    return matrix.text();
}

JsonObject complexFields(Complex value) {
    JsonObject number;
    number.addString("re", significantDigits(value.re, kExactDigits))
        .addString("im", significantDigits(value.im, kExactDigits));
    return number;
}

std::string fractionJson(const Fraction& value) {
    return jsonString(value.numerator.toText() + "/" + value.denominator.toText());
}

// A field for what the matrix has: trace and determinant only when square,
// the polynomial only in real and complex mode.
std::string reportJson(const OneMatrixReport& report) {
    JsonObject fields;
    fields.addInt("rank", report.rank);
    if (report.trace) fields.addRaw("trace", complexFields(*report.trace).text());
    if (report.exactTrace) fields.addRaw("trace", fractionJson(*report.exactTrace));
    if (report.determinant) fields.addRaw("determinant", complexFields(*report.determinant).text());
    if (report.exactDeterminant)
        fields.addRaw("determinant", fractionJson(*report.exactDeterminant));
    if (!report.coefficients.empty()) {
        std::vector<std::string> coefficients;
        for (const Complex& c : report.coefficients)
            coefficients.push_back(complexFields(c).text());
        fields.addRaw("coefficients", jsonArray(coefficients));
    }
    if (!report.roots.empty()) {
        std::vector<std::string> roots;
        for (const PolynomialRoot& root : report.roots)
            roots.push_back(
                complexFields(root.value).addInt("multiplicity", root.multiplicity).text());
        fields.addRaw("roots", jsonArray(roots));
    }
    fields.addString("text", report.text);
    return fields.text();
}

std::string highlightJson(const MatrixDocument& document) {
    if (document.HiliteRow() < 0 || document.HiliteCol() < 0) return "null";
    return jsonArray({std::to_string(document.HiliteRow()), std::to_string(document.HiliteCol())});
}

}  // namespace

void writeJson(std::ostream& out, std::string_view line, const CommandResult& result) {
    JsonObject object;
    object.addString("command", line).addBool("ok", result.code == code::Ok);
    if (result.code != code::Ok) {
        object.addInt("code", result.code).addString("message", failureMessage(result.code));
        out << object.text() << '\n';
        return;
    }
    if (result.matrixList) {
        std::vector<std::string> matrices;
        for (const ShownMatrix& shown : result.matrices)
            matrices.push_back(matrixJson(*shown.document));
        object.addRaw("matrices", jsonArray(matrices));
    } else if (!result.matrices.empty()) {
        object.addRaw("matrix", matrixJson(*result.matrices.back().document));
    }
    if (result.overwriteRefused) object.addBool("stored", false);
    if (result.rank) object.addInt("rank", *result.rank);
    if (result.report) object.addRaw("report", reportJson(*result.report));
    if (result.step && !result.matrices.empty()) {
        object.addString("title", result.step->title)
            .addRaw("highlight", highlightJson(*result.matrices.back().document))
            .addBool("finished", result.step->finished);
    }
    if (result.check) {
        object.addBool("elementary", result.check->operation.has_value());
        if (result.check->operation)
            object.addString("operation", *result.check->operation);
        else
            object.addNull("operation");
        object.addBool("row_equivalent", result.check->rowEquivalent);
    }
    if (result.value) object.addRaw("value", complexFields(*result.value).text());
    if (result.text) object.addString("text", *result.text);
    out << object.text() << '\n';
}

}  // namespace lorvex::cli
