#pragma once

#include <optional>

#include "workspace/matrix_export.h"
#include "workspace/prompter.h"

namespace lorvex {

// The TEXMAT dialog ("TeX matriz"): the delimiter around a TeX matrix and
// the alignment of its entries, parentheses and centred at first.
class TTeXMatDlg {
  public:
    struct Choice {
        TexDelimiter delimiter = TexDelimiter::Parentheses;
        TexAlignment alignment = TexAlignment::Centred;
    };

    explicit TTeXMatDlg(Prompter& prompter) : prompter_(prompter) {}

    // The choice on "ok", nothing on "fechar".
    std::optional<Choice> ask();

  private:
    Prompter& prompter_;
};

}  // namespace lorvex
