#include "files/InPlaceWrite.h"

#include <QCoreApplication>

namespace InPlaceWrite {

bool replaceContent(File& file, const QByteArray& content, qsizetype largestOld, QString& reason)
{
    QByteArray old;
    if (!file.readAtMost(largestOld, old)) {
        reason = file.errorString();
        return false;
    }
    if (old.size() > largestOld) {
        reason = QCoreApplication::translate("ReadingFile", "the file there is larger than any this program writes");
        return false;
    }
    if (content.size() > old.size() && !file.reserve(content.size())) {
        reason = file.errorString();
        file.truncate(old.size());
        return false;
    }
    if (file.writeFromStart(content) && file.truncate(content.size()) && file.sync())
        return true;
    reason = file.errorString();
    // Whatever happened to the first bytes, the old content goes back in full.
    if (file.writeFromStart(old))
        file.truncate(old.size());
    return false;
}

} // namespace InPlaceWrite
