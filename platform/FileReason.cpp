#include "platform/FileReason.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QFileInfo>
#include <QRegularExpression>

namespace FileReason {

QString of(const QString& path, const QFileDevice& file)
{
    const QString name = QFileInfo(path).fileName();
#ifdef Q_OS_WIN
    // 255 UTF-16 units per name on every Windows file system.
    if (name.size() > 255)
        return QCoreApplication::translate("ReadingFile", "the name is too long");
    if (windowsRefusesName(name))
        return QCoreApplication::translate("ReadingFile", "Windows does not allow this name");
#else
    if (name.toLocal8Bit().size() > 255)
        return QCoreApplication::translate("ReadingFile", "the name is too long");
#endif
    const QString said = file.errorString();
    // QSaveFile speaks of its own options ("direct write fallback").
    if (said.isEmpty() || said.startsWith(QLatin1String("QSaveFile")))
        return QCoreApplication::translate("ReadingFile", "the file could not be written");
    return clause(said);
}

bool windowsRefusesName(const QString& name)
{
    static const QRegularExpression notInNames(QStringLiteral("[<>:\"|?*\\x01-\\x1f]"));
    return name.contains(notInNames);
}

QString notAPlainFile()
{
    return QCoreApplication::translate("ReadingFile", "it is not a plain file");
}

QString readOnly()
{
    return QCoreApplication::translate("ReadingFile", "the file is read-only");
}

QString clause(const QString& reason)
{
    QString plain = reason.trimmed();
    while (plain.endsWith(u'.'))
        plain.chop(1);
    return plain;
}

} // namespace FileReason
