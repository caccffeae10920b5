#pragma once

#include "core/Messages.h"
#include "data/Database.h"

#include <QTemporaryDir>

#include <memory>

namespace k9::test {

// A scratch directory that removes itself; dir("RMA") and the like give sub-directories
// that hold a database of their own once created with database().
class ScratchDir
{
public:
    ScratchDir();
    QString path() const { return m_dir.path(); }
    QString dir(const QString &relative) const;
    // A fresh connection on the database of `relative` (created when missing).
    std::shared_ptr<Database> database(const QString &relative = QString()) const;

private:
    QTemporaryDir m_dir;
};

} // namespace k9::test
