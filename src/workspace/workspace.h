#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/matrix_data.h"
#include "expr/matrix_source.h"
#include "workspace/matrix_document.h"
#include "workspace/prompter.h"
#include "workspace/workspace_listener.h"

namespace lorvex {

// The three modes, each with its own 26 lettered places.
enum class WorkspaceMode : std::int32_t { Real = 0, Complex = 1, Integer = 2 };

// The extension of a kind's matrix files ("fma", "cma", "ima"), and the
// number of the string that describes them for the file dialogs.
std::string_view matrixFileExtension(ElementKind kind);
int matrixFileFilterString(ElementKind kind);

// The element kind that a mode's places hold, and back.
ElementKind elementKindOf(WorkspaceMode mode);
WorkspaceMode modeOf(ElementKind kind);

// A rows x cols zero matrix as a document of the kind holds it: an
// IntegerMatrix, a RealMatrix or a ComplexMatrix.
MatrixData zeroMatrix(ElementKind kind, std::int32_t rows, std::int32_t cols);

// The three display documents of the step procedures.
enum class StepDocument { LinearProgramming = 0, Echelon = 1, Operations = 2 };

// The frame's register of matrices: 3 x 26 lettered places, the current mode,
// and the step documents. Letters are numbered 1 = A ... 26 = Z.
class Workspace : public MatrixSource {
  public:
    static constexpr std::int32_t kLetters = 26;

    explicit Workspace(Prompter& prompter);

    void setListener(WorkspaceListener* listener) { listener_ = listener; }
    Prompter& prompter() { return prompter_; }

    WorkspaceMode Mode() const { return mode_; }
    // Switches the mode; nothing happens when it is already the mode.
    void setMode(WorkspaceMode mode);
    // Set once a document was created in that mode's places, never cleared.
    bool ModeUsed(WorkspaceMode mode) const { return modeUsed_[index(mode)]; }
    bool WhiteBackground() const { return whiteBackground_; }
    void toggleWhiteBackground();

    // The document in a place of a mode's array (of the current mode's
    // without one), or null for an empty place.
    MatrixDocument* slot(WorkspaceMode mode, std::int32_t letterNo) const;
    MatrixDocument* slot(std::int32_t letterNo) const { return slot(mode_, letterNo); }
    // The occupied letters of the current mode, A first.
    std::vector<std::int32_t> occupiedLetters() const;

    // The calculation language's letters: a copy of the matrix stored under
    // 'A' ... 'Z' in the current mode, or code::NotFound.
    [[nodiscard]] int matrixFor(char letter, MatrixData& copy) const override;

    // The first empty place of a mode's array (the current mode's without
    // one), else the first hidden one, else 0.
    std::int32_t FindFreeLetter(WorkspaceMode mode) const;
    std::int32_t FindFreeLetter() const { return FindFreeLetter(mode_); }

    struct Placement {
        // code::Ok, code::NoMoreRoom or code::OutOfMemory (nothing stored, the
        // place as it was), or the file's read code when it could not be read
        // (nothing stored; an occupied place keeps its matrix).
        int code = 0;
        bool stored = false;                 // false also when the overwrite was refused
        MatrixDocument* document = nullptr;  // the document stored into
    };
    // Stores a matrix into the place of `letterNo` (0 or less: a free letter of
    // that array) in the array of `kind`, whatever the current mode. An
    // empty place gets a new document named "mat<letter>.<extension>"; an
    // occupied one is replaced after the overwrite question. A non-empty `name`
    // is a matrix file read into the document instead of `entries`; a new
    // document made from a file has nothing to undo.
    [[nodiscard]] Placement PlaceMatrix(ElementKind kind, const std::string& name,
                                        std::int32_t letterNo, const MatrixData& entries);

    // Shows the place's document and clears its Hidden flag; an empty place
    // gets a 3 x 3 zero matrix. Returns the result code of that creation.
    [[nodiscard]] int ViewLetter(std::int32_t letterNo);

    // True when a document of any place or a step document is modified.
    bool AnyUnsaved() const;
    void MarkAllSaved();

    // Shows a matrix in a step document with its caption and highlighted
    // entry (-1, -1 for none). The step document takes the kind of what it
    // shows (integer for an IntegerMatrix, real otherwise) and keeps no undo
    // history. When
    // memory runs out it throws std::bad_alloc with the document as it was.
    void showStep(StepDocument which, const MatrixData& contents, std::string title,
                  std::int32_t highlightRow, std::int32_t highlightCol);

    MatrixDocument& stepDocument(StepDocument which) {
        return *stepDocuments_[static_cast<std::size_t>(which)];
    }

    // The default document name of a new matrix: mat10.fma for J in the real array.
    static std::string defaultDocumentName(ElementKind kind, std::int32_t letterNo);

  private:
    static std::size_t index(WorkspaceMode mode) { return static_cast<std::size_t>(mode); }
    // The document of an empty place, before it takes the place: code::Ok,
    // or the read code of a file that cannot be read. May throw
    // std::bad_alloc.
    [[nodiscard]] int makeDocument(ElementKind kind, const std::string& name, std::int32_t letterNo,
                                   const MatrixData& entries,
                                   std::unique_ptr<MatrixDocument>& made) const;
    void notifyLettersChanged();

    Prompter& prompter_;
    WorkspaceListener* listener_ = nullptr;
    WorkspaceMode mode_ = WorkspaceMode::Complex;
    std::array<bool, 3> modeUsed_{};
    bool whiteBackground_ = false;
    std::array<std::array<std::unique_ptr<MatrixDocument>, kLetters>, 3> slots_;
    std::array<std::unique_ptr<MatrixDocument>, 3> stepDocuments_;
};

}  // namespace lorvex
