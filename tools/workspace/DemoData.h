#pragma once

// The fixed lists of the demo company, and the word lists the large volumes are drawn from.

#include "workspace/DemoCompany.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace k9::workspace::demo {

struct Customer
{
    QString code;
    QString name;
    QString detail;
    QString address;
    QString phone;
    QString rif;
    QString nit;
};

// Stock handling of a category (FD_MANEJOINVENTARIO).
enum class Stock { Plain = 0, Lots = 1, SizesColours = 2 };

struct Category
{
    QString code;
    QString name;
    QString detail;
    Stock stock = Stock::Plain;
    bool service = false; // FD_CLASIFICACION not 0: services, no stock
};

struct Product
{
    QString code;
    QString name;
    QString detail;
    QString brand;
    QString model;
    QString category;
    QString subcategory;
    Money price;             // level 1, before tax
    bool decimals = false;   // FI_EXISTDECIMAL
    bool serials = false;    // sold with serial numbers
    QString serialPrefix;    // serial numbers are this prefix and a running number
    Money serviceStock;      // stock in the service warehouse (plain products)
    Money mainStock;         // stock in the main warehouse (plain products)
    QStringList details;     // lot codes, or size/colour codes
};

struct ServiceProduct // k9RMAInventario
{
    QString code;
    QString name;
    QString detail;
    QString brand;
    QString model;
    QString category;
    QString subcategory;
    Money price;
};

struct Employee
{
    QString code;
    QString name;
    QString detail;
    int classification = 0; // 0 sales and reception, 1 technician
};

struct Supplier
{
    QString code;
    QString name;
    QString detail;
    QString address;
    QString phone;
};

struct Named
{
    QString code;
    QString name;
    QString extra;
};

const QList<Customer> &customers();
const QList<Category> &categories();
const QList<Product> &products();
const Product *findProduct(const QString &code);
const Category *findCategory(const QString &code);
const QList<ServiceProduct> &serviceProducts();
const QList<Employee> &employees();
const QList<Supplier> &suppliers();
const QList<Named> &warehouses();   // code as text
const QList<Named> &banks();        // code, name, confirmation phones
const QList<Named> &cards();
const QList<Named> &pettyCashBoxes();

// The price data of a demo product: the cost and the five levels follow from its price.
PriceData priceDataOf(const Product &product);

// Word lists of the large volumes.
namespace words {
const QStringList &firstNames();
const QStringList &lastNames();
const QStringList &companyHeads();
const QStringList &companyTails();
const QStringList &streets();
struct City
{
    QString name;
    QString areaCode;
    QStringList zones;
};
const QList<City> &cities();
struct ProductKind
{
    QString name;
    QString category;
    QStringList brands;
    QString serialPrefix;
    int basePrice; // whole units before tax
};
const QList<ProductKind> &productKinds();
const QStringList &faults();
const QStringList &conditions();
const QStringList &works();
} // namespace words

} // namespace k9::workspace::demo
