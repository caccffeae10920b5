#pragma once

#include <QString>

namespace k9 {

// Directories of the company workspace, built at start-up from the company record and
// rebuilt in part after the log-in. Every directory ends with "/" except DirLocal, which is
// used as stored.
struct WorkspacePaths
{
    QString DirTrabajo;      // company root (the working directory)
    QString DirDatos;        // host-suite tables; the user's data directory after log-in
    QString DirRMA;          // the module's tables: DirDatos (from the company record) + "RMA/"
    QString DirHistoria;     // history periods
    QString DirFormas;       // user menu and form configuration files
    QString DirSistema;      // host-suite system files
    QString DirLocal;        // private temporary directory
    QString DirReportes;     // report exports
    QString DirFormatos;     // document print formats
    QString DirFormaConfig;  // item form layout
    QString DirFormaBackup;  // its backup
    QString DirHistorialRMA; // copy of DirHistoria used by the sales-history searches
    QString ArchivoAyuda;    // the help file
};

WorkspacePaths &paths();

// `dir` with a trailing "/" (an empty text stays empty).
QString withSlash(const QString &dir);

} // namespace k9
