#include "expr/character_classes.h"

#include <initializer_list>

#include "expr/symbol_codes.h"

namespace lorvex {
namespace {

using namespace symbol;
using Table = CharacterClasses::Table;

void add(Table& table, std::initializer_list<int> codes) {
    for (int code : codes)
        table[static_cast<unsigned>(code)] = true;
}

void addRange(Table& table, int from, int to) {
    for (int code = from; code <= to; ++code)
        table[static_cast<unsigned>(code)] = true;
}

void addTable(Table& table, const Table& other) {
    for (std::size_t code = 0; code < table.size(); ++code)
        table[code] = table[code] || other[code];
}

CharacterClasses buildScalarClasses() {
    CharacterClasses c;
    c.sentinel = SENTINEL;
    addRange(c.LetterClass, AT, 'Z');
    add(c.TwoArgClass, {ITER, ROOT, POWER, BINOM, ARG2, LG});
    add(c.MultiArgClass, {MAX, MIN, JOINX, JOINT, JOINR, JOINU, ABS2, 193, 194, MOD, GCD});

    add(c.BinaryClass, {TIMES, PLUS, MINUS, DIVIDE, CARET, BAR, SUM, PROD, SUMTERM, SUMRANGE});
    addTable(c.BinaryClass, c.TwoArgClass);
    addTable(c.BinaryClass, c.MultiArgClass);

    addTable(c.OperandExpected, c.BinaryClass);
    add(c.OperandExpected, {SENTINEL, NEG, OPEN});

    addRange(c.UnaryClass, 128, 255);
    for (int code : {SUM, PROD, SUMTERM, SUMRANGE})
        c.UnaryClass[static_cast<unsigned>(code)] = false;
    for (std::size_t code = 0; code < c.UnaryClass.size(); ++code) {
        if (c.TwoArgClass[code] || c.MultiArgClass[code]) c.UnaryClass[code] = false;
    }

    add(c.OperandStart, {CONST, OPEN});
    addTable(c.OperandStart, c.LetterClass);
    addTable(c.OperandStart, c.UnaryClass);

    addTable(c.ValidChar, c.LetterClass);
    add(c.ValidChar, {FACTORIAL, OPEN, CLOSE, COMMA, POINT});
    addRange(c.ValidChar, '0', '9');
    addTable(c.ValidChar, c.BinaryClass);
    addTable(c.ValidChar, c.UnaryClass);
    return c;
}

CharacterClasses buildCalcClasses() {
    CharacterClasses c;
    c.sentinel = AT;
    addRange(c.LetterClass, 'A', 'Z');
    add(c.BinaryClass, {TIMES, PLUS, MINUS, DIVIDE, CARET, BAR});
    add(c.UnaryClass, {NEG, TRANSPOSE});

    addTable(c.ValidChar, c.LetterClass);
    add(c.ValidChar, {APOSTROPHE, OPEN, CLOSE, POINT, NEG});
    addRange(c.ValidChar, '0', '9');
    addTable(c.ValidChar, c.BinaryClass);

    addTable(c.OperandExpected, c.BinaryClass);
    add(c.OperandExpected, {AT, NEG, OPEN});

    add(c.OperandStart, {CONST, OPEN, NEG, TRANSPOSE});
    addTable(c.OperandStart, c.LetterClass);
    return c;
}

}  // namespace

const CharacterClasses& scalarClasses() {
    static const CharacterClasses classes = buildScalarClasses();
    return classes;
}

const CharacterClasses& calcClasses() {
    static const CharacterClasses classes = buildCalcClasses();
    return classes;
}

}  // namespace lorvex
