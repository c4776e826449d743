#include "AboutBox.h"
#include "Application.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "NagScreen.h"
#include "ReportWindow.h"
#include "ResultWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
