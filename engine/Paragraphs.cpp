#include "engine/Paragraphs.h"

#include <QFile>
#include <QHash>

namespace Paragraphs {

QString storedPart(const QString& fileKey)
{
    QFile file(QStringLiteral(":/paragraphs/") + fileKey + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString text(const QString& key)
{
    static QHash<QString, QString> cache;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QString whole = storedPart(key);
    if (whole.isEmpty())
        whole = storedPart(key + QStringLiteral(".a")) + storedPart(key + QStringLiteral(".b"));
    cache.insert(key, whole);
    return whole;
}

} // namespace Paragraphs
