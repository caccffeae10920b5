#include "workspace/DefaultFormats.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace k9::workspace {

namespace {

// The parameter record: 820 bytes, texts length-prefixed (at most 255 characters, Windows
// Western code page), integers 32-bit little-endian.
constexpr int kRecordSize = 820;

void putShortString(QByteArray &record, int at, const QString &text)
{
    const QByteArray bytes = text.toLatin1().left(255);
    record[at] = static_cast<char>(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        record[at + 1 + static_cast<int>(i)] = bytes[i];
}

void putInt(QByteArray &record, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i, value >>= 8)
        record[at + i] = static_cast<char>(value & 0xff);
}

QByteArray parameterRecord(const QString &title)
{
    QByteArray r(kRecordSize, '\0');
    putShortString(r, 0, title); // title
    putInt(r, 256, 1);           // copies
    r[260] = 1;                  // active
    r[262] = 1;                  // ask before printing: the printer page
    r[542] = 1;                  // printed from documents
    r[543] = 1;
    putInt(r, 546, 1);           // order
    return r;
}

// ---------------------------------------------------------------- layouts

QString heading(const QString &title)
{
    return QStringLiteral(R"(K9SPR 1
# Formato instalado por k9rma-workspace. Vea docs/print-formats.md para modificarlo.
PAGE width=210 height=297 font="DejaVu Sans" size=9

# Encabezado de la empresa
LABEL x=15 y=12 w=120 h=7 code=0_00 size=14 bold
LABEL x=15 y=19 w=120 h=5 code=0_02
LABEL x=15 y=24 w=120 h=5 code=0_06 text="Teléfonos: "
LABEL x=15 y=29 w=120 h=5 code=0_05 text="RIF: "
LABEL x=140 y=12 w=55 h=6 code=0_12 align=right bold
EAN8 x=155 y=19 w=40 h=16 code="F,barras,F1_00" size=8

# Documento
LABEL x=15 y=40 w=120 h=8 text="%1" size=13 bold
LABEL x=135 y=40 w=60 h=6 code=1_00 text="N° " align=right size=12 bold
LABEL x=135 y=46 w=60 h=5 code=0_10 text="Fecha: " align=right
LABEL x=15 y=51 w=180 h=0 frame

# Cliente
LABEL x=15 y=53 w=25 h=5 text="Cliente:" bold
LABEL x=40 y=53 w=100 h=5 code=1_01
LABEL x=145 y=53 w=12 h=5 text="RIF:" bold
LABEL x=157 y=53 w=38 h=5 code=1_03
LABEL x=15 y=58 w=25 h=5 text="Dirección:" bold
LABEL x=40 y=58 w=155 h=5 code=1_02
LABEL x=15 y=63 w=25 h=5 text="Teléfono:" bold
LABEL x=40 y=63 w=60 h=5 code=1_04
LABEL x=110 y=63 w=22 h=5 text="Vendedor:" bold
LABEL x=132 y=63 w=63 h=5 code=1_05
)")
        .arg(title);
}

// A table: a framed title row and one MEMO per column listing an item field, one item a line.
struct Column
{
    const char16_t *title;
    const char16_t *code;
    double width;
    bool right = false;
    bool whole = false; // a count: printed without decimals
};

QString table(double top, double height, const QList<Column> &columns)
{
    QString out = QStringLiteral("LABEL x=15 y=%1 w=180 h=6 frame\n").arg(top);
    double x = 15;
    for (const Column &c : columns) {
        const QString align = c.right ? QStringLiteral(" align=right") : QString();
        const QString decimals = c.whole ? QStringLiteral(" decimals=0") : QString();
        out += QStringLiteral("LABEL x=%1 y=%2 w=%3 h=6 text=\"%4\" size=8 bold%5\n")
                   .arg(x + 1)
                   .arg(top)
                   .arg(c.width - 2)
                   .arg(QString::fromUtf16(c.title), align);
        out += QStringLiteral("MEMO x=%1 y=%2 w=%3 h=%4 code=%5 size=8%6%7\n")
                   .arg(x + 1)
                   .arg(top + 7)
                   .arg(c.width - 2)
                   .arg(height)
                   .arg(QString::fromUtf16(c.code), align, decimals);
        x += c.width;
    }
    return out;
}

QString amountRow(double y, const QString &caption, const QString &code, bool bold = false)
{
    const QString weight = bold ? QStringLiteral(" bold") : QString();
    return QStringLiteral("LABEL x=125 y=%1 w=38 h=5 text=\"%2\"%3\n"
                          "NUMERO x=163 y=%1 w=32 h=5 code=\"%4\" align=right%3\n")
        .arg(y)
        .arg(caption, weight, code);
}

QString footer(const QString &signature)
{
    return QStringLiteral(R"(
# Pie
LABEL x=15 y=262 w=70 h=0 frame
LABEL x=15 y=263 w=70 h=5 text="%1" align=center
LABEL x=110 y=263 w=85 h=5 code=0_11 text="Atendido por: " align=right
LABEL x=140 y=285 w=40 h=5 code=0_13 text="Página " align=right size=8
LABEL x=180 y=285 w=15 h=5 code=0_14 text=" de " size=8
)")
        .arg(signature);
}

QString receptionLayout()
{
    QString out = heading(QStringLiteral("RECEPCIÓN DE EQUIPOS"));
    out += QStringLiteral("\n# Equipos recibidos: una línea por equipo\n");
    out += table(72, 140,
                 {{u"Código", u"2_00", 22, false},
                  {u"Serial", u"2_01", 25, false},
                  {u"Descripción", u"2_02", 40, false},
                  {u"Cant.", u"2_03", 10, true, true},
                  {u"Modalidad", u"2_04", 22, false},
                  {u"Razón", u"2_05", 20, false},
                  {u"Falla", u"2_09", 23, false},
                  {u"Revisión", u"2_07", 18, true}});
    out += QStringLiteral("\n# Montos\n");
    out += amountRow(225, QStringLiteral("Revisión:"), QStringLiteral("1_06"));
    out += amountRow(230, QStringLiteral("Impuesto:"), QStringLiteral("1_07"));
    out += amountRow(235, QStringLiteral("Total revisión:"), QStringLiteral("1_09"), true);
    out += amountRow(240, QStringLiteral("Adelanto:"), QStringLiteral("1_08"));
    out += amountRow(245, QStringLiteral("Total operación:"), QStringLiteral("F,operacion,F1_09+F1_08"), true);
    out += amountRow(250, QStringLiteral("Pagado:"), QStringLiteral("1_10"));
    out += amountRow(255, QStringLiteral("Pendiente:"), QStringLiteral("F,pendiente,F1_09+F1_08-F1_10"));
    out += QStringLiteral("MEMO x=15 y=225 w=105 h=12 code=1_09 words=cheque text=\"Son: \"\n");
    out += footer(QStringLiteral("Firma del cliente"));
    return out;
}

QString operationLayout(const QString &title)
{
    QString out = heading(title);
    out += QStringLiteral("\n# Equipos del documento\n");
    out += table(72, 45,
                 {{u"RMA", u"2_00", 22, false},
                  {u"Código", u"2_01", 25, false},
                  {u"Serial", u"2_02", 28, false},
                  {u"Descripción", u"2_03", 60, false},
                  {u"Cant.", u"2_04", 15, true, true},
                  {u"Total", u"2_07", 30, true}});
    out += QStringLiteral("\n# Servicios y repuestos: una línea por renglón\n");
    out += table(130, 85,
                 {{u"N°", u"2_20", 10, false, true},
                  {u"Servicio", u"2_21", 45, false},
                  {u"Repuesto", u"2_22", 45, false},
                  {u"Estado", u"2_24", 25, false},
                  {u"Técnico", u"2_26", 30, false},
                  {u"Precio", u"2_23", 25, true}});
    out += QStringLiteral("\n# Montos\n");
    out += amountRow(230, QStringLiteral("Subtotal:"), QStringLiteral("1_06"));
    out += amountRow(235, QStringLiteral("Impuesto:"), QStringLiteral("1_07"));
    out += amountRow(240, QStringLiteral("Total:"), QStringLiteral("1_09"), true);
    out += amountRow(245, QStringLiteral("Adelanto:"), QStringLiteral("1_08"));
    out += amountRow(250, QStringLiteral("Pagado:"), QStringLiteral("1_10"));
    out += amountRow(255, QStringLiteral("Saldo:"), QStringLiteral("F,saldo,F1_09-F1_10"));
    out += QStringLiteral("MEMO x=15 y=230 w=105 h=12 code=1_09 words=cheque text=\"Son: \"\n");
    out += footer(QStringLiteral("Conforme cliente"));
    return out;
}

Status writeNew(const QString &path, const QByteArray &content)
{
    if (QFileInfo::exists(path))
        return Status::ok();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return Status::failure(QStringLiteral("No se pudo escribir ") + path);
    return Status::ok();
}

} // namespace

