#pragma once

#include <QString>

#include <sys/un.h>

// The folder beside the lock that holds the hand-over socket, opened for as long as
// this object lives. It must be a real folder of this user that nobody else may enter;
// one that an attacker prepared (another owner, wider rights, a symbolic link) is
// refused.
class PrivateFolder
{
public:
    // Makes the folder first when create is set.
    PrivateFolder(const QString& path, bool create);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    bool isOpen() const { return m_fd >= 0; }

    // The address of the socket at socketPath in this folder; false when it has none.
    bool socketAddress(const QString& socketPath, sockaddr_un& address) const;

private:
    int m_fd = -1;
};
