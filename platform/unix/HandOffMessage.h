#pragma once

#include <QByteArray>

// A later start sends a path as the bytes the system names the file by (UTF-8 where the
// name is UTF-8; see LocalFiles.h), ended by a NUL, which no path can hold;
// the running copy answers "ok" and a NUL once it has taken it.
namespace HandOffMessage {
constexpr char Terminator = '\0';
inline const QByteArray Accepted = QByteArrayLiteral("ok") + Terminator;
} // namespace HandOffMessage
