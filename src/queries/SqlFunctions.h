#pragma once

#include <functional>

namespace k9 {

class Database;

// Adds to a connection the SQL function k9_upper(text): the text in capitals, accents and
// "ñ" included (SQLite's own upper() knows only ASCII). Answers whether it could.
bool registerSearchFunctions(Database &db);

// While it lives, a long statement on `db` calls `keepGoing` every few thousand steps; when
// that answers false the statement is interrupted (it then fails).
class StatementProgress
{
public:
    StatementProgress(Database &db, std::function<bool()> keepGoing);
    ~StatementProgress();
    StatementProgress(const StatementProgress &) = delete;
    StatementProgress &operator=(const StatementProgress &) = delete;

    bool interrupted() const { return m_interrupted; }

private:
    static int callback(void *self);
    void *m_handle = nullptr;
    std::function<bool()> m_keepGoing;
    bool m_interrupted = false;
};

} // namespace k9
