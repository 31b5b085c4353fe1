#pragma once

#include <QDialog>
#include <vector>

#include "workspace/prompter.h"

class QButtonGroup;

namespace lorvex {

// The toolkit's dialog of radio-button groups: one option is chosen in each
// group, then "ok" or the closing button ("cancelar", or "fechar" for the
// TeX export).
class TChoiceDlg : public QDialog {
    Q_OBJECT
  public:
    TChoiceDlg(QWidget* parent, const Prompter::ChoicesRequest& request);

    // The index of the option checked in each group.
    std::vector<int> chosen() const;

  private:
    std::vector<QButtonGroup*> groups_;
};

}  // namespace lorvex
