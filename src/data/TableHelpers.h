#pragma once

#include "data/Query.h"
#include "data/Table.h"

#include <QStringList>

#include <memory>

namespace k9 {

// Binds `table` to the table `name` of the database in `dir` and, when `open`, opens it.
// Nothing happens when the table is already active; a directory without that table is
// skipped silently (the caller reports its own error when it needs the table). Answers
// whether the table is bound.
bool AbrirTabla(Table &table, const QString &name, const QString &dir, bool open = true);
// The same on a connection the caller holds (a save's connection with attached directories).
bool AbrirTabla(Table &table, const QString &name, const std::shared_ptr<Database> &db, bool open = true);

// A new table object on `name` in `dir`, opened and positioned on its first row; inactive
// when the directory has no such table.
std::unique_ptr<Table> CrearTabla(const QString &dir, const QString &name);

// Writes exactly `size` bytes of `bytes` (cut or padded with zeros) into the blob field of
// the row being edited. On failure: "No se pudo guardar " + tail; the row stays in edit.
bool GuardarBlob(const QString &field, int size, const QByteArray &bytes, const QString &tail, Table &table);
// Fills `bytes` with `size` zeros, then reads up to `size` bytes of the blob field (a
// shorter or empty blob leaves the rest zero, without a message). On failure: "Problemas
// durante la lectura de " + tail.
bool LeerBlob(const QString &field, int size, QByteArray &bytes, const QString &tail, const Table &source);
bool LeerBlob(const QString &field, int size, QByteArray &bytes, const QString &tail, const Query &source);

// Reads an integer option (a correlative) of the one record of k9RMAConfig in DirRMA.
// 0 when the table or the record is missing.
qint64 LeerOpcionEntera(const QString &field);

// Fills `list` with the work groups of the host suite's form configuration of the user
// "MASTER" (or of the default configuration). The list stays empty when neither file exists.
void CargarGrupos(QStringList &list);
// The reading of one configuration text, for the file-less cases.
QStringList parseWorkGroups(const QStringList &lines);

} // namespace k9
