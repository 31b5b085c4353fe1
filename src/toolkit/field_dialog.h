#pragma once

#include <QDialog>
#include <vector>

#include "workspace/prompter.h"

class QCheckBox;
class QLineEdit;

namespace lorvex {

// The toolkit's generic dialog of labelled edit fields (ids 211 ... 217 in
// order), with an optional check box, "ok" and "cancelar".
class TGenDlg : public QDialog {
    Q_OBJECT
  public:
    TGenDlg(QWidget* parent, const Prompter::FieldsRequest& request);

    Prompter::FieldsAnswer answer() const;

  private:
    std::vector<QLineEdit*> edits_;
    QCheckBox* check_ = nullptr;
};

}  // namespace lorvex
