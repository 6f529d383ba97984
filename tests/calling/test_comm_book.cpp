// The communication book: data-file rows, the sort order, image rows written from the
// documented offsets, decoding rules, the edited cells.
#include <QtTest>

#include "calling/commbook/comm_book_codec.h"
#include "codeplug/record_bytes.h"
#include "support/image_bytes.h"

using namespace torvik;
using namespace torvik::test;

static_assert(SerializedSize<CommBook> == 1792);

namespace {

constexpr std::size_t kIds = 6528;
constexpr std::size_t kNames = 7168;

CommBook EmptyBook() {
    CommBook book;
    ResetCommBook(book);
    return book;
}

void SetEntry(CommBookEntry& entry, const char* id, const char* name) {
    entry.callId = FixedText<5>::Value(id);
    entry.name = FixedText<7>::Value(name);
}

QStringList Ids(const CommBook& book, int count) {
    QStringList ids;
    for (int i = 0; i < count; ++i) ids << QString::fromStdString(book[i].callId.text());
    return ids;
}

// A sorted book as a radio holds it, laid down byte by byte.
RadioImage RealisticArea() {
    RadioImage image = Prefilled();
    Put(image, kIds,
        QByteArray("1230\0"
                   "12345"
                   "123\0\0"
                   "20\0\0\0"
                   "7\0\0\0\0",
                   25));
    Put(image, kNames,
        QByteArray("BASE\0\0\0\0"
                   "CAR 12\0\0"
                   "DEPOT 7\0"
                   "TEAM\0\0\0\0"
                   "X\0\0\0\0\0\0\0",
                   40));
    return image;
}

// A book-file row: the number low byte first, then the call-ID and name bytes, with "_"
// standing for NUL.
QByteArray FileRow(int number, const char* callId, const char* name) {
    QByteArray row;
    row += static_cast<char>(number & 0xFF);
    row += static_cast<char>((number >> 8) & 0xFF);
    row += QByteArray(callId).replace('_', '\0');
    row += QByteArray(name).replace('_', '\0');
    return row;
}

}  // namespace

class CommBookTest : public QObject {
    Q_OBJECT

  private slots:
    void dataFileForm() {
        CommBook book = EmptyBook();
        SetEntry(book[1], "123", "TEAM A");
        SetEntry(book[127], "12345", "ABCDEFG");
        book[127].number = 0x0102;
        const QByteArray file = ToQByteArray(ToBytes(book));
        QCOMPARE(file.size(), 1792);
        QCOMPARE(file.mid(0, 14), QByteArray("\0\0\0    \0      ", 14));
        QCOMPARE(file.mid(14, 14), QByteArray("\x01\0"
                                              "123\0 "
                                              "TEAM A\0",
                                              14));
        QCOMPARE(file.mid(14 * 127, 14), QByteArray("\x02\x01"
                                                    "12345"
                                                    "ABCDEFG",
                                                    14));
    }

    void defaults() {
        CommBook book;
        SetEntry(book[4], "99", "OLD");
        ResetCommBook(book);
        for (int i = 0; i < kCommBookEntries; ++i) {
            QCOMPARE(book[i].number, i);
            QCOMPARE(QByteArray(book[i].callId.raw().data(), 5), QByteArray("\0    ", 5));
            QCOMPARE(QByteArray(book[i].name.raw().data(), 7), QByteArray("\0      ", 7));
        }
    }

