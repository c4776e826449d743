#include "testlib/OpenWindows.h"
#include "widgets/LinkLabel.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

namespace {

// What a control of each kind is called and what screen readers are told it is. Its
// name is in lower camel case and ends in the word for its kind ("nameEdit").
struct Kind
{
    const char* className;
    QStringList endings;
    QAccessible::Role role;
};

const QList<Kind>& kinds()
{
    // The most derived classes first: the first row a control inherits decides.
    static const QList<Kind> rows = {
        {"LinkLabel", {"Link"}, QAccessible::Link},
        {"PictureBox", {"Picture"}, QAccessible::Graphic},
        {"QLabel", {"Label", "Caption"}, QAccessible::StaticText},
        {"QLineEdit", {"Edit"}, QAccessible::EditableText},
        {"QTextEdit", {"Text"}, QAccessible::EditableText},
        {"QComboBox", {"Combo"}, QAccessible::ComboBox},
        {"QCheckBox", {"CheckBox"}, QAccessible::CheckBox},
        {"QRadioButton", {"Button"}, QAccessible::RadioButton},
        {"QPushButton", {"Button"}, QAccessible::PushButton},
        {"QGroupBox", {"Box"}, QAccessible::Grouping},
        {"QTabBar", {"Tabs"}, QAccessible::PageTabList},
        {"QStackedWidget", {"Stack", "Pages"}, QAccessible::LayeredPane},
        {"QMenuBar", {"Bar"}, QAccessible::MenuBar},
        {"QMenu", {"Menu"}, QAccessible::PopupMenu},
        {"QFrame", {"Frame", "Line"}, QAccessible::Border},
        {"QWidget", {"Page", "Area"}, QAccessible::Client},
    };
    return rows;
}

const Kind* kindOf(QObject* object)
{
    for (const Kind& kind : kinds()) {
        if (object->inherits(kind.className))
            return &kind;
    }
    return nullptr;
}

// Controls that make children of their own (scroll bars, list views, arrows): those
// belong to Qt, not to the form.
bool ownsItsChildren(QWidget* widget)
{
    return widget->inherits("QAbstractScrollArea") || widget->inherits("QComboBox") || widget->inherits("QTabBar")
           || widget->inherits("QMenuBar") || widget->inherits("QLineEdit") || widget->inherits("QAbstractButton");
}

// The controls of window that its form or code made, found by walking its widget tree.
void collectControls(QWidget* widget, QList<QWidget*>& controls)
{
    for (QObject* child : widget->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || (control->isWindow() && !qobject_cast<QMenu*>(control)))
            continue;
        controls << control;
        if (!ownsItsChildren(control))
            collectControls(control, controls);
    }
}

// What is wrong with the names and roles of window's controls and menu items.
QStringList misnamed(QWidget* window)
{
    static const QRegularExpression lowerCamelCase(QStringLiteral("^[a-z][a-z]*(?:[A-Z][a-z]*)*$"));
    QStringList wrong;
    if (window->objectName() != QLatin1String(window->metaObject()->className()))
        wrong << QStringLiteral("window %1 is not named after its class").arg(window->objectName());
    const QAccessible::Role windowRole = QAccessible::queryAccessibleInterface(window)->role();
    if (windowRole != QAccessible::Window && windowRole != QAccessible::Dialog)
        wrong << QStringLiteral("window %1: screen readers are told role %2").arg(window->objectName()).arg(int(windowRole));
    QList<QWidget*> controls;
    collectControls(window, controls);
    QSet<QString> seen;
    auto checkName = [&](QObject* object, const QStringList& endings) {
        const QString name = object->objectName();
        const QString kind = QLatin1String(object->metaObject()->className());
        if (!lowerCamelCase.match(name).hasMatch())
            wrong << QStringLiteral("%1 (%2): not a name in lower camel case").arg(name, kind);
        else if (!std::any_of(endings.begin(), endings.end(), [&](const QString& e) { return name.endsWith(e); }))
            wrong << QStringLiteral("%1 (%2): should end in %3").arg(name, kind, endings.join(QStringLiteral(" or ")));
        if (seen.contains(name))
            wrong << QStringLiteral("%1: named twice").arg(name);
        seen.insert(name);
    };
    for (QWidget* control : controls) {
        const Kind* kind = kindOf(control);
        if (!kind) {
            wrong << QStringLiteral("%1: a %2, which no form should hold").arg(control->objectName(), control->metaObject()->className());
            continue;
        }
        checkName(control, kind->endings);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
        if (!iface || iface->role() != kind->role)
            wrong << QStringLiteral("%1: screen readers are told role %2").arg(control->objectName()).arg(iface ? int(iface->role()) : -1);
    }
    // The menus and their items, and the items the window holds outside any menu.
    QList<QAction*> items;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window)) {
        for (QAction* top : mainWindow->menuBar()->actions()) {
            if (QMenu* menu = top->menu()) {
                checkName(menu, {QStringLiteral("Menu")});
                items << menu->actions();
            } else {
                items << top;
            }
        }
    }
    for (QAction* action : window->findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
        if (!items.contains(action))
            items << action;
    }
    for (QAction* action : std::as_const(items)) {
        if (!action->isSeparator())
            checkName(action, {QStringLiteral("Action")});
    }
    return wrong;
}

} // namespace

// Every control a person can reach or read has a name for screen readers, and every
// control of a window the object name that tests and tools find it by.
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
        GuiTest::OpenWindows windows;
        for (const char* name : {"MainWindow", "ResultWindow", "ReportWindow", "AboutBox", "SupportScreen"}) {
            QWidget* window = windows.window(QLatin1String(name));
            // The task bar and screen readers name every window by the program's caption.
            QCOMPARE(window->windowTitle(), QStringLiteral("Zarvo Tibetan Astrology v2.20"));
            QCOMPARE(unnamed(window), QStringList());
        }
    }

    // Tests and accessibility tools find each control of a window by its name: one name
    // for each control, in Qt's style and telling its kind, and the role that screen
    // readers announce is the one of that kind.
    void everyControlIsNamedForItsRole()
    {
        GuiTest::OpenWindows windows;
        for (const char* name : {"MainWindow", "ResultWindow", "ReportWindow", "AboutBox", "SupportScreen"}) {
            QWidget* window = windows.window(QLatin1String(name));
            const QStringList wrong = misnamed(window);
            QVERIFY2(wrong.isEmpty(), qPrintable(QLatin1String(name) + QStringLiteral(": ") + wrong.join(QStringLiteral("; "))));
        }
    }

    void resultPagesAreReachableByKeyboard()
    {
        FakePlatform platform;
        Application app(platform);
        app.showResultWindow(GuiTest::person(QString(), QString(), 7, QStringLiteral("March"), 1984));
        auto* tabs = app.resultWindow()->findChild<QTabBar*>(QStringLiteral("resultTabs"));
        QVERIFY(tabs);
        QVERIFY(tabs->focusPolicy() & Qt::TabFocus);
    }
    void linksReadTheirTextAndCanBePressed()
    {
        QWidget window;
        auto* link = new LinkLabel(&window);
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
