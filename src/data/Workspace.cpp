#include "data/Workspace.h"

namespace k9 {

WorkspacePaths &paths()
{
    static WorkspacePaths p;
    return p;
}

QString withSlash(const QString &dir)
{
    if (dir.isEmpty() || dir.endsWith(u'/'))
        return dir;
    return dir + u'/';
}

} // namespace k9
