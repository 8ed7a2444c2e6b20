#include "catalog/bookid.h"
#include "catalog/clipboardformats.h"

#include <QTest>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> values)
{
    QByteArray out;
    for (unsigned char v : values)
        out.append(char(v));
    return out;
}

} // namespace

class ClipboardFormatsTest : public QObject
{
    Q_OBJECT

private slots:
    void mimeTypes()
    {
        QCOMPARE(kOrdoBookMime, QStringLiteral("application/x-ordobook"));
        QCOMPARE(kOrdoCategoryMime, QStringLiteral("application/x-ordocategory"));
    }

    void bookPayloadBytes_data()
    {
        QTest::addColumn<QVector<BookId>>("ids");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("no books") << QVector<BookId>{} << bytes({0, 0, 0, 0});
        QTest::newRow("one book") << QVector<BookId>{7} << bytes({1, 0, 0, 0, 7, 0, 0, 0});
        // Any id beyond 32 bits makes the whole payload 64-bit, behind a
        // count older versions refuse.
        QTest::newRow("2^32 + 1 beside book 1")
            << QVector<BookId>{1, 4294967297LL}
            << bytes({0xff, 0xff, 0xff, 0xff, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0});
        QTest::newRow("little-endian, negative")
            << QVector<BookId>{258, 0x01020304, -1}
            << bytes({3, 0, 0, 0, 0x02, 0x01, 0, 0, 0x04, 0x03, 0x02, 0x01, 0xff, 0xff, 0xff, 0xff});
    }
    void bookPayloadBytes()
    {
        QFETCH(QVector<BookId>, ids);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeBookPayload(ids), expected);
        QVector<BookId> decoded{99};
        QVERIFY(DecodeBookPayload(expected, decoded));
        QCOMPARE(decoded, ids);
    }

    void bookPayloadDecoding_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVector<BookId>>("ids");

        QTest::newRow("empty") << QByteArray() << false << QVector<BookId>{};
        QTest::newRow("count cut short") << bytes({1, 0, 0}) << false << QVector<BookId>{};
        QTest::newRow("fewer ids than counted") << bytes({2, 0, 0, 0, 5, 0, 0, 0}) << false << QVector<BookId>{};
        QTest::newRow("last id cut short") << bytes({1, 0, 0, 0, 5, 0, 0}) << false << QVector<BookId>{};
        QTest::newRow("negative count") << bytes({0xff, 0xff, 0xff, 0xff}) << false << QVector<BookId>{};
        QTest::newRow("huge count") << bytes({0xff, 0xff, 0xff, 0x7f, 1, 0, 0, 0}) << false << QVector<BookId>{};
        QTest::newRow("64-bit: count cut short") << bytes({0xff, 0xff, 0xff, 0xff, 1, 0, 0}) << false
                                                 << QVector<BookId>{};
        QTest::newRow("64-bit: id cut short")
            << bytes({0xff, 0xff, 0xff, 0xff, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0}) << false << QVector<BookId>{};
        QTest::newRow("64-bit: negative count")
            << bytes({0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}) << false << QVector<BookId>{};
        QTest::newRow("64-bit ids")
            << bytes({0xff, 0xff, 0xff, 0xff, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}) << true
            << QVector<BookId>{4294967297LL};
        // A block may be larger than its content; the count decides.
        QTest::newRow("padding after the ids")
            << bytes({1, 0, 0, 0, 5, 0, 0, 0, 9, 9}) << true << QVector<BookId>{5};
    }
    void bookPayloadDecoding()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, accepted);
        QFETCH(QVector<BookId>, ids);
        QVector<BookId> decoded;
        QCOMPARE(DecodeBookPayload(payload, decoded), accepted);
        if (accepted)
            QCOMPARE(decoded, ids);
    }

    void categoryPayload_data()
    {
        QTest::addColumn<CategoryId>("catId");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("first user category") << CategoryId(32) << bytes({32, 0, 0, 0});
        QTest::newRow("multi-byte") << CategoryId(0x00012345) << bytes({0x45, 0x23, 0x01, 0});
        QTest::newRow("no category") << CategoryId(-1) << bytes({0xff, 0xff, 0xff, 0xff});
        // Beyond 32 bits: the marker older versions cannot take for a
        // category of theirs, then all 64 bits.
        QTest::newRow("2^32 + 4") << CategoryId(4294967300LL)
                                  << bytes({0xff, 0xff, 0xff, 0xff, 4, 0, 0, 0, 1, 0, 0, 0});
    }
    void categoryPayload()
    {
        QFETCH(CategoryId, catId);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeCategoryPayload(catId), expected);
        CategoryId decoded = 0;
        QVERIFY(DecodeCategoryPayload(expected, decoded));
        QCOMPARE(decoded, catId);
    }

    void categoryPayloadTooShortIsRefused()
    {
        CategoryId catId = 12345;
        QVERIFY(!DecodeCategoryPayload(QByteArray(), catId));
        QVERIFY(!DecodeCategoryPayload(bytes({32, 0, 0}), catId));
        QCOMPARE(catId, 12345);
        QVERIFY(DecodeCategoryPayload(bytes({40, 0, 0, 0, 1, 2}), catId));
        QCOMPARE(catId, 40);
    }
};

QTEST_GUILESS_MAIN(ClipboardFormatsTest)
#include "clipboardformats_test.moc"
