#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// Where a save goes: the folder, opened once, and a name in it. A save dialog opens it
// when the user has chosen the name, before it asks whether to replace a file there, so
// that what is written lands in the folder the user saw, whatever another user who may
// write a folder on the way does to its names in the meantime. A link on the way is
// followed only where no other user could have put it (POSIX systems).
class SaveTarget
{
public:
    SaveTarget() = default;  // none: the dialog was cancelled
    // Opens the folder of path. A folder that cannot be opened gives a target whose
    // write() fails with the reason.
    static SaveTarget open(const QString& path);

    bool isNull() const { return m_path.isEmpty(); }
    QString path() const { return m_path; }
    // True when anything of the name is in the folder, a link included.
    bool exists() const;

    // Replaces the file of the name with content, atomically wherever the folder allows
    // it: a failure then leaves any earlier file as it was. Where the folder lets the
    // user write the existing file but not replace it, the file is written where it
    // stands, if it is no longer than largestReplacedInPlace (its old content is kept
    // to put it back after a failure). A read-only file is refused, and so is anything
    // that is not a plain file, a link included. On failure reason says why, in a few words.
    bool write(const QByteArray& content, qsizetype largestReplacedInPlace, QString* reason = nullptr) const;

private:
    struct Folder;  // each system's open folder

    QString m_path;
    std::shared_ptr<Folder> m_folder;
    QString m_failure;  // why the folder could not be opened
};
