#include "queries/SqlFunctions.h"

#include "data/Database.h"

#include <QSqlDriver>
#include <QString>

#include <sqlite3.h>

namespace k9 {

namespace {

sqlite3 *nativeHandle(Database &db)
{
    const QVariant v = db.handle().driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(v.constData());
}

void upperFunction(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const int bytes = sqlite3_value_bytes(argv[0]);
    const QByteArray upper = QString::fromUtf8(text, bytes).toUpper().toUtf8();
    sqlite3_result_text(context, upper.constData(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

// Virtual machine steps between two calls of the progress callback.
constexpr int kProgressSteps = 20000;

} // namespace

bool registerSearchFunctions(Database &db)
{
    sqlite3 *handle = nativeHandle(db);
    if (!handle)
        return false;
    return sqlite3_create_function_v2(handle, "k9_upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                      &upperFunction, nullptr, nullptr, nullptr)
           == SQLITE_OK;
}

StatementProgress::StatementProgress(Database &db, std::function<bool()> keepGoing)
    : m_handle(nativeHandle(db)), m_keepGoing(std::move(keepGoing))
{
    if (m_handle && m_keepGoing)
        sqlite3_progress_handler(static_cast<sqlite3 *>(m_handle), kProgressSteps, &StatementProgress::callback, this);
}

StatementProgress::~StatementProgress()
{
    if (m_handle)
        sqlite3_progress_handler(static_cast<sqlite3 *>(m_handle), 0, nullptr, nullptr);
}

int StatementProgress::callback(void *self)
{
    auto *progress = static_cast<StatementProgress *>(self);
    if (progress->m_interrupted)
        return 1;
    if (!progress->m_keepGoing()) {
        progress->m_interrupted = true;
        return 1;
    }
    return 0;
}

} // namespace k9
