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
        QTest::addColumn<QVector<int>>("ids");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("no books") << QVector<int>{} << bytes({0, 0, 0, 0});
        QTest::newRow("one book") << QVector<int>{7} << bytes({1, 0, 0, 0, 7, 0, 0, 0});
        QTest::newRow("little-endian, negative")
            << QVector<int>{258, 0x01020304, -1}
            << bytes({3, 0, 0, 0, 0x02, 0x01, 0, 0, 0x04, 0x03, 0x02, 0x01, 0xff, 0xff, 0xff, 0xff});
    }
    void bookPayloadBytes()
    {
        QFETCH(QVector<int>, ids);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeBookPayload(ids), expected);
        QVector<int> decoded{99};
        QVERIFY(DecodeBookPayload(expected, decoded));
        QCOMPARE(decoded, ids);
    }

    void bookPayloadDecoding_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVector<int>>("ids");

        QTest::newRow("empty") << QByteArray() << false << QVector<int>{};
        QTest::newRow("count cut short") << bytes({1, 0, 0}) << false << QVector<int>{};
        QTest::newRow("fewer ids than counted") << bytes({2, 0, 0, 0, 5, 0, 0, 0}) << false << QVector<int>{};
        QTest::newRow("last id cut short") << bytes({1, 0, 0, 0, 5, 0, 0}) << false << QVector<int>{};
        QTest::newRow("negative count") << bytes({0xff, 0xff, 0xff, 0xff}) << false << QVector<int>{};
        QTest::newRow("huge count") << bytes({0xff, 0xff, 0xff, 0x7f, 1, 0, 0, 0}) << false << QVector<int>{};
        // A block may be larger than its content; the count decides.
        QTest::newRow("padding after the ids")
            << bytes({1, 0, 0, 0, 5, 0, 0, 0, 9, 9}) << true << QVector<int>{5};
    }
    void bookPayloadDecoding()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, accepted);
        QFETCH(QVector<int>, ids);
        QVector<int> decoded;
        QCOMPARE(DecodeBookPayload(payload, decoded), accepted);
        if (accepted)
            QCOMPARE(decoded, ids);
    }

    void categoryPayload_data()
    {
        QTest::addColumn<int>("catId");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("first user category") << 32 << bytes({32, 0, 0, 0});
        QTest::newRow("multi-byte") << 0x00012345 << bytes({0x45, 0x23, 0x01, 0});
        QTest::newRow("no category") << -1 << bytes({0xff, 0xff, 0xff, 0xff});
    }
    void categoryPayload()
    {
        QFETCH(int, catId);
        QFETCH(QByteArray, expected);
        QCOMPARE(EncodeCategoryPayload(catId), expected);
        int decoded = 0;
        QVERIFY(DecodeCategoryPayload(expected, decoded));
        QCOMPARE(decoded, catId);
    }

    void categoryPayloadTooShortIsRefused()
    {
        int catId = 12345;
        QVERIFY(!DecodeCategoryPayload(QByteArray(), catId));
        QVERIFY(!DecodeCategoryPayload(bytes({32, 0, 0}), catId));
        QCOMPARE(catId, 12345);
        QVERIFY(DecodeCategoryPayload(bytes({40, 0, 0, 0, 1, 2}), catId));
        QCOMPARE(catId, 40);
    }
};

QTEST_GUILESS_MAIN(ClipboardFormatsTest)
#include "clipboardformats_test.moc"
