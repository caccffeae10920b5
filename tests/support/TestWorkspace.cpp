#include "support/TestWorkspace.h"

#include <QDir>

namespace k9::test {

ScratchDir::ScratchDir()
{
    Q_ASSERT(m_dir.isValid());
}

QString ScratchDir::dir(const QString &relative) const
{
    const QString path = relative.isEmpty() ? m_dir.path() : QDir(m_dir.path()).filePath(relative);
    QDir().mkpath(path);
    return path;
}

std::shared_ptr<Database> ScratchDir::database(const QString &relative) const
{
    Status status = Status::ok();
    auto db = Database::open(dir(relative), Database::OpenMode::Create, &status);
    if (!db)
        qFatal("ScratchDir::database: %s", qPrintable(status.message()));
    return db;
}

} // namespace k9::test
