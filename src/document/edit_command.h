// One undoable edit of the codeplug: the editable state before and after it.
#pragma once

#include <QUndoCommand>

#include "document/editable_state.h"

namespace torvik {

class CodeplugDocument;

class EditCommand : public QUndoCommand {
  public:
    EditCommand(CodeplugDocument& document, const QString& name, EditableState before,
                EditableState after);
    void redo() override;
    void undo() override;

  private:
    CodeplugDocument& document_;
    EditableState before_;
    EditableState after_;
};

}  // namespace torvik
