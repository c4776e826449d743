#include "robustness/Monkey.h"

#include <QGuiApplication>

#include "app/Application.h"
#include "ui/ResultWindow.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// The names of the program's windows.
const char* const OurWindows[] = {"MainWindow", "ResultWindow", "ReportWindow", "AboutBox", "SupportScreen"};

constexpr int ModalStepLimit = 200;  // a modal dialog open for longer is closed
constexpr int PopupStepLimit = 25;   // likewise a menu or a list that stays open
constexpr int MaxDepth = 4;          // nested event loops allowed before closing dialogs
constexpr int RecentActions = 40;    // actions shown with a failure

qint64 nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool isOurWindow(const QWidget* widget)
{
    for (const char* name : OurWindows) {
        if (widget->objectName() == QLatin1String(name))
            return true;
    }
    return false;
}

bool isPlainAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() < 128; });
}

struct KeyChoice
{
    int weight;
    int key;
    const char* text;
    Qt::KeyboardModifiers modifiers;
};

// Keys other than plain letters and digits, which are drawn separately.
const KeyChoice SpecialKeys[] = {
    {6, Qt::Key_Space, " ", Qt::NoModifier},
    {6, Qt::Key_Tab, "\t", Qt::NoModifier},
    {2, Qt::Key_Backtab, "", Qt::ShiftModifier},
    {5, Qt::Key_Return, "\r", Qt::NoModifier},
    {1, Qt::Key_Enter, "\r", Qt::KeypadModifier},
    {5, Qt::Key_Escape, "\x1b", Qt::NoModifier},
    {2, Qt::Key_Up, "", Qt::NoModifier},
    {2, Qt::Key_Down, "", Qt::NoModifier},
    {2, Qt::Key_Left, "", Qt::NoModifier},
    {2, Qt::Key_Right, "", Qt::NoModifier},
    {1, Qt::Key_Home, "", Qt::NoModifier},
    {1, Qt::Key_End, "", Qt::NoModifier},
    {1, Qt::Key_PageUp, "", Qt::NoModifier},
    {1, Qt::Key_PageDown, "", Qt::NoModifier},
    {2, Qt::Key_Backspace, "\b", Qt::NoModifier},
    {1, Qt::Key_Delete, "\x7f", Qt::NoModifier},
    {1, Qt::Key_Down, "", Qt::AltModifier},     // opens a drop-down list
    {1, Qt::Key_F4, "", Qt::NoModifier},        // likewise in some styles
    {1, Qt::Key_Alt, "", Qt::NoModifier},       // menu bar navigation
    {1, Qt::Key_A, "\x01", Qt::ControlModifier},
    {1, Qt::Key_C, "\x03", Qt::ControlModifier},
    {1, Qt::Key_V, "\x16", Qt::ControlModifier},
    {1, Qt::Key_X, "\x18", Qt::ControlModifier},
    {1, Qt::Key_Z, "\x1a", Qt::ControlModifier},
};

} // namespace

Monkey::Monkey(const Options& options, const QString& folder)
    : m_options(options)
    , m_rng(options.seed)
    , m_platform(std::make_unique<MonkeyPlatform>(m_rng, folder))
{
    m_platform->log = [this](const QString& what) { note(QStringLiteral("  ") + what); };
    m_platform->dialogLoop = [this](QWidget* parent, const QString& what) { runDialogLoop(parent, what); };
    // quitApplication() closes every visible window, a desktop dialog too: its loop
    // ends with the current pass, before the deferred deletions of the quit.
    m_platform->exited = [this] {
        if (m_dialogLoop)
            m_dialogLoop->loop->quit();
    };
    m_stepTimer.setSingleShot(true);
    m_stepTimer.setInterval(0);
    connect(&m_stepTimer, &QTimer::timeout, this, &Monkey::step);
    m_watchdog.setInterval(500);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        if (m_finished || m_sinceStep.elapsed() < m_options.stallMs)
            return;
        fail(QStringLiteral("no action for %1 ms: the run is stuck").arg(m_sinceStep.elapsed()));
        m_windingDown = true;
        m_sinceStep.restart();
        postStep();  // in case the chain of actions broke
    });
}

Monkey::~Monkey()
{
    {
        std::lock_guard lock(m_guardMutex);
        m_guardStop = true;
    }
    m_guardWake.notify_all();
    if (m_guard.joinable())
        m_guard.join();
    qApp->removeEventFilter(this);
    m_app.reset();
}

