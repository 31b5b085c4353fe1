#pragma once

#include <QDialog>

#include "workspace/window_settings.h"

class QComboBox;
class QFontDialog;

namespace lorvex {

// The font dialog of a toolkit window: Qt's font dialog opened on the font
// the window draws with (the face actually drawn when the one asked for is
// not installed), and below it the colour of the text, one of the palette's
// named colours or the colour the font has.
class TFontDlg : public QDialog {
    Q_OBJECT
  public:
    TFontDlg(QWidget* parent, const QString& title, const FontSetting& current);

    // The font and colour chosen. A face left as it opened keeps the name it
    // was asked for by, so that "ok" without a change changes nothing.
    FontSetting chosen() const;

    QFontDialog* fonts() const { return fonts_; }
    QComboBox* colours() const { return colours_; }

  private:
    FontSetting current_;
    QString shownFamily_;
    QFontDialog* fonts_;
    QComboBox* colours_;
};

}  // namespace lorvex
