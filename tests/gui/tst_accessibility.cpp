#include "AboutBox.h"
#include "Application.h"
#include "FakePlatform.h"
#include "LinkLabel.h"
#include "MainWindow.h"
#include "ReportWindow.h"
#include "ResultWindow.h"
#include "SupportScreen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

// Every control a person can reach or read has a name for screen readers.
class TestAccessibility : public QObject
{
    Q_OBJECT

    static bool needsName(QWidget* w)
    {
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
               || qobject_cast<QTabBar*>(w) || qobject_cast<QTextEdit*>(w) || w->inherits("LinkLabel")
               || w->inherits("PictureBox");
    }

    static QStringList unnamed(QWidget* window)
    {
        QStringList missing;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!needsName(w) || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
                missing << w->objectName() + " (" + w->metaObject()->className() + ")";
        }
        return missing;
    }

private slots:
    void everyControlIsNamed()
    {
        FakePlatform platform;
        Application app(platform);
        app.birthData().name = QStringLiteral("Anna");
        app.birthData().sex = QStringLiteral("Female");
        app.birthData().month = QStringLiteral("March");
        app.birthData().day = 7;
        app.birthData().year = 1984;

        app.showMainWindow();
        QCOMPARE(unnamed(app.mainWindow()), QStringList());
        app.showResultWindow();
        QCOMPARE(unnamed(app.resultWindow()), QStringList());
        ReportWindow report(app, app.resultWindow());
        QCOMPARE(unnamed(&report), QStringList());
        AboutBox about(app, app.mainWindow());
        QCOMPARE(unnamed(&about), QStringList());
        app.hideSupportScreen();
        QCOMPARE(unnamed(app.supportScreen()), QStringList());
    }

    void resultPagesAreReachableByKeyboard()
    {
        FakePlatform platform;
        Application app(platform);
        app.birthData().month = QStringLiteral("March");
        app.birthData().day = 7;
        app.birthData().year = 1984;
        app.showResultWindow();
        auto* tabs = app.resultWindow()->findChild<QTabBar*>(QStringLiteral("TS"));
        QVERIFY(tabs);
        QVERIFY(tabs->focusPolicy() & Qt::TabFocus);
    }
    void linksReadTheirTextAndCanBePressed()
    {
        QWidget window;
        auto* link = new LinkLabel(QStringLiteral("lnk"), &window);
        link->setText(QStringLiteral("Tom & Jerry's page"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(link);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Tom & Jerry's page"));
        QAccessibleActionInterface* actions = iface->actionInterface();
        QVERIFY(actions);
        QSignalSpy clicked(link, &LinkLabel::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
        link->setEnabled(false);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.count(), 1);
    }

    // A link looks like a label in its bold, underlined font, whatever its alignment,
    // wrapping or direction.
    void linkDrawsItsTextAsALabelWould_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<bool>("rightToLeft");
        QTest::addColumn<QString>("text");
        const QString english = QStringLiteral("Co-brand this software for your site. We can add your own web site "
                                               "name & link to this program.");
        const QString hebrew = QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd, "
                                                 "\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd.");
        for (bool rightToLeft : {false, true}) {
            for (bool wrap : {false, true}) {
                const QByteArray name = QByteArray(rightToLeft ? "rtl" : "ltr") + (wrap ? " wrapped" : "");
                QTest::newRow(name + " left") << int(Qt::AlignLeft | Qt::AlignVCenter) << wrap << rightToLeft << english;
                QTest::newRow(name + " centre") << int(Qt::AlignCenter) << wrap << rightToLeft << english;
                QTest::newRow(name + " left, Hebrew") << int(Qt::AlignLeft | Qt::AlignVCenter) << wrap << rightToLeft << hebrew;
            }
        }
    }
    void linkDrawsItsTextAsALabelWould()
    {
        QFETCH(int, alignment);
        QFETCH(bool, wrap);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, text);
        LinkLabel link(QStringLiteral("lnk"));
        QLabel label;
        label.setTextFormat(Qt::PlainText);
        label.setFont(link.font());
        for (QWidget* w : {static_cast<QWidget*>(&link), static_cast<QWidget*>(&label)}) {
            w->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            w->resize(260, 70);
        }
        link.setText(text);
        link.setWordWrap(wrap);
        link.setAlignment(Qt::Alignment(alignment));
        label.setText(text);
        label.setWordWrap(wrap);
        label.setAlignment(Qt::Alignment(alignment));
        QCOMPARE(link.grab().toImage(), label.grab().toImage());
        if (!wrap)
            QCOMPARE(link.sizeHint(), label.sizeHint());
        else
            QCOMPARE(link.heightForWidth(260), label.heightForWidth(260));
    }

    void wrappingLinkGrowsTallerWhenNarrower()
    {
        LinkLabel link(QStringLiteral("lnk"));
        link.setText(QStringLiteral("Home Business Opportunity. Get a fully branded copy of this program under your "
                                    "own name and sell it or give it away as you wish."));
        QVERIFY(!link.hasHeightForWidth());
        const int oneLine = link.sizeHint().height();
        link.setWordWrap(true);
        QVERIFY(link.hasHeightForWidth());
        QVERIFY(link.sizePolicy().hasHeightForWidth());
        QCOMPARE(link.heightForWidth(5000), oneLine);
        QVERIFY(link.heightForWidth(200) > 2 * oneLine);
        // No narrower than its longest word.
        QVERIFY(link.minimumSizeHint().width() >= link.fontMetrics().horizontalAdvance(QStringLiteral("Opportunity.")));
        QVERIFY(link.minimumSizeHint().width() < link.sizeHint().width());

        // The measurements follow the text, the font and the margins.
        const QSize wrapped = link.sizeHint();
        const int narrowHeight = link.heightForWidth(200);
        link.setText(QStringLiteral("Short."));
        QVERIFY(link.sizeHint().width() < wrapped.width());
        QVERIFY(link.heightForWidth(200) < narrowHeight);
        QFont larger = link.font();
        larger.setPointSizeF(larger.pointSizeF() * 2);
        const QSize small = link.sizeHint();
        link.setFont(larger);
        QVERIFY(link.sizeHint().height() > small.height());
        const QSize beforeMargins = link.sizeHint();
        link.setContentsMargins(5, 5, 5, 5);
        QCOMPARE(link.sizeHint(), beforeMargins + QSize(10, 10));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
