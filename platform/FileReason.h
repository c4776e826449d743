#pragma once

#include <QString>

class QFileDevice;

// Why a file could not be written, as the failure messages say it in brackets before
// their own stop: "…could not be saved (the name is too long)."
namespace FileReason {

// Why file failed at path: the system's words, or plain ones where those would mislead
// (Windows calls a name that is too long "not found") or where Qt's name its internals.
QString of(const QString& path, const QFileDevice& file);

// A reason without the stop that the system's texts end in.
QString clause(const QString& reason);

// The refusal of anything that is not a plain file (a folder, a FIFO, a device, a link).
QString notAPlainFile();
// The refusal of a read-only file.
QString readOnly();

// True for a name with a character Windows refuses in names; a colon would name a
// hidden stream of another file.
bool windowsRefusesName(const QString& name);

} // namespace FileReason
