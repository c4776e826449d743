#include "engine/Paragraphs.h"

#include "text/Language.h"

#include <QFile>
#include <QHash>

namespace Paragraphs {

namespace {

QString contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString storedPart(const QString& fileKey)
{
    return contentOf(QStringLiteral(":/paragraphs/") + fileKey + QStringLiteral(".txt"));
}

QString text(const QString& key)
{
    // The language is part of the key: a test may switch it within one run.
    static QHash<QString, QString> cache;
    const QString cacheKey = Language::code() + u':' + key;
    const auto found = cache.constFind(cacheKey);
    if (found != cache.constEnd())
        return *found;
    // A translated paragraph is kept in one piece; an English one may come in two parts.
    QString whole = contentOf(Language::resource(QStringLiteral("paragraphs"), key + QStringLiteral(".txt")));
    if (whole.isEmpty())
        whole = storedPart(key + QStringLiteral(".a")) + storedPart(key + QStringLiteral(".b"));
    cache.insert(cacheKey, whole);
    return whole;
}

} // namespace Paragraphs
