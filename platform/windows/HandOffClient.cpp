#include "platform/windows/HandOffClient.h"

#include "platform/windows/HandOffMessage.h"
#include "platform/windows/SessionName.h"

#include <QDeadlineTimer>
#include <QThread>

HandOffClient::HandOffClient(const QString& lockFilePath)
    : m_lockFilePath(lockFilePath)
{
}

bool HandOffClient::handOff(const QString& path, int timeoutMs) const
{
    if (path.isEmpty() || path.size() > int(HandOffMessage::MaxPathUnits))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const std::wstring windowName = sessionName(m_lockFilePath, "window");
    const std::wstring text = path.toStdWString();
    // The copy that holds the guard may not be listening yet when it has just started.
    for (;;) {
        if (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, HandOffMessage::WindowClass, windowName.c_str())) {
            // Windows lets only the process the user just worked with bring a window to
            // the front: this one, started by a double click, passes that on to the copy
            // that is to show the reading.
            DWORD running = 0;
            if (GetWindowThreadProcessId(window, &running) && running)
                AllowSetForegroundWindow(running);
            COPYDATASTRUCT data = {};
            data.dwData = HandOffMessage::ReadingMessage;
            data.cbData = DWORD(text.size() * sizeof(wchar_t));
            data.lpData = const_cast<wchar_t*>(text.data());
            DWORD_PTR taken = FALSE;
            const UINT waitMs = UINT(qBound(qint64(1), deadline.remainingTime(), qint64(60000)));
            if (SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                    SMTO_ABORTIFHUNG | SMTO_BLOCK, waitMs, &taken))
                return taken == TRUE;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}
