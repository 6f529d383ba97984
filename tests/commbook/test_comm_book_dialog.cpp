// The communication-book editor driven as a user drives it: clicking cells and typing into
// them, Enter and Tab, export and import through the file choosers, OK and Cancel.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/codeplug_files.h"
#include "support/data_texts.h"
#include "support/dialog_driver.h"
#include "support/file_bytes.h"
#include "support/recording_reporter.h"
#include "ui/commbook/book_grid.h"
#include "ui/commbook/comm_book_dialog.h"

using namespace torvik;
using test::RecordingReporter;

namespace fs = std::filesystem;

namespace {

void SetEntry(CommBookEntry& entry, FixedText<5> callId, FixedText<7> name) {
    entry.callId = callId;
    entry.name = name;
}

// A book with the paddings a book can hold: a NUL and blanks, blanks only, a full field,
// and a field never written (all NULs).
CommBook PaddedBook() {
    CommBook book;
    ResetCommBook(book);
    SetEntry(book[0], FixedText<5>::Value("123"), FixedText<7>::Value("BASE"));
    SetEntry(book[1], FixedText<5>::Raw("12345"), FixedText<7>::Raw("CAR 1-2"));
    SetEntry(book[127], FixedText<5>::Raw("9    "), FixedText<7>::Raw(std::string(7, '\0')));
    return book;
}

QString Raw(const FixedText<5>& text) {
    return QString::fromLatin1(text.raw().data(), 5);
}

// The dialog shown and active, as a user meets it.
struct Open : test::DialogUser {
    explicit Open(Codeplug& c, Language language = Language::English)
        : texts(test::DataTexts(language)), document(c), dialog(document, texts, reporter) {
        meet(&dialog);
    }
    BookGrid* grid() { return dialog.grid(); }
    QString cell(int row, int column) {
        return grid()->model()->index(row, column).data().toString();
    }
    // Clicks the cell of entry `row`, column 1 (call ID) or 2 (name).
    void clickCell(int row, int column) { DialogUser::clickCell(grid(), row, column); }
    // The next export or import goes to `path`.
    void chooseFile(const fs::path& path) {
        const FileChooser chooser = [path, this](const QString& filter, const fs::path& current) {
            offered.push_back({filter, QString::fromStdString(current.string())});
            return std::optional<fs::path>(path);
        };
        dialog.setSaveFileChooser(chooser);
        dialog.setOpenFileChooser(chooser);
    }

    LanguageTexts texts;
    RecordingReporter reporter;
    CodeplugDocument document;
    CommBookDialog dialog;
    std::vector<std::pair<QString, QString>> offered;  // filter, current file
};

}  // namespace

class CommBookDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void typedEntriesAreStoredSorted() {
        Codeplug c;
        ResetCommBook(c.record.commBook);
        Open o(c);
        QCOMPARE(o.grid()->model()->rowCount(), 128);
        QCOMPARE(o.cell(127, 0), QString("127"));
        o.clickCell(0, 1);
        QCOMPARE(o.focusName(), QString("TextCallId"));
        QCOMPARE(o.focus()->accessibleName(), QString("Call ID 0"));
        QCOMPARE(o.dialog.currentBookRow(), 1);
        QCOMPARE(o.dialog.currentBookColumn(), 1);
        o.type("12a3 456");  // digits only, five at most
        QCOMPARE(static_cast<QLineEdit*>(o.focus())->text(), QString("12345"));
        o.key(Qt::Key_Backspace);
        o.key(Qt::Key_Backspace);
        o.key(Qt::Key_Return);  // stores and moves on to the name
        QCOMPARE(o.cell(0, 1), QString("123"));
        QCOMPARE(o.focusName(), QString("TextName"));
        o.type("base 1\\~.");  // small letters become capitals
        QCOMPARE(static_cast<QLineEdit*>(o.focus())->text(), QString("BASE 1"));
        o.key(Qt::Key_Return);  // on to the next entry's call ID, past the number
        QCOMPARE(o.cell(0, 2), QString("BASE 1"));
        QCOMPARE(o.dialog.currentBookRow(), 2);
        QCOMPARE(o.dialog.currentBookColumn(), 1);
        o.type("12");
        o.key(Qt::Key_Tab);  // stores and leaves the grid
        QCOMPARE(o.focusName(), QString("CommandInput"));
        QCOMPARE(o.cell(1, 1), QString("12"));
        QVERIFY(c.record.commBook[0].callId.text().empty());  // nothing stored before OK

