#include "matwin/picture_window.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "engine/result_codes.h"
#include "matwin/picture_painting.h"
#include "toolkit/qt_text.h"
#include "toolkit/save_questions.h"
#include "workspace/matrix_document.h"
#include "workspace/picture_statements.h"
#include "workspace/prompter.h"

namespace lorvex {
namespace {

// Degrees the view turns per pixel dragged.
constexpr double kTurnPerPixel = 0.5;

// The width of a saved picture, in pixels.
constexpr int kFileWidth = 800;

}  // namespace

PictureWindow::PictureWindow(MatrixDocument& document, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent, Qt::Window), document_(document), prompter_(prompter) {
    QMenu* file = menuBar()->addMenu(uiString(strings::id::FileMenu));
    connect(file->addAction(uiString(strings::id::SavePictureItem)), &QAction::triggered, this,
            &PictureWindow::askSave);
    resize(560, 680);
}

bool PictureWindow::refresh(const QString& title) {
    const std::optional<std::vector<double>> entries = pictureEntries(document_.matrixData());
    if (!entries) return false;
    entries_ = *entries;
    setWindowTitle(uiString(strings::id::PictureTitle).arg(title));
    rebuild();
    return true;
}

void PictureWindow::rebuild() {
    picture_ = linearMapPicture(entries_, view_);
    statements_ = pictureStatements(picture_);
    if (picture_.dimension == 3) statements_.emplace_back(strings::byId(strings::id::DragToTurn));
    update();
}

QImage PictureWindow::rendered(QSize size) const {
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    paintPicture(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture_, statements_);
    return image;
}

bool PictureWindow::saveTo(const QString& path) const {
    const QSize size(kFileWidth, kFileWidth + 40 * static_cast<int>(statements_.size()));
    if (!path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return rendered(size).save(path, "PNG");
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(windowTitle());
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    paintPicture(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture_, statements_);
    return painter.end();
}

void PictureWindow::askSave() {
    const std::optional<std::string> path = askSavePath(
        prompter_, strings::byId(strings::id::PictureFileFilter), "PNG", localized("figura.png"));
    if (path && !saveTo(toQString(*path))) showError(prompter_, code::CannotSaveFile);
}

void PictureWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int top = menuBar()->isVisible() ? menuBar()->height() : 0;
    paintPicture(painter, QRectF(0, top, width(), height() - top), picture_, statements_);
}

void PictureWindow::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position().toPoint();
}

void PictureWindow::mouseMoveEvent(QMouseEvent* event) {
    if (picture_.dimension != 3 || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint now = event->position().toPoint();
    view_.turn += kTurnPerPixel * (now.x() - dragFrom_.x());
    view_.tilt = std::clamp(view_.tilt + kTurnPerPixel * (now.y() - dragFrom_.y()), -89.0, 89.0);
    dragFrom_ = now;
    rebuild();
}

}  // namespace lorvex
