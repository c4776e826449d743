#include "platform/windows/HandOffServer.h"

#include "platform/windows/HandOffMessage.h"
#include "platform/windows/SessionName.h"

#include <QObject>
#include <QTimer>

// What the message window passes on: each path a later start hands over goes to the
// handler from the event loop, not inside the later start's SendMessage, as opening
// may show modal messages.
struct HandOffServer::Receiver
{
    SingleInstance::ReadingHandler handler;
    QObject context;

    bool take(const COPYDATASTRUCT& data)
    {
        if (data.dwData != HandOffMessage::ReadingMessage || data.cbData == 0 || data.cbData % sizeof(wchar_t) != 0
            || data.cbData / sizeof(wchar_t) > HandOffMessage::MaxPathUnits)
            return false;
        const QString path = QString::fromWCharArray(static_cast<const wchar_t*>(data.lpData),
                                                     int(data.cbData / sizeof(wchar_t)));
        if (path.isEmpty() || path.contains(QChar(0)))
            return false;
        QTimer::singleShot(0, &context, [this, path] {
            if (handler)
                handler(path);
        });
        return true;
    }

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COPYDATA) {
            auto* receiver = reinterpret_cast<Receiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            return receiver && data && receiver->take(*data) ? TRUE : FALSE;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

HandOffServer::HandOffServer(const QString& lockFilePath, SingleInstance::ReadingHandler handler)
    : m_lockFilePath(lockFilePath)
    , m_handler(std::move(handler))
{
}

HandOffServer::~HandOffServer()
{
    if (m_window)
        DestroyWindow(m_window);
}

bool HandOffServer::listen()
{
    if (m_window)
        return false;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Receiver::windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = HandOffMessage::WindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when registered before
    // A message-only window: never shown, found only by its class and name.
    HWND window = CreateWindowExW(0, HandOffMessage::WindowClass, sessionName(m_lockFilePath, "window").c_str(), 0, 0,
                                  0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (!window)
        return false;
    m_receiver = std::make_unique<Receiver>();
    m_receiver->handler = m_handler;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_receiver.get()));
    m_window = window;
    return true;
}
