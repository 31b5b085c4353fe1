#include "matwin/tex_mat_dialog.h"

#include <algorithm>
#include <string>

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

std::vector<std::string> texts(int first, int count) {
    std::vector<std::string> result;
    for (int id = first; id < first + count; ++id)
        result.emplace_back(strings::byId(id));
    return result;
}

}  // namespace

std::optional<TTeXMatDlg::Choice> TTeXMatDlg::ask() {
    const Choice initial;
    const std::optional<std::vector<int>> chosen = prompter_.askChoices(
        {std::string(strings::byId(strings::id::TexMatrixTitle)),
         {texts(strings::id::FirstTexDelimiter, 4), texts(strings::id::FirstTexAlignment, 3)},
         {static_cast<int>(initial.delimiter), static_cast<int>(initial.alignment)},
         std::string(strings::byId(strings::id::Close))});
    if (!chosen || chosen->size() != 2) return std::nullopt;
    return Choice{static_cast<TexDelimiter>(std::clamp((*chosen)[0], 0, 3)),
                  static_cast<TexAlignment>(std::clamp((*chosen)[1], 0, 2))};
}

}  // namespace lorvex
