#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <string>
#include <vector>

#include "engine/linear_map_picture.h"

namespace lorvex {

class MatrixDocument;
class Prompter;

// The window that draws a matrix as a linear map of the plane or of space,
// following the matrix as it changes. Dragging turns the picture of a
// 3 x 3 matrix; "&Salvar figura ..." writes it as PNG or SVG.
class PictureWindow : public QMainWindow {
    Q_OBJECT
  public:
    PictureWindow(MatrixDocument& document, Prompter& prompter, QWidget* parent = nullptr);

    // Draws the matrix as it is now under the title; false (and nothing
    // drawn) when it is not a real 2 x 2 or 3 x 3 matrix.
    bool refresh(const QString& title);

    const LinearMapPicture& picture() const { return picture_; }
    const std::vector<std::string>& statements() const { return statements_; }
    SpaceView view() const { return view_; }

    // The picture at this size, as the window draws it.
    QImage rendered(QSize size) const;
    // A ".svg" path gets SVG, any other PNG; false when it was not written.
    bool saveTo(const QString& path) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void rebuild();
    void askSave();

    MatrixDocument& document_;
    Prompter& prompter_;
    std::vector<double> entries_;
    SpaceView view_;
    LinearMapPicture picture_;
    std::vector<std::string> statements_;
    QPoint dragFrom_;
};

}  // namespace lorvex
