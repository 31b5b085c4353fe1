#pragma once

#include <algorithm>
#include <string>

#include "engine/matrix_data.h"
#include "workspace/matrix_file.h"

namespace lorvex::test {

// Window settings whose printing measures are already what reading their
// stored hundredths gives, so that a file read back compares equal.
inline WindowSettings storedWindow() {
    WindowSettings window = matrixWindowDefaults();
    window.rect = {12, 34, 560, 420};
    for (std::size_t i = 0; i < window.printingMeasures.size(); ++i) {
        const auto measure = static_cast<PrintingMeasure>(i);
        window.printingMeasures[i] =
            printingMeasureFromStored(measure, storedPrintingMeasure(window.printingMeasures[i]));
    }
    return window;
}

// A real or complex matrix file of `rows` x `cols` entries (the real parts
// alone for a real one, as a real file is read).
inline MatrixFile complexFile(std::int32_t kind, std::int32_t rows, std::int32_t cols,
                              std::initializer_list<Complex> values, std::string notes) {
    MatrixFile file;
    file.window = storedWindow();
    file.rows = rows;
    file.cols = cols;
    file.kind = kind;
    ComplexMatrix matrix(rows, cols);
    std::copy(values.begin(), values.end(), matrix.cells.begin());
    if (kind == matrix_kind::kReal) {
        file.entries = realPartsOf(matrix);
    } else {
        file.entries = matrix;
    }
    file.notes = std::move(notes);
    return file;
}

// The 2 x 3 real matrix [1 -2.5 0.5; 3 1e18 -0.125] with three characters of notes.
inline MatrixFile realSample() {
    MatrixFile file =
        complexFile(matrix_kind::kReal, 2, 3,
                    {{1.0L, 0}, {-2.5L, 0}, {0.5L, 0}, {3.0L, 0}, {1e18L, 0}, {-0.125L, 0}}, "abc");
    file.fieldWidth = 9;
    file.decimals = 3;
    file.sciNotation = true;
    return file;
}

// The 1 x 2 complex matrix [1.5 - 2i, 0 + 0.5i].
inline MatrixFile complexSample() {
    MatrixFile file = complexFile(matrix_kind::kComplex, 1, 2, {{1.5L, -2.0L}, {0.0L, 0.5L}}, "z");
    file.fieldWidth = 19;
    file.decimals = 2;
    return file;
}

// The 1 x 1 integer matrix 5/1 without notes text.
inline MatrixFile integerSample() {
    MatrixFile file;
    file.window = storedWindow();
    file.kind = matrix_kind::kInteger;
    IntegerMatrix matrix(1, 1);
    matrix.at(0, 0) = BigInt(5);
    file.entries = matrix;
    return file;
}

// A file distinct from every sample, to see that a failed read leaves it alone.
inline MatrixFile untouchedFile() {
    return complexFile(matrix_kind::kReal, 1, 2, {{7.0L, 0}, {8.0L, 0}}, "antes");
}

}  // namespace lorvex::test
