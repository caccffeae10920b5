#include "workspace/DemoCompany.h"

#include <QtEndian>

namespace k9::workspace {

namespace {

void putMoney(QByteArray &image, int offset, Money value)
{
    qToLittleEndian<qint64>(value.raw(), image.data() + offset);
}

Money moneyAt(const QByteArray &image, int offset)
{
    if (offset + 8 > image.size())
        return Money();
    return Money::fromRaw(qFromLittleEndian<qint64>(image.constData() + offset));
}

} // namespace

QByteArray encodePriceData(const PriceData &data)
{
    QByteArray image(kPriceDataSize, '\0');
    putMoney(image, kPriceCostOffset, data.cost);
    image[kPriceTaxableOffset] = data.taxable ? 1 : 0;
    for (int n = 1; n <= kPriceLevelCount; ++n) {
        putMoney(image, priceLevelOffset(n), data.prices[n - 1]);
        putMoney(image, priceLevelOffset(n) + kPriceDetailOffset, data.detailPrices[n - 1]);
    }
    return image;
}

PriceData decodePriceData(const QByteArray &image)
{
    PriceData data;
    data.cost = moneyAt(image, kPriceCostOffset);
    data.taxable = image.size() > kPriceTaxableOffset && image[kPriceTaxableOffset] != 0;
    for (int n = 1; n <= kPriceLevelCount; ++n) {
        data.prices[n - 1] = moneyAt(image, priceLevelOffset(n));
        data.detailPrices[n - 1] = moneyAt(image, priceLevelOffset(n) + kPriceDetailOffset);
    }
    return data;
}

} // namespace k9::workspace
