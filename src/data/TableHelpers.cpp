#include "data/TableHelpers.h"

#include "core/Messages.h"
#include "data/Workspace.h"

#include <QFile>
#include <QFileInfo>

namespace k9 {

bool AbrirTabla(Table &table, const QString &name, const std::shared_ptr<Database> &db, bool open)
{
    if (table.isActive())
        return true;
    if (!db)
        return false;
    const QString schema = db->schemaOf(name);
    if (schema.isEmpty())
        return false;
    table.setTableName(name);
    table.setDatabase(db, schema);
    if (open) {
        if (Status s = table.open(); !s) {
            messages().error(s.message());
            return false;
        }
    }
    return true;
}

bool AbrirTabla(Table &table, const QString &name, const QString &dir, bool open)
{
    if (table.isActive())
        return true;
    return AbrirTabla(table, name, Database::shared(dir), open);
}

std::unique_ptr<Table> CrearTabla(const QString &dir, const QString &name)
{
    auto table = std::make_unique<Table>();
    if (AbrirTabla(*table, name, dir, true))
        table->refresh();
    return table;
}

bool GuardarBlob(const QString &field, int size, const QByteArray &bytes, const QString &tail, Table &table)
{
    QByteArray image = bytes.left(size);
    image.append(QByteArray(size - image.size(), '\0'));
    if (table.isActive() && table.hasField(field) && table.setValue(field, image))
        return true;
    messages().error(QStringLiteral("No se pudo guardar ") + tail);
    return false;
}

namespace {

void fillFrom(const QVariant &stored, int size, QByteArray &bytes)
{
    bytes = QByteArray(size, '\0');
    if (stored.isNull())
        return;
    const QByteArray data = stored.toByteArray();
    std::copy_n(data.constData(), qMin<qsizetype>(data.size(), size), bytes.data());
}

void readFailure(const QString &tail)
{
    messages().error(QStringLiteral("Problemas durante la lectura de ") + tail);
}

} // namespace

bool LeerBlob(const QString &field, int size, QByteArray &bytes, const QString &tail, const Table &source)
{
    bytes = QByteArray(size, '\0');
    if (!source.isActive() || !source.hasField(field) || !source.hasRow()) {
        readFailure(tail);
        return false;
    }
    fillFrom(source.blob(field), size, bytes);
    return true;
}

bool LeerBlob(const QString &field, int size, QByteArray &bytes, const QString &tail, const Query &source)
{
    bytes = QByteArray(size, '\0');
    const QVariant v = source.value(field);
    if (!v.isValid() && !v.isNull()) {
        readFailure(tail);
        return false;
    }
    fillFrom(v, size, bytes);
    return true;
}

qint64 LeerOpcionEntera(const QString &field)
{
    const auto config = CrearTabla(paths().DirRMA, QStringLiteral("k9RMAConfig"));
    if (!config->isActive() || !config->hasRow())
        return 0;
    return config->integer(field);
}

QStringList parseWorkGroups(const QStringList &lines)
{
    QStringList groups;
    qsizetype i = 0;
    while (i < lines.size() && !lines[i].contains(u"FV_GRUPO"))
        ++i;
    for (++i; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.contains(u"9LabelInfo"))
            line = line.mid(16);
        if (line.contains(u"HElementos"))
            break;
    }
    for (++i; i < lines.size(); ++i) {
        const QString item = lines[i].trimmed();
        if (item == u")")
            break;
        groups << item;
    }
    return groups;
}

void CargarGrupos(QStringList &list)
{
    Table users;
    if (!AbrirTabla(users, QStringLiteral("Susuarios"), paths().DirDatos, true))
        return;
    users.setFilter(QStringLiteral("Nombre = ? COLLATE NOCASE"), {QStringLiteral("MASTER")});
    const QString code = users.hasRow() ? QString::number(users.integer(QStringLiteral("Code"))) : QString();
    users.close();

    const QString own = paths().DirFormas + QStringLiteral("SCUSER08") + code + QStringLiteral(".SYS");
    const QString fallback = paths().DirFormas + QStringLiteral("FMASTER08.SYS");
    QFile file(!code.isEmpty() && QFileInfo::exists(own) ? own : fallback);
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromLatin1(file.readAll()).split(u'\n');
    QStringList cleaned;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        cleaned << line;
    }
    list += parseWorkGroups(cleaned);
}

} // namespace k9