void Monkey::start()
{
    qApp->installEventFilter(this);
    m_app = std::make_unique<Application>(*m_platform);
    m_app->showMainWindow();
    m_sessions = 1;
    m_sinceStep.start();
    m_runTime.start();
    m_lastStepMs = nowMs();
    m_watchdog.start();
    m_guard = std::thread([this] {
        const qint64 limit = 3 * qint64(m_options.stallMs);
        std::unique_lock lock(m_guardMutex);
        while (!m_guardStop) {
            m_guardWake.wait_for(lock, std::chrono::milliseconds(500));
            if (!m_guardStop && nowMs() - m_lastStepMs > limit) {
                std::fprintf(stderr,
                             "FAIL: the user-interface thread hangs: no action for %lld ms (seed %llu, "
                             "replay with ZARVO_MONKEY_SEED=%llu). Last action: %s\n",
                             static_cast<long long>(nowMs() - m_lastStepMs),
                             static_cast<unsigned long long>(m_options.seed),
                             static_cast<unsigned long long>(m_options.seed), m_lastAction.c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    });
    postStep();
}

int Monkey::below(int n)
{
    return n <= 1 ? 0 : int(m_rng() % quint64(n));
}

bool Monkey::chance(double p)
{
    return double(m_rng() >> 11) * (1.0 / 9007199254740992.0) < p;
}

void Monkey::postStep()
{
    // Started anew for each step, so with a new timer id: a timer does not fire again
    // while its own timeout is being handled, a new one does, in any nested loop.
    m_stepTimer.start(0);
}

bool Monkey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow())
            ++m_shown[isOurWindow(widget) ? widget->objectName() : QStringLiteral("popup or other")];
    } else if (event->type() == QEvent::DeferredDelete && watched->isWidgetType()) {
        checkDeletion(static_cast<QWidget*>(watched));
    }
    return false;
}

namespace {
bool owns(const QObject* owner, const QObject* object)
{
    for (; object; object = object->parent()) {
        if (object == owner)
            return true;
    }
    return false;
}
} // namespace

void Monkey::checkDeletion(QWidget* dying)
{
    // A dialog runs exec() on the stack of the code that opened it and is a child of
    // its parent window: deleting that window now deletes the dialog with it, an
    // object on the stack, and the code after exec() runs on deleted objects.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != dying && window->isVisible() && window->isModal() && owns(dying, window))
            fail(QStringLiteral("window %1 is deleted while its modal dialog %2 runs").arg(nameOf(dying), nameOf(window)));
    }
    if (m_dialogLoop && m_dialogLoop->parent && owns(dying, m_dialogLoop->parent))
        fail(QStringLiteral("window %1 is deleted while its %2 runs").arg(nameOf(dying), m_dialogLoop->what));
}

void Monkey::step()
{
    if (m_finished)
        return;
    ++m_depth;
    const auto leave = qScopeGuard([this] { --m_depth; });
    m_maxDepth = std::max(m_maxDepth, m_depth);
    if (m_depth > 1)
        ++m_nestedSteps;
    ++m_stepsRun;
    m_sinceStep.restart();
    m_lastStepMs = nowMs();
    // Scheduled first, so that an action which runs a modal dialog's event loop
    // receives the following actions inside that loop.
    postStep();

    if (stepInDialogLoop() || waitForDelayedClick())
        return;
    // A timer may have fired since the last action (a delayed click) and closed windows
    // in this same event loop pass; their deferred deletions come first, as they would
    // before anything else the user could do to those windows, which are hidden now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!m_windingDown && (m_actions >= m_options.actions || !m_failures.isEmpty())) {
        m_windingDown = true;
        note(QStringLiteral("closing down"));
    }
    if (m_windingDown) {
        windDown();
        return;
    }
    if (m_depth == 1) {
        // A save or open started by a delayed click (an access key animates the
        // button) ran between two actions; its file is checked now.
        checkAnswers(0, nullptr);
        if (restartAfterQuit())
            return;
        checkAtRest();
    }
    checkInvariants();
    if (!m_failures.isEmpty())
        return;

    ++m_actions;
    if (m_actions % 5000 == 0)
        qInfo("%d actions done after %lld ms", m_actions, static_cast<long long>(m_runTime.elapsed()));
    const quint64 serial = ++m_serial;
    const quint64 outer = m_platform->currentSerial;
    m_platform->currentSerial = serial;
    Before before;
    if (m_app) {
        before.data = currentBirth();
        before.messages = int(m_platform->messages.size());
    }
    const int actionsBefore = m_actions;
    const int delayedClicksBefore = m_delayedClicks;
    act();
    // A real input event is handled at the end of an event loop pass; the next pass
    // starts with the deferred deletions, before any timer can fire. Without this, a
    // timer due now (an access key's delayed click) would find a window that the
    // action has just closed still alive, which no user can bring about.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Other actions or a delayed click ran inside this one: what came before no longer counts.
    const bool alone = m_actions == actionsBefore && m_delayedClicks == delayedClicksBefore;
    checkAnswers(serial, alone ? &before : nullptr);
    m_platform->currentSerial = outer;
    checkInvariants();
}

bool Monkey::delayedClickPending()
{
    // An access key clicks its button 100 ms later; meanwhile the button is down.
    const QWidgetList widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget* widget) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        return button && button->isDown();
    });
}

