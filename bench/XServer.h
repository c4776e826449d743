#pragma once

#include <optional>
#include <string>

#include <sys/types.h>

// The private X server.
struct XServer
{
    pid_t pid = -1;
    std::string display;
};

// Starts Xvfb on a free display; nothing when it does not come up.
std::optional<XServer> startXvfb();
void stopXvfb(const XServer& server);
