#include "ui/channel_editor/channel_bulk_edit_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "ui/ui_text.h"

namespace torvik {
namespace {

// At most this many channels are named in a message; the rest are counted.
constexpr std::size_t kNamedChannels = 12;

QString ChannelList(const std::vector<int>& rows, Language language) {
    QStringList labels;
    for (std::size_t i = 0; i < rows.size() && i < kNamedChannels; ++i) {
        labels << Q(ChannelLabel(rows[i]));
    }
    QString list = labels.join(", ");
    if (rows.size() > kNamedChannels) {
        list += " " + BuiltInQ(TextId::MoreRows, language).arg(rows.size() - kNamedChannels);
    }
    return list;
}

}  // namespace

ChannelBulkEditDialog::ChannelBulkEditDialog(CodeplugDocument& document,
                                             const FeatureFlags& features,
                                             const std::vector<int>& rows,
                                             const LanguageTexts& texts, Reporter& reporter,
                                             QWidget* parent)
    : ChannelFieldsDialog(texts, parent),
      document_(document),
      reporter_(reporter),
      working_(document.codeplug()),
      model_(working_, features, rows) {
    setObjectName("FrmCHBulkEdit");
    const Language language = texts.language();
    buildForm(model_.lists(),
              BuiltInQ(TextId::BulkEditSubject, language).arg(model_.rows().size()));

    // The frequencies are not edited here; what is, is said above the fields.
    hideFrequencies();
    auto* hint = new QLabel(BuiltInQ(TextId::BulkEditHint, language), this);
    hint->setObjectName("LabelBulkHint");
    hint->setWordWrap(true);
    if (auto* column = qobject_cast<QVBoxLayout*>(layout())) {
        column->insertWidget(0, hint);
        column->insertSpacing(1, fontMetrics().height() / 2);
    }

    connectFields(model_);
    refresh();
    name_[0]->setFocus();
}

void ChannelBulkEditDialog::refresh() {
    showFields(model_);
}

QString ChannelBulkEditDialog::refusalText(const std::vector<ChannelFieldRefusal>& refusals) const {
    const Language language = texts_.language();
    QString text = BuiltInQ(TextId::BulkRefusedHeading, language);
    for (const ChannelFieldRefusal& refusal : refusals) {
        text += "\n" + BuiltInQ(TextId::BulkRefusedField, language)
                           .arg(fieldName(refusal.field), ChannelList(refusal.rows, language));
    }
    return text;
}

void ChannelBulkEditDialog::commitOk() {
    const Language language = texts_.language();
    const std::vector<int>& rows = model_.rows();
    const std::vector<int> refused = model_.refusedRows();
    if (!refused.empty()) {
        const QString refusals = refusalText(model_.refusals());
        if (refused.size() == rows.size()) {
            reporter_.show(Severity::Warning,
                           U(refusals + "\n\n" + BuiltInQ(TextId::BulkNoChannelTakes, language)));
            return;
        }
        const QString question = BuiltInQ(TextId::BulkStoreInOthers, language)
                                     .arg(rows.size() - refused.size())
                                     .arg(rows.size())
                                     .arg(ChannelList(refused, language));
        if (reporter_.ask(Severity::Warning, U(refusals + "\n\n" + question), Buttons::OkCancel) !=
            Answer::Ok) {
            return;
        }
    }
    model_.apply();
    std::vector<int> stored;
    std::set_difference(rows.begin(), rows.end(), refused.begin(), refused.end(),
                        std::back_inserter(stored));
    const QString step =
        stored.size() == 1
            ? BuiltInQ(TextId::EditChannelStep, language).arg(Q(ChannelLabel(stored.front())))
            : BuiltInQ(TextId::BulkEditStep, language).arg(stored.size());
    document_.commit(step, EditableStateOf(working_));
    accept();
}

}  // namespace torvik
