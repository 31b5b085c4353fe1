#pragma once

#include <map>
#include <sstream>
#include <string>

#include "expr/expr_node.h"
#include "expr/symbol_codes.h"

namespace lorvex::test {

// A compiled scalar formula in prefix form, "(* 2 X)", so that a test can
// state the tree it expects. Constants show their value (re,im when complex).
inline std::string treeText(const ExprNode& node) {
    using namespace symbol;
    static const std::map<int, std::string> names{
        {NEG, "NEG"},     {FACT, "FACT"},       {SIN, "SIN"},           {COS, "COS"},
        {TAN, "TAN"},     {COT, "COT"},         {SEC, "SEC"},           {LN, "LN"},
        {LOG, "LOG"},     {ABS, "ABS"},         {ABS2, "ABS2"},         {ARG, "ARG"},
        {ARG2, "ARG2"},   {RE, "RE"},           {MAX, "MAX"},           {MIN, "MIN"},
        {POWER, "POWER"}, {BINOM, "BINOM"},     {ITER, "ITER"},         {SUM, "SUM"},
        {PROD, "PROD"},   {SUMTERM, "SUMTERM"}, {SUMRANGE, "SUMRANGE"}, {RAND, "RAND"},
        {JOINX, "JOINX"}, {CSCH, "CSCH"},       {SINH, "SINH"},         {EXP, "EXP"},
    };
    std::ostringstream out;
    if (node.code == CONST) {
        out << node.value.re;
        if (node.value.im != 0) out << "," << node.value.im;
        return out.str();
    }
    const auto name = names.find(node.code);
    const std::string symbol =
        name != names.end() ? name->second : std::string(1, static_cast<char>(node.code));
    if (!node.first && !node.second && !node.third) return symbol;
    out << "(" << symbol;
    for (const ExprNode* child : {node.first.get(), node.third.get(), node.second.get()}) {
        if (child) out << " " << treeText(*child);
    }
    out << ")";
    return out.str();
}

}  // namespace lorvex::test