void Monkey::runDialogLoop(QWidget* parent, const QString& what)
{
    if (m_dialogLoop || m_windingDown || m_depth > MaxDepth)
        return;
    DialogLoop dialog;
    dialog.steps = below(3);
    const bool delayed = delayedClickPending();
    if (dialog.steps == 0 && !delayed)
        return;
    if (delayed)
        ++m_delayedClicks;
    dialog.untilDelayedClick = delayed;
    QEventLoop loop;
    dialog.loop = &loop;
    dialog.depth = m_depth + 1;
    dialog.open.start();
    m_dialogLoop = &dialog;
    note(QStringLiteral("  event loop of the %1 for %2 steps%3")
             .arg(what)
             .arg(dialog.steps)
             .arg(delayed ? QStringLiteral(", until the delayed click") : QString()));
    // The real dialog is a child of its parent window: deleting that window while the
    // dialog runs deletes the dialog, an object on the stack of the code that opened it.
    // (checkDeletion reports it; the loop ends as the real dialog would.)
    dialog.parent = parent;
    dialog.what = what;
    QMetaObject::Connection watch;
    if (parent)
        watch = connect(parent, &QObject::destroyed, &loop, [&loop] { loop.quit(); });
    loop.exec();
    disconnect(watch);
    m_dialogLoop = nullptr;
}

bool Monkey::stepInDialogLoop()
{
    // Steps directly in the loop of a desktop dialog do nothing: the user is busy with
    // that dialog, which blocks the windows. A dialog of the program opened meanwhile
    // (by a delayed click) is acted on as usual.
    if (!m_dialogLoop || m_depth != m_dialogLoop->depth)
        return false;
    ++m_dialogLoopSteps;
    --m_dialogLoop->steps;
    if (m_dialogLoop->untilDelayedClick && fireDelayedClick())
        return true;
    const bool waiting = m_dialogLoop->untilDelayedClick && delayedClickPending() && !m_dialogLoop->open.hasExpired(2000);
    if (m_windingDown || !m_failures.isEmpty() || (m_dialogLoop->steps < 0 && !waiting))
        m_dialogLoop->loop->quit();
    else if (waiting)
        m_stepTimer.start(5);  // no need to spin while the delayed click is due
    return true;
}

bool Monkey::waitForDelayedClick()
{
    // An access key clicks its button 100 ms later. The user goes on for up to three
    // actions, then the click comes: after a fixed number of actions, whatever the
    // speed of the machine, so that a seed replays the same run.
    if (m_windingDown || !delayedClickPending()) {
        m_delayedClickSeen = false;
        return false;
    }
    if (!m_delayedClickSeen) {
        m_delayedClickSeen = true;
        m_delayedClickGrace = below(4);
        m_delayedClickWait.start();
    }
    if (m_delayedClickGrace > 0) {
        --m_delayedClickGrace;
        return false;
    }
    if (fireDelayedClick())
        return true;
    if (m_delayedClickWait.hasExpired(5000)) {
        fail(QStringLiteral("a button stays pressed: its delayed click never came"));
        return false;
    }
    m_stepTimer.start(5);
    return true;
}

bool Monkey::fireDelayedClick()
{
    // The button's own 100 ms timer, made to fire now: a timer event with its id.
    auto* dispatcher = QAbstractEventDispatcher::instance();
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!button || !button->isDown() || !dispatcher)
            continue;
        for (const QAbstractEventDispatcher::TimerInfo& timer : dispatcher->registeredTimers(button)) {
            if (timer.interval != 100)
                continue;
            ++m_counts[QStringLiteral("delayed click")];
            note(QStringLiteral("  delayed click of %1").arg(nameOf(button)));
            QTimerEvent due(timer.timerId);
            QCoreApplication::sendEvent(button, &due);
            return true;
        }
    }
    return false;
}

bool Monkey::restartAfterQuit()
{
    if (m_platform->exits == m_exitsSeen)
        return false;
    // The program has ended (quitApplication); its deferred deletions have run, at the
    // end of the action that quit or at the start of the event loop pass.
    m_exitsSeen = m_platform->exits;
    ++m_counts[QStringLiteral("quit and restart")];
    checkNothingLeft(QStringLiteral("after the program quit"));
    m_app.reset();
    if (!m_failures.isEmpty())
        return true;
    note(QStringLiteral("restart: fresh Application, showMainWindow()"));
    m_app = std::make_unique<Application>(*m_platform);
    m_app->showMainWindow();
    ++m_sessions;
    return true;
}

void Monkey::windDown()
{
    if (++m_windDownSteps > 500) {
        fail(QStringLiteral("the windows could not be closed at the end of the run"));
        finish();
        return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        note(QStringLiteral("closing down: close popup %1").arg(nameOf(popup)));
        popup->close();
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal != m_modal) {
            m_modal = modal;
            m_closeAttempts = 0;
        }
        closeWindow(modal, "closing down");
        return;
    }
    if (m_depth > 1)
        return;  // the loop of a dialog just closed is ending
    if (!m_finalQuit) {
        m_finalQuit = true;
        if (m_app && m_platform->exits == m_exitsSeen) {
            note(QStringLiteral("closing down: quitApplication()"));
            m_app->quitApplication();
            if (m_platform->exits == m_exitsSeen)
                fail(QStringLiteral("quitApplication() did not end the process"));
        }
        return;
    }
    // The deferred deletions of the quit have run by now.
    m_exitsSeen = m_platform->exits;
    checkNothingLeft(QStringLiteral("at the end of the run"));
    m_app.reset();
    finish();
}

