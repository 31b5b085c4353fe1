#include "matwin/tex_mat_dialog.h"

#include <algorithm>

namespace lorvex {

std::optional<TTeXMatDlg::Choice> TTeXMatDlg::ask() {
    const Choice initial;
    const std::optional<std::vector<int>> chosen = prompter_.askChoices(
        {"TeX matriz",
         {{" matriz", "( matriz)", "[ matriz ]", "| matriz |"},
          {"entrada ....", ".. entrada ..", ".... entrada"}},
         {static_cast<int>(initial.delimiter), static_cast<int>(initial.alignment)},
         "fechar"});
    if (!chosen || chosen->size() != 2) return std::nullopt;
    return Choice{static_cast<TexDelimiter>(std::clamp((*chosen)[0], 0, 3)),
                  static_cast<TexAlignment>(std::clamp((*chosen)[1], 0, 2))};
}

}  // namespace lorvex
