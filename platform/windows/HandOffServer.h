#pragma once

#include "app/SingleInstance.h"

#include <memory>

#include <windows.h>

// The running copy's side of the hand-over: a hidden message-only window that takes
// WM_COPYDATA. Windows are reachable only from the same desktop, so other users are
// not heard.
class HandOffServer
{
public:
    HandOffServer();
    // Destroys the window.
    ~HandOffServer();
    HandOffServer(const HandOffServer&) = delete;
    HandOffServer& operator=(const HandOffServer&) = delete;

    // Creates the window named after the lock file; false when it cannot.
    bool listen(const QString& lockFilePath, SingleInstance::ReadingHandler handler);

private:
    struct Receiver;
    HWND m_window = nullptr;
    std::unique_ptr<Receiver> m_receiver;
};
