// Robustness run: thousands of random user actions on the real windows, offscreen,
// with every desktop request answered at random (see Monkey and MonkeyPlatform).
//
// Environment:
//   ZARVO_MONKEY_STEPS=<n>   number of random actions (default 5000)
//   ZARVO_MONKEY_SEED=<n>    seed of the random choices; without it the clock gives one.
//                            The seed is printed at the start: a failure replays with
//                            ZARVO_MONKEY_SEED=<n> and the same ZARVO_MONKEY_STEPS.
//   ZARVO_MONKEY_TRACE=1     print every action as it is done
//
// Example, from the build directory:
//   ZARVO_MONKEY_SEED=12345 ZARVO_MONKEY_STEPS=30000 ctest -R tst_robustness --output-on-failure
// or directly: QT_QPA_PLATFORM=offscreen ZARVO_MONKEY_SEED=12345 tests/robustness/tst_robustness
#include "robustness/Monkey.h"

#include <QEventLoop>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <mutex>

namespace {

Monkey::Options optionsFromEnvironment()
{
    Monkey::Options options;
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("ZARVO_MONKEY_STEPS", &ok);
    if (ok && steps > 0)
        options.actions = steps;
    const quint64 seed = qEnvironmentVariable("ZARVO_MONKEY_SEED").trimmed().toULongLong(&ok);
    options.seed = ok ? seed : quint64(std::chrono::system_clock::now().time_since_epoch().count());
    options.trace = qEnvironmentVariableIntValue("ZARVO_MONKEY_TRACE") != 0;
    return options;
}

// QTest's mouse and key functions warn for every event that no widget accepts (a click
// on a label, a letter on a button), and the offscreen platform for every raise or
// keyboard grab it cannot do; thousands of those say nothing. Every other message
// goes on to QtTest and is counted for the summary.
QtMessageHandler previousHandler = nullptr;
std::mutex messagesMutex;
QMap<QString, int> otherMessages;

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("Mouse event \"")) || message.startsWith(QLatin1String("Keyboard event not accepted"))
            || message.startsWith(QLatin1String("This plugin does not support"))))
        return;
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        std::lock_guard lock(messagesMutex);
        ++otherMessages[message.left(200)];
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

class tst_Robustness : public QObject
{
    Q_OBJECT
public:
    tst_Robustness()
    {
        // QtTest ends a test function after five minutes; a long run asks for more.
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
            const qint64 ms = qMax<qint64>(300000, qint64(optionsFromEnvironment().actions) * 100);
            qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(ms));
        }
    }

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(messageHandler); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void randomActions();
};

void tst_Robustness::randomActions()
{
    const Monkey::Options options = optionsFromEnvironment();
    qInfo("seed %llu, %d random actions; replay with ZARVO_MONKEY_SEED=%llu ZARVO_MONKEY_STEPS=%d",
          static_cast<unsigned long long>(options.seed), options.actions,
          static_cast<unsigned long long>(options.seed), options.actions);
    const QByteArray replay = QStringLiteral("replay with ZARVO_MONKEY_SEED=%1 ZARVO_MONKEY_STEPS=%2")
                                  .arg(options.seed)
                                  .arg(options.actions)
                                  .toLocal8Bit();

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Monkey monkey(options, folder.path());
    QEventLoop loop;
    connect(&monkey, &Monkey::finished, &loop, &QEventLoop::quit);
    monkey.start();
    loop.exec();

    qInfo().noquote() << monkey.summary();
    {
        std::lock_guard lock(messagesMutex);
        for (auto it = otherMessages.constBegin(); it != otherMessages.constEnd(); ++it)
            qInfo().noquote() << "warning seen" << it.value() << "times:" << it.key();
    }
    const QStringList failures = monkey.failures();
    QVERIFY2(failures.isEmpty(), (failures.join(QLatin1Char('\n')).toLocal8Bit() + "\n" + replay).constData());
    QVERIFY2(monkey.isFinished(), replay.constData());
    QVERIFY2(monkey.actionsDone() == options.actions,
             QByteArray("stopped after " + QByteArray::number(monkey.actionsDone()) + " actions; " + replay)
                 .constData());
    // That nothing of the program outlives it, the run itself checks after each quit.
}

QTEST_MAIN(tst_Robustness)
#include "tst_robustness.moc"
