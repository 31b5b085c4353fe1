#pragma once

#include <QDialog>

class QLineEdit;

namespace lorvex {

class Prompter;

// The printing margins of a text window (PRNSPX0): the top-left corner of
// the text on the paper, shown and typed in centimetres and kept in inches.
// "ok" with a margin under a quarter inch says "fora dos limites " and the
// dialog stays open; "cancelar" leaves the margins as they were.
class TMarginsDlg : public QDialog {
    Q_OBJECT
  public:
    TMarginsDlg(QWidget* parent, Prompter& prompter, long double leftMargin, long double topMargin);

    long double leftMargin() const { return leftMargin_; }
    long double topMargin() const { return topMargin_; }

    void accept() override;

  private:
    Prompter& prompter_;
    long double leftMargin_;
    long double topMargin_;
    QLineEdit* horizontal_;
    QLineEdit* vertical_;
};

}  // namespace lorvex
