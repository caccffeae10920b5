#pragma once

#include "core/Money.h"
#include "data/Status.h"
#include "workspace/WorkspaceBuilder.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace k9::workspace {

// Fills a workspace made by createWorkspace() with a small company that has something of
// everything: customers, categories of every stock handling, host products with their price
// data and stock, service products, employees, outside repairers, warehouses, currencies,
// banks, cards, petty-cash boxes, a user without the module right, sales with serials in
// the current period and in both history periods, and a few receptions, a budget, a
// service order, appointments and tasks. The module options point at the demo's service
// warehouse, petty-cash box and revision item, and the counters at the last numbers used.
//
// With `scale` N >= 1 the company also gets, for benchmarks, at least 1000 × N customers,
// host products (with their price data), sold serials (spread over the three periods) and
// receptions (1-3 items each, about one budget or service order per two receptions).
//
// The rows of each directory are written in one transaction. A workspace that already has
// customers or receptions is refused and left as it was.
Status fillDemoCompany(const QString &root, int scale = 0);

// The demo company's record (name, address, phone, tax ids), for createWorkspace.
CompanyInfo demoCompanyInfo();

// Fixed codes of the demo company, for callers and tests.
struct DemoCodes
{
    static constexpr int mainWarehouse = 1;     // "Almacén Principal"
    static constexpr int serviceWarehouse = 2;  // "Depósito de Servicio" (FC_DEPOSITOSERV)
    static constexpr int warrantyWarehouse = 3; // "Depósito de Garantías" (FC_DEPOSITOGARANTIA)
    static constexpr int servicePettyCash = 1;  // FC_CODECAJACHICA
    static constexpr int adminPettyCash = 2;
    static constexpr int activeStatus = 1;      // FC_STATUS, FV_STATUS, FP_STATUS, FD_STATUS
    static constexpr int priceLevel = 1;        // FC_PRECIOPIEZASERV
    static QString revisionItem() { return QStringLiteral("SV-0001"); } // FC_ITEMREVISION
    static QString seller() { return QStringLiteral("VENDEDOR"); }      // user without AccesoAdm
    static QString sellerPassword() { return QStringLiteral("VENTAS"); }
    static QString dollar() { return QStringLiteral("USD"); }
};

// ---- Price data of a product: SFixed.FX_COSTOS ---------------------------------------
// 624 bytes, little-endian; money as signed 64-bit ten-thousandths:
//   72 current cost | 120 taxable mark (1 byte)
//   144 + 72 × k, k = 0..4: price level k; within a level, +0 the price of plain parts and
//   +24 the price of size/colour details.
// The price level numbers of the options (FC_PRECIOPIEZASERV, NOMBRE_PRECIO1..) count from
// 1: level n is slot k = n - 1.
inline constexpr int kPriceDataSize = 624;
inline constexpr int kPriceCostOffset = 72;
inline constexpr int kPriceTaxableOffset = 120;
inline constexpr int kPriceLevelsOffset = 144;
inline constexpr int kPriceLevelSize = 72;
inline constexpr int kPriceLevelCount = 5;
inline constexpr int kPriceDetailOffset = 24;

// Offset of the plain price of level n (1-5); the size/colour price is kPriceDetailOffset
// further on.
constexpr int priceLevelOffset(int level)
{
    return kPriceLevelsOffset + kPriceLevelSize * (level - 1);
}

struct PriceData
{
    Money cost;
    bool taxable = true;
    std::array<Money, kPriceLevelCount> prices{};       // plain price of levels 1..5
    std::array<Money, kPriceLevelCount> detailPrices{}; // size/colour price of levels 1..5
};

QByteArray encodePriceData(const PriceData &data);
// Reads an image written by encodePriceData; missing bytes read as zero.
PriceData decodePriceData(const QByteArray &image);

} // namespace k9::workspace
