#include "workspace/DemoData.h"

#include "workspace/DemoRows.h"

namespace k9::workspace::demo {

namespace {

QString q(const char16_t *text)
{
    return QString::fromUtf16(text);
}

} // namespace

const QList<Customer> &customers()
{
    static const QList<Customer> all = {
        {q(u"C0000001"), q(u"Inversiones El Ávila, C.A."), q(u"Oficinas administrativas, 40 equipos"),
         q(u"Av. Francisco de Miranda, Torre Provincial, piso 5, Chacao, Caracas"), q(u"0212-5551234"),
         q(u"J-30123456-7"), q(u"0312345678")},
        {q(u"C0000002"), q(u"Distribuidora Los Andes, S.A."), q(u"Mayorista de víveres"),
         q(u"Zona Industrial Municipal Sur, calle 98, galpón 12, Valencia"), q(u"0241-8714455"),
         q(u"J-29876543-1"), q(u"0298765432")},
        {q(u"C0000003"), q(u"Farmacia Santa Rosa, C.A."), q(u"Cadena de farmacias"),
         q(u"Av. 5 de Julio con calle 72, local 3, Maracaibo"), q(u"0261-7982210"), q(u"J-31234567-0"),
         q(u"0412345670")},
        {q(u"C0000004"), q(u"María Fernanda González"), q(u"Cliente particular"),
         q(u"Urb. El Paraíso, calle Los Mangos, casa 14, Caracas"), q(u"0414-3217788"), q(u"V-12345678-9"),
         QString()},
        {q(u"C0000005"), q(u"José Gregorio Pérez"), q(u"Cliente particular"),
         q(u"Urb. Prebo, av. 104, residencias Camoruco, apto 6-B, Valencia"), q(u"0424-4102233"),
         q(u"V-14567890-2"), QString()},
        {q(u"C0000006"), q(u"Colegio San Agustín"), q(u"Laboratorio de computación, 25 equipos"),
         q(u"Av. Páez, El Paraíso, Caracas"), q(u"0212-4816600"), q(u"J-00045678-3"), q(u"0045678123")},
        {q(u"C0000007"), q(u"Servicios Médicos Zulia, C.A."), q(u"Clínica y laboratorio"),
         q(u"Calle 77 (5 de Julio) con av. 3H, edif. Zulia Médica, Maracaibo"), q(u"0261-7933030"),
         q(u"J-40112233-5"), q(u"0511223344")},
        {q(u"C0000008"), q(u"Ferretería El Tornillo, C.A."), q(u"Ferretería y materiales"),
         q(u"Av. Bolívar Norte, C.C. Camoruco, local 22, Valencia"), q(u"0241-8250099"), q(u"J-30555666-9"),
         q(u"0355566690")},
        {q(u"C0000009"), q(u"Carlos Eduardo Rodríguez"), q(u"Cliente particular"),
         q(u"Sector La Lago, av. 2 El Milagro, edif. Mara, apto 3-A, Maracaibo"), q(u"0416-6623344"),
         q(u"V-10987654-3"), QString()},
        {q(u"C0000010"), q(u"Panadería La Esquina, C.A."), q(u"Panadería y charcutería"),
         q(u"Esquina de Monzón, av. Urdaneta, Candelaria, Caracas"), q(u"0212-5640987"), q(u"J-29333444-1"),
         q(u"0293334441")},
        {q(u"C0000011"), q(u"Constructora Carabobo, C.A."), q(u"Oficina de proyectos"),
         q(u"Av. Cedeño, edif. Torre Cedeño, piso 8, Valencia"), q(u"0241-8576543"), q(u"J-31777888-2"),
         q(u"0317778882")},
        {q(u"C0000012"), q(u"Ana Lucía Martínez"), q(u"Cliente particular"),
         q(u"Los Palos Grandes, 3ra. transversal, quinta Anita, Caracas"), q(u"0412-2849911"),
         q(u"V-16789012-4"), QString()},
        {q(u"C0000013"), q(u"Transporte Lago Azul, C.A."), q(u"Flota de carga"),
         q(u"Av. La Limpia, galpón 4, Maracaibo"), q(u"0261-7541200"), q(u"J-30999000-6"), q(u"0309990006")},
        {q(u"C0000014"), q(u"Óptica Visión Clara, C.A."), q(u"Óptica, dos sucursales"),
         q(u"Boulevard de Sabana Grande, edif. Royal, local 5, Caracas"), q(u"0212-7615522"),
         q(u"J-40555111-8"), q(u"0555111800")},
        {q(u"C0000015"), q(u"Luis Alberto Hernández"), q(u"Cliente particular"),
         q(u"Urb. La Trigaleña, calle 140, casa 27, Valencia"), q(u"0426-5407766"), q(u"V-18234567-0"),
         QString()},
    };
    return all;
}

const QList<Category> &categories()
{
    static const QList<Category> all = {
        {q(u"EQUIPOS"), q(u"Equipos de computación"), q(u"Laptops, computadoras de escritorio y tabletas"),
         Stock::Plain, false},
        {q(u"IMPRES"), q(u"Impresoras y multifuncionales"), q(u"Impresoras de tinta y láser"), Stock::Plain, false},
        {q(u"TELEF"), q(u"Telefonía celular"), q(u"Teléfonos inteligentes"), Stock::Plain, false},
        {q(u"MONIT"), q(u"Monitores y pantallas"), q(u"Monitores LED y curvos"), Stock::Plain, false},
        {q(u"REPUES"), q(u"Repuestos y partes"), q(u"Partes para reparación de equipos"), Stock::Plain, false},
        {q(u"CONSUM"), q(u"Consumibles"), q(u"Tóner, tinta y pasta térmica, por lotes"), Stock::Lots, false},
        {q(u"ACCES"), q(u"Accesorios"), q(u"Forros, bolsos y periféricos, por tallas y colores"),
         Stock::SizesColours, false},
        {q(u"SERVIC"), q(u"Servicios técnicos"), q(u"Mano de obra y servicios del taller"), Stock::Plain, true},
    };
    return all;
}

const QList<Product> &products()
{
    static const QList<Product> all = {
        // Equipment, sold with serials.
        {q(u"EQ-0001"), q(u"Laptop HP 250 G8 15.6\""), q(u"Intel Core i5, 8 GB RAM, disco sólido 256 GB"), q(u"HP"),
         q(u"250 G8"), q(u"EQUIPOS"), q(u"Laptops"), money("16425.00"), false, true, q(u"5CD1"),
         money("0"), money("6"), {}},
        {q(u"EQ-0002"), q(u"Laptop Lenovo IdeaPad 3 15ITL6"), q(u"Intel Core i3, 8 GB RAM, disco sólido 512 GB"),
         q(u"Lenovo"), q(u"IdeaPad 3 15ITL6"), q(u"EQUIPOS"), q(u"Laptops"), money("14235.00"), false, true,
         q(u"PF3A"), money("0"), money("4"), {}},
        {q(u"EQ-0003"), q(u"Computadora Dell OptiPlex 3080"), q(u"Intel Core i5, 8 GB RAM, disco duro 1 TB"),
         q(u"Dell"), q(u"OptiPlex 3080"), q(u"EQUIPOS"), q(u"Escritorio"), money("20075.00"), false, true,
         q(u"7XK"), money("0"), money("3"), {}},
        {q(u"EQ-0004"), q(u"Laptop Dell Inspiron 15 3511"), q(u"Intel Core i7, 16 GB RAM, disco sólido 512 GB"),
         q(u"Dell"), q(u"Inspiron 15 3511"), q(u"EQUIPOS"), q(u"Laptops"), money("25550.00"), false, true,
         q(u"9HT"), money("0"), money("2"), {}},
        {q(u"IM-0001"), q(u"Impresora multifuncional Epson L3250"), q(u"Tanque de tinta, Wi-Fi, escáner"),
         q(u"Epson"), q(u"EcoTank L3250"), q(u"IMPRES"), q(u"Tinta"), money("7300.00"), false, true, q(u"X5QK"),
         money("0"), money("8"), {}},
        {q(u"IM-0002"), q(u"Impresora láser HP LaserJet Pro M404dn"), q(u"Monocromática, dúplex, red"), q(u"HP"),
         q(u"LaserJet Pro M404dn"), q(u"IMPRES"), q(u"Láser"), money("12775.00"), false, true, q(u"PHBB"),
         money("0"), money("3"), {}},
        {q(u"IM-0003"), q(u"Impresora Canon PIXMA G3110"), q(u"Tanque de tinta, Wi-Fi"), q(u"Canon"),
         q(u"PIXMA G3110"), q(u"IMPRES"), q(u"Tinta"), money("6205.00"), false, true, q(u"KMHF"), money("0"),
         money("5"), {}},
        {q(u"TE-0001"), q(u"Teléfono Samsung Galaxy A14"), q(u"128 GB, doble SIM"), q(u"Samsung"), q(u"SM-A145M"),
         q(u"TELEF"), q(u"Android"), money("6570.00"), false, true, q(u"3549871"), money("0"), money("12"), {}},
        {q(u"TE-0002"), q(u"Teléfono Xiaomi Redmi Note 12"), q(u"128 GB, 6 GB RAM"), q(u"Xiaomi"),
         q(u"Redmi Note 12"), q(u"TELEF"), q(u"Android"), money("7665.00"), false, true, q(u"8645120"), money("0"),
         money("10"), {}},
        {q(u"TE-0003"), q(u"Teléfono Motorola Moto G32"), q(u"128 GB, 4 GB RAM"), q(u"Motorola"), q(u"XT2235-1"),
         q(u"TELEF"), q(u"Android"), money("5475.00"), false, true, q(u"3571020"), money("0"), money("7"), {}},
        {q(u"MO-0001"), q(u"Monitor LG 24\" Full HD 24MK430H"), q(u"IPS, HDMI y VGA"), q(u"LG"), q(u"24MK430H"),
         q(u"MONIT"), q(u"LED"), money("4380.00"), false, true, q(u"203NTAB"), money("0"), money("9"), {}},
        {q(u"MO-0002"), q(u"Monitor Samsung 27\" curvo C27F390"), q(u"Curvo, FreeSync"), q(u"Samsung"),
         q(u"C27F390"), q(u"MONIT"), q(u"Curvo"), money("6935.00"), false, true, q(u"ZZRJH4"), money("0"),
         money("4"), {}},
        // Spare parts, plain stock; the disks carry serials.
        {q(u"RP-0001"), q(u"Disco duro 1TB"), q(u"SATA 3.5\", 7200 rpm"), q(u"Seagate"), q(u"ST1000DM010"),
         q(u"REPUES"), q(u"Almacenamiento"), money("1825.00"), false, true, q(u"ZN1A"), money("6"), money("10"),
         {}},
        {q(u"RP-0002"), q(u"Fuente de poder 500W"), q(u"ATX, certificación 80 Plus"), q(u"EVGA"),
         q(u"500 W1"), q(u"REPUES"), q(u"Energía"), money("1570.00"), false, false, QString(), money("4"),
         money("8"), {}},
        {q(u"RP-0003"), q(u"Memoria RAM DDR4 8GB"), q(u"2666 MHz, para laptop (SODIMM)"), q(u"Kingston"),
         q(u"KVR26S19S8/8"), q(u"REPUES"), q(u"Memorias"), money("985.00"), false, false, QString(), money("12"),
         money("20"), {}},
        {q(u"RP-0004"), q(u"Disco sólido SSD 480GB"), q(u"SATA 2.5\""), q(u"Kingston"), q(u"A400"),
         q(u"REPUES"), q(u"Almacenamiento"), money("1460.00"), false, true, q(u"50026B7"), money("5"),
         money("15"), {}},
        {q(u"RP-0005"), q(u"Pantalla para laptop 15.6\" LED"), q(u"30 pines, HD"), q(u"BOE"), q(u"NT156WHM-N42"),
         q(u"REPUES"), q(u"Pantallas"), money("2555.00"), false, false, QString(), money("0"), money("3"), {}},
        {q(u"RP-0006"), q(u"Cable UTP categoría 6 (metro)"), q(u"Cobre, por metro"), q(u"Nexxt"), q(u"CAT6-UTP"),
         q(u"REPUES"), q(u"Redes"), money("36.50"), true, false, QString(), money("120.5"), money("305"), {}},
        // Consumables, by lots.
        {q(u"CO-0001"), q(u"Tóner HP 58A"), q(u"Negro, 3000 páginas"), q(u"HP"), q(u"CF258A"), q(u"CONSUM"),
         q(u"Tóner"), money("3285.00"), false, false, QString(), money("0"), money("0"),
         texts({u"L2024-011", u"L2024-037"})},
        {q(u"CO-0002"), q(u"Botella de tinta Epson T544 negra"), q(u"65 ml"), q(u"Epson"), q(u"T544120"),
         q(u"CONSUM"), q(u"Tinta"), money("438.00"), false, false, QString(), money("0"), money("0"),
         texts({u"L2024-052", u"L2025-003"})},
        {q(u"CO-0003"), q(u"Pasta térmica Arctic MX-4 (gramos)"), q(u"Compuesto térmico, por gramo"), q(u"Arctic"),
         q(u"MX-4"), q(u"CONSUM"), q(u"Mantenimiento"), money("54.75"), true, false, QString(), money("0"),
         money("0"), texts({u"MX4-2301", u"MX4-2402"})},
        // Accessories, by sizes and colours.
        {q(u"AC-0001"), q(u"Forro protector para teléfono"), q(u"Silicón, para Galaxy A14"), q(u"Genérico"),
         q(u"A14"), q(u"ACCES"), q(u"Forros"), money("182.50"), false, false, QString(), money("0"), money("0"),
         texts({u"NEGRO-U", u"AZUL-U", u"TRANSP-U"})},
        {q(u"AC-0002"), q(u"Bolso para laptop"), q(u"Acolchado, con bolsillo"), q(u"Targus"), q(u"TSS912"),
         q(u"ACCES"), q(u"Bolsos"), money("912.50"), false, false, QString(), money("0"), money("0"),
         texts({u"NEGRO-14", u"NEGRO-15.6", u"GRIS-15.6"})},
        {q(u"AC-0003"), q(u"Mouse inalámbrico Logitech M170"), q(u"USB, 2.4 GHz"), q(u"Logitech"), q(u"M170"),
         q(u"ACCES"), q(u"Periféricos"), money("365.00"), false, false, QString(), money("0"), money("0"),
         texts({u"NEGRO-U", u"ROJO-U", u"AZUL-U"})},
        // Services, no stock.
        {q(u"SV-0001"), q(u"Revisión técnica"), q(u"Diagnóstico del equipo recibido"), QString(), QString(),
         q(u"SERVIC"), q(u"Diagnóstico"), money("10.00"), false, false, QString(), money("0"), money("0"), {}},
        {q(u"SV-0002"), q(u"Mano de obra técnica"), q(u"Hora de trabajo del técnico"), QString(), QString(),
         q(u"SERVIC"), q(u"Mano de obra"), money("730.00"), false, false, QString(), money("0"), money("0"), {}},
        {q(u"SV-0003"), q(u"Limpieza y mantenimiento preventivo"), q(u"Limpieza interna y cambio de pasta térmica"),
         QString(), QString(), q(u"SERVIC"), q(u"Mantenimiento"), money("1095.00"), false, false, QString(),
         money("0"), money("0"), {}},
        {q(u"SV-0004"), q(u"Instalación de sistema operativo"), q(u"Instalación, controladores y respaldo"),
         QString(), QString(), q(u"SERVIC"), q(u"Software"), money("912.50"), false, false, QString(), money("0"),
         money("0"), {}},
    };
    return all;
}

const Product *findProduct(const QString &code)
{
    for (const Product &p : products())
        if (p.code == code)
            return &p;
    return nullptr;
}

const Category *findCategory(const QString &code)
{
    for (const Category &c : categories())
        if (c.code == code)
            return &c;
    return nullptr;
}

const QList<ServiceProduct> &serviceProducts()
{
    // Codes of 8 digits, as the service inventory window pads them.
    static const QList<ServiceProduct> all = {
        {q(u"00000001"), q(u"Diagnóstico de equipo"), q(u"Revisión completa y presupuesto"), QString(), QString(),
         q(u"SERVIC"), q(u"Diagnóstico"), money("15.00")},
        {q(u"00000002"), q(u"Recuperación de datos"), q(u"Discos dañados o borrados"), QString(), QString(),
         q(u"SERVIC"), q(u"Software"), money("1460.00")},
        {q(u"00000003"), q(u"Tableta (equipo del cliente)"), q(u"Tableta no vendida por la empresa"), q(u"Varias"),
         QString(), q(u"EQUIPOS"), q(u"Tabletas"), money("0")},
        {q(u"00000004"), q(u"Laptop (equipo del cliente)"), q(u"Laptop no vendida por la empresa"), q(u"Varias"),
         QString(), q(u"EQUIPOS"), q(u"Laptops"), money("0")},
        {q(u"00000005"), q(u"Impresora (equipo del cliente)"), q(u"Impresora no vendida por la empresa"),
         q(u"Varias"), QString(), q(u"IMPRES"), q(u"Impresoras"), money("0")},
        {q(u"00000006"), q(u"Configuración de red"), q(u"Enrutador, Wi-Fi y recursos compartidos"), QString(),
         QString(), q(u"SERVIC"), q(u"Redes"), money("730.00")},
        {q(u"00000007"), q(u"Reparación de tarjeta madre"), q(u"Soldadura y cambio de componentes"), QString(),
         QString(), q(u"SERVIC"), q(u"Electrónica"), money("2190.00")},
        {q(u"00000008"), q(u"Cambio de pantalla de teléfono"), q(u"Mano de obra, sin la pantalla"), QString(),
         QString(), q(u"SERVIC"), q(u"Telefonía"), money("547.50")},
        {q(u"00000009"), q(u"Mantenimiento de impresora"), q(u"Limpieza de cabezal y rodillos"), QString(),
         QString(), q(u"SERVIC"), q(u"Mantenimiento"), money("657.00")},
        {q(u"00000010"), q(u"Eliminación de virus"), q(u"Limpieza y antivirus"), QString(), QString(),
         q(u"SERVIC"), q(u"Software"), money("547.50")},
    };
    return all;
}

const QList<Employee> &employees()
{
    static const QList<Employee> all = {
        {q(u"V001"), q(u"Pedro Ramírez"), q(u"Vendedor de mostrador"), 0},
        {q(u"V002"), q(u"Carmen Villalobos"), q(u"Recepción de servicio técnico"), 0},
        {q(u"V003"), q(u"Jesús Márquez"), q(u"Técnico de computadoras"), 1},
        {q(u"V004"), q(u"Yusmary Colmenares"), q(u"Técnica de impresoras"), 1},
        {q(u"V005"), q(u"Andrés Salazar"), q(u"Técnico de telefonía"), 1},
        {q(u"V006"), q(u"Rosa Elena Urdaneta"), q(u"Jefa de servicio técnico"), 1},
        {q(u"V007"), q(u"Miguel Ángel Briceño"), q(u"Técnico de redes"), 1},
        {q(u"V008"), q(u"Daniela Castillo"), q(u"Vendedora"), 0},
    };
    return all;
}

const QList<Supplier> &suppliers()
{
    static const QList<Supplier> all = {
        {q(u"PR001"), q(u"Servitec Caracas, C.A."), q(u"Reparación de laptops y teclados"),
         q(u"Av. Libertador, edif. Multicentro, local 14, Caracas"), q(u"0212-7931122")},
        {q(u"PR002"), q(u"Imprecolor Valencia, C.A."), q(u"Centro de servicio autorizado de impresoras"),
         q(u"Av. Bolívar Norte, C.C. Cosmos, local 3, Valencia"), q(u"0241-8243377")},
        {q(u"PR003"), q(u"Celutronic del Zulia, C.A."), q(u"Servicio técnico de teléfonos"),
         q(u"Av. 4 Bella Vista con calle 70, Maracaibo"), q(u"0261-7987744")},
        {q(u"PR004"), q(u"Laboratorio Electrónico del Centro, C.A."), q(u"Reparación de tarjetas y fuentes"),
         q(u"Calle Rondón, Los Guayos, Valencia"), q(u"0241-8711290")},
        {q(u"PR005"), q(u"Reparaciones Digitales Chacao, C.A."), q(u"Monitores y pantallas"),
         q(u"Calle Cecilio Acosta, Chacao, Caracas"), q(u"0212-2654401")},
    };
    return all;
}

const QList<Named> &warehouses()
{
    static const QList<Named> all = {
        {QString::number(DemoCodes::mainWarehouse), q(u"Almacén Principal"), QString()},
        {QString::number(DemoCodes::serviceWarehouse), q(u"Depósito de Servicio"), QString()},
        {QString::number(DemoCodes::warrantyWarehouse), q(u"Depósito de Garantías"), QString()},
    };
    return all;
}

const QList<Named> &banks()
{
    static const QList<Named> all = {
        {q(u"0102"), q(u"Banco de Venezuela"), q(u"0500-6424357")},
        {q(u"0105"), q(u"Banco Mercantil"), q(u"0212-5032000")},
        {q(u"0108"), q(u"BBVA Provincial"), q(u"0212-5045111")},
        {q(u"0134"), q(u"Banesco"), q(u"0212-5015000")},
        {q(u"0191"), q(u"Banco Nacional de Crédito"), q(u"0212-5975000")},
    };
    return all;
}

const QList<Named> &cards()
{
    static const QList<Named> all = {
        {q(u"VISA"), q(u"Visa"), QString()},
        {q(u"MASTER"), q(u"MasterCard"), QString()},
        {q(u"MAESTRO"), q(u"Maestro (débito)"), QString()},
        {q(u"AMEX"), q(u"American Express"), QString()},
    };
    return all;
}

const QList<Named> &pettyCashBoxes()
{
    static const QList<Named> all = {
        {QString::number(DemoCodes::servicePettyCash), q(u"Caja chica servicio técnico"), QString()},
        {QString::number(DemoCodes::adminPettyCash), q(u"Caja chica administración"), QString()},
    };
    return all;
}

PriceData priceDataOf(const Product &product)
{
    PriceData data;
    data.taxable = true;
    data.cost = product.price.mulDiv(Money::fromUnits(62), 100);
    const bool detailed = [&] {
        const Category *c = findCategory(product.category);
        return c && c->stock == Stock::SizesColours;
    }();
    // Level 1 is the list price; each further level 5 % less.
    for (int k = 0; k < kPriceLevelCount; ++k) {
        const Money price = product.price.mulDiv(Money::fromUnits(100 - 5 * k), 100).roundedHalfUp(2);
        data.prices[k] = price;
        if (detailed)
            data.detailPrices[k] = price;
    }
    return data;
}

namespace words {

const QStringList &firstNames()
{
    static const QStringList all = texts({u"María", u"José", u"Luis", u"Ana", u"Carlos", u"Carmen", u"Jesús",
                                          u"Rosa", u"Pedro", u"Luisa", u"Juan", u"Gabriela", u"Miguel", u"Daniela",
                                          u"Rafael", u"Andreína", u"Jorge", u"Yolanda", u"Víctor", u"Elena"});
    return all;
}

const QStringList &lastNames()
{
    static const QStringList all = texts({u"González", u"Rodríguez", u"Pérez", u"Hernández", u"Martínez",
                                          u"García", u"López", u"Díaz", u"Sánchez", u"Ramírez", u"Torres",
                                          u"Rojas", u"Medina", u"Castillo", u"Suárez", u"Morales", u"Briceño",
                                          u"Urdaneta", u"Colmenares", u"Salazar"});
    return all;
}

const QStringList &companyHeads()
{
    static const QStringList all = texts({u"Inversiones", u"Distribuidora", u"Comercial", u"Servicios",
                                          u"Corporación", u"Grupo", u"Suministros", u"Tecnología", u"Farmacia",
                                          u"Ferretería", u"Transporte", u"Panadería"});
    return all;
}

const QStringList &companyTails()
{
    static const QStringList all = texts({u"del Centro", u"Los Andes", u"El Lago", u"La Guaira", u"Oriente",
                                          u"Caribe", u"Tropical", u"Bolívar", u"Miranda", u"Carabobo", u"Zulia",
                                          u"El Ávila", u"San Diego", u"La Candelaria"});
    return all;
}

const QStringList &streets()
{
    static const QStringList all = texts({u"Av. Bolívar", u"Calle Páez", u"Av. Urdaneta", u"Calle Sucre",
                                          u"Av. Libertador", u"Calle Miranda", u"Av. 5 de Julio",
                                          u"Av. Las Delicias", u"Calle Comercio", u"Av. Universidad"});
    return all;
}

const QList<City> &cities()
{
    static const QList<City> all = {
        {q(u"Caracas"), q(u"0212"), texts({u"Chacao", u"El Paraíso", u"Candelaria", u"Los Palos Grandes",
                                           u"Sabana Grande"})},
        {q(u"Valencia"), q(u"0241"), texts({u"Prebo", u"La Viña", u"San Diego", u"Naguanagua", u"El Trigal"})},
        {q(u"Maracaibo"), q(u"0261"), texts({u"Bella Vista", u"La Lago", u"Tierra Negra", u"El Milagro",
                                             u"Delicias Norte"})},
    };
    return all;
}

const QList<ProductKind> &productKinds()
{
    static const QList<ProductKind> all = {
        {q(u"Laptop"), q(u"EQUIPOS"), texts({u"HP", u"Lenovo", u"Dell", u"Acer", u"Asus"}), q(u"LP"), 15000},
        {q(u"Computadora de escritorio"), q(u"EQUIPOS"), texts({u"HP", u"Dell", u"Lenovo"}), q(u"CE"), 19000},
        {q(u"Tableta"), q(u"EQUIPOS"), texts({u"Samsung", u"Lenovo", u"Huawei"}), q(u"TB"), 6000},
        {q(u"Impresora"), q(u"IMPRES"), texts({u"Epson", u"HP", u"Canon", u"Brother"}), q(u"IP"), 7000},
        {q(u"Teléfono"), q(u"TELEF"), texts({u"Samsung", u"Xiaomi", u"Motorola", u"Huawei"}), q(u"TF"), 6500},
        {q(u"Monitor"), q(u"MONIT"), texts({u"LG", u"Samsung", u"AOC", u"ViewSonic"}), q(u"MN"), 4500},
        {q(u"Disco duro"), q(u"REPUES"), texts({u"Seagate", u"Western Digital", u"Toshiba"}), q(u"DD"), 1800},
        {q(u"Enrutador"), q(u"EQUIPOS"), texts({u"TP-Link", u"Cisco", u"Nexxt"}), q(u"RT"), 1500},
    };
    return all;
}

const QStringList &faults()
{
    static const QStringList all = texts({u"No enciende", u"Pantalla rota", u"No carga la batería",
                                          u"Se reinicia solo", u"Atasco de papel", u"Imprime en blanco",
                                          u"No da imagen", u"Hace un ruido extraño", u"Se recalienta",
                                          u"No reconoce el cargador", u"Teclado dañado", u"Puerto USB dañado"});
    return all;
}

const QStringList &conditions()
{
    static const QStringList all = texts({u"Buen estado", u"Rayones leves en la carcasa", u"Golpe en una esquina",
                                          u"Sin cargador", u"Con cargador y estuche", u"Tapa trasera floja"});
    return all;
}

const QStringList &works()
{
    static const QStringList all = texts({u"Diagnóstico y reparación", u"Cambio de pieza", u"Limpieza interna",
                                          u"Actualización de firmware", u"Ajuste y calibración"});
    return all;
}

} // namespace words

} // namespace k9::workspace::demo