void Monkey::finish()
{
    m_finished = true;
    m_watchdog.stop();
    emit finished();
}

void Monkey::act()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        if (++m_popupSteps > PopupStepLimit) {
            note(QStringLiteral("close popup %1, open too long").arg(nameOf(popup)));
            popup->close();
            return;
        }
        actOnPopup(popup);
        return;
    }
    m_popupSteps = 0;
    // A modal dialog blocks every other window, as it does for a user.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal != m_modal) {
            m_modal = modal;
            m_modalSteps = 0;
            m_closeAttempts = 0;
        }
        if (++m_modalSteps > ModalStepLimit || m_depth > MaxDepth) {
            closeWindow(modal, m_depth > MaxDepth ? "nested too deep" : "open too long");
            return;
        }
        actOnWindow(modal);
        return;
    }
    m_modal = nullptr;
    const QList<QWidget*> windows = visibleWindows();
    if (windows.isEmpty()) {
        note(QStringLiteral("nothing visible to act on"));
        return;
    }
    actOnWindow(windows.at(below(int(windows.size()))));
}

void Monkey::actOnWindow(QWidget* window)
{
    activate(window);
    const int roll = below(100);
    if (roll < 40)
        click(window, false, false);
    else if (roll < 48)
        click(window, true, false);
    else if (roll < 51)
        click(window, false, true);
    else if (roll < 75)
        pressKey(window);
    else if (roll < 87)
        typeText(window);
    else if (roll < 95)
        chooseMenu(window);
    else if (roll < 97)
        turnWheel(window);
    else
        closeWindow(window, "random");
}

void Monkey::actOnPopup(QWidget* popup)
{
    const int roll = below(10);
    if (roll < 5) {
        static const int keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                   Qt::Key_Return, Qt::Key_Escape, Qt::Key_Home, Qt::Key_End, Qt::Key_Space};
        const int key = keys[below(int(std::size(keys)))];
        const QString text = key == Qt::Key_Return ? QStringLiteral("\r")
                             : key == Qt::Key_Escape ? QStringLiteral("\x1b")
                             : key == Qt::Key_Space  ? QStringLiteral(" ")
                                                     : QString();
        ++m_counts[QStringLiteral("popup key")];
        note(QStringLiteral("key %1 in popup %2").arg(QKeySequence(key).toString(), nameOf(popup)));
        sendKey(keyReceiver(popup), key, text, Qt::NoModifier);
    } else if (roll < 9) {
        const QPoint position(below(popup->width()), below(popup->height()));
        ++m_counts[QStringLiteral("popup click")];
        note(QStringLiteral("click in popup %1 at %2,%3").arg(nameOf(popup)).arg(position.x()).arg(position.y()));
        inject(popup, position, false);
    } else {
        // A click beside the popup closes it, wherever it lands.
        const QList<QWidget*> windows = visibleWindows();
        if (windows.isEmpty())
            return;
        QWidget* window = windows.at(below(int(windows.size())));
        const QPoint position(below(window->width()), below(window->height()));
        ++m_counts[QStringLiteral("popup click beside")];
        note(QStringLiteral("click beside popup %1, on %2").arg(nameOf(popup), nameOf(window)));
        inject(window, position, false);
    }
}

void Monkey::activate(QWidget* window)
{
    // What the window manager does when the user turns to a window; needed for the
    // focus events and for the access keys, which work in the active window only.
    if (QApplication::activeWindow() != window) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(window);
        QT_WARNING_POP
    }
}

void Monkey::click(QWidget* window, bool direct, bool twice)
{
    struct Candidate
    {
        QWidget* widget;
        int weight;
    };
    QList<Candidate> candidates;
    int total = 0;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() != window || !child->isVisible() || child->visibleRegion().isEmpty())
            continue;
        int weight = 1;
        if (qobject_cast<QAbstractButton*>(child))
            weight = 6;
        else if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) || qobject_cast<QTabBar*>(child))
            weight = 3;
        else if (qobject_cast<QLabel*>(child) || qobject_cast<QMenuBar*>(child))
            weight = 2;
        candidates.append({child, weight});
        total += weight;
    }
    QWidget* target = window;
    if (total > 0) {
        int roll = below(total);
        for (const Candidate& candidate : candidates) {
            if (roll < candidate.weight) {
                target = candidate.widget;
                break;
            }
            roll -= candidate.weight;
        }
    }
    const QRect area = target == window ? window->rect() : target->visibleRegion().boundingRect();
    const QPoint local = area.topLeft() + QPoint(below(area.width()), below(area.height()));
    const QString what = QStringLiteral("%1click on %2 at %3,%4")
                             .arg(twice ? QStringLiteral("double ") : direct ? QStringLiteral("direct ") : QString(),
                                  nameOf(target))
                             .arg(local.x())
                             .arg(local.y());
    note(what);
    if (direct) {
        // Straight to the widget, as QTest::mouseClick does: reaches also a widget that
        // lies under another one.
        ++m_counts[QStringLiteral("click on widget")];
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
        return;
    }
    ++m_counts[twice ? QStringLiteral("double click") : QStringLiteral("click")];
    inject(window, target->mapTo(window, local), twice);
}

