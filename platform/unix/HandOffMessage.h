#pragma once

#include <QByteArray>

// A later start sends a path as the bytes that name it on the system (LocalFiles.h; UTF-8
// wherever the name is), ended by a NUL, which no path can hold;
// the running copy answers "ok" and a NUL once it has taken it.
namespace HandOffMessage {
constexpr char Terminator = '\0';
inline const QByteArray Accepted = QByteArrayLiteral("ok") + Terminator;
} // namespace HandOffMessage
