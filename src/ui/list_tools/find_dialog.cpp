#include "ui/list_tools/find_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "channel_edit/channel_rows.h"
#include "ui/main_window.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

QString HeaderText(const ChannelCells& headers, int column) {
    return Q(headers[static_cast<std::size_t>(column)]).replace("\r\n", " ").replace('\n', ' ');
}

QPushButton* MakeButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name) {
    auto* check = new QCheckBox(parent);
    check->setObjectName(name);
    return check;
}

}  // namespace

FindDialog::FindDialog(MainWindow& window) : QDialog(&window), window_(window) {
    setObjectName("FindDialog");
    setModal(false);

    find_ = new QLineEdit(this);
    find_->setObjectName("FindText");
    replace_ = new QLineEdit(this);
    replace_->setObjectName("ReplaceText");
    column_ = new QComboBox(this);
    column_->setObjectName("FindColumn");
    findLabel_ = new QLabel(this);
    findLabel_->setBuddy(find_);
    replaceLabel_ = new QLabel(this);
    replaceLabel_->setBuddy(replace_);
    columnLabel_ = new QLabel(this);
    columnLabel_->setBuddy(column_);
    regex_ = MakeCheckBox(this, "FindRegex");
    whole_ = MakeCheckBox(this, "FindWhole");
    case_ = MakeCheckBox(this, "FindMatchCase");

    next_ = MakeButton(this, "FindNext");
    next_->setDefault(true);
    replaceOne_ = MakeButton(this, "FindReplace");
    replaceAll_ = MakeButton(this, "FindReplaceAll");
    close_ = MakeButton(this, "FindClose");

    status_ = new QLabel(this);
    status_->setObjectName("FindStatus");
    status_->setWordWrap(true);
    report_ = new QPlainTextEdit(this);
    report_->setObjectName("ReplaceReport");
    report_->setReadOnly(true);
    report_->setMaximumBlockCount(500);
    reportLabel_ = new QLabel(this);
    reportLabel_->setBuddy(report_);

    auto* form = new QFormLayout;
    form->addRow(findLabel_, find_);
    form->addRow(replaceLabel_, replace_);
    form->addRow(columnLabel_, column_);
    auto* checks = new QVBoxLayout;
    for (QCheckBox* check : {regex_, whole_, case_}) checks->addWidget(check);
    form->addRow(QString(), checks);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {next_, replaceOne_, replaceAll_, close_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(status_);
    layout->addWidget(reportLabel_);
    layout->addWidget(report_, 1);

    connect(next_, &QPushButton::clicked, this, [this] { findNext(); });
    connect(replaceOne_, &QPushButton::clicked, this, &FindDialog::replaceOne);
    connect(replaceAll_, &QPushButton::clicked, this, &FindDialog::replaceAll);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    // F3 (or the desktop's key for it) finds again from anywhere in the dialog.
    auto* again = new QShortcut(QKeySequence::FindNext, this);
    connect(again, &QShortcut::activated, this, [this] {
        if (next_->isEnabled()) findNext();
    });
    connect(find_, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
}

void FindDialog::start(bool replacing) {
    replacing_ = replacing;
    relabel();
    replaceLabel_->setVisible(replacing);
    replace_->setVisible(replacing);
    replaceOne_->setVisible(replacing);
    replaceAll_->setVisible(replacing);
    reportLabel_->setVisible(replacing);
    report_->setVisible(replacing);
    // Replacing works on the names only.
    if (replacing) column_->setCurrentIndex(std::max(0, column_->findData(kColumnName)));
    column_->setEnabled(!replacing);
    status_->clear();
    updateButtons();
    adjustSize();
    show();
    raise();
    activateWindow();
    find_->setFocus();
    find_->selectAll();
}

void FindDialog::relabel() {
    const Language language = window_.session().language;
    const auto text = [language](TextId id) { return BuiltInQ(id, language); };
    setWindowTitle(text(replacing_ ? TextId::ReplaceTitle : TextId::FindTitle));
    findLabel_->setText(text(TextId::FindWhat));
    replaceLabel_->setText(text(TextId::ReplaceWith));
    columnLabel_->setText(text(TextId::FindColumn));
    regex_->setText(text(TextId::FindRegex));
    whole_->setText(text(TextId::FindWhole));
    case_->setText(text(TextId::FindMatchCase));
    next_->setText(text(TextId::FindNext));
    replaceOne_->setText(text(TextId::FindReplace));
    replaceAll_->setText(text(TextId::FindReplaceAll));
    close_->setText(text(TextId::CloseButton));
    reportLabel_->setText(text(TextId::FindResults));
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             regex_, whole_, case_, next_, replaceOne_, replaceAll_, close_}) {
        button->setAccessibleName(PlainText(button->text()));
    }

    // The columns by their headers in the present language; the choice stays.
    const int chosen = column_->currentIndex() < 0 ? kColumnName : column_->currentData().toInt();
    const ChannelCells headers = ChannelListHeaders(window_.reporter());
    column_->clear();
    column_->addItem(text(TextId::FindEveryColumn), kEveryColumn);
    for (const int column : SearchedColumns(kEveryColumn)) {
        column_->addItem(HeaderText(headers, column), column);
    }
    column_->setCurrentIndex(std::max(0, column_->findData(chosen)));
    NameByLabels(this);
}

