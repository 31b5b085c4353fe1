// Arbitrary text as a matrix calculation in each of the three modes, as a
// typed scalar and as a typed cell: every input gives a result or one of the
// language's codes, a matrix result has the kind of its mode, and long exact
// products end at the stop check.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string_view>
#include <variant>

#include "engine/matrix_data.h"
#include "engine/result_codes.h"
#include "engine/stop_check.h"
#include "expr/calc_language.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool isOneOf(int rc, std::initializer_list<int> codes) {
    for (const int expected : codes) {
        if (rc == expected) return true;
    }
    return false;
}

// A few matrices of each kind: square, singular, oblong and a large entry.
class Places : public lorvex::MatrixSource {
  public:
    explicit Places(bool integerMode) {
        using lorvex::BigInt;
        using lorvex::Complex;
        const long long entries[][4] = {{1, 2, 3, 4}, {1, 2, 2, 4}, {4, 7, 2, 6}};
        const char letters[] = {'A', 'S', 'T'};
        for (int k = 0; k < 3; ++k) {
            if (integerMode) {
                lorvex::IntegerMatrix m(2, 2);
                for (int i = 0; i < 4; ++i)
                    m.numerators[i] = BigInt(entries[k][i]);
                m.denominator = BigInt(k + 1);
                matrices_[letters[k]] = m;
            } else {
                lorvex::ComplexMatrix m(2, 2);
                for (int i = 0; i < 4; ++i)
                    m.cells[i] = Complex{static_cast<long double>(entries[k][i]), 0.5L * k};
                matrices_[letters[k]] = m;
            }
        }
        if (integerMode) {
            matrices_['C'] = lorvex::IntegerMatrix(2, 3);
            matrices_['D'] = lorvex::IntegerMatrix(3, 1);
        } else {
            lorvex::ComplexMatrix g(1, 1);
            g.cells[0] = Complex{1e10L, 0.0L};
            matrices_['G'] = g;
            matrices_['C'] = lorvex::ComplexMatrix(2, 3);
            matrices_['D'] = lorvex::ComplexMatrix(3, 1);
        }
    }

    int matrixFor(char letter, lorvex::MatrixData& copy) const override {
        const auto found = matrices_.find(letter);
        if (found == matrices_.end()) return lorvex::code::NotFound;
        copy = found->second;
        return lorvex::code::Ok;
    }

  private:
    std::map<char, lorvex::MatrixData> matrices_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lorvex;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const Places realPlaces(false);
    static const Places integerPlaces(true);
    int polls = 0;
    const StopCheck stop([&] { return ++polls > 5000; });

    for (const bool integerMode : {false, true}) {
        const Places& places = integerMode ? integerPlaces : realPlaces;
        std::unique_ptr<CalcNode> tree;
        const int rc = CompileCalc(text, integerMode, tree);
        check(isOneOf(rc, {code::Ok, code::NotUnderstood, code::OutOfMemory, code::InconsistentData,
                           code::NothingToDo, code::MatrixNotFound, code::IntegerExpected}));
        check((rc == code::Ok) == (tree != nullptr));
        if (rc != code::Ok) continue;
        const int evaluation = EvalCalc(tree.get(), places, stop);
        check(isOneOf(evaluation,
                      {code::Ok, code::UserStop, code::NotUnderstood, code::NotFound,
                       code::OutOfMemory, code::Singular, code::OutOfRange, code::TooBig,
                       code::CannotCalculate, code::Incompatible, code::IntegerExpected}));
        if (evaluation == code::Ok && tree->isMatrix()) {
            check(std::holds_alternative<IntegerMatrix>(*tree->matrix) == integerMode);
            if (integerMode) check(std::get<IntegerMatrix>(*tree->matrix).denominator.sign() > 0);
        }
        if (evaluation == code::Ok && integerMode && !tree->isMatrix())
            check(tree->exact.denominator.sign() > 0);
        FreeCalc(std::move(tree));
    }

    Complex value{7.0L, 7.0L};
    const int scalarCode = EvalScalarText(text, realPlaces, value, stop);
    check(scalarCode == code::Ok || value == ZERO);
    const int cellCode = ConstCalc(text, Complex{2.0L, -1.0L}, value);
    check(cellCode == code::Ok || value == ZERO);
    return 0;
}
