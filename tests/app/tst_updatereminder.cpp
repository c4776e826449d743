// The update reminder: when it asks, what it stores and that what it stores reads back
// in every locale.
#include "app/Application.h"
#include "app/UpdateReminder.h"
#include "site/WebAddress.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"

#include <QLocale>
#include <QTest>

using namespace GuiTest;

namespace {

const QString Question =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

} // namespace

Q_DECLARE_METATYPE(Platform::Answer)

class TestUpdateReminder : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        processDeletes();
        QVERIFY2(visibleWindows().isEmpty(), "a window outlived its test");
    }

    // ---- update reminder ----

    void checkForUpdate_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<Platform::Answer>("answer");
        QTest::addColumn<bool>("asks");
        QTest::newRow("today") << 0 << Platform::Answer::Yes << false;
        QTest::newRow("14 days ago") << -14 << Platform::Answer::Yes << false;
        QTest::newRow("15 days ago, Yes") << -15 << Platform::Answer::Yes << true;
        QTest::newRow("15 days ago, No") << -15 << Platform::Answer::No << true;
        QTest::newRow("15 days ahead, No") << 15 << Platform::Answer::No << true;
    }
    void checkForUpdate()
    {
        QFETCH(int, daysFromToday);
        QFETCH(Platform::Answer, answer);
        QFETCH(bool, asks);
        // Every locale reads the date back: checkForUpdate_dateReadsBackInEveryLocale.
        FakePlatform platform;
        Application app(platform);
        const QString stored = platform.todayDate.addDays(daysFromToday).toString(Qt::ISODate);
        platform.settings.insert("Duration", stored);
        platform.answers.enqueue(answer);
        UpdateReminder::checkForUpdate(app.platform(), QLocale(QLocale::German, QLocale::Germany));
        if (!asks) {
            QVERIFY(platform.messages.isEmpty());
            QCOMPARE(platform.settings.value("Duration"), stored);
            QCOMPARE(platform.settingWrites, 0);
            QVERIFY(platform.openedUrls.isEmpty());
            return;
        }
        QCOMPARE(platform.messageTexts(), QStringList{Question});
        QCOMPARE(platform.messages.first().icon, Platform::Icon::Information);
        QCOMPARE(platform.messages.first().buttons, Platform::Buttons::YesNo);
        QCOMPARE(platform.settings.value("Duration"), platform.todayDate.toString(Qt::ISODate));
        const QStringList download{pageAddress("download-web-page")};
        QCOMPARE(platform.openedUrls, answer == Platform::Answer::Yes ? download : QStringList());
    }

    void checkForUpdate_firstStartWritesWithoutAsking()
    {
        FakePlatform platform;
        Application app(platform);
        const QLocale locale(QLocale::English, QLocale::UnitedStates);
        UpdateReminder::checkForUpdate(app.platform(), locale);
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(platform.openedUrls.isEmpty());
        QCOMPARE(platform.settings.value("Duration"), platform.todayDate.toString(Qt::ISODate));
        // The next start on the same day stays silent.
        UpdateReminder::checkForUpdate(app.platform(), locale);
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settingWrites, 1);
        // ... and so does one 14 days later, while the 15th day asks.
        platform.todayDate = platform.todayDate.addDays(14);
        UpdateReminder::checkForUpdate(app.platform(), locale);
        QVERIFY(platform.messages.isEmpty());
        platform.todayDate = platform.todayDate.addDays(1);
        UpdateReminder::checkForUpdate(app.platform(), locale);
        QCOMPARE(platform.messageTexts(), QStringList{Question});
    }

    void checkForUpdate_unreadableValueStays_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("words") << "not a date";
        QTest::newRow("impossible date") << "13/45/26";
        QTest::newRow("other format") << "2026-11-01T10:00";
        QTest::newRow("blank") << " ";
    }
    void checkForUpdate_unreadableValueStays()
    {
        QFETCH(QString, stored);
        FakePlatform platform;
        Application app(platform);
        platform.settings.insert("Duration", stored);
        UpdateReminder::checkForUpdate(app.platform(), QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.settings.value("Duration"), stored);
        QCOMPARE(platform.settingWrites, 0);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void checkForUpdate_dateReadsBackInEveryLocale()
    {
        // A date written on one start is read on the next in every locale Qt knows: the
        // reminder stays silent 14 days either side of it and comes 15 days away. So
        // does the locale's short date text that earlier versions wrote.
        const QList<QDate> writtenOn = {QDate(2027, 1, 1),  QDate(2026, 12, 31), QDate(2028, 2, 29),
                                        QDate(2000, 2, 29), QDate(2031, 10, 9),  QDate(2069, 12, 31)};
        QStringList failures;
        for (const QLocale& locale :
             QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            for (const QDate& day : writtenOn) {
                for (const bool earlierVersion : {false, true}) {
                    FakePlatform platform;
                    Application app(platform);
                    platform.todayDate = day;
                    if (earlierVersion)
                        platform.settings.insert("Duration", locale.toString(day, QLocale::ShortFormat));
                    else
                        UpdateReminder::checkForUpdate(app.platform(), locale);
                    const QString stored = platform.settings.value("Duration");
                    QList<int> wrong;
                    for (const int offset : {14, -14, 15, -15}) {
                        platform.settings.insert("Duration", stored);
                        platform.messages.clear();
                        platform.todayDate = day.addDays(offset);
                        UpdateReminder::checkForUpdate(app.platform(), locale);
                        if (platform.messages.isEmpty() != (std::abs(offset) == 14))
                            wrong << offset;
                    }
                    if (!wrong.isEmpty())
                        failures << QStringLiteral("%1 %2 \"%3\"%4: wrong on days %5")
                                        .arg(locale.name(), day.toString(Qt::ISODate), stored,
                                             earlierVersion ? QStringLiteral(" (earlier version)") : QString(),
                                             QString::number(wrong.first()));
                }
            }
        }
        QVERIFY2(failures.isEmpty(), qPrintable(QString::number(failures.size()) + QStringLiteral(" failures:\n")
                                                + failures.mid(0, 6).join(u'\n')));
    }
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
