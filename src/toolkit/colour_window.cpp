#include "toolkit/colour_window.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "toolkit/commands.h"
#include "toolkit/palette.h"
#include "toolkit/qt_text.h"

namespace lorvex {
namespace {

// The swatches lie on a grid of eighths of the area: index 0 alone in row 0,
// then four rows of six (1 ... 24) in columns 1 ... 6; rows are counted from
// the third eighth down.
constexpr int kGrid = 8;
constexpr int kFirstSwatchRow = 2;
constexpr int kColumns = 6;
constexpr int kRows = 4;

class SwatchArea : public QWidget {
  public:
    explicit SwatchArea(TColWin* window) : QWidget(window), window_(window) {
        setObjectName(QStringLiteral("swatches"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.setPen(Qt::black);
        for (int index = 0; index < palette::kSize; ++index) {
            const QRect swatch = TColWin::swatchRect(index, size());
            painter.fillRect(swatch, window_->colour(index));
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
        const QRect current = TColWin::currentColourRect(size());
        painter.fillRect(current, window_->colour(window_->currentIndex()));
        painter.drawRect(current.adjusted(0, 0, -1, -1));
    }

    void mousePressEvent(QMouseEvent* event) override {
        const int index = TColWin::indexAt(event->position().toPoint(), size());
        if (index >= 0) window_->choose(index);
    }

  private:
    TColWin* window_;
};

}  // namespace

TColWin::TColWin(QWidget* owner) : QMainWindow(owner, Qt::Window) {
    setCentralWidget(new SwatchArea(this));
    QAction* close = menuBar()->addAction(uiString(strings::id::CloseItem));
    close->setObjectName(QStringLiteral("command%1").arg(command::Hide));
    connect(close, &QAction::triggered, this, &QWidget::hide);
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const int width = screen->geometry().width();
        setGeometry(width / 4, 40 + menuBar()->sizeHint().height(), width / 6, width / 6);
    }
}

void TColWin::showForRole(int role, const QString& name, int currentIndex,
                          std::span<const PaletteColour> replacement) {
    role_ = role;
    current_ = currentIndex;
    replacement_.assign(replacement.begin(), replacement.end());
    setWindowTitle(name);
    centralWidget()->update();
    showNormal();
    raise();
    activateWindow();
}

QColor TColWin::colour(int index) const {
    return palette::color(index, replacement_);
}

void TColWin::choose(int index) {
    current_ = index;
    centralWidget()->update();
    emit colourChosen(role_, index);
}

int TColWin::indexAt(QPoint point, QSize area) {
    const int cw = area.width() / kGrid;
    const int ch = area.height() / kGrid;
    if (cw <= 0 || ch <= 0 || point.x() < 0 || point.y() < 0) return -1;
    const int column = point.x() / cw;
    const int row = point.y() / ch - kFirstSwatchRow;
    if (row == 0) return column == 1 ? 0 : -1;
    if (row < 1 || row > kRows || column < 1 || column > kColumns) return -1;
    return (row - 1) * kColumns + column;
}

QRect TColWin::swatchRect(int index, QSize area) {
    const int cw = area.width() / kGrid;
    const int ch = area.height() / kGrid;
    const int column = index == 0 ? 1 : (index - 1) % kColumns + 1;
    const int row = index == 0 ? 0 : (index - 1) / kColumns + 1;
    const int top = (row + kFirstSwatchRow) * ch;
    return QRect(QPoint(column * cw, top), QPoint((column + 1) * cw, top + ch));
}

QRect TColWin::currentColourRect(QSize area) {
    const int cw = area.width() / kGrid;
    const int ch = area.height() / kGrid;
    return QRect(QPoint(3 * cw, ch), QPoint(5 * cw - 1, 2 * ch - 1));
}

}  // namespace lorvex
