#pragma once

#include <QByteArray>
#include <QString>

// Writing a file where it stands, for a folder that lets the user write the file but
// make no new one beside it (someone else's folder, or someone else's file in a sticky
// folder such as /tmp). Each system opens the file its own way; the order of the steps,
// which keeps the old content whole whatever fails, is the same everywhere.
namespace InPlaceWrite {

// The operations on an open file that writing in place needs. Each returns false on
// failure, with errorString() saying why.
class File
{
public:
    virtual ~File() = default;
    // Reads from the start up to the end, but never more than limit + 1 bytes, so that a
    // file someone else makes huge never sizes a buffer.
    virtual bool readAtMost(qsizetype limit, QByteArray& bytes) = 0;
    // Makes the file at least size bytes long with its room on disk taken, so that a
    // later write of that many bytes cannot fail for want of room.
    virtual bool reserve(qint64 size) = 0;
    virtual bool writeFromStart(const QByteArray& bytes) = 0;
    virtual bool truncate(qint64 size) = 0;
    virtual bool sync() = 0;
    virtual QString errorString() const = 0;
};

// Replaces the file's content with content. A file longer than largestOld is refused
// untouched: its content could not be kept for putting back. Room for a longer content
// is reserved before a byte changes, so that a full disk or a size limit leaves the file
// as it was; a failure after that puts the old content back.
bool replaceContent(File& file, const QByteArray& content, qsizetype largestOld, QString& reason);

} // namespace InPlaceWrite