void Monkey::inject(QWidget* window, QPoint position, bool twice)
{
    // Through the window system's entry, as a real click: the widget under the point
    // gets it, popups and modal dialogs take their share. Unlike QTest's QWindow
    // functions this runs no event loop of its own, so no other action starts midway.
    QPointer<QWidget> guard(window);
    auto send = [&](QEvent::Type type, Qt::MouseButtons buttons, Qt::MouseButton button) {
        if (!guard || !guard->isVisible() || !guard->windowHandle())
            return false;
        QWindow* handle = guard->windowHandle();
        qt_handleMouseEvent(handle, QPointF(position), handle->mapToGlobal(QPointF(position)), buttons, button, type,
                            Qt::NoModifier, m_mouseTime);
        m_mouseTime += 5;
        return true;
    };
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        if (!send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton))
            break;
        if (!send(QEvent::MouseButtonRelease, Qt::NoButton, Qt::LeftButton))
            break;
    }
    m_mouseTime += 2000;  // the next click is no double click
}

QWidget* Monkey::keyReceiver(QWidget* window) const
{
    // Where the window system's key events go: a grab, a popup, else the focus widget.
    if (QWidget* grabber = QWidget::keyboardGrabber())
        return grabber;
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget* focus = window->focusWidget(); focus && focus->isVisible())
        return focus;
    return window;
}

void Monkey::sendKey(QWidget* receiver, int key, const QString& text, Qt::KeyboardModifiers modifiers)
{
    // QTest's widget variant: no event loop of its own; shortcuts and access keys are
    // tried first, as for a real key.
    QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key(key), text, modifiers);
}

void Monkey::pressKey(QWidget* window)
{
    int key = 0;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    const int roll = below(100);
    if (roll < 25) {
        const int letter = below(26);
        key = Qt::Key_A + letter;
        modifiers = chance(0.2) ? Qt::ShiftModifier : Qt::NoModifier;
        text = QChar(char16_t((modifiers ? u'A' : u'a') + letter));
    } else if (roll < 32) {
        const int digit = below(10);
        key = Qt::Key_0 + digit;
        text = QChar(char16_t(u'0' + digit));
    } else if (roll < 45) {
        // Access keys: mostly letters that the windows use.
        static const char letters[] = "fhdoaxbsnpuvmg";
        const char letter = chance(0.8) ? letters[below(int(sizeof letters - 1))] : char('a' + below(26));
        key = Qt::Key_A + (letter - 'a');
        text = QChar(char16_t(letter));
        modifiers = Qt::AltModifier;
    } else {
        int total = 0;
        for (const KeyChoice& choice : SpecialKeys)
            total += choice.weight;
        int pick = below(total);
        for (const KeyChoice& choice : SpecialKeys) {
            if (pick < choice.weight) {
                key = choice.key;
                text = QString::fromLatin1(choice.text);
                modifiers = choice.modifiers;
                break;
            }
            pick -= choice.weight;
        }
    }
    // Qt 6.4's Wayland clipboard crashes a paste when the compositor has no seat, as
    // the headless one of the Wayland run has not: no desktop is without one.
    const bool clipboardKey = modifiers == Qt::ControlModifier && (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X);
    if (clipboardKey && QGuiApplication::platformName() == QLatin1String("wayland"))
        return;
    QWidget* receiver = keyReceiver(window);
    ++m_counts[modifiers & Qt::AltModifier ? QStringLiteral("access key") : QStringLiteral("key")];
    note(QStringLiteral("key %1 to %2").arg(QKeySequence(key | modifiers).toString(), nameOf(receiver)));
    sendKey(receiver, key, text, modifiers);
}

QString Monkey::randomText()
{
    static const QString ascii = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789    ");
    static const QString punctuation = QStringLiteral("@.&=%+#'\"-_/\\:;,!?()[]{}<>~`^|*$");
    static const QString other = QString::fromUtf8("éüßÆøñ¿¡×÷ÿ€‘’“”•–—™šЖЯ中文ẞŁשלוםཀཁ\u00a0\u200b\ufffd");
    QString text;
    const int length = chance(0.05) ? 100 + below(300) : 1 + below(12);
    for (int i = 0; i < length; ++i) {
        const int roll = below(20);
        if (roll < 14)
            text += ascii.at(below(int(ascii.size())));
        else if (roll < 17)
            text += punctuation.at(below(int(punctuation.size())));
        else if (roll < 19)
            text += other.at(below(int(other.size())));
        else
            text += QString::fromUtf8("🙂");  // a surrogate pair
    }
    return text;
}

