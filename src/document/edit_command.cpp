#include "document/edit_command.h"

#include "document/codeplug_document.h"

namespace torvik {

EditCommand::EditCommand(CodeplugDocument& document, const QString& name, EditableState before,
                         EditableState after)
    : QUndoCommand(name),
      document_(document),
      before_(std::move(before)),
      after_(std::move(after)) {}

void EditCommand::redo() {
    document_.apply(after_, before_);
}

void EditCommand::undo() {
    document_.apply(before_, after_);
}

}  // namespace torvik
