#pragma once

#include <array>

// The character classes that drive the passes of both formula compilers. A
// code is a byte value 0-255: a printable character or a compiler code.
namespace lorvex {

struct CharacterClasses {
    using Table = std::array<bool, 256>;

    Table LetterClass{};
    Table TwoArgClass{};
    Table MultiArgClass{};
    Table BinaryClass{};
    Table OperandExpected{};
    Table UnaryClass{};
    Table OperandStart{};
    Table ValidChar{};
    // The code that stands for the start and the end of the token sequence.
    int sentinel = 0;

    static bool in(const Table& table, int code) {
        return code >= 0 && code < 256 && table[static_cast<unsigned>(code)];
    }
};

// The classes of the scalar formula language.
const CharacterClasses& scalarClasses();
// The classes of the matrix calculation language (no argument classes).
const CharacterClasses& calcClasses();

}  // namespace lorvex
