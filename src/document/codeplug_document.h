// CodeplugDocument: the window's one owner of every change to the codeplug. Editors, the
// clipboard and the file and radio commands hand it their changes; each edit becomes one step
// on its undo stack, and every view learns what changed from its signals instead of being
// refreshed by hand.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <filesystem>

#include "aggregate/codeplug.h"
#include "document/editable_state.h"
#include "platform/reporter.h"
#include "storage/new_codeplug.h"

namespace torvik {

class CodeplugDocument : public QObject {
    Q_OBJECT

  public:
    // Works on the session's codeplug, which outlives the document.
    explicit CodeplugDocument(Codeplug& codeplug, QObject* parent = nullptr);

    const Codeplug& codeplug() const { return codeplug_; }
    // What an editor copies in when it opens.
    EditableState editableState() const { return EditableStateOf(codeplug_); }

    // One undoable step named `name` ("Edit channel 5"): `after`, with the references
    // between areas repaired (RepairReferences), becomes the editable state. A state equal
    // to the present one pushes nothing; returns whether a step was pushed.
    bool commit(const QString& name, const EditableState& after);

    QUndoStack& undoStack() { return undoStack_; }
    // True while the codeplug differs from what was last opened, saved, made new or read;
    // undoing back to that state makes it false again.
    bool isModified() const { return modified_; }

    // Replacing the whole codeplug: each clears the undo stack.
    void makeNew(const NewCodeplugOptions& options);
    void changeBand(std::int16_t bandCode, const NewCodeplugOptions& options);
    // False (after a message through `reporter`) leaves the open codeplug as it was.
    bool open(const std::filesystem::path& path, Reporter& reporter);
    // A completed read left the radio's codeplug in place: it becomes an untitled "new.dat".
    void adoptRead();

    // The book file last imported or exported, offered for the next export. It is no part of
    // the codeplug's content: no undo step, no change to the modified flag.
    void rememberBookFile(const std::filesystem::path& path);

    // Writes the file pair; on success the present state is the saved one.
    bool save(const std::filesystem::path& path, Reporter& reporter);

    // The radio link reads into and encodes from the codeplug itself; a read is adopted
    // through adoptRead() once it completed.
    Codeplug& linkCodeplug() { return codeplug_; }

  signals:
    // Channel numbers (1..203) whose slot changed.
    void channelsChanged(const QList<int>& rows);
    void settingsChanged(SettingsArea area);
    void codeplugReplaced();
    void modifiedChanged(bool modified);
    // The file name or its untitled state changed.
    void fileChanged();

  private:
    friend class EditCommand;
    // Makes `to` the editable state and tells what differs from `from`.
    void apply(const EditableState& to, const EditableState& from);
    void replaced();
    void updateModified();

    Codeplug& codeplug_;
    QUndoStack undoStack_;
    bool modified_ = false;
};

}  // namespace torvik
