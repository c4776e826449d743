#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files named from outside the program: on its command line or by a later start that
// hands its file over. On POSIX systems a file name is a string of bytes that need not
// be UTF-8; Qt would decode such a name with replacement characters and then open
// another name or none. Here the bytes that are no UTF-8 are kept as the code points
// U+DC80..U+DCFF, which no decoded text holds, so that the name survives the trip
// through a QString. On Windows names are UTF-16 already and pass as they are.
namespace LocalFiles {

// The name for the system's bytes, and the bytes back: toBytes(fromBytes(b)) == b.
QString fromBytes(const QByteArray& bytes);
QByteArray toBytes(const QString& name);
// The name as a person reads it: each byte that is no UTF-8 shows as U+FFFD.
QString forDisplay(const QString& name);

// The program's arguments once QApplication has taken its own options out of argv.
QStringList arguments(int argc, char* argv[]);
// The folder the program was started in.
QString currentFolder();

// Why the file cannot be opened for reading, in a few words (a folder, a FIFO or a
// device is "not a plain file"); empty when it can. Never blocks.
QString whyNotReadable(const QString& path);

} // namespace LocalFiles
