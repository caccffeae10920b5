#include "core/BlobImages.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

#include <bit>

using namespace k9;

namespace {

// Reading helpers of the test: they look at the image the way another program would.
qint32 int32At(const QByteArray &image, int offset)
{
    return qFromLittleEndian<qint32>(image.constData() + offset);
}

qint64 int64At(const QByteArray &image, int offset)
{
    return qFromLittleEndian<qint64>(image.constData() + offset);
}

double doubleAt(const QByteArray &image, int offset)
{
    return std::bit_cast<double>(qFromLittleEndian<quint64>(image.constData() + offset));
}

// A length byte and its Latin-1 characters.
QByteArray pascalString(const QByteArray &latin1)
{
    return char(latin1.size()) + latin1;
}

bool isZero(const QByteArray &image, int offset, int size)
{
    return image.mid(offset, size) == QByteArray(size, '\0');
}

PaymentSlot payment(int type, const QString &code, const QString &detail, qint64 raw)
{
    return PaymentSlot{type, code, detail, Money::fromRaw(raw)};
}

TNewCampos value(int j)
{
    return TNewCampos{QStringLiteral("EZCampo%1").arg(j), j % 7, QStringLiteral("valor %1").arg(j),
                      QStringLiteral("RMD_ZCAMPO%1").arg(j)};
}

TCompReg component(int k, int valueCount = 2)
{
    TCompReg c;
    c.code = QStringLiteral("C%1").arg(k);
    c.quantity = 10 + k;
    c.description = QStringLiteral("Cargador número %1").arg(k);
    c.detail = QStringLiteral("Año %1, señal débil").arg(2020 + k);
    for (int j = 0; j < valueCount; ++j)
        c.values.append(value(j));
    return c;
}

QList<TCompReg> components(int count)
{
    QList<TCompReg> list;
    for (int k = 0; k < count; ++k)
        list.append(component(k));
    return list;
}

QByteArray randomImage(int size, quint32 seed)
{
    QByteArray image(size, '\0');
    QRandomGenerator generator(seed);
    for (char &c : image)
        c = char(generator.bounded(256));
    return image;
}

const QByteArray kNullMarker = QByteArrayLiteral("\x05_Null");

} // namespace

class TestBlobImages : public QObject
{
    Q_OBJECT

private slots:
    void paymentSlotLayout();
    void paymentSlotStringsClamped_data();
    void paymentSlotStringsClamped();
    void paymentSlotsBeyondTenIgnored();

    void componentLayout();
    void componentEndMarkers_data();
    void componentEndMarkers();
    void componentValuesFull();
    void componentStringsClamped();

    void contactLayout();
    void contactReadingStopsAtEmptyNote();

    void damagedImages_data();
    void damagedImages();
    void truncatedImagesKeepWhatIsWhole();
};

void TestBlobImages::paymentSlotLayout()
{
    const QList<PaymentSlot> payments{
        payment(PaymentKind::TarjetaDebito, QStringLiteral("BANCO ÑANDÚ"), QStringLiteral("Nro 4471"), 12345678),
        payment(PaymentKind::Efectivo, QStringLiteral("BS"), QString(), 500000),
        payment(PaymentKind::Cheque, QString(), QStringLiteral("Cheque devuelto"), -25000),
    };
    const QByteArray image = encodePaymentSlots(payments);
    QCOMPARE(image.size(), 1680);

    for (int i = 0; i < payments.size(); ++i) {
        const int base = 168 * i;
        QCOMPARE(int32At(image, base), payments.at(i).type);
        QCOMPARE(image.mid(base + 4, 1 + payments.at(i).code.size()),
                 pascalString(payments.at(i).code.toLatin1()));
        QCOMPARE(image.mid(base + 45, 1 + payments.at(i).detail.size()),
                 pascalString(payments.at(i).detail.toLatin1()));
        QVERIFY(isZero(image, base + 136, 16));
        QCOMPARE(int64At(image, base + 152), payments.at(i).amount.raw());
        QVERIFY(isZero(image, base + 160, 8));
    }
    // "Ñ" and "Ú" take one byte each.
    QCOMPARE(quint8(image.at(4)), quint8(11));
    QVERIFY(isZero(image, 168 * 3, 1680 - 168 * 3));

    QCOMPARE(decodePaymentSlots(image), payments);
}

