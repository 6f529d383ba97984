#include "ui/editor_registry.h"

#include "app/startup.h"
#include "document/codeplug_document.h"
#include "ui/channel_editor/frm_chedit.h"
#include "ui/commbook/frm_commu_book.h"
#include "ui/dtmf/frm_dtmf.h"
#include "ui/emergency/frm_alert.h"
#include "ui/fivetone/frm_5tone.h"
#include "ui/options/frm_option.h"
#include "ui/print/frm_print_list.h"
#include "ui/radio_info_view.h"
#include "ui/scan/frm_scan.h"
#include "ui/testdata/frm_test_data.h"
#include "ui/twotone/frm_2tone.h"

namespace torvik {

void EditorRegistry::open(EditorId id, const EditorContext& context) const {
    const Factory& factory = factories_[Index(id)];
    if (!factory) return;
    if (const std::unique_ptr<QDialog> dialog = factory(context)) dialog->exec();
}

void RegisterEditors(EditorRegistry& registry) {
    registry.add(EditorId::Channel, [](const EditorContext& c) {
        return std::make_unique<FrmCHEdit>(c.document, c.session.features, c.row, c.session.texts,
                                           c.reporter, c.parent);
    });
    registry.add(EditorId::Options, [](const EditorContext& c) {
        return std::make_unique<FrmOption>(c.document, c.session.texts, c.parent);
    });
    registry.add(EditorId::Scan, [](const EditorContext& c) {
        return std::make_unique<FrmScan>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::Emergency, [](const EditorContext& c) {
        return std::make_unique<FrmAlert>(c.document, c.session.texts, c.parent);
    });
    registry.add(EditorId::TestData, [](const EditorContext& c) {
        return std::make_unique<FrmTestData>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::Dtmf, [](const EditorContext& c) {
        return std::make_unique<FrmDTMF>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::TwoTone, [](const EditorContext& c) {
        return std::make_unique<Frm2Tone>(c.document, c.session.texts, c.parent);
    });
    registry.add(EditorId::FiveTone, [](const EditorContext& c) {
        return std::make_unique<Frm5Tone>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::CommBook, [](const EditorContext& c) {
        return std::make_unique<FrmCommuBook>(c.document, c.session.texts, c.reporter, c.parent);
    });
    registry.add(EditorId::RadioInfo, [](const EditorContext& c) {
        return std::make_unique<RadioInfoView>(c.document.codeplug(), c.session.language, c.parent);
    });
    registry.add(EditorId::Print, [](const EditorContext& c) {
        return std::make_unique<FrmPrintList>(c.document.codeplug(), c.session.texts, c.parent);
    });
}

}  // namespace torvik
