// The editors the main window opens, registered in one place. An editor is a modal dialog
// built when it opens: it copies what it edits from the document, and its OK commits one
// undoable step through the document. An editor not registered keeps its menu entry and
// tree node disabled.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace torvik {

struct AppSession;
class CodeplugDocument;
class Reporter;

enum class EditorId {
    Channel,
    Options,
    Dtmf,
    TwoTone,
    FiveTone,
    Scan,
    Emergency,
    CommBook,
    RadioInfo,
    TestData,
    Print,
    Count  // not an editor: the number of editors; keep it last
};
inline constexpr std::size_t kEditorCount = static_cast<std::size_t>(EditorId::Count);

// What an editor gets when it opens.
struct EditorContext {
    CodeplugDocument& document;
    const AppSession& session;  // texts, language, features, factory mode
    Reporter& reporter;
    int row = 0;  // the channel list's current row (a channel number), 0 when none
    QWidget* parent = nullptr;
    // The channel numbers of the list's selected rows, ascending (`row` alone when only it).
    std::vector<int> selectedRows;
};

class EditorRegistry {
  public:
    // Builds the editor's dialog; nothing opens when it returns none.
    using Factory = std::function<std::unique_ptr<QDialog>(const EditorContext&)>;

    // A second factory for the same editor replaces the first.
    void add(EditorId id, Factory factory) {
        factories_[Index(id)] = std::move(factory);
        ++registrations_[Index(id)];
    }
    bool has(EditorId id) const { return static_cast<bool>(factories_[Index(id)]); }
    // How many factories were added for the editor: RegisterEditors adds each one once.
    int registrationCount(EditorId id) const { return registrations_[Index(id)]; }
    // Builds the editor, runs it modally and destroys it.
    void open(EditorId id, const EditorContext& context) const;

  private:
    static std::size_t Index(EditorId id) { return static_cast<std::size_t>(id); }
    std::array<Factory, kEditorCount> factories_;
    std::array<int, kEditorCount> registrations_{};
};

// Every editor of the application, one line each.
void RegisterEditors(EditorRegistry& registry);

}  // namespace torvik