void TestBlobImages::paymentSlotStringsClamped_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("codeRead");
    QTest::addColumn<QString>("detailRead");

    const QString code50 = QString(50, u'á');
    const QString detail100 = QString(100, u'x');
    QTest::newRow("over-long") << code50 << detail100 << code50.left(40) << detail100.left(90);
    QTest::newRow("exactly full") << code50.left(40) << detail100.left(90) << code50.left(40)
                                  << detail100.left(90);
    QTest::newRow("outside Latin-1") << QStringLiteral("€ Banco") << QStringLiteral("Ω")
                                     << QStringLiteral("? Banco") << QStringLiteral("?");
}

void TestBlobImages::paymentSlotStringsClamped()
{
    QFETCH(QString, code);
    QFETCH(QString, detail);
    QFETCH(QString, codeRead);
    QFETCH(QString, detailRead);

    const QByteArray image = encodePaymentSlots({payment(PaymentKind::TarjetaCredito, code, detail, 1)});
    QCOMPARE(quint8(image.at(4)), quint8(codeRead.size()));
    QCOMPARE(quint8(image.at(45)), quint8(detailRead.size()));
    QCOMPARE(int64At(image, 152), 1); // the clamped strings did not spill into the amount

    const QList<PaymentSlot> read = decodePaymentSlots(image);
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.at(0).code, codeRead);
    QCOMPARE(read.at(0).detail, detailRead);
}

void TestBlobImages::paymentSlotsBeyondTenIgnored()
{
    QList<PaymentSlot> payments;
    for (int i = 0; i < 12; ++i)
        payments.append(payment(PaymentKind::Efectivo, QString(), QString(), 10000 * (i + 1)));
    const QByteArray image = encodePaymentSlots(payments);
    QCOMPARE(image.size(), 1680);
    QCOMPARE(int64At(image, 168 * 9 + 152), 100000);
    QCOMPARE(decodePaymentSlots(image), payments.mid(0, 10));
}

void TestBlobImages::componentLayout()
{
    const QList<TCompReg> list = components(2);
    bool truncated = true;
    const QByteArray image = encodeComponents(list, &truncated);
    QCOMPARE(image.size(), 119220);
    QVERIFY(!truncated);

    for (int k = 0; k < 2; ++k) {
        const int base = 23844 * k;
        const TCompReg &c = list.at(k);
        QCOMPARE(image.mid(base, 1 + c.code.size()), pascalString(c.code.toLatin1()));
        QCOMPARE(int32At(image, base + 256), c.quantity);
        QCOMPARE(image.mid(base + 260, 1 + c.description.size()),
                 pascalString(c.description.toLatin1()));
        QCOMPARE(image.mid(base + 516, 1 + c.detail.size()), pascalString(c.detail.toLatin1()));
        for (int j = 0; j < c.values.size(); ++j) {
            const int at = base + 772 + 769 * j;
            const TNewCampos &v = c.values.at(j);
            QCOMPARE(image.mid(at, 1 + v.controlName.size()), pascalString(v.controlName.toLatin1()));
            QCOMPARE(int(quint8(image.at(at + 256))), v.controlKind);
            QCOMPARE(image.mid(at + 257, 1 + v.value.size()), pascalString(v.value.toLatin1()));
            QCOMPARE(image.mid(at + 513, 1 + v.fieldName.size()), pascalString(v.fieldName.toLatin1()));
        }
        // The values end with a marker right after the last one; the rest of the slot is zero.
        const int marker = base + 772 + 769 * 2;
        QCOMPARE(image.mid(marker, 6), kNullMarker);
        QVERIFY(isZero(image, marker + 6, base + 23844 - marker - 6));
    }
    // The list ends with a marker slot; everything after its code is zero.
    QCOMPARE(image.mid(23844 * 2, 6), kNullMarker);
    QVERIFY(isZero(image, 23844 * 2 + 6, 119220 - 23844 * 2 - 6));

    QCOMPARE(decodeComponents(image), list);
}

