// The matrix window's settings: "lorv.ini", the placement, the entries' font
// and the colour roles.

#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "matwin/matrix_view.h"
#include "matwin/matrix_window.h"
#include "matwin/picture_window.h"
#include "toolkit/colour_window.h"
#include "toolkit/fonts.h"
#include "toolkit/note_window.h"
#include "toolkit/palette.h"
#include "toolkit/qt_text.h"
#include "toolkit/text_window.h"
#include "workspace/matrix_file.h"
#include "workspace/prompter.h"

namespace lorvex {
namespace {

constexpr std::size_t kBackgroundRole = 0;
constexpr std::size_t kHighlightRole = 4;
constexpr std::size_t kBorderRole = 9;

}  // namespace

TMatWin::~TMatWin() = default;

// The settings of the last matrix window closed become this window's, unless
// its matrix came from a file, which brought its own.
void TMatWin::readSettingsFile() {
    if (options_.settingsFolder.empty() || options_.useDefaults) return;
    MatrixWindowSettings read = settingsFile_;
    read.window = document_.settings();
    if (const int rc = readMatrixWindowSettings(options_.settingsFolder, read); rc != code::Ok) {
        showError(prompter_, rc);
        return;
    }
    completeWindowSettings(read.window, defaultWindowSettings());
    settingsFile_ = read;
    if (!document_.named()) document_.settings() = read.window;
}

// A file of another kind, or one that cannot be read, leaves the matrix the
// window was made with.
void TMatWin::openLastDocument() {
    if (!options_.openLastDoc || document_.named() || settingsFile_.lastDocumentName.empty())
        return;
    const std::string& name = settingsFile_.lastDocumentName;
    if (matrixKindForPath(name) != static_cast<std::int32_t>(document_.Kind())) return;
    static_cast<void>(
        runGuarded([&] { return document_.readFile(name, MatrixDocument::History::Skip); }));
}

void TMatWin::writeSettingsFile() {
    if (options_.settingsFolder.empty()) return;
    recordPlacement();
    settingsFile_.window = document_.settings();
    settingsFile_.lastDocumentName = document_.named() ? document_.documentName() : std::string();
    // A settings file that cannot be written is skipped without a message.
    static_cast<void>(writeMatrixWindowSettings(options_.settingsFolder, settingsFile_));
}

// A window that was never on the screen keeps the rectangle it was given.
void TMatWin::recordPlacement() {
    if (!placed_) return;
    const QRect rect = isMaximized() ? normalGeometry() : geometry();
    WindowSettings& settings = document_.settings();
    settings.rect = {rect.x(), rect.y(), rect.width(), rect.height()};
    settings.zoomed = isMaximized();
}

void TMatWin::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        placeFromSettings();
    }
    QMainWindow::setVisible(visible);
}

// A little way from the top left corner of the screen, below a caption and a
// menu bar.
QPoint TMatWin::defaultCorner() {
    const auto draw = [this](std::uint32_t range) {
        return options_.random != nullptr ? static_cast<int>(options_.random->next() % range) : 0;
    };
    const int left = draw(80);
    return {left, draw(30) + menuBar()->sizeHint().height()};
}

bool TMatWin::rectFitsScreen() const {
    const QScreen* screen = this->screen();
    return screen != nullptr && fitsOnScreen(document_.settings().rect, screen->geometry().width(),
                                             screen->geometry().height());
}

bool TMatWin::hasOwnPlace() const {
    return document_.named() && rectFitsScreen();
}

// A matrix read from a file whose rectangle is not on the screen gets a
// square of half the screen width. Any other window takes the size of the
// last one closed, else 2/5 by 1/4 of the screen width, widened and
// heightened to show three columns and three rows of its matrix, within
// the screen. Its place is the frame's to choose (a little way from the
// top left corner of the screen until then).
void TMatWin::placeByDefault() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) return;
    const QSize screenSize = screen->availableGeometry().size();
    const int screenWidth = screen->geometry().width();
    QSize size;
    if (document_.named()) {
        size = QSize(screenWidth / 2, screenWidth / 2);
    } else if (rectFitsScreen()) {
        size = QSize(document_.settings().rect.width, document_.settings().rect.height);
    } else {
        const QSize needed =
            view_->sizeShowing(std::min(document_.Cols(), 3), std::min(document_.Rows(), 3)) +
            QSize(0, menuBar()->sizeHint().height());
        size = QSize(screenWidth * 2 / 5, screenWidth / 4).expandedTo(needed).boundedTo(screenSize);
    }
    setGeometry(QRect(defaultCorner(), size));
}

// At the first showing, a matrix from a file takes its remembered rectangle
// when that lies on the screen.
void TMatWin::placeFromSettings() {
    if (!hasOwnPlace()) return;
    const WindowRect& rect = document_.settings().rect;
    setGeometry(rect.x, rect.y, rect.width, rect.height);
}

void TMatWin::settingsChanged() {
    const WindowSettings& settings = document_.settings();
    const int background = settings.colourRoles[kBackgroundRole];
    view_->setColors(
        backgroundFor(document_.LetterNo(), document_.whiteBackground()),
        colourFromRecord(settings.fonts[kEntryFont].colour),
        palette::textColor(settings.colourRoles[kHighlightRole], background, settings.palette),
        palette::textColor(settings.colourRoles[kBorderRole], background, settings.palette));
    view_->setEntryFont(toQFont(settings.fonts[kEntryFont].font));
}

void TMatWin::chooseFont() {
    const std::optional<FontSetting> chosen =
        prompter_.askFont({std::string(strings::byId(strings::id::MatrixEntry)),
                           document_.settings().fonts[kEntryFont]});
    if (!chosen) return;
    document_.settings().fonts[kEntryFont] = *chosen;
    document_.setModified(true);
    if (textWindow_) textWindow_->setTextFont(*chosen);
    settingsChanged();
}

void TMatWin::chooseBorderColour() {
    chooseColour(kBorderRole, strings::id::Border);
}

void TMatWin::chooseHighlightColour() {
    chooseColour(kHighlightRole, strings::id::HighlightedEntry);
}

void TMatWin::chooseColour(std::size_t role, int labelId) {
    if (!colourWindow_) {
        colourWindow_ = std::make_unique<TColWin>();
        connect(colourWindow_.get(), &TColWin::colourChosen, this, [this](int chosen, int index) {
            document_.settings().colourRoles.at(static_cast<std::size_t>(chosen)) =
                static_cast<std::int16_t>(index);
            settingsChanged();
        });
    }
    colourWindow_->showForRole(static_cast<int>(role), uiString(labelId),
                               document_.settings().colourRoles[role],
                               document_.settings().palette);
}

}  // namespace lorvex
