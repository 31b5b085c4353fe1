#include "toolkit/text_printing.h"

#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/result_codes.h"
#include "toolkit/margins_dialog.h"
#include "toolkit/text_window.h"
#include "ui/matrix_window_fixture.h"

namespace lorvex {
namespace {

// What pdftotext reads from a PDF file, each page ended by a form feed.
QString pdfText(const QString& path, const QStringList& options = {}) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    return QString::fromUtf8(reader.readAllStandardOutput());
}

TEST(TextPrintingTest, AFormFeedStartsAPageAndAnEmptyTextPrintsNone) {
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "prints into PDF only";
    const QTemporaryDir folder;
    const QString path = folder.filePath("notas.pdf");
    test::ScriptedPrompter prompter;
    TTextWin window{prompter};
    window.setDocumentName("/x/notas.txt", true);

    window.setText("primeira\r\nlinha\fsegunda");
    prompter.expectSaveFile(path.toStdString());
    test::commandAction(window, command::Print)->trigger();
    EXPECT_EQ(prompter.lastProposedName(), "notas.pdf");
    static const QRegularExpression blanks("[ \n]+");
    EXPECT_EQ(pdfText(path).replace(blanks, " ").toStdString(), "primeira linha \fsegunda \f");

    // Nothing to print: no file is asked for.
    window.setText("");
    test::commandAction(window, command::Print)->trigger();
}

TEST(TextPrintingTest, NineInchesOfLinesFitALetterPageWithInchMargins) {
    const QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("linhas.pdf"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {}));
    QString text;
    for (int line = 1; line <= 100; ++line)
        text += QStringLiteral("linha%1\r\n").arg(line);
    const FontSetting font = matrixWindowDefaults().fonts.at(4);
    ASSERT_EQ(printText(printer, {"linhas", text, font, 1.0L, 1.0L, false}, nullptr), code::Ok);

    // Each word's top edge, in points from the top of its page.
    const QString boxes = pdfText(printer.outputFileName(), {"-bbox"});
    std::vector<std::vector<double>> tops;
    static const QRegularExpression tag("<page |yMin=\"([0-9.]+)\"");
    for (auto match = tag.globalMatch(boxes); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (found.captured(1).isEmpty())
            tops.emplace_back();
        else
            tops.back().push_back(found.captured(1).toDouble());
    }
    ASSERT_GE(tops.size(), 2u);
    const std::vector<double>& first = tops[0];
    ASSERT_GE(first.size(), 2u);
    EXPECT_NEAR(first[0], 72.0, 3.0) << "the first line one inch from the top";
    EXPECT_NEAR(tops[1][0], 72.0, 3.0);
    // As many lines as 9 inches (648 points) hold, and no more.
    const double spacing = first[1] - first[0];
    const auto lines = static_cast<double>(first.size());
    EXPECT_LE(lines * spacing, 648.01);
    EXPECT_GT((lines + 1) * spacing, 648.0);
}

TEST(TextPrintingTest, MarginsShowInCentimetresAndRefuseLessThanAQuarterInch) {
    test::ScriptedPrompter prompter;
    TMarginsDlg dialog(nullptr, prompter, 1.0L, 1.0L);
    auto* horizontal = dialog.findChild<QLineEdit*>("213");
    EXPECT_EQ(horizontal->text(), "2.54");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("214")->text(), "2.54");

    horizontal->setText("0.5");
    prompter.expectError("fora dos limites ");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.leftMargin(), 1.0L);

    horizontal->setText("1.27");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_NEAR(static_cast<double>(dialog.leftMargin()), 0.5, 1e-15);
}

TEST(TextPrintingTest, ABlackAndWhitePrinterPrintsGreys) {
    EXPECT_EQ(printedColour(QColor(0xFF0000), false), QColor(216, 216, 216));  // index 4
    EXPECT_EQ(printedColour(QColor(0xFFFFFF), false), QColor(Qt::white));
    EXPECT_EQ(printedColour(QColor(0xFF0000), true), QColor(0xFF0000));
}

}  // namespace
}  // namespace lorvex