Status installDefaultFormats(const QString &formatsRmaDir)
{
    struct Format
    {
        QString dir;
        QString base;
        QString title;
        QString layout;
    };
    const QList<Format> formats = {
        {QStringLiteral("RECEPCION"), QStringLiteral("Recepcion"), QStringLiteral("Recepción de equipos"),
         receptionLayout()},
        {QStringLiteral("PRESUPUESTO"), QStringLiteral("Presupuesto"), QStringLiteral("Presupuesto"),
         operationLayout(QStringLiteral("PRESUPUESTO"))},
        {QStringLiteral("SERVICIO"), QStringLiteral("Servicio"), QStringLiteral("Orden de servicio"),
         operationLayout(QStringLiteral("ORDEN DE SERVICIO"))},
    };
    for (const Format &f : formats) {
        const QString dir = QDir(formatsRmaDir).filePath(f.dir);
        if (!QDir().mkpath(dir))
            return Status::failure(QStringLiteral("No se pudo crear el directorio ") + dir);
        const QString base = QDir(dir).filePath(f.base);
        if (Status s = writeNew(base + QStringLiteral(".PFG"), parameterRecord(f.title)); !s)
            return s;
        if (Status s = writeNew(base + QStringLiteral(".SPR"), f.layout.toUtf8()); !s)
            return s;
    }
    return Status::ok();
}

} // namespace k9::workspace
