#pragma once

// Names of the string table's numbers (strings::byId). Numbers below 1000 are
// the program's own message numbers and never change: message k of a result
// code is 400 + k (strings::message). The texts of menus, buttons, dialog
// labels and captions start at 1000:
//   1000 ... 1099  buttons and captions shared by the dialogs
//   1100 ... 1199  menus of the text windows, shared with the matrix windows
//   1200 ... 1299  menus of the matrix windows
//   1300 ... 1399  dialogs of the matrix windows
//   1400 ... 1499  menus of the frame
//   1500 ... 1599  dialogs and captions of the frame
//   1600 ... 1699  dialogs of the toolkit
namespace lorvex::strings::id {

inline constexpr int SaveChangesTo = 1;
inline constexpr int Caution = 2;
inline constexpr int LongHyphen = 3;
inline constexpr int MinusCharacterCode = 4;
inline constexpr int Input = 5;
inline constexpr int SearchFor = 6;
inline constexpr int FirstSearchHint = 8;  // 8 ... 11, one line each
inline constexpr int LastSearchHint = 11;
inline constexpr int Searching = 12;
inline constexpr int OverwriteQuestion = 13;
inline constexpr int HelpFileName = 25;
inline constexpr int FirstColourName = 30;  // 30 + palette index
inline constexpr int NoName = 29;
inline constexpr int TextFileFilter = 64;
inline constexpr int Success = 88;
inline constexpr int TexFileSaved = 89;
inline constexpr int RealMatrixFilter = 90;
inline constexpr int ComplexMatrixFilter = 91;
inline constexpr int IntegerMatrixFilter = 92;
inline constexpr int NewColumnNumber = 102;
inline constexpr int NewRowNumber = 103;
inline constexpr int HighlightedEntry = 106;
inline constexpr int Border = 107;
inline constexpr int MatrixEntry = 108;
inline constexpr int TextWindow = 109;
inline constexpr int Determinant = 201;
inline constexpr int Trace = 202;
inline constexpr int Rank = 203;
inline constexpr int SaveQuestion = 204;
inline constexpr int Maximise = 205;
inline constexpr int Minimise = 206;
inline constexpr int Rotation = 207;
inline constexpr int CharacteristicPolynomial = 209;
inline constexpr int Matrix = 213;
inline constexpr int LinearProgrammingData = 214;
inline constexpr int FirstNewMatrixKind = 215;  // 215 + kind
inline constexpr int ZerosDescription = 215;
inline constexpr int Projection = 220;
inline constexpr int Reflection = 221;
inline constexpr int Solution = 223;
inline constexpr int NullSpaceBasis = 224;
inline constexpr int Column = 225;
inline constexpr int Row = 226;
inline constexpr int EchelonForm = 228;
inline constexpr int Denominator = 229;
inline constexpr int FirstModeName = 230;  // 230 + mode
inline constexpr int RandomUnitary = 233;
inline constexpr int NewMatrix = 234;
inline constexpr int Operations = 235;
inline constexpr int Rows = 237;
inline constexpr int ToRow = 238;
inline constexpr int Columns = 239;
inline constexpr int ToColumn = 240;
inline constexpr int ProgramHelpTitle = 297;
inline constexpr int EscCancelsAutoAdvance = 611;

// Shared by the dialogs.
inline constexpr int OkButton = 1000;
inline constexpr int YesButton = 1001;
inline constexpr int NoButton = 1002;
inline constexpr int CancelButton = 1003;
inline constexpr int Cancel = 1004;
inline constexpr int Close = 1005;
inline constexpr int Create = 1006;
inline constexpr int CalculatingPressS = 1007;

// The text windows' menus; the matrix windows share the common ones.
inline constexpr int FileMenu = 1100;
inline constexpr int OpenItem = 1101;
inline constexpr int SaveItem = 1102;
inline constexpr int SaveAsItem = 1103;
inline constexpr int PrintItem = 1104;
inline constexpr int MarginsItem = 1105;
inline constexpr int PrinterSetupItem = 1106;
inline constexpr int EditMenu = 1107;
inline constexpr int CopyItem = 1108;
inline constexpr int CutItem = 1109;
inline constexpr int PasteItem = 1110;
inline constexpr int SelectAllItem = 1111;
inline constexpr int SearchMenu = 1112;
inline constexpr int FindItem = 1113;
inline constexpr int FindNextItem = 1114;
inline constexpr int HomeItem = 1115;
inline constexpr int SearchHelpItem = 1116;
inline constexpr int MiscMenu = 1117;
inline constexpr int TextFontItem = 1118;
inline constexpr int MinusSignItem = 1119;
inline constexpr int CloseItem = 1120;

// Printing of the text windows.
inline constexpr int PrintingTitle = 1150;
inline constexpr int PrintingPage = 1151;
inline constexpr int MarginsTitle = 1152;
inline constexpr int TopLeftCorner = 1153;
inline constexpr int Horizontal = 1154;
inline constexpr int Vertical = 1155;
inline constexpr int PdfFileFilter = 1156;

// The matrix windows' menus.
inline constexpr int TextExportItem = 1200;
inline constexpr int TexExportItem = 1201;
inline constexpr int HelpItem = 1202;
inline constexpr int UndoItem = 1203;
inline constexpr int DimensionsItem = 1204;
inline constexpr int RemoveMenu = 1205;
inline constexpr int RowsItem = 1206;
inline constexpr int ColumnsItem = 1207;
inline constexpr int InsertMenu = 1208;
inline constexpr int RowItem = 1209;
inline constexpr int ColumnItem = 1210;
inline constexpr int SwapMenu = 1211;
inline constexpr int AutoAdvanceItem = 1212;
inline constexpr int FormatItem = 1213;
inline constexpr int FontItem = 1214;
inline constexpr int LongMinusItem = 1215;
inline constexpr int BorderColorItem = 1216;
inline constexpr int NotesItem = 1217;
inline constexpr int HideItem = 1218;
inline constexpr int StepBorderColorItem = 1219;
inline constexpr int HighlightColorItem = 1220;

// The matrix windows' dialogs.
inline constexpr int DimensionsTitle = 1300;
inline constexpr int DeleteTitle = 1301;
inline constexpr int SwapColumnsTitle = 1304;
inline constexpr int FirstColumn = 1305;
inline constexpr int SecondColumn = 1306;
inline constexpr int SwapRowsTitle = 1307;
inline constexpr int FirstRow = 1308;
inline constexpr int SecondRow = 1309;
inline constexpr int FormatTitle = 1310;
inline constexpr int DecimalCount = 1311;
inline constexpr int FieldWidth = 1312;
inline constexpr int ScientificNotation = 1313;
inline constexpr int TexMatrixTitle = 1314;
inline constexpr int FirstTexDelimiter = 1315;  // 1315 + delimiter, 4 of them
inline constexpr int FirstTexAlignment = 1319;  // 1319 + alignment, 3 of them
inline constexpr int UpTo = 1322;

// The picture of a matrix as a linear map.
inline constexpr int PictureItem = 1340;
inline constexpr int PictureTitle = 1341;
inline constexpr int OrientationKept = 1342;
inline constexpr int OrientationReversed = 1343;
inline constexpr int PlaneToLine = 1344;   // 1344 ... 1345: to a line, to a point
inline constexpr int SpaceToPlane = 1346;  // 1346 ... 1348: to a plane, a line, a point
inline constexpr int NoRealEigenvector = 1349;
inline constexpr int DefectiveEigenvalue = 1350;
inline constexpr int EveryDirection = 1351;
inline constexpr int SingularValues = 1352;
inline constexpr int ComplexPair = 1353;
inline constexpr int SavePictureItem = 1354;
inline constexpr int PictureFileFilter = 1355;
inline constexpr int DragToTurn = 1356;

// The frame's menus.
inline constexpr int NewMatrixItem = 1400;
inline constexpr int FramePasteItem = 1401;
inline constexpr int RealItem = 1402;
inline constexpr int ComplexItem = 1403;
inline constexpr int IntegerItem = 1404;
inline constexpr int Rotate2DItem = 1405;
inline constexpr int Rotate3DItem = 1406;
inline constexpr int ProjectReflectItem = 1407;
inline constexpr int FormulaItem = 1408;
inline constexpr int UnitaryItem = 1409;
inline constexpr int CopyColumnItem = 1410;
inline constexpr int ComplexCopyColumnItem = 1411;
inline constexpr int WhiteBackgroundItem = 1412;
inline constexpr int OtherWhiteBackgroundItem = 1413;
inline constexpr int MatrixHelpItem = 1414;
inline constexpr int ExitItem = 1415;
inline constexpr int CalculateItem = 1416;
inline constexpr int SolveItem = 1417;
inline constexpr int LinearProgrammingItem = 1418;
inline constexpr int EchelonItem = 1419;
inline constexpr int ComplexEchelonItem = 1420;
inline constexpr int RowOperationsItem = 1421;
inline constexpr int ViewHelpItem = 1422;
inline constexpr int AboutItem = 1423;
inline constexpr int MatrixMenu = 1424;
inline constexpr int ModeMenu = 1425;
inline constexpr int CalcMenu = 1426;
inline constexpr int OneMatrixMenu = 1427;
inline constexpr int ViewMenu = 1428;
inline constexpr int HelpMenu = 1429;

// The frame's dialogs and captions.
inline constexpr int AboutText = 1500;
inline constexpr int MatrixDataTitle = 1501;
inline constexpr int CalculateTitle = 1502;
inline constexpr int NameResult = 1503;
inline constexpr int SolveTitle = 1504;
inline constexpr int SolveButton = 1505;
inline constexpr int Zeros = 1506;
inline constexpr int NullSpaceLabel = 1507;
inline constexpr int SizeLabel = 1508;
inline constexpr int NameLabel = 1509;
inline constexpr int RandomKind = 1510;
inline constexpr int DiagonalValue = 1511;
inline constexpr int RowProbabilities = 1512;
inline constexpr int ColumnProbabilities = 1513;
inline constexpr int LowerBound = 1514;
inline constexpr int UpperBound = 1515;
inline constexpr int EchelonTitle = 1516;
inline constexpr int ForMatrix = 1517;
inline constexpr int FinalButton = 1518;
inline constexpr int StepsButton = 1519;
inline constexpr int RenameButton = 1520;
inline constexpr int SaveAsButton = 1521;
inline constexpr int LinearProgrammingTitle = 1522;
inline constexpr int TimesX = 1523;
inline constexpr int TimesXAtMost = 1524;
inline constexpr int TimesXAtLeast = 1525;
inline constexpr int FindXButton = 1526;
inline constexpr int RightSide = 1527;
inline constexpr int OperationsTitle = 1528;
inline constexpr int LoadAsButton = 1529;
inline constexpr int MultiplyButton = 1530;
inline constexpr int AddButton = 1531;
inline constexpr int SwapButton = 1532;
inline constexpr int And = 1533;
inline constexpr int UndoButton = 1534;
inline constexpr int TimesPrefix = 1535;
inline constexpr int Factor = 1536;
inline constexpr int FormulaTitle = 1550;
inline constexpr int CopyColumnTitle = 1551;
inline constexpr int UnitaryTitle = 1552;
inline constexpr int ProjectReflectTitle = 1553;
inline constexpr int FormulaOfEntries = 1554;
inline constexpr int SourceLabel = 1555;
inline constexpr int ResultNameLabel = 1556;
inline constexpr int RowsLabel = 1557;
inline constexpr int DegreesLabel = 1558;
inline constexpr int AxisLabel = 1559;
inline constexpr int AngleLabel = 1560;
inline constexpr int ComponentsChoice = 1561;
inline constexpr int MatrixChoice = 1562;
inline constexpr int ColumnVectorChoice = 1563;
inline constexpr int ProjectionChoice = 1564;
inline constexpr int ReflectionChoice = 1565;
inline constexpr int PasteCaption = 1600;
inline constexpr int DecimalCommasQuestion = 1601;

// The toolkit's dialogs.
inline constexpr int FontColour = 1620;

// Leaving with unsaved matrices; the characteristic polynomial's progress.
inline constexpr int UnsavedMatrices = 1640;
inline constexpr int SaveAll = 1641;
inline constexpr int Discard = 1642;
inline constexpr int OneByOne = 1643;
inline constexpr int LongPolynomialQuestion = 1644;
inline constexpr int EstimatedTime = 1645;
inline constexpr int MinorProgress = 1646;
inline constexpr int ElapsedTime = 1647;
inline constexpr int Days = 1648;
inline constexpr int Years = 1649;
inline constexpr int OverThousandYears = 1650;

// Worked solutions: the names of their steps and their parts.
inline constexpr int PivotAt = 1730;
inline constexpr int RowLetter = 1731;
inline constexpr int ColumnLetter = 1732;
inline constexpr int SolutionStart = 1733;
inline constexpr int SolutionResult = 1734;
inline constexpr int EnteringLeaving = 1735;

// The answer to a checked step of the row and column operations.
inline constexpr int NotElementary = 1760;
inline constexpr int RowEquivalentNotOneStep = 1761;

// Exact steps in integer mode, and the check of a next step in the
// operations dialog.
inline constexpr int ExactSteps = 1800;
inline constexpr int CheckButton = 1801;
inline constexpr int TakeAsNextStep = 1802;

// Fractions in integer windows; the step windows' strip and their exported
// solutions.
inline constexpr int FractionsItem = 1830;
inline constexpr int ExportSolutionItem = 1831;
inline constexpr int ExportSolutionTitle = 1832;
inline constexpr int TexFragment = 1833;
inline constexpr int TexDocument = 1834;
inline constexpr int PlainText = 1835;
inline constexpr int TexFileFilter = 1836;
inline constexpr int StepNamed = 1838;
inline constexpr int NoStepYet = 1839;
inline constexpr int AllSteps = 1840;

// Names that put their words in another order in another language.
inline constexpr int PlaneRotation = 1900;  // the notes of a rotation matrix and its dialog
inline constexpr int SpaceRotation = 1901;

}  // namespace lorvex::strings::id