    void sortOrder_data() {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("longer before its prefix")
            << QStringList{"12", "123", "", "13"} << QStringList{"123", "12", "13", "", ""};
        QTest::newRow("character order")
            << QStringList{"2", "10", "1", "09"} << QStringList{"09", "10", "1", "2", ""};
        QTest::newRow("five digits")
            << QStringList{"99999", "00000", "5"} << QStringList{"00000", "5", "99999", ""};
        QTest::newRow("empty last") << QStringList{"", "", "7"} << QStringList{"7", "", ""};
    }
    void sortOrder() {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, sorted);
        CommBook book = EmptyBook();
        for (int i = 0; i < ids.size(); ++i) {
            const std::string id = ids[i].toStdString();
            SetEntry(book[i], id.c_str(), ("N" + std::to_string(i)).c_str());
        }
        SortCommBook(book);
        QCOMPARE(Ids(book, sorted.size()), sorted);
        for (int i = 0; i < kCommBookEntries; ++i) QCOMPARE(book[i].number, i);
        // Names travel with their IDs.
        for (int i = 0; i < ids.size(); ++i) {
            if (ids[i].isEmpty()) continue;
            const int at = Ids(book, ids.size()).indexOf(ids[i]);
            QCOMPARE(book[at].name.text(), "N" + std::to_string(i));
        }
    }

    // Equal keys land where the exchange sort puts them: entry 1 before entry 0 here.
    void equalKeysKeepTheExchangeOrder() {
        CommBook book = EmptyBook();
        SetEntry(book[0], "", "FIRST");
        SetEntry(book[1], "", "SECOND");
        SetEntry(book[2], "5", "FIVE");
        SortCommBook(book);
        QCOMPARE(book[0].name.text(), std::string("FIVE"));
        QCOMPARE(book[1].name.text(), std::string("SECOND"));
        QCOMPARE(book[2].name.text(), std::string("FIRST"));
    }

    void damagedNumbersLoseNoEntry() {
        CommBook book = EmptyBook();
        for (int i = 0; i < 4; ++i) {
            SetEntry(book[i], std::to_string(40 - i).c_str(), "");
            book[i].number = 0;
        }
        SortCommBook(book);
        QCOMPARE(Ids(book, 5), (QStringList{"37", "38", "39", "40", ""}));
    }

    void encodeRows() {
        CommBook book = EmptyBook();
        SetEntry(book[0], "7", "ABCDEFG");
        SetEntry(book[1], "8", "AB");
        book[2].callId = FixedText<5>::Raw("9A   ");  // not numeric: written as zeros
        book[2].name = FixedText<7>::Value("ZZ");
        RadioImage image = Prefilled();
        image.at(kNames + 7) = 0x55;  // the eighth byte of a name slot is not written
        PackCommBook(book, image);
        QCOMPARE(Bytes(image, kIds, 15), QByteArray("7\0\0\0\0"
                                                    "8\0\0\0\0"
                                                    "\0\0\0\0\0",
                                                    15));
        QCOMPARE(Bytes(image, kNames, 24), QByteArray("ABCDEFG\x55"
                                                      "AB\0\0\0\0\0\0"
                                                      "ZZ\0\0\0\0\0\0",
                                                      24));
    }

    void encodeSortsTheBook() {
        CommBook book = EmptyBook();
        SetEntry(book[0], "12", "B");
        SetEntry(book[1], "123", "A");
        RadioImage image = Prefilled();
        PackCommBook(book, image);
        QCOMPARE(Ids(book, 2), (QStringList{"123", "12"}));
        QCOMPARE(Bytes(image, kIds, 10), QByteArray("123\0\0"
                                                    "12\0\0\0",
                                                    10));
        QCOMPARE(Bytes(image, kNames, 2), QByteArray("A\0", 2));
    }

    void decodeRules_data() {
        QTest::addColumn<QByteArray>("idSlot");
        QTest::addColumn<QByteArray>("nameSlot");
        QTest::addColumn<QByteArray>("rawId");
        QTest::addColumn<QByteArray>("rawName");
        QTest::newRow("ID ends at a non-digit")
            << QByteArray::fromHex("3132413300") << QByteArray(8, '\0') << QByteArray("12\0  ", 5)
            << QByteArray("\0      ", 7);
        QTest::newRow("five digits, full name") << QByteArray("12345") << QByteArray("ABCDEFG\0", 8)
                                                << QByteArray("12345") << QByteArray("ABCDEFG");
        QTest::newRow("eight name bytes keep seven")
            << QByteArray("1\0\0\0\0", 5) << QByteArray("ABCDEFGH") << QByteArray("1\0   ", 5)
            << QByteArray("ABCDEFG");
        QTest::newRow("erased slots") << QByteArray(5, '\xFF') << QByteArray(8, '\xFF')
                                      << QByteArray("\0    ", 5) << QByteArray("\0      ", 7);
        QTest::newRow("name ends at 0xFF") << QByteArray("9\0\0\0\0", 5)
                                           << QByteArray(
                                                  "AB\xFF"
                                                  "CDEFG",
                                                  8)
                                           << QByteArray("9\0   ", 5) << QByteArray("AB\0    ", 7);
        QTest::newRow("blanks before the NUL stay")
            << QByteArray("9\0\0\0\0", 5) << QByteArray("AB   \0\0\0", 8) << QByteArray("9\0   ", 5)
            << QByteArray("AB   \0 ", 7);
        QTest::newRow("trailing blanks trimmed")
            << QByteArray("9\0\0\0\0", 5) << QByteArray("ABCDE   ", 8) << QByteArray("9\0   ", 5)
            << QByteArray("ABCDE\0 ", 7);
    }
    void decodeRules() {
        QFETCH(QByteArray, idSlot);
        QFETCH(QByteArray, nameSlot);
        QFETCH(QByteArray, rawId);
        QFETCH(QByteArray, rawName);
        RadioImage image = Prefilled();
        Put(image, kIds + 5 * 9, idSlot);
        Put(image, kNames + 8 * 9, nameSlot);
        CommBook book = EmptyBook();
        book[9].number = 77;
        UnpackCommBook(image, book);
        QCOMPARE(book[9].number, 9);
        QCOMPARE(QByteArray(book[9].callId.raw().data(), 5), rawId);
        QCOMPARE(QByteArray(book[9].name.raw().data(), 7), rawName);
    }

    void roundTripRealisticArea() {
        const RadioImage original = RealisticArea();
        CommBook book;
        UnpackCommBook(original, book);
        QCOMPARE(Ids(book, 6), (QStringList{"1230", "12345", "123", "20", "7", ""}));
        QCOMPARE(book[1].name.text(), std::string("CAR 12"));
        QCOMPARE(book[2].name.text(), std::string("DEPOT 7"));
        RadioImage encoded = Prefilled();
        PackCommBook(book, encoded);
        QVERIFY(encoded == original);
    }

    void typedCharacters() {
        QCOMPARE(AcceptBookCallIdChar('7'), std::optional<char>('7'));
        QCOMPARE(AcceptBookCallIdChar('a'), std::optional<char>());
        QCOMPARE(AcceptBookCallIdChar(' '), std::optional<char>());
        QCOMPARE(AcceptBookNameChar('q'), std::optional<char>('Q'));
        QCOMPARE(AcceptBookNameChar('Q'), std::optional<char>('Q'));
        QCOMPARE(AcceptBookNameChar(' '), std::optional<char>(' '));
        QCOMPARE(AcceptBookNameChar('9'), std::optional<char>('9'));
        for (char refused : {'\\', '~', '-', '.', '\x7F', '\xB0'}) {
            QCOMPARE(AcceptBookNameChar(refused), std::optional<char>());
        }
    }

    void plausibleEntries_data() {
        QTest::addColumn<QByteArray>("row");  // as a book file holds it
        QTest::addColumn<bool>("plausible");
        QTest::newRow("empty") << FileRow(5, "_    ", "_      ") << true;
        QTest::newRow("never written") << QByteArray(14, '\0') << true;
        QTest::newRow("full") << FileRow(127, "12345", "CAR 1-2") << true;
        QTest::newRow("blank padded") << FileRow(1, "12   ", "AB     ") << true;
        QTest::newRow("number 128") << FileRow(128, "_    ", "_      ") << false;
        QTest::newRow("negative number") << FileRow(0xFFFF, "_    ", "_      ") << false;
        QTest::newRow("letter in ID") << FileRow(1, "12A_ ", "_      ") << false;
        QTest::newRow("bytes after the NUL") << FileRow(1, "12_xy", "_      ") << false;
        QTest::newRow("control character") << FileRow(1, "12_  ", "A\tB_   ") << false;
        QTest::newRow("byte above 127") << FileRow(1, "12_  ", "\xC4\xE3_    ") << false;
    }
    void plausibleEntries() {
        QFETCH(QByteArray, row);
        QFETCH(bool, plausible);
        const CommBookEntry entry = FromBytes<CommBookEntry>(
            std::span(reinterpret_cast<const std::uint8_t*>(row.constData()), 14));
        QCOMPARE(IsPlausibleBookEntry(entry), plausible);
    }

    void editedCells() {
        CommBookEntry entry;
        StoreBookCallId(entry, "123  ");
        QCOMPARE(QByteArray(entry.callId.raw().data(), 5), QByteArray("123\0 ", 5));
        StoreBookCallId(entry, "12345");
        QCOMPARE(QByteArray(entry.callId.raw().data(), 5), QByteArray("12345"));
        StoreBookName(entry, "");
        QCOMPARE(QByteArray(entry.name.raw().data(), 7), QByteArray("\0      ", 7));
        StoreBookName(entry, "CAR 1");
        QCOMPARE(QByteArray(entry.name.raw().data(), 7), QByteArray("CAR 1\0 ", 7));
    }
};

QTEST_APPLESS_MAIN(CommBookTest)
#include "test_comm_book.moc"