void TestBlobImages::componentEndMarkers_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("written");
    QTest::addColumn<bool>("truncated");
    QTest::newRow("none") << 0 << 0 << false;
    QTest::newRow("three") << 3 << 3 << false;
    QTest::newRow("four") << 4 << 4 << false;
    QTest::newRow("five fill the image") << 5 << 5 << false;
    QTest::newRow("sixth refused") << 6 << 5 << true;
}

void TestBlobImages::componentEndMarkers()
{
    QFETCH(int, count);
    QFETCH(int, written);
    QFETCH(bool, truncated);

    const QList<TCompReg> list = components(count);
    bool cut = !truncated;
    const QByteArray image = encodeComponents(list, &cut);
    QCOMPARE(image.size(), 119220);
    QCOMPARE(cut, truncated);

    for (int k = 0; k < 5; ++k) {
        const QByteArray code = image.mid(23844 * k, 6);
        QCOMPARE(code == kNullMarker, k == written);
    }
    if (written == 5)
        QCOMPARE(image.mid(23844 * 4, 3), pascalString("C4"));
    QCOMPARE(decodeComponents(image), list.mid(0, written));
}

void TestBlobImages::componentValuesFull()
{
    TCompReg full = component(0, 30);
    QByteArray image = encodeComponents({full});
    // Thirty values fill the slot: no value marker, only the padding is left.
    const int last = 772 + 769 * 29;
    QCOMPARE(image.mid(last, 10), pascalString("EZCampo29"));
    QVERIFY(isZero(image, 23842, 2));
    QCOMPARE(decodeComponents(image), QList<TCompReg>{full});

    TCompReg tooMany = component(0, 31);
    bool truncated = false;
    image = encodeComponents({tooMany}, &truncated);
    QVERIFY(truncated);
    const QList<TCompReg> read = decodeComponents(image);
    QCOMPARE(read.size(), 1);
    QCOMPARE(read.at(0).values, tooMany.values.mid(0, 30));
}

void TestBlobImages::componentStringsClamped()
{
    TCompReg c = component(0, 1);
    c.code = QString(300, u'ñ');
    c.values[0].value = QString(256, u'Ñ');
    const QByteArray image = encodeComponents({c});
    QCOMPARE(quint8(image.at(0)), quint8(255));
    QCOMPARE(int32At(image, 256), c.quantity); // not overwritten by the long code
    QCOMPARE(int(quint8(image.at(772 + 256))), c.values[0].controlKind);

    const TCompReg read = decodeComponents(image).value(0);
    QCOMPARE(read.code, c.code.left(255));
    QCOMPARE(read.values.value(0).value, c.values[0].value.left(255));
    QCOMPARE(read.values.value(0).fieldName, c.values[0].fieldName);
}

void TestBlobImages::contactLayout()
{
    const QDateTime call(QDate(2026, 3, 14), QTime(14, 30));
    const QList<TContacto> entries{
        {1, QStringLiteral("Llamó la señora Núñez"), call, ContactState::Recorded},
        {2, QStringLiteral("Sin respuesta"), QDateTime(), ContactState::Blank},
    };
    const QByteArray image = encodeContacts(entries);
    QCOMPARE(image.size(), 5600);

    QCOMPARE(int32At(image, 0), 1);
    QCOMPARE(image.mid(4, 22), pascalString(entries.at(0).note.toLatin1()));
    QCOMPARE(doubleAt(image, 264), 46095.0 + 14.5 / 24.0);
    QCOMPARE(quint8(image.at(272)), quint8(0));
    QVERIFY(isZero(image, 273, 7));

    QCOMPARE(int32At(image, 280), 2);
    QCOMPARE(doubleAt(image, 280 + 264), 0.0);
    QCOMPARE(quint8(image.at(280 + 272)), quint8(254));
    QVERIFY(isZero(image, 560, 5600 - 560));

    QCOMPARE(decodeContacts(image), entries);
}

