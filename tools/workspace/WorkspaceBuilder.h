#pragma once

#include "data/Database.h"
#include "data/Status.h"

#include <QString>

namespace k9::workspace {

// Where a new workspace keeps its directories, relative to the company root, as the
// company record stores them (the host suite writes them with "\").
struct Layout
{
    static QString data() { return QStringLiteral("Empre001\\Data"); }
    static QString history() { return QStringLiteral("Empre001\\Historia"); }
    static QString forms() { return QStringLiteral("Empre001\\UsersConfig"); }
    static QString system() { return QStringLiteral("Empre001\\FileConfig"); }
    static QString local() { return QStringLiteral("Empre001\\Tmp"); }
    static QString reports() { return QStringLiteral("Empre001\\Reports"); }
    static QString formats() { return QStringLiteral("Empre001\\ConfigR"); }
    static QString icons() { return QStringLiteral("Empre001\\Iconos"); }

    // History periods made by a new workspace: "PERIODO_1" and "PERIODO_2".
    static constexpr int kHistoryPeriods = 2;
    static QString periodDir(int period) { return QStringLiteral("PERIODO_%1").arg(period); }
};

// Absolute directories of a workspace under `root` (each ending in "/").
struct Dirs
{
    explicit Dirs(const QString &root);
    QString root;
    QString data;
    QString rma;
    QString history;
    QString forms;
    QString formats; // the module's print formats: <formats>/RMA/
    QString period(int n) const;
};

struct CompanyInfo
{
    QString name = QStringLiteral("Mi Empresa, C.A.");
    QString address;
    QString phone;
    QString rif;
    QString nit;
};

// The user codes and passwords every new workspace has.
struct DefaultUsers
{
    static QString admin() { return QStringLiteral("DEMO"); }         // code 1, the administrator
    static QString adminPassword() { return QStringLiteral("DEMO"); }
    static QString master() { return QStringLiteral("MASTER"); }      // code 2
    static QString masterPassword() { return QStringLiteral("MASTER"); }
};

// Creates an empty company workspace in `root`: the directories, every table of the
// catalogue in its directory, the company record, the system settings with the tax
// "I.V.A." at 16 % and the default currency, the module options record, the users DEMO
// (administrator) and MASTER, the work-group configuration, the help file and the
// print-format directories with one working format per document kind. Refuses a directory
// that already holds a workspace.
Status createWorkspace(const QString &root, const CompanyInfo &company = CompanyInfo());

// True when `root` already holds a workspace (a company database), or any file at all that
// creating one would touch.
bool holdsWorkspace(const QString &root);

} // namespace k9::workspace