void Monkey::typeText(QWidget* window)
{
    QList<QLineEdit*> edits;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (edit->window() == window && edit->isVisible() && edit->isEnabled() && !edit->isReadOnly()
            && !edit->visibleRegion().isEmpty())
            edits.append(edit);
    }
    if (edits.isEmpty()) {
        pressKey(window);
        return;
    }
    QPointer<QLineEdit> edit = edits.at(below(int(edits.size())));
    const QString text = randomText();
    ++m_counts[QStringLiteral("typing")];
    note(QStringLiteral("type \"%1\" into %2").arg(text.left(40), nameOf(edit)));
    // A click in the box first, which gives it the focus.
    const QRect area = edit->visibleRegion().boundingRect();
    inject(window, edit->mapTo(window, area.center()), false);
    if (edit && chance(0.25)) {
        sendKey(edit, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
        if (edit)
            sendKey(edit, Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!edit || !edit->isVisible())
            break;
        QString unit(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            unit += text.at(++i);
        const QChar ch = unit.at(0);
        int key = Qt::Key_unknown;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        if (ch.unicode() < 128 && ch.isLetter()) {
            key = ch.toUpper().unicode();
            if (ch.isUpper())
                modifiers = Qt::ShiftModifier;
        } else if (ch.unicode() < 128 && ch.isPrint()) {
            key = ch.unicode();  // Qt's key codes for printable ASCII are the characters
        }
        sendKey(edit, key, unit, modifiers);
    }
}

void Monkey::chooseMenu(QWidget* window)
{
    auto* bar = window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar || !bar->isVisible()) {
        pressKey(window);
        return;
    }
    if (chance(0.25)) {
        // Open a menu with the mouse: a popup follows.
        QList<QAction*> titles;
        for (QAction* action : bar->actions()) {
            if (action->isVisible() && !action->isSeparator() && !bar->actionGeometry(action).isEmpty())
                titles.append(action);
        }
        if (titles.isEmpty())
            return;
        QAction* title = titles.at(below(int(titles.size())));
        ++m_counts[QStringLiteral("menu title click")];
        note(QStringLiteral("click on menu title %1 of %2").arg(title->text(), nameOf(window)));
        inject(window, bar->mapTo(window, bar->actionGeometry(title).center()), false);
        return;
    }
    QList<QAction*> leaves;
    std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (!action->isVisible() || !action->isEnabled() || action->isSeparator())
                continue;
            if (action->menu())
                collect(action->menu()->actions());
            else
                leaves.append(action);
        }
    };
    collect(bar->actions());
    if (leaves.isEmpty())
        return;
    QAction* action = leaves.at(below(int(leaves.size())));
    ++m_counts[QStringLiteral("menu item")];
    note(QStringLiteral("menu item %1 (%2) of %3").arg(action->objectName(), action->text(), nameOf(window)));
    action->trigger();
}

void Monkey::turnWheel(QWidget* window)
{
    QList<QWidget*> targets;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->window() == window && child->isVisible()
            && (qobject_cast<QComboBox*>(child) || qobject_cast<QTextEdit*>(child) || qobject_cast<QTabBar*>(child)))
            targets.append(child);
    }
    if (targets.isEmpty()) {
        pressKey(window);
        return;
    }
    QWidget* target = targets.at(below(int(targets.size())));
    const QPointF local = QRectF(target->rect()).center();
    const QPoint delta(0, chance(0.5) ? 120 : -120);
    ++m_counts[QStringLiteral("wheel")];
    note(QStringLiteral("wheel %1 on %2").arg(delta.y()).arg(nameOf(target)));
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
}

void Monkey::closeWindow(QWidget* window, const char* why)
{
    ++m_counts[QStringLiteral("close")];
    if (window == m_modal && ++m_closeAttempts > 2) {
        // A dialog that will not close: its loop ends when it hides.
        note(QStringLiteral("hide %1 (%2, closing refused)").arg(nameOf(window), QLatin1String(why)));
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        if (window->isVisible())
            window->hide();
        return;
    }
    if (window->windowHandle() && chance(0.5)) {
        // The close box: the window system's close request goes to the window.
        note(QStringLiteral("close box of %1 (%2)").arg(nameOf(window), QLatin1String(why)));
        QCloseEvent request;
        QApplication::sendEvent(window->windowHandle(), &request);
        return;
    }
    note(QStringLiteral("close %1 (%2)").arg(nameOf(window), QLatin1String(why)));
    window->close();
}

QList<QWidget*> Monkey::visibleWindows() const
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop)
            windows.append(widget);
    }
    // The set of top-level widgets has no fixed order; a seed must replay the same run.
    std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        const QString ka = a->objectName() + QLatin1Char('/') + QLatin1String(a->metaObject()->className());
        const QString kb = b->objectName() + QLatin1Char('/') + QLatin1String(b->metaObject()->className());
        return ka < kb;
    });
    return windows;
}

QWidget* Monkey::visibleWindow(const char* name) const
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->objectName() == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

QString Monkey::nameOf(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("(gone)");
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QLatin1String(widget->metaObject()->className());
    if (!widget->isWindow() && widget->window())
        name = nameOf(widget->window()) + QLatin1Char('/') + name;
    return name;
}

