#include "document/codeplug_document.h"

#include "aggregate/reference_repairs.h"
#include "document/edit_command.h"
#include "storage/codeplug_files.h"
#include "storage/snapshot.h"

namespace torvik {

CodeplugDocument::CodeplugDocument(Codeplug& codeplug, QObject* parent)
    : QObject(parent), codeplug_(codeplug), modified_(IsModified(codeplug)) {
    // Undo back to the saved state can only be seen after the step ran.
    connect(&undoStack_, &QUndoStack::indexChanged, this, &CodeplugDocument::updateModified);
}

bool CodeplugDocument::commit(const QString& name, const EditableState& after) {
    EditableState before = editableState();
    // The bookkeeping of the last save is not the editor's to change.
    EditableState target = after;
    target.record.SavedBandCode = before.record.SavedBandCode;
    target.record.ChannelCount = before.record.ChannelCount;
    // Nothing changed: no step, even where the references are not sound yet; an OK that
    // changes nothing must leave the undo stack alone.
    if (target == before) return false;
    RepairReferences(target.channels, target.record);
    if (target == before) return false;
    undoStack_.push(new EditCommand(*this, name, std::move(before), std::move(target)));
    return true;
}

void CodeplugDocument::apply(const EditableState& to, const EditableState& from) {
    ApplyEditableState(codeplug_, to);
    const std::vector<int> rows = ChangedChannelRows(from.channels, to.channels);
    if (!rows.empty()) emit channelsChanged(QList<int>(rows.begin(), rows.end()));
    for (const SettingsArea area : ChangedAreas(from, to)) emit settingsChanged(area);
    updateModified();
}

void CodeplugDocument::makeNew(const NewCodeplugOptions& options) {
    NewCodeplug(codeplug_, options);
    replaced();
}

void CodeplugDocument::changeBand(std::int16_t bandCode, const NewCodeplugOptions& options) {
    codeplug_.band.setCode(bandCode);
    makeNew(options);
}

bool CodeplugDocument::open(const std::filesystem::path& path, Reporter& reporter) {
    if (!OpenCodeplug(path, codeplug_, reporter)) return false;
    replaced();
    return true;
}

void CodeplugDocument::adoptRead() {
    AdoptReadCodeplug(codeplug_);
    replaced();
}

void CodeplugDocument::rememberBookFile(const std::filesystem::path& path) {
    codeplug_.file.BookFile = path.string();
}

bool CodeplugDocument::save(const std::filesystem::path& path, Reporter& reporter) {
    const bool saved = SaveCodeplug(path, codeplug_, reporter);
    if (saved) undoStack_.setClean();
    emit fileChanged();
    updateModified();
    return saved;
}

void CodeplugDocument::replaced() {
    undoStack_.clear();
    emit codeplugReplaced();
    emit fileChanged();
    updateModified();
}

void CodeplugDocument::updateModified() {
    const bool modified = IsModified(codeplug_);
    if (modified == modified_) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

}  // namespace torvik
