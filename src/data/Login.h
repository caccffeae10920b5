#pragma once

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

namespace k9 {

class Table;

// Weekday and hour rules of a user record: `jornada` has one character per weekday
// (Sunday first), `horario` 7 blocks of 24 characters whose first character is 06:00-06:59
// and whose last six are 00:00-05:59 of the same day; "1" allows. nullopt when the texts
// are too short to be read (the schedule is then not checked).
std::optional<bool> scheduleAllows(const QString &jornada, const QString &horario, const QDateTime &now);

// The log-in checks against the users table of the data directory. Every outcome tells the
// user through messages(); the dialog only shows what it is told.
class LoginCheck
{
public:
    enum class Outcome {
        Accepted, // the session and the user's directories are set
        Retry,    // wrong user or password; the dialog stays open
        Blocked,  // the fourth failure: the process ends
        Refused,  // no right to the module, inactive, outside its days, hours or dates: the process ends
    };

    static constexpr int kAllowedFailures = 3;

    explicit LoginCheck(const QString &dataDir);
    ~LoginCheck();

    // False (after its message) when the users table is missing: the process ends.
    bool ready() const { return m_ready; }
    Outcome attempt(const QString &userName, const QString &password, const QDateTime &now);
    int failures() const { return m_failures; }

private:
    Outcome fail();
    bool allowed(const QDateTime &now) const;
    void accept(const QString &typedName);

    std::unique_ptr<Table> m_users;
    bool m_ready = false;
    int m_failures = 0;
};

} // namespace k9
