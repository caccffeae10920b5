#include "core/BlobImages.h"

#include "core/Regional.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace k9 {

namespace {

const QString &nullMarker()
{
    static const QString marker = QStringLiteral("_Null");
    return marker;
}

// A zero-filled image of a fixed size, written field by field.
class ImageWriter
{
public:
    explicit ImageWriter(int size) : m_bytes(size, '\0') {}

    void putInt32(int offset, qint32 value) { qToLittleEndian(value, at(offset)); }
    void putInt64(int offset, qint64 value) { qToLittleEndian(value, at(offset)); }
    void putDouble(int offset, double value)
    {
        qToLittleEndian(std::bit_cast<quint64>(value), at(offset));
    }
    void putByte(int offset, quint8 value) { *at(offset) = static_cast<char>(value); }
    // One length byte and at most `capacity` characters in Latin-1.
    void putString(int offset, int capacity, const QString &text)
    {
        QByteArray latin1 = text.toLatin1();
        if (latin1.size() > capacity)
            latin1.truncate(capacity);
        putByte(offset, static_cast<quint8>(latin1.size()));
        std::memcpy(at(offset + 1), latin1.constData(), static_cast<size_t>(latin1.size()));
    }

    QByteArray bytes() const { return m_bytes; }

private:
    char *at(int offset) { return m_bytes.data() + offset; }
    QByteArray m_bytes;
};

// A stored image copied into a zero-filled buffer of the full size, so that every field
// read stays inside it whatever the stored size was.
class ImageReader
{
public:
    ImageReader(const QByteArray &image, int size) : m_bytes(static_cast<size_t>(size), '\0')
    {
        const auto count = std::min<qsizetype>(image.size(), size);
        if (count > 0)
            std::memcpy(m_bytes.data(), image.constData(), static_cast<size_t>(count));
    }

    qint32 int32(int offset) const { return qFromLittleEndian<qint32>(at(offset)); }
    qint64 int64(int offset) const { return qFromLittleEndian<qint64>(at(offset)); }
    double realNumber(int offset) const
    {
        return std::bit_cast<double>(qFromLittleEndian<quint64>(at(offset)));
    }
    quint8 byte(int offset) const { return static_cast<quint8>(*at(offset)); }
    QString string(int offset, int capacity) const
    {
        const int length = std::min<int>(byte(offset), capacity);
        return QString::fromLatin1(at(offset + 1), length);
    }
    bool isZero(int offset, int size) const
    {
        const char *begin = at(offset);
        return std::all_of(begin, begin + size, [](char c) { return c == '\0'; });
    }

private:
    const char *at(int offset) const { return m_bytes.data() + offset; }
    std::vector<char> m_bytes;
};

// ---- payment slot fields
constexpr int kPayType = 0;
constexpr int kPayCode = 4;
constexpr int kPayDetail = 45;
constexpr int kPayAmount = 152;

// ---- component slot fields
constexpr int kCompCode = 0;
constexpr int kCompQuantity = 256;
constexpr int kCompDescription = 260;
constexpr int kCompDetail = 516;
constexpr int kShortString = 255;
// within a value
constexpr int kValueName = 0;
constexpr int kValueKind = 256;
constexpr int kValueText = 257;
constexpr int kValueField = 513;

// ---- contact slot fields
constexpr int kContactNumber = 0;
constexpr int kContactNote = 4;
constexpr int kContactDate = 264;
constexpr int kContactState = 272;

void writeValue(ImageWriter &image, int base, const TNewCampos &value)
{
    image.putString(base + kValueName, kShortString, value.controlName);
    image.putByte(base + kValueKind, static_cast<quint8>(value.controlKind));
    image.putString(base + kValueText, kShortString, value.value);
    image.putString(base + kValueField, kShortString, value.fieldName);
}

void writeComponent(ImageWriter &image, int base, const TCompReg &component, bool &truncated)
{
    image.putString(base + kCompCode, kShortString, component.code);
    image.putInt32(base + kCompQuantity, component.quantity);
    image.putString(base + kCompDescription, kShortString, component.description);
    image.putString(base + kCompDetail, kShortString, component.detail);

    const auto count = std::min<qsizetype>(component.values.size(), kComponentValueCount);
    if (component.values.size() > kComponentValueCount)
        truncated = true;
    for (int j = 0; j < count; ++j)
        writeValue(image, base + kComponentValuesOffset + kComponentValueSize * j,
                   component.values.at(j));
    if (count < kComponentValueCount)
        image.putString(base + kComponentValuesOffset + kComponentValueSize * int(count),
                        kShortString, nullMarker());
}

TCompReg readComponent(const ImageReader &image, int base)
{
    TCompReg component;
    component.code = image.string(base + kCompCode, kShortString);
    component.quantity = image.int32(base + kCompQuantity);
    component.description = image.string(base + kCompDescription, kShortString);
    component.detail = image.string(base + kCompDetail, kShortString);
    for (int j = 0; j < kComponentValueCount; ++j) {
        const int at = base + kComponentValuesOffset + kComponentValueSize * j;
        if (image.isZero(at, kComponentValueSize))
            continue;
        TNewCampos value;
        value.controlName = image.string(at + kValueName, kShortString);
        if (value.controlName == nullMarker())
            break;
        value.controlKind = image.byte(at + kValueKind);
        value.value = image.string(at + kValueText, kShortString);
        value.fieldName = image.string(at + kValueField, kShortString);
        component.values.append(value);
    }
    return component;
}

} // namespace

