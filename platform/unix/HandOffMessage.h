#pragma once

#include <QByteArray>

// A later start sends a path as its UTF-8 bytes ended by a NUL, which no path can hold;
// the running copy answers "ok" and a NUL once it has taken it.
namespace HandOffMessage {
constexpr char Terminator = '\0';
inline const QByteArray Accepted = QByteArrayLiteral("ok") + Terminator;
} // namespace HandOffMessage
