#include "workspace/picture_statements.h"

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

// The string with "%1" (and "%2") replaced by the numbers.
std::string filledIn(int id, double first, double second = 0.0) {
    std::string text(strings::byId(id));
    for (const auto& [mark, value] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
        if (const std::size_t at = text.find(mark); at != std::string::npos)
            text.replace(at, 2, pictureNumber(value));
    }
    return text;
}

std::string determinantStatement(const LinearMapPicture& picture) {
    if (picture.rank == picture.dimension) {
        return filledIn(picture.determinant > 0.0 ? strings::id::OrientationKept
                                                  : strings::id::OrientationReversed,
                        picture.determinant);
    }
    const int lost = picture.dimension - picture.rank;
    const int first = picture.dimension == 2 ? strings::id::PlaneToLine : strings::id::SpaceToPlane;
    return std::string(strings::byId(first + lost - 1));
}

}  // namespace

std::vector<std::string> pictureStatements(const LinearMapPicture& picture) {
    std::vector<std::string> lines = {determinantStatement(picture)};
    switch (picture.eigenDirections) {
        case EigenDirections::NoneReal:
            lines.emplace_back(strings::byId(strings::id::NoRealEigenvector));
            break;
        case EigenDirections::OneDirection:
            lines.emplace_back(strings::byId(strings::id::DefectiveEigenvalue));
            break;
        case EigenDirections::EveryDirection:
            lines.push_back(
                filledIn(strings::id::EveryDirection, picture.eigenLines.front().value));
            break;
        case EigenDirections::Separate:
            break;
    }
    if (picture.dimension == 3 && picture.complexEigenvalues)
        lines.emplace_back(strings::byId(strings::id::ComplexPair));
    if (picture.dimension == 2) {
        lines.push_back(filledIn(strings::id::SingularValues, picture.singularValues[0],
                                 picture.singularValues[1]));
    }
    return lines;
}

}  // namespace lorvex
