#pragma once

#include "platform/SingleInstance.h"

#include <memory>

#include <windows.h>

// The running copy's side of the hand-over: a hidden message-only window that takes
// WM_COPYDATA. Windows are reachable only from the same desktop, so other users are
// not heard.
class HandOffServer
{
public:
    // Named after the lock file.
    HandOffServer(const QString& lockFilePath, SingleInstance::ReadingHandler handler);
    // Destroys the window.
    ~HandOffServer();
    HandOffServer(const HandOffServer&) = delete;
    HandOffServer& operator=(const HandOffServer&) = delete;

    // Creates the window; false when it cannot.
    bool listen();

private:
    struct Receiver;
    QString m_lockFilePath;
    SingleInstance::ReadingHandler m_handler;
    HWND m_window = nullptr;
    std::unique_ptr<Receiver> m_receiver;
};
