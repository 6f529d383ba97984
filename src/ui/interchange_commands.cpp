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

enum class Text {
    CsvFilter,
    JsonFilter,
    CannotRead,
    CannotWrite,
    NothingTaken,
    ReplaceChannels,  // %1 channels taken
    Refused,          // heading of the refused rows
    Notes,            // heading of the rows taken with a change
    More,             // %1 rows not listed
    LineReason,       // %1 line, %2 reason
    ImportChannelsStep,
    CodeplugRefused,  // %1 field path, %2 reason
    OtherBand,        // %1 the file's band code, %2 the current one
    ReplaceCodeplug,
    ImportCodeplugStep,
};

QString T(Text id, Language language) {
    const bool zh = language == Language::Chinese;
    switch (id) {
        case Text::CsvFilter:
            return zh ? QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)")
                      : QStringLiteral("CSV file (*.csv);;All files (*)");
        case Text::JsonFilter:
            return zh ? QStringLiteral("JSON 文件 (*.json);;所有文件 (*)")
                      : QStringLiteral("JSON file (*.json);;All files (*)");
        case Text::CannotRead:
            return zh ? QStringLiteral("无法读取文件 %1。") : QStringLiteral("Cannot read %1.");
        case Text::CannotWrite:
            return zh ? QStringLiteral("无法写入文件 %1。") : QStringLiteral("Cannot write %1.");
        case Text::NothingTaken:
            return zh ? QStringLiteral("文件中没有可用的信道，数据未改变。")
                      : QStringLiteral(
                            "The file holds no channel the radio can take; nothing "
                            "was changed.");
        case Text::ReplaceChannels:
            return zh ? QStringLiteral("用文件中的 %1 个信道替换全部存储信道？")
                      : QStringLiteral(
                            "Replace the memory channels with the %1 channels of the "
                            "file?");
        case Text::Refused:
            return zh ? QStringLiteral("未采用的行：") : QStringLiteral("Rows not taken:");
        case Text::Notes:
            return zh ? QStringLiteral("已调整的行：")
                      : QStringLiteral("Rows taken with a change:");
        case Text::More:
            return zh ? QStringLiteral("……另有 %1 行") : QStringLiteral("... and %1 more");
        case Text::LineReason:
            return zh ? QStringLiteral("第 %1 行：%2") : QStringLiteral("line %1: %2");
        case Text::ImportChannelsStep:
            return zh ? QStringLiteral("导入信道") : QStringLiteral("Import channels");
        case Text::CodeplugRefused:
            return zh ? QStringLiteral("文件无法导入：%1 %2")
                      : QStringLiteral("The file cannot be imported: %1 %2.");
        case Text::OtherBand:
            return zh ? QStringLiteral("文件的频段 (%1) 与当前频段 (%2) 不同，请先选择该频段。")
                      : QStringLiteral(
                            "The file is for band %1, the codeplug for band %2. "
                            "Choose that band first.");
        case Text::ReplaceCodeplug:
            return zh ? QStringLiteral("用文件中的数据替换全部信道和设置？")
                      : QStringLiteral("Replace every channel and setting with the file's?");
        case Text::ImportCodeplugStep:
            return zh ? QStringLiteral("导入数据") : QStringLiteral("Import codeplug");
    }
    return {};
}

Language LanguageOf(MainWindow& window) {
    return window.session().language;
}

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void ShowError(MainWindow& window, const QString& text) {
    window.reporter().show(Severity::Error, U(text));
}

std::optional<std::string> ReadChosen(MainWindow& window, const QString& filter) {
    const auto chosen = window.chooseFileToOpen(filter, window.codeplug().file.CurrentFile);
    if (!chosen) return std::nullopt;
    std::optional<std::string> bytes = ReadWholeFile(*chosen);
    if (!bytes) ShowError(window, T(Text::CannotRead, LanguageOf(window)).arg(PathText(*chosen)));
    return bytes;
}

