#include "printformats/FormatCatalog.h"

#include "data/Workspace.h"
#include "printformats/PrintDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace k9 {

namespace {

constexpr int kConditionLines = 7;

std::optional<FormatParams> readParams(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return FormatParams::fromBytes(f.read(FormatParams::kSize));
}

} // namespace

QString findFileIgnoringCase(const QString &dir, const QString &name)
{
    const QString exact = QDir(dir).filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList found = QDir(dir).entryList({name}, QDir::Files | QDir::Hidden, QDir::Name);
    return found.isEmpty() ? QString() : QDir(dir).filePath(found.first());
}

std::optional<QString> readFormatText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder windows("windows-1252");
    return windows.isValid() ? QString(windows.decode(bytes)) : QString::fromLatin1(bytes);
}

void CargarFormatos(int kind, QList<FormatEntry> &list, bool onlyFlagged)
{
    list.clear();
    const QString kindDir = kindDirectory(kind);
    if (kindDir.isEmpty() || paths().DirFormatos.isEmpty())
        return;
    const QString dir = paths().DirFormatos + kindDir;
    const QStringList files = QDir(dir).entryList({QStringLiteral("*.PFG")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const std::optional<FormatParams> params = readParams(QDir(dir).filePath(file));
        if (!params || !params->active || params->copies <= 0)
            continue;
        if (onlyFlagged && !params->printsFromDocuments())
            continue;
        FormatEntry entry;
        entry.baseName = QFileInfo(file).completeBaseName();
        entry.layoutPath = kindDir + entry.baseName + QStringLiteral(".SPR");
        entry.params = *params;
        const QString conditionFile = findFileIgnoringCase(dir, entry.baseName + QStringLiteral(".CON"));
        if (!conditionFile.isEmpty()) {
            if (const std::optional<QString> text = readFormatText(conditionFile)) {
                QStringList lines = text->split(u'\n');
                for (QString &line : lines)
                    line = line.trimmed();
                while (!lines.isEmpty() && lines.last().isEmpty())
                    lines.removeLast();
                entry.condition = lines.mid(0, kConditionLines);
            }
        }
        if (entry.params.order == 0)
            entry.params.order = static_cast<qint32>(list.size() + 1);
        list.append(entry);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const FormatEntry &a, const FormatEntry &b) { return a.params.order < b.params.order; });
}

} // namespace k9
