#pragma once

#include <QByteArray>
#include <QFileDevice>

namespace ReadingFile {

// Writes all of content, so that a short write (a full disk) shows as an error with its
// reason rather than as a shorter file.
inline bool writeAll(QFileDevice& file, const QByteArray& content)
{
    qsizetype done = 0;
    while (done < content.size()) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return file.flush();
}

} // namespace ReadingFile
