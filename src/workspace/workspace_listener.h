#pragma once

namespace lorvex {

class MatrixDocument;

// What the windows must learn about the workspace. The workspace calls these
// after the change has been made; the defaults ignore it.
class WorkspaceListener {
  public:
    virtual ~WorkspaceListener() = default;

    // A new document took a place (its window is to be made and shown).
    virtual void documentCreated(MatrixDocument&) {}
    // The contents, notes or settings of a document changed from outside its
    // window (a result stored into an occupied place, a step shown).
    virtual void documentChanged(MatrixDocument&) {}
    // A document's window is to be shown in its normal state.
    virtual void documentShown(MatrixDocument&) {}
    // The occupied letters of the current mode, the mode or the white
    // background option changed: the letter menus are to be rebuilt.
    virtual void lettersChanged() {}
    // The mode changed (caption, menu set).
    virtual void modeChanged() {}
};

}  // namespace lorvex
