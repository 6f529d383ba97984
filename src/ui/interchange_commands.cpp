#include "ui/interchange_commands.h"

#include <QJsonDocument>

#include "document/editable_state.h"
#include "interchange/channel_csv.h"
#include "platform/file_io.h"
#include "textform/codeplug_json.h"
#include "ui/main_window.h"
#include "ui/ui_text.h"

namespace torvik {
namespace {

// Rows listed in a question before the rest are only counted.
constexpr std::size_t kListedRows = 12;

Language LanguageOf(MainWindow& window) {
    return window.session().language;
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void ShowError(MainWindow& window, const QString& text) {
    window.reporter().show(Severity::Error, U(text));
}

std::optional<std::string> ReadFile(MainWindow& window, const std::filesystem::path& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        ShowError(window, BuiltInQ(TextId::CannotRead, LanguageOf(window)).arg(PathText(path)));
    return bytes;
}

std::optional<std::filesystem::path> Choose(MainWindow& window, TextId filter) {
    return window.chooseFileToOpen(BuiltInQ(filter, LanguageOf(window)),
                                   window.codeplug().file.CurrentFile);
}

void WriteChosen(MainWindow& window, const QString& filter, const QString& suffix,
                 const std::string& bytes) {
    std::filesystem::path current = window.codeplug().file.CurrentFile;
    current.replace_extension(suffix.toStdString());
    const auto chosen = window.chooseFileToSave(filter, current, suffix);
    if (!chosen) return;
    if (!WriteFileAtomically(*chosen, bytes)) {
        ShowError(window, BuiltInQ(TextId::CannotWrite, LanguageOf(window)).arg(PathText(*chosen)));
    }
}

// A heading and its rows, the first few of them by line.
QString ListRows(TextId heading, const std::vector<CsvLineMessage>& rows, Language language) {
    if (rows.empty()) return {};
    QString text = "\n\n" + BuiltInQ(heading, language);
    for (std::size_t i = 0; i < rows.size() && i < kListedRows; ++i) {
        text +=
            "\n" + BuiltInQ(TextId::LineReason, language).arg(rows[i].line).arg(Q(rows[i].text));
    }
    if (rows.size() > kListedRows) {
        text += "\n" + BuiltInQ(TextId::MoreRows, language).arg(rows.size() - kListedRows);
    }
    return text;
}

}  // namespace

void ImportChannels(MainWindow& window) {
    if (const auto chosen = Choose(window, TextId::CsvFilter)) ImportChannelsFrom(window, *chosen);
}

void ImportChannelsFrom(MainWindow& window, const std::filesystem::path& path) {
    const Language language = LanguageOf(window);
    const std::optional<std::string> text = ReadFile(window, path);
    if (!text) return;
    const Codeplug& codeplug = window.codeplug();
    const ChannelCsvImport result = ChannelsFromCsv(*text, codeplug.band, codeplug.channels);
    const QString rows = ListRows(TextId::RowsRefused, result.refused, language) +
                         ListRows(TextId::RowsChanged, result.notes, language);
    if (result.channels.empty()) {
        window.reporter().show(Severity::Warning,
                               U(BuiltInQ(TextId::NothingTaken, language) + rows));
        return;
    }
    const QString question =
        BuiltInQ(TextId::ReplaceChannels, language).arg(result.channels.size()) + rows;
    if (window.reporter().ask(Severity::Question, U(question), Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    EditableState state = EditableStateOf(codeplug);
    state.channels = ReplaceMemoryChannels(state.channels, result.channels);
    window.document().commit(BuiltInQ(TextId::ImportChannelsStep, language), state);
}

void ExportChannels(MainWindow& window) {
    const Codeplug& codeplug = window.codeplug();
    WriteChosen(window, BuiltInQ(TextId::CsvFilter, LanguageOf(window)), QStringLiteral("csv"),
                ChannelsToCsv(codeplug.channels, codeplug.band).text);
}

void ImportCodeplug(MainWindow& window) {
    if (const auto chosen = Choose(window, TextId::JsonFilter)) ImportCodeplugFrom(window, *chosen);
}

void ImportCodeplugFrom(MainWindow& window, const std::filesystem::path& path) {
    const Language language = LanguageOf(window);
    const std::optional<std::string> text = ReadFile(window, path);
    if (!text) return;
    JsonFieldError error;
    const auto content = CodeplugFromJsonText(QByteArray::fromStdString(*text), error);
    if (!content) {
        ShowError(window,
                  BuiltInQ(TextId::CodeplugRefused, language).arg(Q(error.path), Q(error.reason)));
        return;
    }
    // The band is not part of an undo step, so a codeplug of another band is not taken here.
    const Codeplug& codeplug = window.codeplug();
    if (content->record.SavedBandCode != codeplug.band.code()) {
        ShowError(window, BuiltInQ(TextId::OtherBand, language)
                              .arg(content->record.SavedBandCode)
                              .arg(codeplug.band.code()));
        return;
    }
    if (window.reporter().ask(Severity::Question, U(BuiltInQ(TextId::ReplaceCodeplug, language)),
                              Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    EditableState state = EditableStateOf(codeplug);
    state.channels = content->channels;
    state.record = content->record;
    window.document().commit(BuiltInQ(TextId::ImportCodeplugStep, language), state);
}

void ExportCodeplug(MainWindow& window) {
    const QByteArray json =
        QJsonDocument(CodeplugToJson(window.codeplug())).toJson(QJsonDocument::Indented);
    WriteChosen(window, BuiltInQ(TextId::JsonFilter, LanguageOf(window)), QStringLiteral("json"),
                json.toStdString());
}

}  // namespace torvik
