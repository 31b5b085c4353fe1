#pragma once

// Command numbers shared by menus, accelerators and dialog buttons. Each
// command is one QAction whose object name is "command<number>".
namespace lorvex::command {

// Files and editing, shared by several windows.
inline constexpr int Save = 57;
inline constexpr int SaveAs = 58;
inline constexpr int Open = 59;
inline constexpr int Font = 60;
inline constexpr int TextFont = 61;
inline constexpr int Notes = 75;
inline constexpr int MinusSign = 92;
inline constexpr int PrinterSetup = 93;
inline constexpr int Copy = 95;
inline constexpr int Cut = 96;
inline constexpr int Print = 97;
inline constexpr int Undo = 98;
inline constexpr int Paste = 99;
inline constexpr int Format = 105;
inline constexpr int SelectAll = 119;
inline constexpr int BorderColor = 209;
inline constexpr int Margins = 304;
inline constexpr int HelpFirstMenu = 330;
inline constexpr int HelpSecondMenu = 331;
inline constexpr int HelpThirdMenu = 332;
inline constexpr int SearchHelp = 351;
inline constexpr int FindNext = 352;
inline constexpr int Find = 353;
inline constexpr int ProgramHelp = 354;
inline constexpr int About = 355;
inline constexpr int Hide = 357;
inline constexpr int Home = 53;

// The frame.
inline constexpr int ModeReal = 400;
inline constexpr int ModeComplex = 401;
inline constexpr int ModeInteger = 402;
inline constexpr int NewMatrix = 500;
inline constexpr int ViewFirstLetter = 501;    // 501 ... 526
inline constexpr int ReportFirstLetter = 531;  // 531 ... 556
inline constexpr int Formula = 560;
inline constexpr int LinearProgramming = 616;
inline constexpr int Solve = 617;
inline constexpr int Calculate = 618;
inline constexpr int Echelon = 619;
inline constexpr int CopyColumn = 620;
inline constexpr int WhiteBackground = 628;
inline constexpr int Rotate2D = 630;
inline constexpr int Rotate3D = 631;
inline constexpr int ProjectReflect = 632;
inline constexpr int Unitary = 633;
inline constexpr int IntegerRotate3D = 634;
inline constexpr int RowOperations = 662;
inline constexpr int Exit = 24310;

// The matrix window.
inline constexpr int AutoAdvance = 601;
inline constexpr int TextExport = 603;
inline constexpr int Dimensions = 604;
inline constexpr int RemoveRows = 607;
inline constexpr int RemoveColumns = 608;
inline constexpr int SwapColumns = 609;
inline constexpr int SwapRows = 610;
inline constexpr int InsertRow = 611;
inline constexpr int InsertColumn = 612;
inline constexpr int TexExport = 622;
inline constexpr int Picture = 623;
inline constexpr int Fractions = 1830;

// The step windows.
inline constexpr int HighlightColor = 204;
inline constexpr int HelpFourthMenu = 333;
inline constexpr int StepTextExport = 506;
inline constexpr int ExportSolution = 1831;

}  // namespace lorvex::command