void Monkey::checkInvariants()
{
    // One instance of each window at most, at any time.
    QMap<QString, int> count;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (isOurWindow(widget))
            ++count[widget->objectName()];
    }
    for (auto it = count.constBegin(); it != count.constEnd(); ++it) {
        if (it.value() > 1)
            fail(QStringLiteral("%1 windows named %2 exist at once").arg(it.value()).arg(it.key()));
    }
    if (m_app) {
        const BirthData& data = currentBirth();
        const bool set = !data.name.isEmpty() || !data.sex.isEmpty() || !data.month.isEmpty() || data.year != 0
                         || data.day != 0;
        if (set) {
            const int month = int(GuiTest::MonthNames.indexOf(data.month));
            const bool leap = data.year % 4 == 0;
            const int lastDay = month == 1 ? (leap ? 29 : 28) : (month == 3 || month == 5 || month == 8 || month == 10) ? 30 : 31;
            QStringList problems;
            if (data.name.isEmpty() || data.name.startsWith(u' ') || data.name.endsWith(u' '))
                problems << QStringLiteral("name empty or not trimmed");
            if (data.sex != QLatin1String("Male") && data.sex != QLatin1String("Female"))
                problems << QStringLiteral("sex");
            if (data.year < 1930 || data.year > 2030)
                problems << QStringLiteral("year");
            if (month < 0)
                problems << QStringLiteral("month");
            if (data.day < 1 || data.day > 31)
                problems << QStringLiteral("day");
            else if (month >= 0 && data.day > lastDay)
                problems << QStringLiteral("no such date");
            if (!problems.isEmpty())
                fail(QStringLiteral("invalid birth data %1: %2").arg(describe(data), problems.join(QStringLiteral(", "))));
        }
    }
    if (m_platform->emptyPrintJobs > 0)
        fail(QStringLiteral("an empty report was printed"));
    if (m_platform->badUrls > 0)
        fail(QStringLiteral("an address that is no web address was opened: %1").arg(m_platform->openedUrls.value(m_platform->openedUrls.size() - 1)));
    m_platform->emptyPrintJobs = 0;
    m_platform->badUrls = 0;
}

void Monkey::checkAtRest()
{
    // Between two actions at the outermost level: no dialog is running, and the user
    // sees exactly one of the main window, the result window or the support screen.
    QWidget* main = visibleWindow("MainWindow");
    QWidget* result = visibleWindow("ResultWindow");
    QWidget* support = visibleWindow("SupportScreen");
    if (main && result)
        fail(QStringLiteral("the main window and the result window are both visible"));
    if (support && (main || result))
        fail(QStringLiteral("the support screen is visible together with %1").arg(nameOf(main ? main : result)));
    if (visibleWindows().isEmpty())
        fail(QStringLiteral("no window is visible, yet the program has not ended"));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("ReportWindow") || widget->objectName() == QLatin1String("AboutBox"))
            fail(QStringLiteral("%1 still exists after its dialog ended").arg(widget->objectName()));
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        fail(QStringLiteral("modal window %1 is open outside any dialog loop").arg(nameOf(modal)));
    if (result && m_app && currentBirth().sex.isEmpty())
        fail(QStringLiteral("the result window shows without birth data"));
}

void Monkey::checkNothingLeft(const QString& when)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            fail(QStringLiteral("%1: window %2 is still visible").arg(when, nameOf(widget)));
    }
    for (QWidget* widget : QApplication::allWidgets()) {
        if (isOurWindow(widget))
            fail(QStringLiteral("%1: window %2 was not deleted").arg(when, widget->objectName()));
    }
    QWidgetList widgets = QApplication::allWidgets();
    // Qt's own desktop widget comes and stays once something asked for it; a tool tip
    // goes away by itself.
    widgets.removeIf([](const QWidget* widget) {
        return widget->windowType() == Qt::Desktop || widget->windowType() == Qt::ToolTip;
    });
    if (m_widgetsAfterFirstQuit < 0)
        m_widgetsAfterFirstQuit = int(widgets.size());
    m_widgetsAfterLastQuit = int(widgets.size());
    m_widgetsLeft.clear();
    for (const QWidget* widget : widgets)
        m_widgetsLeft << QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
    m_widgetsLeft.sort();
    // Every widget of the program belongs to one of its windows, or to a dialog that
    // ended: none may outlive the quit.
    if (!m_widgetsLeft.isEmpty())
        fail(QStringLiteral("%1: widgets left: %2").arg(when, m_widgetsLeft.join(QStringLiteral(", "))));
}

void Monkey::checkAnswers(quint64 serial, const Before* before)
{
    const QList<MonkeyPlatform::FileAnswer> answers = m_platform->takeAnswers(serial, serial == 0);
    for (const MonkeyPlatform::FileAnswer& answer : answers) {
        const bool open = answer.mode == Platform::FileDialog::Mode::Open;
        ++m_counts[QStringLiteral("%1: %2").arg(open ? QStringLiteral("open") : QStringLiteral("save"),
                                                MonkeyPlatform::kindName(answer.kind))];
        if (!open && m_app) {
            const QString problem = m_platform->verifySave(answer, currentBirth());
            if (!problem.isEmpty())
                fail(problem);
        }
    }
    // What an opening must have done is known only when it was all that happened.
    if (before && m_app && answers.size() == 1 && answers.first().mode == Platform::FileDialog::Mode::Open)
        checkOpen(answers.first(), *before);
}