void FindDialog::updateButtons() {
    const bool typed = !find_->text().isEmpty();
    for (QPushButton* button : {next_, replaceOne_, replaceAll_}) button->setEnabled(typed);
}

FindQuery FindDialog::query() const {
    FindQuery query;
    query.text = U(find_->text());
    query.regularExpression = regex_->isChecked();
    query.wholeCell = whole_->isChecked();
    query.matchCase = case_->isChecked();
    query.column = replacing_ ? kColumnName : column_->currentData().toInt();
    return query;
}

std::optional<CellMatcher> FindDialog::matcher() {
    CellMatcher matcher(query());
    if (matcher.valid()) return matcher;
    status_->setText(
        BuiltInQ(TextId::FindRegexRefused, window_.session().language).arg(Q(matcher.error())));
    return std::nullopt;
}

bool FindDialog::findNext() {
    status_->clear();
    const std::optional<CellMatcher> ready = matcher();
    if (!ready) return false;
    QTableView* list = window_.channelList();
    const QModelIndex current = list->currentIndex();
    const CellPosition from{current.isValid() ? current.row() + 1 : 0,
                            current.isValid() ? current.column() : 0};
    const std::optional<FoundCell> found =
        FindNextCell(window_.codeplug(), *ready, from, window_.reporter());
    const Language language = window_.session().language;
    if (!found) {
        status_->setText(BuiltInQ(TextId::FindNotFound, language).arg(find_->text()));
        return false;
    }
    const QModelIndex index = list->model()->index(found->at.row - 1, found->at.column);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    list->scrollTo(index);
    if (found->wrapped) status_->setText(BuiltInQ(TextId::FindWrapped, language));
    return true;
}

void FindDialog::replaceOne() {
    const std::optional<CellMatcher> ready = matcher();
    if (!ready) return;
    const QModelIndex current = window_.channelList()->currentIndex();
    const int row = current.isValid() ? current.row() + 1 : 0;
    if (row > 0 && current.column() == kColumnName &&
        ready->matches(ListCellText(window_.codeplug(), row, kColumnName, window_.reporter()))) {
        const ReplaceOutcome outcome =
            ReplaceNames(window_.codeplug(), window_.session().features, *ready,
                         U(replace_->text()), {row}, window_.reporter());
        const Language language = window_.session().language;
        if (outcome.changed) {
            window_.document().commit(
                BuiltInQ(TextId::EditChannelStep, language).arg(Q(ChannelLabel(row))),
                EditableStateOf(outcome.codeplug));
        }
        report(outcome, BuiltInQ(TextId::ReplaceSummary, language).arg(outcome.changes.size()));
    }
    findNext();
}

void FindDialog::replaceAll() {
    status_->clear();
    const std::optional<CellMatcher> ready = matcher();
    if (!ready) return;
    const Language language = window_.session().language;
    const ReplaceOutcome outcome =
        ReplaceNames(window_.codeplug(), window_.session().features, *ready, U(replace_->text()),
                     {}, window_.reporter());
    if (outcome.changes.empty() && outcome.refusals.empty()) {
        status_->setText(BuiltInQ(TextId::FindNotFound, language).arg(find_->text()));
        report_->clear();
        return;
    }
    if (outcome.changed) {
        window_.document().commit(
            BuiltInQ(TextId::ReplaceStepName, language).arg(outcome.changes.size()),
            EditableStateOf(outcome.codeplug));
    }
    const QString summary = BuiltInQ(TextId::ReplaceSummary, language).arg(outcome.changes.size());
    status_->setText(summary);
    report(outcome, summary);
}

void FindDialog::report(const ReplaceOutcome& outcome, const QString& summary) {
    const Language language = window_.session().language;
    QStringList lines{summary};
    for (const NameChange& change : outcome.changes) {
        if (!change.cut) continue;
        lines << BuiltInQ(TextId::ReplaceCut, language)
                     .arg(Q(ChannelLabel(change.row)), Q(change.before), Q(change.after));
    }
    for (const RefusedValue& refused : outcome.refusals) {
        lines << BuiltInQ(TextId::ReplaceRefused, language)
                     .arg(Q(ChannelLabel(refused.row)), Q(refused.value), Q(refused.reason));
    }
    report_->setPlainText(lines.join('\n'));
}

}  // namespace torvik
