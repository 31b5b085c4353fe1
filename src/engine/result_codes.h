#pragma once

// Result codes of every operation: 0 success, -1 a stop asked for by the user,
// k > 0 a failure shown to the user as message 400 + k. Only the codes some
// operation returns are named here; the string table keeps the messages of
// the others under their numbers.
namespace lorvex::code {

inline constexpr int Ok = 0;
inline constexpr int UserStop = -1;

inline constexpr int NotUnderstood = 1;     // "não foi possível compreender"
inline constexpr int NotFound = 2;          // "não foi possível encontrar"
inline constexpr int OutOfMemory = 3;       // "memória lenta...problema!"
inline constexpr int NoMoreRoom = 4;        // "mais nenhum espaço"
inline constexpr int InconsistentData = 6;  // "dado inconsistente"
inline constexpr int IniNotSaved = 7;       // "arquivo ini não salvo"
inline constexpr int NothingToDo = 9;       // "nada a fazer"
inline constexpr int NothingToShow = 10;    // "nada a mostrar"
inline constexpr int CannotOpenFile = 11;   // "não foi possível abrir arquivo"
inline constexpr int CannotSaveFile = 12;   // "não foi possível salvar arquivo"
inline constexpr int Singular = 14;         // "valor positivo ?" (singular matrix, zero divisor)
inline constexpr int OutOfRange = 17;       // "fora dos limites "
inline constexpr int TooBig = 20;           // "muito grande"
inline constexpr int IniDamaged = 21;       // "arquivo ini danificado"
inline constexpr int NeedAtLeastOne = 25;   // "precisa pelo menos um"
// A matrix file opens as the kind its extension names, so a save under
// another extension is refused, with a message naming the right one.
inline constexpr int NeedsFmaExtension = 27;  // "... matriz real deve ter a extensão .fma"
inline constexpr int NeedsCmaExtension = 28;  // "... matriz complexa deve ter a extensão .cma"
inline constexpr int NeedsImaExtension = 29;  // "... matriz inteira deve ter a extensão .ima"

inline constexpr int CannotCalculate = 101;      // "não pode calcular"
inline constexpr int NotAMatrix = 102;           // "não é uma matriz"
inline constexpr int Incompatible = 103;         // "imcompatível"
inline constexpr int NotAColumnVector = 105;     // "não é um vetor coluna"
inline constexpr int NoFeasibleVector = 107;     // "não há vetores prováveis"
inline constexpr int MatrixNotFound = 108;       // "matriz não encontrada"
inline constexpr int IntegerExpected = 109;      // "esperado um inteiro"
inline constexpr int PythagoreanExpected = 110;  // "dados Pitagoreanos esperados"
inline constexpr int Unbounded = 111;            // "problema ilimitado"

}  // namespace lorvex::code
