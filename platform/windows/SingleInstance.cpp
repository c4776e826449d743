// One running copy per user on Windows: a mutex in the user's session, and a hidden
// message window through which a later start hands over a reading file as WM_COPYDATA.
// Windows are reachable only from the same desktop, so other users are not heard.
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <windows.h>

namespace {

// Marks a hand-over message as ours among any other WM_COPYDATA.
constexpr ULONG_PTR ReadingMessage = 0x5a52544c;  // "ZRTL"
// Longer than any path Windows accepts, in UTF-16 units.
constexpr DWORD MaxPathUnits = 32768;
const wchar_t WindowClass[] = L"ZarvoTibetanAstrologyHandOff";

// The names of the mutex and of the message window come from the lock file's path, so
// that copies with other lock files (tests) stay apart.
std::wstring nameFor(const QString& lockFilePath, const char* kind)
{
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(lockFilePath).toLower().toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return (QStringLiteral("Local\\zarvo-%1-").arg(QLatin1String(kind)) + QString::fromLatin1(hash)).toStdWString();
}

// What the message window passes on: each path a later start hands over goes to the
// handler from the event loop, not inside the later start's SendMessage, as opening
// may show modal messages.
struct Receiver
{
    SingleInstance::ReadingHandler handler;
    QObject context;

    bool take(const COPYDATASTRUCT& data)
    {
        if (data.dwData != ReadingMessage || data.cbData == 0 || data.cbData % sizeof(wchar_t) != 0
            || data.cbData / sizeof(wchar_t) > MaxPathUnits)
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
};

LRESULT CALLBACK handOffWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        auto* receiver = reinterpret_cast<Receiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return receiver && data && receiver->take(*data) ? TRUE : FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

struct SingleInstance::Private
{
    HANDLE mutex = nullptr;
    HWND window = nullptr;
    std::unique_ptr<Receiver> receiver;
};

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_path(lockFilePath)
    , d(std::make_unique<Private>())
{
}

SingleInstance::~SingleInstance()
{
    // The window goes before the mutex, so that a new holder never finds ours.
    if (d->window)
        DestroyWindow(d->window);
    if (d->mutex)
        CloseHandle(d->mutex);
}

QString SingleInstance::defaultLockFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
           + QStringLiteral("/zarvo-tibetan-astrology.lock");
}

bool SingleInstance::acquire()
{
    if (d->mutex)
        return true;
    // The session's own namespace: another user's session has a mutex of its own.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nameFor(m_path, "lock").c_str());
    if (!mutex)
        return true;  // no guard to be had: better to run than to refuse
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    d->mutex = mutex;
    return true;
}

bool SingleInstance::listen(ReadingHandler handler)
{
    if (!d->mutex || d->window)
        return false;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = handOffWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = WindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when registered before
    // A message-only window: never shown, found only by its class and name.
    HWND window = CreateWindowExW(0, WindowClass, nameFor(m_path, "window").c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, instance, nullptr);
    if (!window)
        return false;
    d->receiver = std::make_unique<Receiver>();
    d->receiver->handler = std::move(handler);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(d->receiver.get()));
    d->window = window;
    return true;
}

bool SingleInstance::handOff(const QString& path, int timeoutMs) const
{
    if (path.isEmpty() || path.size() > int(MaxPathUnits))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    const std::wstring windowName = nameFor(m_path, "window");
    const std::wstring text = path.toStdWString();
    // The copy that holds the guard may not be listening yet when it has just started.
    for (;;) {
        if (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, WindowClass, windowName.c_str())) {
            COPYDATASTRUCT data = {};
            data.dwData = ReadingMessage;
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
