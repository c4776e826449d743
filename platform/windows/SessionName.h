#pragma once

#include <QString>

#include <string>

// The name of one of the guard's objects (kind "lock" for the mutex, "window" for the
// message window) in the session's own namespace. It comes from the lock file's path,
// so that copies with other lock files (tests) stay apart.
std::wstring sessionName(const QString& lockFilePath, const char* kind);
