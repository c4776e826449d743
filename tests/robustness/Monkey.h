#pragma once

#include "engine/BirthData.h"
#include "robustness/MonkeyPlatform.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>

class Application;
class QWidget;

// Drives the real windows with random user actions, one action per timeout of a
// zero-interval timer.
//
// The timer is started for the next action before the current one runs: a modal
// dialog's own event loop (exec) therefore keeps receiving actions. After each action
// the deferred deletions are delivered, as at the start of the next event loop pass
// that follows real input, before any other timer fires. Between two actions at the
// outermost level the program is at rest and its invariants are checked; after it has
// quit, a fresh Application starts.
class Monkey : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        quint64 seed = 0;
        int actions = 5000;
        bool trace = false;
        int stallMs = 10000;  // longest time allowed without an action
    };

    Monkey(const Options& options, const QString& folder);
    ~Monkey() override;

    void start();

    bool isFinished() const { return m_finished; }
    int actionsDone() const { return m_actions; }
    QStringList failures() const { return m_failures; }
    QString summary() const;

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Before
    {
        BirthData data;
        int messages = 0;
    };

    // A desktop file dialog or message box runs an event loop until the user answers;
    // the test double's answer comes after such a loop of a few steps.
    struct DialogLoop
    {
        QEventLoop* loop = nullptr;
        int depth = 0;     // of the steps that run directly in it
        int steps = 0;     // still to wait
        bool untilDelayedClick = false;  // and then for the delayed click of an access key
        QElapsedTimer open;
        QPointer<QWidget> parent;
        QString what;
    };

    void postStep();
    void runDialogLoop(QWidget* parent, const QString& what);
    bool stepInDialogLoop();
    bool waitForDelayedClick();
    bool fireDelayedClick();
    static bool delayedClickPending();
    void step();
    void windDown();
    void finish();
    bool restartAfterQuit();
    void act();
    void actOnPopup(QWidget* popup);
    void actOnWindow(QWidget* window);

    void click(QWidget* window, bool direct, bool twice);
    void pressKey(QWidget* window);
    void typeText(QWidget* window);
    void chooseMenu(QWidget* window);
    void turnWheel(QWidget* window);
    void closeWindow(QWidget* window, const char* why);

    void inject(QWidget* window, QPoint position, bool twice);
    void sendKey(QWidget* receiver, int key, const QString& text, Qt::KeyboardModifiers modifiers);
    QWidget* keyReceiver(QWidget* window) const;
    void activate(QWidget* window);
    QString randomText();

    void checkInvariants();
    void checkAtRest();
    void checkNothingLeft(const QString& when);
    void checkDeletion(QWidget* dying);
    void checkAnswers(quint64 serial, const Before* before);
    void checkOpen(const MonkeyPlatform::FileAnswer& answer, const Before& before);
    // The birth of the result window on screen, or of the last one there was.
    const BirthData& currentBirth();

    void fail(const QString& problem);
    void note(const QString& action);
    QList<QWidget*> visibleWindows() const;
    QWidget* visibleWindow(const char* name) const;
    static QString nameOf(const QWidget* widget);

    int below(int n);
    bool chance(double p);

    Options m_options;
    std::mt19937_64 m_rng;
    std::unique_ptr<MonkeyPlatform> m_platform;
    std::unique_ptr<Application> m_app;
    BirthData m_lastBirth;

    int m_actions = 0;         // random actions done, counted against the budget
    int m_stepsRun = 0;        // every step, restarts and closing down included
    int m_depth = 0;           // steps on the stack: more than one inside exec()
    int m_maxDepth = 0;
    int m_nestedSteps = 0;
    int m_dialogLoopSteps = 0;
    quint64 m_serial = 0;
    bool m_windingDown = false;
    int m_windDownSteps = 0;
    bool m_finalQuit = false;
    bool m_finished = false;
    int m_exitsSeen = 0;
    int m_sessions = 0;
    int m_widgetsAfterFirstQuit = -1;
    int m_widgetsAfterLastQuit = -1;
    QStringList m_widgetsLeft;

    QPointer<QWidget> m_modal;
    int m_modalSteps = 0;
    int m_closeAttempts = 0;
    int m_popupSteps = 0;
    DialogLoop* m_dialogLoop = nullptr;
    int m_delayedClicks = 0;   // dialog loops entered with a delayed click pending
    bool m_delayedClickSeen = false;
    int m_delayedClickGrace = 0;
    QElapsedTimer m_delayedClickWait;
    int m_mouseTime = 1000;

    QStringList m_failures;
    QStringList m_recent;
    QMap<QString, int> m_shown;     // windows shown, by name
    QMap<QString, int> m_counts;    // actions and answers, by kind

    QTimer m_stepTimer;
    QTimer m_watchdog;
    QElapsedTimer m_sinceStep;
    QElapsedTimer m_runTime;

    // A second watchdog on its own thread ends the process when the user-interface
    // thread itself hangs (an endless loop or a blocking call), which no timer of
    // that thread could notice.
    std::thread m_guard;
    std::mutex m_guardMutex;
    std::condition_variable m_guardWake;
    bool m_guardStop = false;
    std::string m_lastAction;
    std::atomic<qint64> m_lastStepMs{0};
};
