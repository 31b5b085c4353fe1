// A matrix document read from and written to its matrix file.

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/matrix_document.h"
#include "workspace/matrix_file.h"
#include "workspace/matrix_limits.h"

namespace lorvex {
namespace {

int wrongExtensionCode(ElementKind kind) {
    switch (kind) {
        case ElementKind::Complex:
            return code::NeedsCmaExtension;
        case ElementKind::Integer:
            return code::NeedsImaExtension;
        case ElementKind::Real:
            break;
    }
    return code::NeedsFmaExtension;
}

}  // namespace

// Everything that allocates is made first; the document changes only once
// nothing can fail any more.
int MatrixDocument::readFile(const std::string& path, History history) {
    MatrixFile file;
    const int rc = readMatrixFile(path, static_cast<std::int32_t>(kind_), file);
    if (rc != code::Ok) return rc;
    MatrixData contents = contentsFrom(std::move(file.entries));
    // An older or foreign file may hold fewer fonts or colour roles; the
    // document keeps its own for those.
    completeWindowSettings(file.window, settings_);
    std::string name = path;
    if (history == History::Record) push(snapshot(TUndoRec::ContentsReplaced));

    data_ = std::move(contents);
    decimals_ = static_cast<std::int16_t>(file.decimals);
    fieldWidth_ = static_cast<std::int16_t>(file.fieldWidth);
    displayWidthChanged();
    sciNotation_ = file.sciNotation;
    if (file.notesPresent) notes_ = std::move(file.notes);
    settings_ = std::move(file.window);
    setDocumentName(std::move(name), true);
    modified_ = false;
    return code::Ok;
}

int MatrixDocument::writeFile(const std::string& path) {
    // Opening takes the kind from the extension: a file under any other name
    // could never be opened again as this matrix.
    if (matrixKindForPath(path) != static_cast<std::int32_t>(kind_)) {
        return wrongExtensionCode(kind_);
    }
    // A file that its reader would refuse would lose the matrix on reopening.
    if (static_cast<std::int64_t>(Rows()) * Cols() > kMaxMatrixEntries) {
        return code::CannotSaveFile;
    }
    return runGuarded([&] {
        MatrixFile file;
        file.window = settings_;
        file.rows = Rows();
        file.cols = Cols();
        file.kind = static_cast<std::int32_t>(kind_);
        file.fieldWidth = fieldWidth_;
        file.decimals = decimals_;
        file.sciNotation = sciNotation_;
        file.entries = matrixData();
        file.notesPresent = true;
        file.notes = notes_;
        const int rc = writeMatrixFile(path, file);
        if (rc != code::Ok) return rc;
        setDocumentName(path, true);
        modified_ = false;
        return code::Ok;
    });
}

}  // namespace lorvex
