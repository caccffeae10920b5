// The lookup browser on a customer table of one million rows: opening the window (its first
// page shown), an index range search, and a page down, each the median of several runs.
//
//   bench_lookup [runs]
//
// Builds the demo company at scale 100 in a temporary directory, tops SClientes up to
// 1 000 000 rows, and prints the figures beside their targets.

#include "data/Database.h"
#include "data/Schema.h"
#include "data/Workspace.h"
#include "queries/LookupBrowser.h"
#include "queries/ui/NInfoMainFileForm.h"
#include "workspace/DemoCompany.h"
#include "workspace/WorkspaceBuilder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace k9;

namespace {

constexpr qint64 kCustomers = 1000000;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

double msSince(const QElapsedTimer &clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

bool topUpCustomers(Database &db)
{
    QSqlQuery q(db.handle());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM SClientes")) || !q.next())
        return false;
    const qint64 existing = q.value(0).toLongLong();
    q.finish();
    static const char16_t *const first[] = {u"María", u"José", u"Luis", u"Ana", u"Carlos", u"Rosa", u"Pedro", u"Elena"};
    static const char16_t *const last[] = {u"Pérez", u"González", u"Rodríguez", u"Martínez", u"Peña", u"Suárez",
                                           u"Díaz", u"Marín", u"Núñez", u"Torres", u"Rivas"};
    Transaction transaction(db);
    if (!transaction.beginStatus())
        return false;
    if (!q.prepare(QStringLiteral("INSERT INTO SClientes (FC_CODIGO, FC_DESCRIPCION, FC_DESCRIPCIONDETALLADA, "
                                  "FC_DIRECCION1, FC_TELEFONO, FC_RIF, FC_NIT, FC_STATUS) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")))
        return false;
    for (qint64 i = existing; i < kCustomers; ++i) {
        const qint64 n = 2000000 + i; // after the demo's own codes
        const QString name = QString::fromUtf16(first[n % 8]) + u' ' + QString::fromUtf16(last[(n / 8) % 11]) + u' '
                             + QString::fromUtf16(last[(n / 88) % 11]);
        q.bindValue(0, QStringLiteral("C%1").arg(n, 7, 10, QChar(u'0')));
        q.bindValue(1, name);
        q.bindValue(2, QStringLiteral("Cliente particular"));
        q.bindValue(3, QStringLiteral("Avenida %1, Caracas").arg(n % 300));
        q.bindValue(4, QStringLiteral("0414-%1").arg(n % 9000000 + 1000000));
        q.bindValue(5, QStringLiteral("V-%1-%2").arg(n % 90000000).arg(n % 10));
        q.bindValue(6, QString());
        q.bindValue(7, 1);
        if (!q.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    return bool(transaction.commit());
}

void report(const char *what, double ms, double target)
{
    std::printf("%-34s %8.2f ms   (target %5.1f ms)  %s\n", what, ms, target, ms <= target ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(3, QString::fromLocal8Bit(argv[1]).toInt()) : 9;

    QTemporaryDir tmp;
    const QString root = tmp.path();
    QElapsedTimer setup;
    setup.start();
    if (!workspace::createWorkspace(root)) {
        std::fprintf(stderr, "cannot create the workspace\n");
        return 1;
    }
    if (Status s = workspace::fillDemoCompany(root, 100); !s) {
        std::fprintf(stderr, "demo company: %s\n", qPrintable(s.message()));
        return 1;
    }
    const workspace::Dirs dirs(root);
    paths().DirDatos = dirs.data;
    paths().DirRMA = dirs.rma;
    std::shared_ptr<Database> db = Database::shared(dirs.data);
    if (!db || !topUpCustomers(*db)) {
        std::fprintf(stderr, "cannot top up SClientes\n");
        return 1;
    }
    std::printf("workspace ready in %.1f s: %lld customers\n\n", setup.elapsed() / 1000.0, kCustomers);

    QList<double> opening;
    QList<double> searching;
    QList<double> paging;
    const QStringList texts{QStringLiteral("C05"), QStringLiteral("C2"), QStringLiteral("C25"), QStringLiteral("C1"),
                            QStringLiteral("C27"), QStringLiteral("C0"), QStringLiteral("C29")};
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        LookupBrowser browser(14);
        if (browser.open(db, QStringLiteral("SClientes")) != LookupBrowser::Opened::Ready) {
            std::fprintf(stderr, "cannot open the browser: %s\n", qPrintable(browser.openStatus().message()));
            return 1;
        }
        auto form = std::make_unique<Tk9NInfoMainFileForm>(nullptr, browser);
        form->show();
        QCoreApplication::processEvents();
        opening << msSince(clock);
        if (browser.rows().isEmpty() || browser.recordCount() < kCustomers) {
            std::fprintf(stderr, "the first page is missing\n");
            return 1;
        }

        clock.restart();
        form->runSearch(texts[run % texts.size()]);
        QCoreApplication::processEvents();
        searching << msSince(clock);

        QWidget *list = form->findChild<QListWidget *>(QStringLiteral("ListItems"));
        for (int page = 0; page < 5; ++page) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
            clock.restart();
            QCoreApplication::sendEvent(list, &press);
            QCoreApplication::processEvents();
            paging << msSince(clock);
        }
        form->close();
    }

    std::printf("median of %d runs (page down: %lld)\n", runs, static_cast<long long>(paging.size()));
    report("open, first page shown", median(opening), 50);
    report("index range search", median(searching), 50);
    report("page down", median(paging), 10);
    return 0;
}