void WriteChosen(MainWindow& window, const QString& filter, const QString& suffix,
                 const std::string& bytes) {
    std::filesystem::path current = window.codeplug().file.CurrentFile;
    current.replace_extension(suffix.toStdString());
    const auto chosen = window.chooseFileToSave(filter, current, suffix);
    if (!chosen) return;
    if (!WriteFileAtomically(*chosen, bytes)) {
        ShowError(window, T(Text::CannotWrite, LanguageOf(window)).arg(PathText(*chosen)));
    }
}

// A heading and its rows, the first few of them by line.
QString ListRows(Text heading, const std::vector<CsvLineMessage>& rows, Language language) {
    if (rows.empty()) return {};
    QString text = "\n\n" + T(heading, language);
    for (std::size_t i = 0; i < rows.size() && i < kListedRows; ++i) {
        text += "\n" + T(Text::LineReason, language).arg(rows[i].line).arg(Q(rows[i].text));
    }
    if (rows.size() > kListedRows) {
        text += "\n" + T(Text::More, language).arg(rows.size() - kListedRows);
    }
    return text;
}

}  // namespace

void ImportChannels(MainWindow& window) {
    const Language language = LanguageOf(window);
    const std::optional<std::string> text = ReadChosen(window, T(Text::CsvFilter, language));
    if (!text) return;
    const Codeplug& codeplug = window.codeplug();
    const ChannelCsvImport result = ChannelsFromCsv(*text, codeplug.band, codeplug.channels);
    const QString rows = ListRows(Text::Refused, result.refused, language) +
                         ListRows(Text::Notes, result.notes, language);
    if (result.channels.empty()) {
        window.reporter().show(Severity::Warning, U(T(Text::NothingTaken, language) + rows));
        return;
    }
    const QString question = T(Text::ReplaceChannels, language).arg(result.channels.size()) + rows;
    if (window.reporter().ask(Severity::Question, U(question), Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    EditableState state = EditableStateOf(codeplug);
    state.channels = ReplaceMemoryChannels(state.channels, result.channels);
    window.document().commit(T(Text::ImportChannelsStep, language), state);
}

void ExportChannels(MainWindow& window) {
    const Codeplug& codeplug = window.codeplug();
    WriteChosen(window, T(Text::CsvFilter, LanguageOf(window)), QStringLiteral("csv"),
                ChannelsToCsv(codeplug.channels, codeplug.band).text);
}

void ImportCodeplug(MainWindow& window) {
    const Language language = LanguageOf(window);
    const std::optional<std::string> text = ReadChosen(window, T(Text::JsonFilter, language));
    if (!text) return;
    JsonFieldError error;
    const auto content = CodeplugFromJsonText(QByteArray::fromStdString(*text), error);
    if (!content) {
        ShowError(window, T(Text::CodeplugRefused, language).arg(Q(error.path), Q(error.reason)));
        return;
    }
    // The band is not part of an undo step, so a codeplug of another band is not taken here.
    const Codeplug& codeplug = window.codeplug();
    if (content->record.SavedBandCode != codeplug.band.code()) {
        ShowError(window, T(Text::OtherBand, language)
                              .arg(content->record.SavedBandCode)
                              .arg(codeplug.band.code()));
        return;
    }
    if (window.reporter().ask(Severity::Question, U(T(Text::ReplaceCodeplug, language)),
                              Buttons::OkCancel) != Answer::Ok) {
        return;
    }
    EditableState state = EditableStateOf(codeplug);
    state.channels = content->channels;
    state.record = content->record;
    window.document().commit(T(Text::ImportCodeplugStep, language), state);
}

void ExportCodeplug(MainWindow& window) {
    const QByteArray json =
        QJsonDocument(CodeplugToJson(window.codeplug())).toJson(QJsonDocument::Indented);
    WriteChosen(window, T(Text::JsonFilter, LanguageOf(window)), QStringLiteral("json"),
                json.toStdString());
}

}  // namespace torvik
