#pragma once

// Reading back what was printed to PDF, with the poppler tools.
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace k9::test {

inline bool havePdfTools()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF file, laid out as on the page.
inline QString pdfText(const QString &path)
{
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// "Pages:" and "Page N size:" of pdfinfo.
inline QString pdfInfo(const QString &path)
{
    return runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                               QStringLiteral("99"), path});
}

} // namespace k9::test