QByteArray encodePaymentSlots(const QList<PaymentSlot> &payments)
{
    ImageWriter image(kPaymentImageSize);
    const auto count = std::min<qsizetype>(payments.size(), kPaymentSlotCount);
    for (int i = 0; i < count; ++i) {
        const PaymentSlot &payment = payments.at(i);
        const int base = kPaymentSlotSize * i;
        image.putInt32(base + kPayType, payment.type);
        image.putString(base + kPayCode, kPaymentCodeLength, payment.code);
        image.putString(base + kPayDetail, kPaymentDetailLength, payment.detail);
        image.putInt64(base + kPayAmount, payment.amount.raw());
    }
    return image.bytes();
}

QList<PaymentSlot> decodePaymentSlots(const QByteArray &image)
{
    const ImageReader reader(image, kPaymentImageSize);
    QList<PaymentSlot> payments;
    for (int i = 0; i < kPaymentSlotCount; ++i) {
        const int base = kPaymentSlotSize * i;
        PaymentSlot payment;
        payment.type = reader.int32(base + kPayType);
        payment.code = reader.string(base + kPayCode, kPaymentCodeLength);
        payment.detail = reader.string(base + kPayDetail, kPaymentDetailLength);
        payment.amount = Money::fromRaw(reader.int64(base + kPayAmount));
        if (!payment.isEmpty())
            payments.append(payment);
    }
    return payments;
}

QByteArray encodeComponents(const QList<TCompReg> &components, bool *truncated)
{
    ImageWriter image(kComponentImageSize);
    bool cut = components.size() > kComponentSlotCount;
    const auto count = std::min<qsizetype>(components.size(), kComponentSlotCount);
    for (int k = 0; k < count; ++k)
        writeComponent(image, kComponentSlotSize * k, components.at(k), cut);
    if (count < kComponentSlotCount)
        image.putString(kComponentSlotSize * int(count) + kCompCode, kShortString, nullMarker());
    if (truncated)
        *truncated = cut;
    return image.bytes();
}

QList<TCompReg> decodeComponents(const QByteArray &image)
{
    const ImageReader reader(image, kComponentImageSize);
    QList<TCompReg> components;
    for (int k = 0; k < kComponentSlotCount; ++k) {
        const int base = kComponentSlotSize * k;
        if (reader.isZero(base, kComponentSlotSize))
            continue;
        if (reader.string(base + kCompCode, kShortString) == nullMarker())
            break;
        components.append(readComponent(reader, base));
    }
    return components;
}

QByteArray encodeContacts(const QList<TContacto> &entries)
{
    ImageWriter image(kContactImageSize);
    const auto count = std::min<qsizetype>(entries.size(), kContactSlotCount);
    for (int k = 0; k < count; ++k) {
        const TContacto &entry = entries.at(k);
        const int base = kContactSlotSize * k;
        image.putInt32(base + kContactNumber, entry.number);
        image.putString(base + kContactNote, kShortString, entry.note);
        image.putDouble(base + kContactDate, entry.date.isValid() ? toDaySerial(entry.date) : 0.0);
        image.putByte(base + kContactState, static_cast<quint8>(entry.state));
    }
    return image.bytes();
}

QList<TContacto> decodeContacts(const QByteArray &image)
{
    const ImageReader reader(image, kContactImageSize);
    QList<TContacto> entries;
    for (int k = 0; k < kContactSlotCount; ++k) {
        const int base = kContactSlotSize * k;
        TContacto entry;
        entry.note = reader.string(base + kContactNote, kShortString);
        if (entry.note.isEmpty())
            break;
        entry.number = reader.int32(base + kContactNumber);
        const double serial = reader.realNumber(base + kContactDate);
        // 0 is "no date"; NaN, infinities and absurd serials give a null date as well.
        entry.date = serial == 0.0 ? QDateTime() : fromDaySerial(serial);
        entry.state = reader.byte(base + kContactState);
        entries.append(entry);
    }
    return entries;
}

} // namespace k9
