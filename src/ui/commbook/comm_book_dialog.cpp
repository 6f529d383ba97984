#include "ui/commbook/comm_book_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "calling/commbook/comm_book_keys.h"
#include "storage/book_file.h"
#include "ui/commbook/book_grid.h"
#include "ui/commbook/comm_book_model.h"
#include "ui/edit_key_filter.h"
#include "ui/form_parts.h"
#include "ui/relabel.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

constexpr int kKeyBookCaption = 1800;
constexpr int kKeyNameHeader = 1801;
constexpr int kKeyImport = 1802;
constexpr int kKeyExport = 1803;
constexpr const char* kCallIdHeader = "Call ID";
constexpr const char* kBookSuffix = "cb";
// Rows the grid shows without scrolling when the dialog opens.
constexpr int kVisibleRows = 16;

QPushButton* MakeButton(QWidget* parent, const char* name, int key) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    SetLangKey(button, key);
    return button;
}

}  // namespace

CommBookDialog::CommBookDialog(CodeplugDocument& document, const LanguageTexts& texts,
                               Reporter& reporter, QWidget* parent)
    : QDialog(parent),
      document_(document),
      texts_(texts),
      reporter_(reporter),
      working_(document.codeplug().record.commBook) {
    setObjectName("FrmCommuBook");
    SetLangKey(this, kKeyBookCaption);
    auto* keys = new EditKeyFilter([] {}, this);

    grid_ = new BookGrid(keys, this);
    grid_->setObjectName("MSFlexGrid1");
    model_ = new CommBookModel(
        working_, {LangQ(texts, kKeyCommBookNumber), kCallIdHeader, LangQ(texts, kKeyNameHeader)},
        this);
    grid_->setModel(model_);
    grid_->setAlternatingRowColors(true);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setMinimumHeight(grid_->horizontalHeader()->sizeHint().height() +
                            kVisibleRows * grid_->verticalHeader()->defaultSectionSize());

    import_ = MakeButton(this, "CommandInput", kKeyImport);
    export_ = MakeButton(this, "CommandOutput", kKeyExport);
    buttons_ = MakeOkCancelButtons(this);
    for (QAbstractButton* button : buttons_->buttons()) {
        static_cast<QPushButton*>(button)->setAutoDefault(false);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(import_);
    bottom->addWidget(export_);
    bottom->addStretch(1);
    bottom->addWidget(buttons_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    relabel();
    AddConfirmShortcuts(this, [this] { commitOk(); });
    connect(import_, &QPushButton::clicked, this, &CommBookDialog::importBook);
    connect(export_, &QPushButton::clicked, this, &CommBookDialog::exportBook);
    connect(buttons_, &QDialogButtonBox::accepted, this, &CommBookDialog::commitOk);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CommBookDialog::reject);
}

void CommBookDialog::relabel() {
    RelabelForm(this, texts_);
    LabelOkCancel(buttons_, texts_);
    grid_->setAccessibleName(windowTitle());
}

int CommBookDialog::currentBookRow() const {
    return grid_->currentEditRow();
}

int CommBookDialog::currentBookColumn() const {
    return grid_->currentEditColumn();
}

QString CommBookDialog::fileFilter() const {
    return BuiltInQ(TextId::BookFileFilter, texts_.language());
}

void CommBookDialog::commitOk() {
    grid_->commitOpenEditor();
    // The radio searches the book in call-ID order.
    EditableState state = document_.editableState();
    state.record.commBook = working_;
    SortCommBook(state.record.commBook);
    document_.commit(windowTitle(), state);
    accept();
}

void CommBookDialog::importBook() {
    const std::filesystem::path current = document_.codeplug().file.BookFile;
    const std::optional<std::filesystem::path> chosen =
        chooseOpen_ ? chooseOpen_(fileFilter(), current)
                    : ChooseFileToOpen(this, fileFilter(), current);
    if (!chosen) return;
    document_.rememberBookFile(*chosen);
    loadBookFile(*chosen);
}

void CommBookDialog::exportBook() {
    const std::filesystem::path current = document_.codeplug().file.BookFile;
    const std::optional<std::filesystem::path> chosen =
        chooseSave_ ? chooseSave_(fileFilter(), current)
                    : ChooseFileToSave(this, fileFilter(), current, kBookSuffix);
    if (!chosen) return;
    document_.rememberBookFile(*chosen);
    saveBookFile(*chosen);
}

bool CommBookDialog::loadBookFile(const std::filesystem::path& path) {
    // An open edit box would otherwise store its text into the imported book.
    grid_->commitOpenEditor();
    CommBook read = working_;
    if (!ReadBookFile(path, read, reporter_)) return false;
    working_ = read;
    model_->bookReplaced();
    return true;
}

bool CommBookDialog::saveBookFile(const std::filesystem::path& path) {
    grid_->commitOpenEditor();
    return WriteBookFile(path, working_, reporter_);
}

}  // namespace torvik
