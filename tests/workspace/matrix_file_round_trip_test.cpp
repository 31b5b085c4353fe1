// Random matrices of every kind written to disk and read back identical.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "engine/result_codes.h"
#include "workspace/file_test_support.h"
#include "workspace/matrix_file.h"
#include "workspace/matrix_file_samples.h"

namespace lorvex {
namespace {

const std::string kPortugueseNotes =
    "Matriz de rotação — ângulo de 30°, coeficientes não-negativos; "
    "São Paulo, Açores, pêssego, «citação», ü, Œuvre e €5.\r\nSegunda linha.";

class RoundTrip : public ::testing::Test {
  protected:
    std::int32_t dimension() { return std::uniform_int_distribution<std::int32_t>(1, 50)(engine_); }

    // Any finite value: random mantissas over the whole exponent range, with
    // zeros, denormals and the largest magnitude among them.
    long double randomReal() {
        switch (engine_() % 16) {
            case 0:
                return 0.0L;
            case 1:
                return -std::numeric_limits<long double>::max();
            case 2:
                return std::numeric_limits<long double>::denorm_min() * (engine_() % 1000);
            case 3:
                return static_cast<long double>(engine_() % 2001) / 8.0L - 125.0L;
            default:
                break;
        }
        const long double mantissa = static_cast<long double>(engine_()) / 18446744073709551616.0L;
        const int exponent = static_cast<int>(engine_() % 32000) - 16000;
        const long double value = std::ldexp(mantissa, exponent);
        return engine_() % 2 == 0 ? value : -value;
    }

    BigInt randomInteger(int maxDigits) {
        const int digits = std::uniform_int_distribution<int>(1, maxDigits)(engine_);
        std::string text = engine_() % 2 == 0 ? "-" : "";
        for (int i = 0; i < digits; ++i)
            text.push_back(static_cast<char>('0' + engine_() % 10));
        BigInt value;
        EXPECT_EQ(BigInt::fromText(text, value), code::Ok) << text;
        return value;
    }

    MatrixFile randomFile(std::int32_t kind) {
        MatrixFile file;
        file.window = test::storedWindow();
        file.window.rect.x = static_cast<std::int32_t>(engine_() % 1000);
        file.rows = dimension();
        file.cols = dimension();
        file.kind = kind;
        file.decimals = static_cast<std::int32_t>(engine_() % 20);
        file.fieldWidth = file.decimals + 2 + static_cast<std::int32_t>(engine_() % 30);
        file.sciNotation = engine_() % 2 == 0;
        file.notes = kPortugueseNotes.substr(0, engine_() % (kPortugueseNotes.size() + 1));
        // Cut only between characters: drop a trailing partial UTF-8 sequence.
        while (!file.notes.empty() && (static_cast<unsigned char>(file.notes.back()) & 0x80) != 0)
            file.notes.pop_back();
        if (kind == matrix_kind::kInteger) {
            IntegerMatrix matrix(file.rows, file.cols);
            for (BigInt& numerator : matrix.numerators)
                numerator = randomInteger(200);
            matrix.denominator = randomInteger(30).magnitude();
            if (matrix.denominator.isZero()) matrix.denominator = BigInt(7);
            file.entries = matrix;
        } else {
            ComplexMatrix matrix(file.rows, file.cols);
            for (Complex& cell : matrix.cells)
                cell = {randomReal(), kind == matrix_kind::kComplex ? randomReal() : 0.0L};
            file.entries = matrix;
        }
        return file;
    }

    void expectRoundTrip(std::int32_t kind, int count) {
        test::TemporaryFolder folder;
        for (int i = 0; i < count; ++i) {
            const MatrixFile file = randomFile(kind);
            const auto path = folder / ("m" + std::to_string(i) + ".dat");
            ASSERT_EQ(writeMatrixFile(path, file), code::Ok);
            MatrixFile read;
            ASSERT_EQ(readMatrixFile(path, kind, read), code::Ok);
            ASSERT_EQ(read, file) << "file " << i;
        }
    }

    std::mt19937_64 engine_{77};
};

TEST_F(RoundTrip, RealMatrices) {
    expectRoundTrip(matrix_kind::kReal, 25);
}

TEST_F(RoundTrip, ComplexMatrices) {
    expectRoundTrip(matrix_kind::kComplex, 25);
}

TEST_F(RoundTrip, IntegerMatricesWithUpTo200Digits) {
    expectRoundTrip(matrix_kind::kInteger, 15);
}

TEST_F(RoundTrip, NotesKeepEveryCharacterWindows1252Holds) {
    MatrixFile file = test::realSample();
    file.notes = kPortugueseNotes;
    MatrixFile read;
    ASSERT_EQ(decodeMatrixFile(encodeMatrixFile(file), matrix_kind::kReal, read), code::Ok);
    EXPECT_EQ(read.notes, kPortugueseNotes);
}

}  // namespace
}  // namespace lorvex
