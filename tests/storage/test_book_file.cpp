// Communication-book files: the 1792-byte record at the start of the file, refused reads that
// leave the book alone, writes that keep a longer file's tail and never leave a broken file.
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "storage/book_file.h"
#include "support/file_bytes.h"
#include "support/recording_reporter.h"

using namespace torvik;
using namespace torvik::test;

namespace fs = std::filesystem;

namespace {

CommBook SampleBook() {
    CommBook book;
    ResetCommBook(book);
    book[0].callId = FixedText<5>::Value("123");
    book[0].name = FixedText<7>::Value("BASE");
    book[1].callId = FixedText<5>::Value("12345");
    book[1].name = FixedText<7>::Value("CAR 12");
    book[127].name = FixedText<7>::Raw("ABCDEFG");
    return book;
}

QStringList Entries(const fs::path& folder) {
    QStringList names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names << QString::fromStdString(entry.path().filename().string());
    }
    names.sort();
    return names;
}

}  // namespace

class BookFileTest : public QObject {
    Q_OBJECT

  private slots:
    void writeThenRead() {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "new.cb";
        RecordingReporter reporter;
        QVERIFY(WriteBookFile(path, SampleBook(), reporter));

        const QByteArray file = ReadFileBytes(path);
        QCOMPARE(file.size(), 1792);
        QCOMPARE(file.mid(0, 14), QByteArray("\0\0"
                                             "123\0 "
                                             "BASE\0  ",
                                             14));
        QCOMPARE(file.mid(14, 14), QByteArray("\x01\0"
                                              "12345"
                                              "CAR 12\0",
                                              14));
        QCOMPARE(file.mid(14 * 127, 14), QByteArray("\x7F\0"
                                                    "\0    "
                                                    "ABCDEFG",
                                                    14));

        CommBook read;
        ResetCommBook(read);
        read[5].name = FixedText<7>::Value("X");
        QVERIFY(ReadBookFile(path, read, reporter));
        QVERIFY(read == SampleBook());
        QVERIFY(reporter.shown.empty());
        QCOMPARE(Entries(path.parent_path()), QStringList{"new.cb"});
    }

    void refusedReads_data() {
        QTest::addColumn<int>("size");  // -1: no file, -2: a folder
        QTest::addColumn<char>("fill");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        const QString notABook = QStringLiteral(
            "file error.\r\nThis is not a communication book file (1792 bytes of call IDs and "
            "names). The book was not changed.");
        QTest::newRow("missing") << -1 << '\0' << int(Language::English) << "file error.";
        QTest::newRow("folder") << -2 << '\0' << int(Language::English) << "file error.";
        QTest::newRow("empty") << 0 << '\0' << int(Language::English) << notABook;
        QTest::newRow("one byte short") << 1791 << '\0' << int(Language::English) << notABook;
        QTest::newRow("Chinese") << 100 << '7' << int(Language::Chinese)
                                 << QStringLiteral(
                                        "文件错误。\r\n该文件不是通信簿文件（1792 字节的呼叫 ID "
                                        "与名称）。通信簿未被更改。");
        QTest::newRow("text file") << 4000 << 'x' << int(Language::English) << notABook;
        QTest::newRow("erased memory") << 1792 << '\xFF' << int(Language::English) << notABook;
    }
    void refusedReads() {
        QFETCH(int, size);
        QFETCH(char, fill);
        QFETCH(int, language);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "book.cb";
        if (size >= 0) WriteFileBytes(path, QByteArray(size, fill));
        if (size == -2) fs::create_directory(path);

        RecordingReporter reporter;
        reporter.lang = static_cast<Language>(language);
        CommBook book = SampleBook();
        QVERIFY(!ReadBookFile(path, book, reporter));
        QVERIFY(book == SampleBook());
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(reporter.shown[0].severity, Severity::Error);
    }

