// Files named from outside the program, on Windows, where names are UTF-16 already.
#include "platform/LocalFiles.h"

#include "platform/FileReason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace LocalFiles {

QString fromBytes(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QByteArray toBytes(const QString& name)
{
    return name.toUtf8();
}

QString forDisplay(const QString& name)
{
    return name;
}

QStringList arguments(int, char*[])
{
    // Qt reads the command line as UTF-16; argv holds only what the code page can say.
    return QCoreApplication::arguments();
}

QString currentFolder()
{
    return QDir::currentPath();
}

QString whyNotReadable(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir() || (info.exists() && !info.isFile()))
        return FileReason::notAPlainFile();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return {};
}

} // namespace LocalFiles
