#include "workspace/workspace.h"

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {

std::string_view matrixFileExtension(ElementKind kind) {
    switch (kind) {
        case ElementKind::Complex:
            return "cma";
        case ElementKind::Integer:
            return "ima";
        case ElementKind::Real:
            break;
    }
    return "fma";
}

int matrixFileFilterString(ElementKind kind) {
    switch (kind) {
        case ElementKind::Complex:
            return strings::id::ComplexMatrixFilter;
        case ElementKind::Integer:
            return strings::id::IntegerMatrixFilter;
        case ElementKind::Real:
            break;
    }
    return strings::id::RealMatrixFilter;
}

ElementKind elementKindOf(WorkspaceMode mode) {
    switch (mode) {
        case WorkspaceMode::Real:
            return ElementKind::Real;
        case WorkspaceMode::Complex:
            return ElementKind::Complex;
        case WorkspaceMode::Integer:
            return ElementKind::Integer;
    }
    return ElementKind::Real;
}

MatrixData zeroMatrix(ElementKind kind, std::int32_t rows, std::int32_t cols) {
    if (kind == ElementKind::Integer) return IntegerMatrix(rows, cols);
    if (kind == ElementKind::Real) return RealMatrix(rows, cols);
    return ComplexMatrix(rows, cols);
}

WorkspaceMode modeOf(ElementKind kind) {
    switch (kind) {
        case ElementKind::Real:
            return WorkspaceMode::Real;
        case ElementKind::Complex:
            return WorkspaceMode::Complex;
        case ElementKind::Integer:
            return WorkspaceMode::Integer;
    }
    return WorkspaceMode::Real;
}

Workspace::Workspace(Prompter& prompter) : prompter_(prompter) {
    static constexpr std::string_view kStepNames[] = {"lp.fma", "ech.fma", "oper.fma"};
    static constexpr int kStepTitles[] = {strings::id::LinearProgrammingData,
                                          strings::id::EchelonForm, strings::id::Operations};
    for (std::size_t i = 0; i < stepDocuments_.size(); ++i) {
        stepDocuments_[i] =
            std::make_unique<MatrixDocument>(0, ElementKind::Real, RealMatrix(3, 3));
        stepDocuments_[i]->setDocumentName(std::string(kStepNames[i]), false);
        stepDocuments_[i]->setTitle(std::string(strings::byId(kStepTitles[i])));
    }
    // A complex factor makes the operations' entries complex; undo needs them whole.
    stepDocument(StepDocument::Operations).keepImaginaryParts();
}

void Workspace::showStep(StepDocument which, const MatrixData& contents, std::string title,
                         std::int32_t highlightRow, std::int32_t highlightCol) {
    MatrixDocument& document = stepDocument(which);
    // A default name follows the kind, so that the file saved opens again as
    // this matrix: "ech.ima" for an exact run.
    std::string name = document.documentName();
    if (!document.named()) {
        const ElementKind kind = std::holds_alternative<IntegerMatrix>(contents)
                                     ? ElementKind::Integer
                                     : ElementKind::Real;
        name = name.substr(0, name.rfind('.') + 1) + std::string(matrixFileExtension(kind));
    }
    // The contents go first: when memory runs out there, nothing has changed.
    document.showStepContents(contents);
    document.setDocumentName(std::move(name), document.named());
    document.setHighlight(highlightRow, highlightCol);
    document.setTitle(std::move(title));
    if (listener_ != nullptr) listener_->documentChanged(document);
}

void Workspace::setMode(WorkspaceMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    if (listener_ != nullptr) listener_->modeChanged();
    notifyLettersChanged();
}

void Workspace::toggleWhiteBackground() {
    whiteBackground_ = !whiteBackground_;
    notifyLettersChanged();
}

MatrixDocument* Workspace::slot(WorkspaceMode mode, std::int32_t letterNo) const {
    if (letterNo < 1 || letterNo > kLetters) return nullptr;
    return slots_[index(mode)][static_cast<std::size_t>(letterNo - 1)].get();
}

int Workspace::matrixFor(char letter, MatrixData& copy) const {
    const MatrixDocument* document = slot(letter - 'A' + 1);
    if (document == nullptr) return code::NotFound;
    copy = document->matrixData();
    return code::Ok;
}

std::vector<std::int32_t> Workspace::occupiedLetters() const {
    std::vector<std::int32_t> letters;
    for (std::int32_t letter = 1; letter <= kLetters; ++letter) {
        if (slot(letter) != nullptr) letters.push_back(letter);
    }
    return letters;
}

std::int32_t Workspace::FindFreeLetter(WorkspaceMode mode) const {
    for (std::int32_t letter = 1; letter <= kLetters; ++letter) {
        if (slot(mode, letter) == nullptr) return letter;
    }
    for (std::int32_t letter = 1; letter <= kLetters; ++letter) {
        if (slot(mode, letter)->Hidden()) return letter;
    }
    return 0;
}

std::string Workspace::defaultDocumentName(ElementKind kind, std::int32_t letterNo) {
    return "mat" + std::to_string(letterNo) + "." + std::string(matrixFileExtension(kind));
}

Workspace::Placement Workspace::PlaceMatrix(ElementKind kind, const std::string& name,
                                            std::int32_t letterNo, const MatrixData& entries) {
    // The letter is free where the matrix goes, not only in the mode shown.
    if (letterNo < 1) letterNo = FindFreeLetter(modeOf(kind));
    if (letterNo < 1) return {code::NoMoreRoom, false, nullptr};

    auto& place = slots_[index(modeOf(kind))][static_cast<std::size_t>(letterNo - 1)];
    if (place == nullptr) {
        std::unique_ptr<MatrixDocument> document;
        if (const int rc =
                runGuarded([&] { return makeDocument(kind, name, letterNo, entries, document); });
            rc != code::Ok) {
            return {rc, false, nullptr};
        }
        place = std::move(document);
        modeUsed_[index(modeOf(kind))] = true;
        if (listener_ != nullptr) listener_->documentCreated(*place);
        notifyLettersChanged();
    } else {
        if (!confirmOverwrite(prompter_)) return {code::Ok, false, place.get()};
        // A replacement that fails, for want of memory or because the file
        // does not read, leaves the place with its matrix, and the user
        // learns why nothing came.
        if (const int rc = runGuarded([&] {
                if (!name.empty()) return place->readFile(name);
                place->replaceContents(entries);
                return code::Ok;
            });
            rc != code::Ok) {
            return {rc, false, place.get()};
        }
        if (listener_ != nullptr) listener_->documentChanged(*place);
    }
    if (listener_ != nullptr) listener_->documentShown(*place);
    return {code::Ok, true, place.get()};
}

int Workspace::makeDocument(ElementKind kind, const std::string& name, std::int32_t letterNo,
                            const MatrixData& entries,
                            std::unique_ptr<MatrixDocument>& made) const {
    auto document =
        std::make_unique<MatrixDocument>(whiteBackground_ ? -letterNo : letterNo, kind, entries);
    document->setDocumentName(defaultDocumentName(kind, letterNo), false);
    // The block the document was made with is no state of the user's, so
    // the file replaces it without an undo record. A file that cannot be
    // read stores nothing: a matrix of zeros would pass for its contents.
    if (!name.empty()) {
        if (const int rc = document->readFile(name, MatrixDocument::History::Skip); rc != code::Ok)
            return rc;
    }
    document->setModified(name.empty());
    made = std::move(document);
    return code::Ok;
}

int Workspace::ViewLetter(std::int32_t letterNo) {
    if (MatrixDocument* document = slot(letterNo)) {
        document->setHidden(false);
        if (listener_ != nullptr) listener_->documentShown(*document);
        return code::Ok;
    }
    const Placement placement =
        PlaceMatrix(elementKindOf(mode_), "", letterNo, zeroMatrix(elementKindOf(mode_), 3, 3));
    if (placement.stored)
        placement.document->setNotes(std::string(strings::byId(strings::id::ZerosDescription)));
    return placement.code;
}

bool Workspace::AnyUnsaved() const {
    for (const auto& places : slots_) {
        for (const auto& document : places) {
            if (document != nullptr && document->modified()) return true;
        }
    }
    for (const auto& document : stepDocuments_) {
        if (document->modified()) return true;
    }
    return false;
}

void Workspace::MarkAllSaved() {
    for (auto& places : slots_) {
        for (auto& document : places) {
            if (document != nullptr) document->setModified(false);
        }
    }
    for (auto& document : stepDocuments_)
        document->setModified(false);
}

void Workspace::notifyLettersChanged() {
    if (listener_ != nullptr) listener_->lettersChanged();
}

}  // namespace lorvex
