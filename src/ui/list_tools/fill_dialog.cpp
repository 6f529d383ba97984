#include "ui/list_tools/fill_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "channel_edit/channel_cells.h"
#include "channel_edit/channel_rows.h"
#include "codeplug/freq_code.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// The pages of the column-dependent fields.
enum Page { kFrequencyPage, kNamePage, kValuePage };

enum PreviewColumn {
    kPreviewChannel,
    kPreviewBefore,
    kPreviewAfter,
    kPreviewTransmit,
    kPreviewNote
};

constexpr int kDefaultRowsShown = 8;

QString HeaderText(const ChannelCells& headers, int column) {
    return Q(headers[static_cast<std::size_t>(column)]).replace("\r\n", " ").replace('\n', ' ');
}

QLabel* BuddyLabel(QWidget* parent, TextId text, Language language, QWidget* buddy) {
    auto* label = new QLabel(BuiltInQ(text, language), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

FillDialog::FillDialog(const Codeplug& codeplug, const FeatureFlags& features,
                       std::vector<int> rows, const Reporter& texts,
                       const LanguageTexts& buttonTexts, int column, QWidget* parent)
    : QDialog(parent),
      codeplug_(codeplug),
      features_(features),
      rows_(std::move(rows)),
      texts_(texts),
      language_(texts.language()) {
    setObjectName("FillDialog");
    setWindowTitle(BuiltInQ(TextId::FillTitle, language_));

    column_ = new QComboBox(this);
    column_->setObjectName("FillColumn");
    const ChannelCells headers = ChannelListHeaders(texts_);
    for (int c = 1; c < kChannelListColumns; ++c) {
        if (IsFillableColumn(c)) column_->addItem(HeaderText(headers, c), c);
    }

    pages_ = new QStackedWidget(this);
    auto* frequencyPage = new QWidget(pages_);
    start_ = new QLineEdit(frequencyPage);
    start_->setObjectName("FillStart");
    step_ = new QLineEdit(QStringLiteral("12.5"), frequencyPage);
    step_->setObjectName("FillStep");
    auto* frequencyForm = new QFormLayout(frequencyPage);
    frequencyForm->setContentsMargins({});
    frequencyForm->addRow(BuddyLabel(frequencyPage, TextId::FillStart, language_, start_), start_);
    frequencyForm->addRow(BuddyLabel(frequencyPage, TextId::FillStep, language_, step_), step_);
    // The first row's frequency is where a series most often starts.
    for (const int row : rows_) {
        if (const std::string rx = ListCellText(codeplug_, row, kColumnRxFreq, texts_);
            !rx.empty()) {
            start_->setText(Q(rx));
            break;
        }
    }

    auto* namePage = new QWidget(pages_);
    pattern_ = new QLineEdit(QStringLiteral("CH{n}"), namePage);
    pattern_->setObjectName("FillPattern");
    counter_ = new QSpinBox(namePage);
    counter_->setObjectName("FillCounterStart");
    counter_->setRange(0, 9999999);
    counter_->setValue(1);
    auto* hint = new QLabel(BuiltInQ(TextId::FillPatternHint, language_), namePage);
    hint->setObjectName("FillPatternHint");
    hint->setWordWrap(true);
    auto* nameForm = new QFormLayout(namePage);
    nameForm->setContentsMargins({});
    nameForm->addRow(BuddyLabel(namePage, TextId::FillPattern, language_, pattern_), pattern_);
    nameForm->addRow(QString(), hint);
    nameForm->addRow(BuddyLabel(namePage, TextId::FillCounterStart, language_, counter_), counter_);

    auto* valuePage = new QWidget(pages_);
    value_ = new QComboBox(valuePage);
    value_->setObjectName("FillValue");
    auto* valueForm = new QFormLayout(valuePage);
    valueForm->setContentsMargins({});
    valueForm->addRow(BuddyLabel(valuePage, TextId::FillValue, language_, value_), value_);

    pages_->insertWidget(kFrequencyPage, frequencyPage);
    pages_->insertWidget(kNamePage, namePage);
    pages_->insertWidget(kValuePage, valuePage);

    preview_ = new QTableWidget(0, 5, this);
    preview_->setObjectName("FillPreview");
    preview_->setHorizontalHeaderLabels({BuiltInQ(TextId::FillPreviewChannel, language_),
                                         BuiltInQ(TextId::FillPreviewBefore, language_),
                                         BuiltInQ(TextId::FillPreviewAfter, language_),
                                         HeaderText(headers, kColumnTxFreq),
                                         BuiltInQ(TextId::FillPreviewNote, language_)});
    preview_->verticalHeader()->hide();
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->setSelectionBehavior(QAbstractItemView::SelectRows);
    preview_->setAlternatingRowColors(true);
    preview_->horizontalHeader()->setStretchLastSection(true);
    preview_->setMinimumHeight(preview_->verticalHeader()->defaultSectionSize() *
                               (kDefaultRowsShown + 1));
    auto* previewLabel = BuddyLabel(this, TextId::FillPreview, language_, preview_);

    summary_ = new QLabel(this);
    summary_->setObjectName("FillSummary");
    summary_->setWordWrap(true);

    buttons_ = MakeOkCancelButtons(this, this);

    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(this, TextId::FillColumn, language_, column_), column_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(pages_);
    layout->addWidget(previewLabel);
    layout->addWidget(preview_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons_);

    // Start on the column of the current cell when it can be filled.
    column_->setCurrentIndex(std::max(0, column_->findData(column)));
    showColumnPage();

    connect(column_, &QComboBox::currentIndexChanged, this, [this] { showColumnPage(); });
    for (QLineEdit* edit : {start_, step_, pattern_}) {
        connect(edit, &QLineEdit::textChanged, this, &FillDialog::updatePreview);
    }
    connect(counter_, &QSpinBox::valueChanged, this, &FillDialog::updatePreview);
    connect(value_, &QComboBox::currentTextChanged, this, &FillDialog::updatePreview);

    LabelOkCancel(buttons_, buttonTexts);
    for (QAbstractButton* button : buttons_->buttons()) {
        button->setAccessibleName(PlainText(button->text()));
    }
    NameByLabels(this);
    // Wide enough for the preview's notes.
    resize(std::max(sizeHint().width() * 3 / 2, fontMetrics().averageCharWidth() * 100),
           sizeHint().height());
}

FillRequest FillDialog::request() const {
    FillRequest request;
    request.column = column_->currentData().toInt();
    request.start = U(start_->text().trimmed());
    request.stepKhz = U(step_->text().trimmed());
    request.pattern = U(pattern_->text());
    request.counterStart = counter_->value();
    request.value = U(value_->currentText());
    return request;
}

int FillDialog::filledCount() const {
    int count = 0;
    for (const FillRow& row : outcome_.rows) {
        if (row.action == FillAction::Filled && row.before != row.after) ++count;
    }
    return count;
}

void FillDialog::showColumnPage() {
    const int column = column_->currentData().toInt();
    if (column == kColumnRxFreq) {
        pages_->setCurrentIndex(kFrequencyPage);
    } else if (column == kColumnName) {
        pages_->setCurrentIndex(kNamePage);
    } else {
        pages_->setCurrentIndex(kValuePage);
        // A list column offers its entries (as the first selected channel's cell does); the
        // transmit frequency is typed, starting from the first channel's.
        const QSignalBlocker quiet(value_);
        value_->clear();
        value_->setEditable(column == kColumnTxFreq);
        for (const int row : rows_) {
            const ChannelCellStart start =
                StartChannelCell(codeplug_, features_, row, column, texts_);
            if (start.editor == CellEditor::None) continue;
            if (start.editor == CellEditor::Text) {
                value_->setEditText(Q(start.text));
            } else {
                for (const std::string& entry : start.choices.entries) value_->addItem(Q(entry));
                value_->setCurrentIndex(std::max(0, start.choices.current));
            }
            break;
        }
    }
    // Each page is as tall as its own fields.
    for (int i = 0; i < pages_->count(); ++i) {
        pages_->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == pages_->currentIndex()
                                                                     ? QSizePolicy::Preferred
                                                                     : QSizePolicy::Ignored);
    }
    pages_->adjustSize();
    preview_->setColumnHidden(kPreviewTransmit, column != kColumnRxFreq);
    updatePreview();
}

QString FillDialog::rowNote(const FillRow& row) const {
    switch (row.action) {
        case FillAction::NoChannel:
            return BuiltInQ(TextId::FillNoChannel, language_);
        case FillAction::Refused:
            for (const RefusedValue& refused : outcome_.refusals) {
                if (refused.row != row.row) continue;
                const BandLimits& limits = codeplug_.band.limits();
                QString why = Q(refused.reason);
                if (refused.kind == RefusalKind::ReceiveOutsideBand) {
                    why = BuiltInQ(TextId::FillRxOutsideBand, language_)
                              .arg(Q(FormatFrequency(limits.RxLow)),
                                   Q(FormatFrequency(limits.RxHigh)));
                } else if (refused.kind == RefusalKind::TransmitOutsideBand) {
                    why = BuiltInQ(TextId::FillTxOutsideBand, language_)
                              .arg(Q(FormatFrequency(limits.TxLow)),
                                   Q(FormatFrequency(limits.TxHigh)));
                }
                return BuiltInQ(TextId::FillRefused, language_).arg(why);
            }
            return {};
        case FillAction::Filled:
            return row.nameCut ? BuiltInQ(TextId::FillNameCut, language_) : QString();
    }
    return {};
}

void FillDialog::updatePreview() {
    outcome_ = FillChannels(codeplug_, features_, rows_, request(), texts_);
    const int column = column_->currentData().toInt();
    const auto at = static_cast<std::size_t>(column);
    preview_->setRowCount(static_cast<int>(outcome_.rows.size()));
    int refused = 0;
    int filled = 0;
    for (std::size_t i = 0; i < outcome_.rows.size(); ++i) {
        const FillRow& row = outcome_.rows[i];
        const bool isRefused = row.action == FillAction::Refused;
        refused += isRefused ? 1 : 0;
        filled += row.action == FillAction::Filled ? 1 : 0;
        const QStringList cells{Q(ChannelLabel(row.row)), Q(row.before[at]),
                                // A refused row shows the value it was refused.
                                isRefused ? Q(row.value) : Q(row.after[at]),
                                Q(row.after[kColumnTxFreq]), rowNote(row)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);  // a long note shows whole
            if (isRefused) item->setForeground(palette().color(QPalette::LinkVisited));
            preview_->setItem(static_cast<int>(i), c, item);
        }
    }
    preview_->resizeColumnsToContents();
    const bool possible = outcome_.error.empty();
    summary_->setText(possible ? BuiltInQ(TextId::FillSummary, language_)
                                     .arg(filled)
                                     .arg(outcome_.rows.size())
                                     .arg(refused)
                               : Q(outcome_.error));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(possible);
}

}  // namespace torvik
