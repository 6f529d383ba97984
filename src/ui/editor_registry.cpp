#include "ui/editor_registry.h"

#include "app/startup.h"
#include "document/codeplug_document.h"
#include "ui/channel_editor/channel_bulk_edit_dialog.h"
#include "ui/channel_editor/channel_editor_dialog.h"
#include "ui/commbook/comm_book_dialog.h"
#include "ui/dtmf/dtmf_dialog.h"
#include "ui/emergency/emergency_dialog.h"
#include "ui/fivetone/five_tone_dialog.h"
#include "ui/options/options_dialog.h"
#include "ui/print/print_sections_dialog.h"
#include "ui/radio_info_view.h"
#include "ui/scan/scan_dialog.h"
#include "ui/testdata/test_data_dialog.h"
#include "ui/twotone/two_tone_dialog.h"

namespace torvik {

void EditorRegistry::open(EditorId id, const EditorContext& context) const {
    const Factory& factory = factories_[Index(id)];
    if (!factory) return;
    if (const std::unique_ptr<QDialog> dialog = factory(context)) dialog->exec();
}

void RegisterEditors(EditorRegistry& registry) {
    // Several selected rows holding channels open the editor of several channels; a selection
    // with one channel opens the editor of that channel, and one without any the editor of
    // the current row, where a channel can be added.
    registry.add(EditorId::Channel, [](const EditorContext& c) -> std::unique_ptr<QDialog> {
        const std::vector<int> channels =
            RowsWithChannels(c.document.codeplug().channels, c.selectedRows);
        if (channels.size() > 1) {
            return std::make_unique<ChannelBulkEditDialog>(c.document, c.session.features, channels,
                                                           c.session.texts, c.reporter, c.parent);
        }
        const int row = channels.empty() ? c.row : channels.front();
        return std::make_unique<ChannelEditorDialog>(c.document, c.session.features, row,
                                                     c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::Options, [](const EditorContext& c) {
        return std::make_unique<OptionsDialog>(c.document, c.session.texts, c.parent);
    });
    registry.add(EditorId::Scan, [](const EditorContext& c) {
        return std::make_unique<ScanDialog>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::Emergency, [](const EditorContext& c) {
        return std::make_unique<EmergencyDialog>(c.document, c.session.texts, c.parent);
    });
    registry.add(EditorId::TestData, [](const EditorContext& c) {
        return std::make_unique<TestDataDialog>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::Dtmf, [](const EditorContext& c) {
        return std::make_unique<DtmfDialog>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::TwoTone, [](const EditorContext& c) {
        return std::make_unique<TwoToneDialog>(c.document, c.session.texts, c.parent);
    });
    registry.add(EditorId::FiveTone, [](const EditorContext& c) {
        return std::make_unique<FiveToneDialog>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::CommBook, [](const EditorContext& c) {
        return std::make_unique<CommBookDialog>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::RadioInfo, [](const EditorContext& c) {
        return std::make_unique<RadioInfoView>(c.document.codeplug(), c.session.language, c.parent);
    });
    registry.add(EditorId::Print, [](const EditorContext& c) {
        return std::make_unique<PrintSectionsDialog>(c.document.codeplug(), c.session.texts,
                                                     c.parent);
    });
}

}  // namespace torvik