void TestBlobImages::contactReadingStopsAtEmptyNote()
{
    QList<TContacto> entries;
    for (int k = 0; k < 22; ++k)
        entries.append({k + 1, QStringLiteral("Llamada %1").arg(k + 1), QDateTime(), 0});
    QCOMPARE(decodeContacts(encodeContacts(entries)), entries.mid(0, 20));

    entries[2].note.clear();
    QCOMPARE(decodeContacts(encodeContacts(entries)), entries.mid(0, 2));
}

void TestBlobImages::damagedImages_data()
{
    QTest::addColumn<QByteArray>("image");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray(1, '\x05');
    QTest::newRow("all 0xFF") << QByteArray(119220, '\xFF');
    QTest::newRow("random") << randomImage(119220, 20260314);
    QTest::newRow("random, short") << randomImage(3001, 7);
    QTest::newRow("random, oversized") << randomImage(200000, 11);
}

// Whatever the bytes, decoding stays inside the buffer, clamps every string to its field and
// gives at most the slots the image has.
void TestBlobImages::damagedImages()
{
    QFETCH(QByteArray, image);

    const QList<PaymentSlot> payments = decodePaymentSlots(image);
    QVERIFY(payments.size() <= 10);
    for (const PaymentSlot &p : payments) {
        QVERIFY(p.code.size() <= 40);
        QVERIFY(p.detail.size() <= 90);
    }

    const QList<TCompReg> comps = decodeComponents(image);
    QVERIFY(comps.size() <= 5);
    for (const TCompReg &c : comps) {
        QVERIFY(c.code.size() <= 255 && c.description.size() <= 255 && c.detail.size() <= 255);
        QVERIFY(c.values.size() <= 30);
        for (const TNewCampos &v : c.values)
            QVERIFY(v.controlName.size() <= 255 && v.value.size() <= 255 && v.fieldName.size() <= 255);
    }

    const QList<TContacto> contacts = decodeContacts(image);
    QVERIFY(contacts.size() <= 20);
    for (const TContacto &c : contacts) {
        QVERIFY(c.note.size() <= 255);
        QVERIFY(c.state >= 0 && c.state <= 255);
    }
}

void TestBlobImages::truncatedImagesKeepWhatIsWhole()
{
    // Half a payment image: the slots in the first half survive.
    QList<PaymentSlot> payments;
    for (int i = 0; i < 10; ++i)
        payments.append(payment(PaymentKind::Cheque, QStringLiteral("B%1").arg(i), QString(), i + 1));
    QCOMPARE(decodePaymentSlots(encodePaymentSlots(payments).left(840)), payments.mid(0, 5));

    // Components cut in the middle of the third slot: two whole components, the third keeps
    // what was stored before the cut, nothing is invented after it.
    const QList<TCompReg> list = components(4);
    const QList<TCompReg> read = decodeComponents(encodeComponents(list).left(23844 * 2 + 600));
    QCOMPARE(read.size(), 3);
    QCOMPARE(read.mid(0, 2), list.mid(0, 2));
    QCOMPARE(read.at(2).code, list.at(2).code);
    QCOMPARE(read.at(2).quantity, list.at(2).quantity);
    QVERIFY(read.at(2).values.isEmpty());

    // A components field never written (zero bytes or nothing) holds no components.
    QVERIFY(decodeComponents(QByteArray()).isEmpty());
    QVERIFY(decodeComponents(QByteArray(119220, '\0')).isEmpty());

    // Contacts cut after the second slot.
    QList<TContacto> entries;
    for (int k = 0; k < 5; ++k)
        entries.append({k + 1, QStringLiteral("Nota %1").arg(k), QDateTime(), 0});
    QCOMPARE(decodeContacts(encodeContacts(entries).left(560)), entries.mid(0, 2));
}

QTEST_GUILESS_MAIN(TestBlobImages)
#include "tst_blobimages.moc"
