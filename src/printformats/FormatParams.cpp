#include "printformats/FormatParams.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace k9 {

namespace {

enum Offset {
    kTitle = 0,
    kCopies = 256,
    kActive = 260,
    kFixedPrinter = 261,
    kAsk = 262,
    kAskSecond = 263,
    kPrinter = 264,
    kNationalCurrency = 521,
    kOneJob = 522,
    kExport = 529,
    kWholeDocument = 541,
    kFromDocuments1 = 542,
    kFromDocuments2 = 543,
    kSkip = 545,
    kOrder = 546,
};

QString decode(const QByteArray &bytes)
{
    QStringDecoder windows("windows-1252");
    if (windows.isValid())
        return windows.decode(bytes);
    return QString::fromLatin1(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder windows("windows-1252");
    if (windows.isValid())
        return windows.encode(text);
    return text.toLatin1();
}

QString readShortString(const QByteArray &r, int at)
{
    const int length = static_cast<unsigned char>(r[at]);
    return decode(r.mid(at + 1, length));
}

void writeShortString(QByteArray &r, int at, const QString &text)
{
    const QByteArray bytes = encode(text).left(255);
    r[at] = static_cast<char>(bytes.size());
    std::memset(r.data() + at + 1, 0, 255);
    std::memcpy(r.data() + at + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}

qint32 readInt(const QByteArray &r, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(r[at + i]);
    return static_cast<qint32>(v);
}

void writeInt(QByteArray &r, int at, qint32 value)
{
    auto v = static_cast<quint32>(value);
    for (int i = 0; i < 4; ++i, v >>= 8)
        r[at + i] = static_cast<char>(v & 0xff);
}

} // namespace

std::optional<FormatParams> FormatParams::fromBytes(const QByteArray &record)
{
    if (record.size() < kSize)
        return std::nullopt;
    const QByteArray r = record.left(kSize);
    const auto flag = [&r](int at) { return r[at] != 0; };
    FormatParams p;
    p.m_raw = r;
    p.title = readShortString(r, kTitle);
    p.copies = readInt(r, kCopies);
    p.active = flag(kActive);
    p.fixedPrinter = flag(kFixedPrinter);
    p.askBeforePrinting = flag(kAsk);
    p.askSecond = flag(kAskSecond);
    p.printerName = readShortString(r, kPrinter);
    p.nationalCurrency = flag(kNationalCurrency);
    p.copiesAsOneJob = flag(kOneJob);
    p.exportToFile = flag(kExport);
    p.wholeDocument = flag(kWholeDocument);
    p.fromDocuments1 = flag(kFromDocuments1);
    p.fromDocuments2 = flag(kFromDocuments2);
    p.skip = flag(kSkip);
    p.order = readInt(r, kOrder);
    return p;
}

QByteArray FormatParams::toBytes() const
{
    QByteArray r = m_raw.size() == kSize ? m_raw : QByteArray(kSize, '\0');
    const auto setFlag = [&r](int at, bool on) { r[at] = on ? 1 : 0; };
    writeShortString(r, kTitle, title);
    writeInt(r, kCopies, copies);
    setFlag(kActive, active);
    setFlag(kFixedPrinter, fixedPrinter);
    setFlag(kAsk, askBeforePrinting);
    setFlag(kAskSecond, askSecond);
    writeShortString(r, kPrinter, printerName);
    setFlag(kNationalCurrency, nationalCurrency);
    setFlag(kOneJob, copiesAsOneJob);
    setFlag(kExport, exportToFile);
    setFlag(kWholeDocument, wholeDocument);
    setFlag(kFromDocuments1, fromDocuments1);
    setFlag(kFromDocuments2, fromDocuments2);
    setFlag(kSkip, skip);
    writeInt(r, kOrder, order);
    return r;
}

} // namespace k9
