#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>
#include <vector>

#include "workspace/window_settings.h"

namespace lorvex {

// The window in which the user picks one of the palette's colours for a
// colour role of its owner: the 25 swatches and, large, the colour the role
// has now. A click on a swatch gives the role that colour at once; a click
// anywhere else changes nothing. One colour window serves all the roles of
// its owner.
class TColWin : public QMainWindow {
    Q_OBJECT
  public:
    explicit TColWin(QWidget* owner = nullptr);

    // Shows the palette for a role, titled with the role's name, with the
    // colours of the owner's settings record in place of the named ones.
    void showForRole(int role, const QString& name, int currentIndex,
                     std::span<const PaletteColour> replacement = {});
    int role() const { return role_; }
    int currentIndex() const { return current_; }
    QColor colour(int index) const;
    // The area that shows the swatches.
    QWidget* swatches() const { return centralWidget(); }

    // The palette index under a point of a swatch area of this size, or -1
    // between the swatches.
    static int indexAt(QPoint point, QSize area);
    // Where a palette index is drawn in a swatch area of this size.
    static QRect swatchRect(int index, QSize area);
    // Where the role's present colour is drawn.
    static QRect currentColourRect(QSize area);

    // A click chose a palette index (also the one the role had already).
    void choose(int index);

  signals:
    void colourChosen(int role, int index);

  private:
    int role_ = 0;
    int current_ = 0;
    std::vector<PaletteColour> replacement_;
};

}  // namespace lorvex
