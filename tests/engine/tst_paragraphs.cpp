#include "engine/AstrologyTables.h"
#include "engine/Paragraphs.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

class TestParagraphs : public QObject
{
    Q_OBJECT
private slots:
    void openingAndLength_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("length");
        const struct
        {
            const char* key;
            const char* opening;
            int length;
        } rows[] = {
            {"western/aries", "The ancient astrologers have looked upon the Aries", 837},
            {"western/taurus", "Pure Taureans tend to be earthy", 812},
            {"western/gemini", "The zodiacal sign with the double sign is Gemini.", 894},
            {"western/cancer", "The psychological nature of the pure Cancerian", 943},
            {"western/leo", "The pure Leo is well known", 932},
            {"western/virgo", "The Virgins are famous for their intelligence", 1035},
            {"western/libra", "For the Librans almost everything needs to be", 1265},
            {"western/scorpio", "The Scorpio is believed to be one of the most powerful sign", 972},
            {"western/sagittarius", "Pure Sagittarians are the one who possess enormous potential.", 956},
            {"western/capricorn", "The pure Capricorn has many earthy qualities.", 908},
            {"western/aquarius", "Aquarians have many things in common with the Sagittarians.", 1215},
            {"western/pisces", "Pisces are sometimes described as", 1055},
            {"animal/rat", "Belonging to the category of middle animals, the Mouse", 892},
            {"animal/ox", "Patient, courageous, constant and conventional", 967},
            {"animal/tiger", "Lucky, dynamic, daring, restless and unpredictable", 927},
            {"animal/hare", "Lucky, generous, charming, intelligent and artistic", 923},
            {"animal/dragon", "Energetic, strong, prosperous and power broker", 907},
            {"animal/snake", "Mysterious, wise, tenacious and self reliant", 826},
            {"animal/horse", "Cheerful, adventurous, sociable, popular and changeable", 654},
            {"animal/sheep", "Good, kind, intensive, gloomy and emotional", 840},
            {"animal/monkey", "Clever, flexible, resourceful, charming and conceited", 881},
            {"animal/rooster", "Funny, witty, efficient and good performers", 664},
            {"animal/dog", "Honestly affectionate, open minded, objective", 1075},
            {"animal/boar", "Honest, decent, popular, merry and pleasure-seeking", 923},
            {"element/earth", "Persons born under the earth element", 371},
            {"element/fire", "Like the element itself, fire people", 291},
            {"element/water", "Water people are basically imaginative;", 408},
            {"element/iron", "Metal folks are calculative human beings.", 398},
            {"element/wood", "If you are a classy artist or artisan", 423},
        };
        for (const auto& row : rows)
            QTest::newRow(row.key) << QString::fromLatin1(row.key) << QString::fromLatin1(row.opening) << row.length;
    }
    void openingAndLength()
    {
        QFETCH(QString, key);
        QFETCH(QString, opening);
        QFETCH(int, length);
        const QString text = Paragraphs::text(key);
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(80)));
        QCOMPARE(text.size(), length);
        // One line of prose: no line breaks, no doubled blanks, ends with a full stop.
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r') && !text.contains(u'\t'));
        QVERIFY(!text.contains(QStringLiteral("  ")));
        QVERIFY(text.endsWith(u'.'));
        QVERIFY(!text.startsWith(u' '));
    }

    void joinedEntries_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("lengthA");
        QTest::addColumn<QString>("openingB");
        QTest::addColumn<int>("lengthB");
        QTest::newRow("virgo") << "western/virgo" << 974 << "Virgos often lead a very happy" << 61;
        QTest::newRow("libra") << "western/libra" << 924 << "Comfort and luxury are the perfect keywords" << 341;
        QTest::newRow("aquarius") << "western/aquarius" << 938 << "A long term relationship with the pure Aquarian"
                                  << 277;
        QTest::newRow("pisces") << "western/pisces" << 273 << "Amiable, kindly, generous and occasionally a bit devious"
                                << 782;
        QTest::newRow("dog") << "animal/dog" << 925 << "But once you learn to trust the opposite person" << 150;
    }
    void joinedEntries()
    {
        QFETCH(QString, key);
        QFETCH(int, lengthA);
        QFETCH(QString, openingB);
        QFETCH(int, lengthB);
        const QString a = Paragraphs::storedPart(key + ".a");
        const QString b = Paragraphs::storedPart(key + ".b");
        QCOMPARE(a.size(), lengthA);
        QCOMPARE(b.size(), lengthB);
        // Part A ends with the single blank that separates the parts; nothing is inserted.
        QVERIFY(a.endsWith(QStringLiteral(". ")));
        QVERIFY(!a.endsWith(QStringLiteral("  ")));
        QVERIFY(b.startsWith(openingB));
        QCOMPARE(Paragraphs::text(key), a + b);
        QCOMPARE(Paragraphs::text(key).mid(lengthA - 1, 2), QString(QLatin1Char(' ') + openingB.at(0)));
    }

    void virgoEndsWithItsOneSentence()
    {
        // Its opening, its place and its length: joinedEntries.
        QCOMPARE(Paragraphs::storedPart("western/virgo.b").count(QRegularExpression(QStringLiteral("[.!?]"))), 1);
    }

    // Under German each paragraph comes from its own German file, one line of prose that
    // names its sign; a language without its own files reads English.
    void germanParagraphs_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("named");
        const char* const rows[][2] = {
            {"western/aries", "Widder"},        {"western/taurus", "Stier"},
            {"western/gemini", "Zwillinge"},    {"western/cancer", "Krebses"},
            {"western/leo", "L\u00f6we"},      {"western/virgo", "Jungfrauen"},
            {"western/libra", "Waage"},         {"western/scorpio", "Skorpion"},
            {"western/sagittarius", "Sch\u00fctzen"}, {"western/capricorn", "Steinbock"},
            {"western/aquarius", "Wassermann"}, {"western/pisces", "Fische"},
            {"animal/rat", "Ratte"},            {"animal/ox", "Ochse"},
            {"animal/tiger", "Tiger"},          {"animal/hare", "Hase"},
            {"animal/dragon", "Drache"},        {"animal/snake", "Schlange"},
            {"animal/horse", "Pferd"},          {"animal/sheep", "Schaf"},
            {"animal/monkey", "Affe"},          {"animal/rooster", "H\u00e4hne"},
            {"animal/dog", "Hund"},             {"animal/boar", "Schwein"},
            {"element/earth", "Erde"},          {"element/fire", "Feuermenschen"},
            {"element/water", "Wassermenschen"}, {"element/iron", "Eisen"},
            {"element/wood", "Holz"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
    }
    void germanParagraphs()
    {
        QFETCH(QString, key);
        QFETCH(QString, named);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString english = Paragraphs::text(key);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(Paragraphs::text(key), english);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
        const QString text = Paragraphs::text(key);
        QLocale::setDefault(QLocale::c());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b") + named + QStringLiteral("\\b"))),
                 qPrintable(text.left(80)));
        QVERIFY(text != english);
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r') && !text.contains(u'\t'));
        QVERIFY(!text.contains(QStringLiteral("  ")));
        QVERIFY(text.endsWith(u'.'));
        QVERIFY(!text.startsWith(u' '));
    }

    void unknownKeyIsEmpty()
    {
        QCOMPARE(Paragraphs::text("animal/cat"), QString());
    }
};

QTEST_APPLESS_MAIN(TestParagraphs)
#include "tst_paragraphs.moc"