        o.clickButton("CommandOK");
        QCOMPARE(o.dialog.result(), int(QDialog::Accepted));
        const CommBook& book = c.record.commBook;
        QCOMPARE(QString::fromStdString(book[0].callId.text()), QString("123"));
        QCOMPARE(QString::fromStdString(book[0].name.text()), QString("BASE 1"));
        QCOMPARE(QString::fromStdString(book[1].callId.text()), QString("12"));
        QCOMPARE(Raw(book[1].callId), QString::fromLatin1("12\0  ", 5));
        QCOMPARE(book[1].number, 1);
        QCOMPARE(o.document.undoStack().count(), 1);
        QCOMPARE(o.document.undoStack().text(0), QString::fromStdString(o.texts.langText(1800)));
    }

    // The radio's book is kept sorted by OK; Cancel, or OK with nothing changed, stores nothing.
    void cancelAndUnchangedOkStoreNothing() {
        Codeplug c;
        ResetCommBook(c.record.commBook);
        SetEntry(c.record.commBook[0], FixedText<5>::Value("12"), FixedText<7>::Value("B"));
        SetEntry(c.record.commBook[1], FixedText<5>::Value("123"), FixedText<7>::Value("A"));
        SortCommBook(c.record.commBook);
        const CommBook sorted = c.record.commBook;
        {
            Open o(c);
            o.clickCell(0, 2);
            o.clickCell(1, 1);  // passing through cells changes nothing
            o.clickButton("CommandOK");
            QCOMPARE(o.document.undoStack().count(), 0);
        }
        Open o(c);
        o.clickCell(0, 1);
        o.type("7");
        o.key(Qt::Key_Escape);  // leaves the cell
        o.key(Qt::Key_Escape);  // closes the dialog
        QCOMPARE(o.dialog.result(), int(QDialog::Rejected));
        QVERIFY(c.record.commBook == sorted);
    }

    void exportThenImportKeepsEveryByte() {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "team.cb";
        Codeplug c;
        c.record.commBook = PaddedBook();
        Open o(c);
        o.chooseFile(path);
        o.clickButton("CommandOutput");
        QCOMPARE(o.offered.size(), std::size_t(1));
        QCOMPARE(o.offered[0].second, QString("new.cb"));
        QVERIFY(o.offered[0].first.contains("*.cb"));
        QCOMPARE(c.file.BookFile, path.string());  // offered for the next export
        QVERIFY(o.reporter.shown.empty());

        // The file as its layout says (entry i at 14 i, the number low byte first), with the
        // blank-only and all-NUL paddings as they were.
        const QByteArray file = test::ReadFileBytes(path);
        QCOMPARE(file.size(), 1792);
        QCOMPARE(file.mid(14 * 127, 14), QByteArray("\x7F\0"
                                                    "9    "
                                                    "\0\0\0\0\0\0\0",
                                                    14));

        // Changed in the grid, then the file imported again: the file's book, byte for byte.
        o.clickCell(5, 1);
        o.type("999");
        o.clickCell(0, 2);
        o.type("X");
        o.clickButton("CommandInput");
        QCOMPARE(o.offered.back().second, QString::fromStdString(path.string()));
        QVERIFY(o.dialog.workingBook() == PaddedBook());
        QCOMPARE(o.cell(0, 2), QString("BASE"));
        QCOMPARE(o.cell(5, 1), QString());
        QCOMPARE(o.cell(127, 1), QString("9"));
        QVERIFY(c.record.commBook == PaddedBook());  // only OK stores it
        o.clickButton("CommandOK");
        CommBook sorted = PaddedBook();
        SortCommBook(sorted);
        QVERIFY(c.record.commBook == sorted);
    }

    void refusedImportKeepsTheBook_data() {
        QTest::addColumn<QByteArray>("content");  // empty: no such file
        QTest::addColumn<QString>("message");
        const QString notABook = QStringLiteral(
            "file error.\r\nThis is not a communication book file (1792 bytes of call IDs and "
            "names). The book was not changed.");
        QTest::newRow("short") << QByteArray(1000, '\0') << notABook;
        QTest::newRow("text") << QByteArray("[OTHER]\r\n1800=Book\r\n").repeated(100) << notABook;
        QTest::newRow("missing") << QByteArray() << QString("file error.");
    }
    void refusedImportKeepsTheBook() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "other.cb";
        if (!content.isEmpty()) test::WriteFileBytes(path, content);
        Codeplug c;
        c.record.commBook = PaddedBook();
        Open o(c);
        o.clickCell(3, 1);
        o.type("42");
        const QModelIndex edited = o.grid()->model()->index(3, 1);
        o.chooseFile(path);
        o.clickButton("CommandInput");
        QCOMPARE(o.reporter.shownTexts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(o.dialog.isVisible());
        QCOMPARE(edited.data().toString(), QString("42"));  // the typing is kept too
        CommBook expected = PaddedBook();
        StoreBookCallId(expected[3], "42");
        QVERIFY(o.dialog.workingBook() == expected);
    }

    void failedExportKeepsTheDialogOpen() {
        QTemporaryDir dir;
        Codeplug c;
        c.record.commBook = PaddedBook();
        Open o(c);
        o.chooseFile(fs::path(dir.path().toStdString()) / "no" / "such" / "folder.cb");
        o.clickButton("CommandOutput");
        QCOMPARE(o.reporter.shownTexts(), std::vector<std::string>{"file error."});
        QVERIFY(o.dialog.isVisible());
    }

    // A data file is no book: its first 1792 bytes are DTMF settings.
    void dataFileIsNotImported() {
        QTemporaryDir dir;
        const fs::path dat = fs::path(dir.path().toStdString()) / "radio.dat";
        Codeplug saved;
        ResetFunctionSettings(saved.record);
        RecordingReporter quiet;
        QVERIFY(SaveCodeplug(dat, saved, quiet));
        Codeplug c;
        c.record.commBook = PaddedBook();
        Open o(c);
        o.chooseFile(dat);
        o.clickButton("CommandInput");
        QCOMPARE(o.reporter.shown.size(), std::size_t(1));
        QVERIFY(o.dialog.workingBook() == PaddedBook());
    }

    void labelsAndAccessibleNames_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("Chinese") << int(Language::Chinese);
    }
    void labelsAndAccessibleNames() {
        QFETCH(int, language);
        Codeplug c;
        c.record.commBook = PaddedBook();
        Open o(c, Language(language));
        auto lang = [&](int key) { return QString::fromStdString(o.texts.langText(key)); };
        QCOMPARE(o.dialog.windowTitle(), lang(1800));
        QCOMPARE(o.grid()->accessibleName(), lang(1800));
        QAbstractItemModel* model = o.grid()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), lang(3007));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Call ID"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), lang(1801));
        QCOMPARE(o.dialog.findChild<QPushButton*>("CommandInput")->text(), lang(1802));
        QCOMPARE(o.dialog.findChild<QPushButton*>("CommandOutput")->text(), lang(1803));
        QCOMPARE(o.dialog.findChild<QPushButton*>("CommandOK")->text(), lang(101));
        if (const QString folder = qEnvironmentVariable("TORVIK_GRAB_DIR"); !folder.isEmpty()) {
            o.clickCell(1, 2);
            o.dialog.grab().save(folder + QStringLiteral("/frm_commu_book_%1.png").arg(language));
        }
    }
};

QTEST_MAIN(CommBookDialogTest)
#include "test_comm_book_dialog.moc"