const BirthData& Monkey::currentBirth()
{
    if (m_app && m_app->resultWindow())
        m_lastBirth = m_app->resultWindow()->birthData();
    return m_lastBirth;
}

void Monkey::checkOpen(const MonkeyPlatform::FileAnswer& answer, const Before& before)
{
    const BirthData& now = currentBirth();
    const int newMessages = int(m_platform->messages.size()) - before.messages;
    const QString lastMessage = newMessages > 0 ? m_platform->messages.last().text : QString();
    const bool resultShown = visibleWindow("ResultWindow") != nullptr;
    const QString what = QStringLiteral("opening %1 (%2)").arg(answer.path, MonkeyPlatform::kindName(answer.kind));
    using K = MonkeyPlatform::FileKind;
    switch (answer.kind) {
    case K::Cancel:
        if (newMessages != 0 || !(now == before.data))
            fail(what + QStringLiteral(": a cancelled dialog changed something"));
        break;
    case K::UpperCase:
    case K::NoExtension:
        if (newMessages != 1 || lastMessage != QLatin1String("Please Check The File.") || !(now == before.data)
            || resultShown)
            fail(what + QStringLiteral(": expected only the message \"Please Check The File.\", got %1 message(s) "
                                       "\"%2\", result window %3")
                            .arg(newMessages)
                            .arg(lastMessage, resultShown ? QStringLiteral("shown") : QStringLiteral("not shown")));
        break;
    case K::Saved:
        if (isPlainAscii(answer.expected.name)) {
            if (!resultShown || !(now == answer.expected))
                fail(what + QStringLiteral(": saved %1, reopened %2, result window %3")
                                .arg(describe(answer.expected), describe(now),
                                     resultShown ? QStringLiteral("shown") : QStringLiteral("not shown")));
        } else if (resultShown) {
            if (now.sex != answer.expected.sex || now.day != answer.expected.day || now.month != answer.expected.month
                || now.year != answer.expected.year)
                fail(what + QStringLiteral(": saved %1, reopened %2").arg(describe(answer.expected), describe(now)));
        } else if (newMessages == 0) {
            fail(what + QStringLiteral(": neither a reading nor a message"));
        }
        break;
    default:
        if (!resultShown && newMessages == 0)
            fail(what + QStringLiteral(": neither a reading nor a message"));
        break;
    }
}

void Monkey::note(const QString& action)
{
    const QString line = QStringLiteral("#%1%2 %3")
                             .arg(m_actions)
                             .arg(m_depth > 1 ? QStringLiteral(" (in loop %1)").arg(m_depth) : QString(), action);
    m_recent.append(line);
    if (m_recent.size() > RecentActions)
        m_recent.removeFirst();
    if (m_options.trace) {
        // Straight to stderr: QtTest stops showing messages after a few thousand.
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    }
    std::lock_guard lock(m_guardMutex);
    m_lastAction = line.toStdString();
}

void Monkey::fail(const QString& problem)
{
    const QString line = QStringLiteral("action #%1: %2").arg(m_actions).arg(problem);
    if (m_failures.contains(line))
        return;
    qWarning().noquote() << "FAILURE" << line;
    if (m_failures.isEmpty()) {
        qInfo().noquote() << "seed" << m_options.seed << "- the last actions were:";
        for (const QString& action : std::as_const(m_recent))
            qInfo().noquote() << "  " << action;
    }
    if (m_failures.size() < 20)
        m_failures.append(line);
}

QString Monkey::summary() const
{
    QStringList lines;
    lines << QStringLiteral("%1 actions in %2 steps, %3 sessions, %4 steps inside dialog loops (deepest %5), "
                            "%6 of them waiting in the loop of a desktop dialog, %7 delayed clicks met there")
                 .arg(m_actions)
                 .arg(m_stepsRun)
                 .arg(m_sessions)
                 .arg(m_nestedSteps)
                 .arg(m_maxDepth)
                 .arg(m_dialogLoopSteps)
                 .arg(m_delayedClicks);
    QStringList shown;
    for (auto it = m_shown.constBegin(); it != m_shown.constEnd(); ++it)
        shown << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    lines << QStringLiteral("windows shown: ") + shown.join(QStringLiteral(", "));
    QStringList counts;
    for (auto it = m_counts.constBegin(); it != m_counts.constEnd(); ++it)
        counts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    lines << QStringLiteral("actions and answers: ") + counts.join(QStringLiteral(", "));
    lines << QStringLiteral("widgets left after the first quit %1, after the last quit %2 (%3)")
                 .arg(m_widgetsAfterFirstQuit)
                 .arg(m_widgetsAfterLastQuit)
                 .arg(m_widgetsLeft.join(QStringLiteral(", ")));
    lines << QStringLiteral("messages %1, web pages %2, print jobs %3, reading files saved %4")
                 .arg(m_platform->messages.size())
                 .arg(m_platform->openedUrls.size())
                 .arg(m_platform->printJobs)
                 .arg(m_platform->savedFiles.size());
    return lines.join(QLatin1Char('\n'));
}