    // One wrong byte anywhere in the record makes the file foreign.
    void oneDamagedEntryRefusesTheFile() {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "book.cb";
        RecordingReporter reporter;
        QVERIFY(WriteBookFile(path, SampleBook(), reporter));
        QByteArray bytes = ReadFileBytes(path);
        bytes[14 * 100 + 2 + 5 + 3] = '\x01';
        WriteFileBytes(path, bytes);
        CommBook book;
        ResetCommBook(book);
        const CommBook before = book;
        QVERIFY(!ReadBookFile(path, book, reporter));
        QVERIFY(book == before);
    }

    void longerFileReadsItsFirstRecord() {
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "long.cb";
        RecordingReporter reporter;
        QVERIFY(WriteBookFile(path, SampleBook(), reporter));
        WriteFileBytes(path, ReadFileBytes(path) + QByteArray(300, '\xEE'));
        CommBook book;
        QVERIFY(ReadBookFile(path, book, reporter));
        QVERIFY(book == SampleBook());
    }

    void writeReplacesOnlyTheHead_data() {
        QTest::addColumn<int>("oldSize");
        QTest::addColumn<int>("newSize");
        QTest::newRow("longer file keeps its tail") << 2000 << 2000;
        QTest::newRow("shorter file grows") << 100 << 1792;
        QTest::newRow("same size") << 1792 << 1792;
    }
    void writeReplacesOnlyTheHead() {
        QFETCH(int, oldSize);
        QFETCH(int, newSize);
        QTemporaryDir dir;
        const fs::path path = fs::path(dir.path().toStdString()) / "old.cb";
        QByteArray old(oldSize, '\0');
        for (int i = 0; i < oldSize; ++i) old[i] = static_cast<char>(i * 7);
        WriteFileBytes(path, old);
        fs::permissions(path,
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

        RecordingReporter reporter;
        QVERIFY(WriteBookFile(path, SampleBook(), reporter));
        const QByteArray file = ReadFileBytes(path);
        QCOMPARE(file.size(), newSize);
        QCOMPARE(file.mid(14, 14), QByteArray("\x01\0"
                                              "12345"
                                              "CAR 12\0",
                                              14));
        QCOMPARE(file.mid(1792), old.mid(1792));
        QCOMPARE(fs::status(path).permissions() & fs::perms::mask,
                 fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        QCOMPARE(Entries(path.parent_path()), QStringList{"old.cb"});
    }

    void writeThroughALink() {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        WriteFileBytes(folder / "real.cb", QByteArray(10, 'x'));
        fs::create_symlink("real.cb", folder / "link.cb");
        RecordingReporter reporter;
        QVERIFY(WriteBookFile(folder / "link.cb", SampleBook(), reporter));
        QVERIFY(fs::is_symlink(folder / "link.cb"));
        QCOMPARE(ReadFileBytes(folder / "real.cb").size(), 1792);
    }

    void failedWriteKeepsTheOldFile() {
        QTemporaryDir dir;
        // A name so long that no temporary name can be made beside it.
        const fs::path path = fs::path(dir.path().toStdString()) / (std::string(250, 'b') + ".cb");
        const QByteArray old(2000, 'o');
        WriteFileBytes(path, old);
        RecordingReporter reporter;
        QVERIFY(!WriteBookFile(path, SampleBook(), reporter));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"file error."});
        QCOMPARE(ReadFileBytes(path), old);
        QCOMPARE(Entries(path.parent_path()).size(), 1);
    }

    void failedWrites_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "no/such/folder/book.cb";
        QTest::newRow("a folder") << "folder";
    }
    void failedWrites() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        fs::create_directory(folder / "folder");
        RecordingReporter reporter;
        QVERIFY(!WriteBookFile(folder / relative.toStdString(), SampleBook(), reporter));
        QCOMPARE(reporter.shownTexts(), std::vector<std::string>{"file error."});
        QVERIFY(fs::is_directory(folder / "folder"));
        QCOMPARE(Entries(folder), QStringList{"folder"});
    }
};

QTEST_APPLESS_MAIN(BookFileTest)
#include "test_book_file.moc"
