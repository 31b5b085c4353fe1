// The typed fields of the generator dialogs: the first byte chooses a
// generator and the mode, the rest is split at line ends into its fields.
// Every call gives one of the generator's own codes; a failure stores
// nothing; a stored matrix has the size the fields asked for. Sizes are kept
// to 20 x 20 so that one input stays quick.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "engine/random_generator.h"
#include "engine/result_codes.h"
#include "workspace/frame_operations.h"
#include "workspace/text_numbers.h"

namespace {

using namespace lorvex;

void check(bool condition) {
    if (!condition) std::abort();
}

class YesPrompter : public DialogFreePrompter {
  public:
    Answer messageBox(std::string_view, std::string_view, Buttons) override { return Answer::Yes; }
};

bool oneOf(int rc, std::initializer_list<int> codes) {
    for (const int c : codes)
        if (rc == c) return true;
    return false;
}

bool small(std::string_view text) {
    return leadingInteger(text) <= 20;
}

constexpr std::int32_t kResult = 13;
constexpr std::int32_t kAxis = 1;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::array<std::string_view, 6> fields{};
    std::size_t start = 0;
    for (std::string_view& field : fields) {
        const std::size_t end = std::min(rest.find('\n', start), rest.size());
        if (start <= rest.size()) field = rest.substr(start, end - start);
        start = end + 1;
    }
    static_cast<void>(leadingDecimal(rest));

    YesPrompter prompter;
    Workspace workspace(prompter);
    RandomGenerator random(choice);
    FrameOperations operations(workspace, random);
    const auto mode = static_cast<WorkspaceMode>((choice >> 4) % 3);
    operations.setMode(mode);
    // An axis for the generators that read one: a column of three.
    const bool integerAxis = mode == WorkspaceMode::Integer;
    const ElementKind axisKind = integerAxis ? ElementKind::Integer : ElementKind::Real;
    ComplexMatrix realAxis(3, 1);
    realAxis.at(0, 0).re = leadingDecimal(fields[0]);
    realAxis.at(1, 0).re = 1.0L;
    IntegerMatrix integerAxisMatrix(3, 1);
    integerAxisMatrix.at(0, 0) = BigInt(leadingInteger(fields[0]));
    integerAxisMatrix.at(2, 0) = BigInt(2);
    if ((choice & 8) != 0) {
        check(workspace
                  .PlaceMatrix(axisKind, "", kAxis,
                               integerAxis ? MatrixData(integerAxisMatrix) : MatrixData(realAxis))
                  .stored);
    }

    int rc = code::Ok;
    const auto kind = static_cast<NewMatrixKind>(choice % 5);
    switch (choice & 7) {
        case 0:
        case 1:
            if (!small(fields[0]) || !small(fields[1])) return 0;
            rc = operations.generators().MakeMatrix(kResult, kind, fields[0], fields[1], fields[2],
                                                    fields[3], fields[4]);
            check(oneOf(rc, {code::Ok, code::NotUnderstood, code::NotFound, code::OutOfMemory,
                             code::InconsistentData, code::NothingToDo, code::Singular,
                             code::OutOfRange, code::TooBig, code::CannotCalculate,
                             code::Incompatible, code::MatrixNotFound, code::IntegerExpected}));
            break;
        case 2:
            if (!small(fields[0]) || !small(fields[1])) return 0;
            rc = operations.generators().Formula(kResult, fields[0], fields[1], fields[2]);
            check(oneOf(rc, {code::Ok, code::NotUnderstood, code::OutOfMemory,
                             code::InconsistentData, code::NothingToDo, code::OutOfRange,
                             code::CannotCalculate, code::MatrixNotFound}));
            break;
        case 3:
            rc = operations.generators().CopyColumn(kAxis, kResult, fields[0]);
            check(
                oneOf(rc, {code::Ok, code::OutOfRange, code::MatrixNotFound, code::NothingToShow}));
            break;
        case 4:
            rc = operations.generators().UnitaryRandom(fields[0], kResult);
            check(oneOf(rc, {code::Ok, code::OutOfRange}));
            break;
        case 5:
            rc = operations.geometry().Rotate3D((choice & 8) != 0 ? kAxis : 0, kResult, fields[0],
                                                fields[1], fields[2], fields[3]);
            check(oneOf(rc, {code::Ok, code::MatrixNotFound, code::Singular, code::OutOfRange}));
            break;
        case 6:
            rc = operations.geometry().IntRotate3D((choice & 8) != 0 ? kAxis : 0, 0, kResult,
                                                   fields[0], fields[1], fields[2], fields[3],
                                                   fields[4]);
            check(oneOf(rc, {code::Ok, code::NotUnderstood, code::MatrixNotFound, code::Singular,
                             code::PythagoreanExpected}));
            if (rc == code::Ok) {
                const MatrixDocument* m = workspace.slot(WorkspaceMode::Integer, kResult);
                check(m != nullptr && m->Rows() == 3 && m->Cols() == 3);
                check(m->Denominator().sign() > 0);
            }
            break;
        default:
            rc = operations.geometry().Rotate2D(kResult, fields[0]);
            check(oneOf(rc, {code::Ok, code::OutOfRange}));
            break;
    }
    if (rc != code::Ok) {
        check(workspace.slot(WorkspaceMode::Real, kResult) == nullptr);
        check(workspace.slot(WorkspaceMode::Complex, kResult) == nullptr);
        check(workspace.slot(WorkspaceMode::Integer, kResult) == nullptr);
    } else if ((choice & 7) <= 1) {
        const MatrixDocument* m = workspace.slot(mode, kResult);
        check(m != nullptr && m->Rows() == leadingInteger(fields[0]));
    }
    return 0;
}
