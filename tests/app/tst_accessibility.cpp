#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/MainWindow.h"
#include "support/SupportScreen.h"
#include "testlib/FakePlatform.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindow.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

#include <memory>

namespace {

// The program's five windows, open on a reading.
struct OpenWindows
{
    FakePlatform platform;
    Application app{platform};
    std::unique_ptr<ReportWindow> report;
    std::unique_ptr<AboutBox> about;

    OpenWindows()
    {
        app.birthData().name = QStringLiteral("Anna");
        app.birthData().sex = QStringLiteral("Female");
        app.birthData().month = QStringLiteral("March");
        app.birthData().day = 7;
        app.birthData().year = 1984;
        app.showMainWindow();
        app.showResultWindow();
        report = std::make_unique<ReportWindow>(app, app.resultWindow());
        about = std::make_unique<AboutBox>(app, app.mainWindow());
        app.hideSupportScreen();
    }

    QWidget* window(const QString& name)
    {
        for (QWidget* w : {static_cast<QWidget*>(app.mainWindow()), static_cast<QWidget*>(app.resultWindow()),
                           static_cast<QWidget*>(report.get()), static_cast<QWidget*>(about.get()),
                           static_cast<QWidget*>(app.supportScreen())}) {
            if (w && w->objectName() == name)
                return w;
        }
        return nullptr;
    }
};

// The kinds of control that the windows are described with.
enum class Kind { Frame, Label, Link, TextBox, List, Option, CheckBox, Button, RichText, TabStrip, Picture,
                  Panel, ImageList, Menu, MenuItem, Separator };

bool isKind(QObject* object, Kind kind)
{
    auto* action = qobject_cast<QAction*>(object);
    switch (kind) {
    case Kind::Frame:  // with or without a caption; a label is no frame
        return qobject_cast<QGroupBox*>(object) || (qobject_cast<QFrame*>(object) && !qobject_cast<QLabel*>(object));
    case Kind::Label: return qobject_cast<QLabel*>(object);
    case Kind::Link: return object->inherits("LinkLabel");
    case Kind::TextBox:
        return qobject_cast<QLineEdit*>(object) || qobject_cast<QTextEdit*>(object)
               || qobject_cast<QPlainTextEdit*>(object);
    case Kind::List: return qobject_cast<QComboBox*>(object);
    case Kind::Option: return qobject_cast<QRadioButton*>(object);
    case Kind::CheckBox: return qobject_cast<QCheckBox*>(object);
    case Kind::Button: return qobject_cast<QPushButton*>(object);
    case Kind::RichText: return qobject_cast<QTextEdit*>(object);
    case Kind::TabStrip: return qobject_cast<QTabBar*>(object) || object->inherits("QTabWidget");
    case Kind::Picture: return object->inherits("PictureBox") || qobject_cast<QLabel*>(object);
    case Kind::Panel: return object->isWidgetType();
    case Kind::ImageList: return !object->isWidgetType();
    case Kind::Menu: return qobject_cast<QMenu*>(object);
    case Kind::MenuItem: return action && !action->isSeparator();
    case Kind::Separator: return action && action->isSeparator();
    }
    return false;
}

// The window that object belongs to: its nearest ancestor window that is no menu.
QWidget* ownerWindow(QObject* object)
{
    for (QObject* o = object; o; o = o->parent()) {
        auto* widget = qobject_cast<QWidget*>(o);
        if (widget && widget->isWindow() && !qobject_cast<QMenu*>(widget))
            return widget;
    }
    return nullptr;
}

// True when container, a control or menu of the window or the window itself, holds object.
bool holds(QWidget* window, QObject* container, QObject* object)
{
    if (container == window)
        return ownerWindow(object) == window;
    if (auto* menu = qobject_cast<QMenu*>(container)) {
        auto* action = qobject_cast<QAction*>(object);
        return action && menu->actions().contains(action);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    auto* holder = qobject_cast<QWidget*>(container);
    return widget && holder && holder->isAncestorOf(widget);
}

// The objects of the window itself called name (a dialog's controls are its own).
QList<QObject*> namedIn(QWidget* window, const QString& name)
{
    QList<QObject*> own;
    for (QObject* object : window->findChildren<QObject*>(name)) {
        if (ownerWindow(object) == window)
            own << object;
    }
    return own;
}

struct Control
{
    const char* name;
    Kind kind;
    const char* container;  // nullptr: the window itself
};

} // namespace

Q_DECLARE_METATYPE(QList<Control>)

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
        OpenWindows windows;
        for (const char* name : {"MainWindow", "ResultWindow", "ReportWindow", "AboutBox", "SupportScreen"}) {
            QWidget* window = windows.window(QLatin1String(name));
            QVERIFY2(window, name);
            QCOMPARE(unnamed(window), QStringList());
        }
    }

    // Tests and accessibility tools find each control of a window by its name: the
    // window's own name, each control's name once, of its kind and in its container.
    // Control arrays are named with their index (Label1_0). The file dialogs are
    // created when they are needed and have no lasting name.
    void everyControlCarriesItsName_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<Control>>("controls");
        const QList<Control> sharedMenus = {
            {"helpMenu", Kind::Menu, nullptr},         {"onlineHelpAction", Kind::MenuItem, "helpMenu"},
            {"visitAction", Kind::MenuItem, "helpMenu"},  {"updateAction", Kind::MenuItem, "helpMenu"},
            {"mnuSep2", Kind::Separator, "helpMenu"},  {"aboutAction", Kind::MenuItem, "helpMenu"},
            {"donateAction", Kind::MenuItem, nullptr},   {"makeMoneyAction", Kind::MenuItem, nullptr},
            {"fileMenu", Kind::Menu, nullptr},         {"exitAction", Kind::MenuItem, "fileMenu"}};
        QTest::newRow("main window") << QStringLiteral("MainWindow")
                                     << sharedMenus + QList<Control>{
                                            {"Frame1", Kind::Frame, nullptr},
                                            {"Label1_0", Kind::Label, "Frame1"},
                                            {"nameEdit", Kind::TextBox, "Frame1"},
                                            {"birthDateLabel", Kind::Label, "Frame1"},
                                            {"monthCombo", Kind::List, "Frame1"},
                                            {"dayCombo", Kind::List, "Frame1"},
                                            {"yearCombo", Kind::List, "Frame1"},
                                            {"Label2", Kind::Label, "Frame1"},
                                            {"maleButton", Kind::Option, "Frame1"},
                                            {"femaleButton", Kind::Option, "Frame1"},
                                            {"calculateButton", Kind::Button, "Frame1"},
                                            {"openButton", Kind::Button, nullptr},
                                            {"forumLink", Kind::Link, nullptr},
                                            {"offerBox", Kind::Frame, nullptr},
                                            {"coBrandLink", Kind::Link, "offerBox"},
                                            {"fullBrandLink", Kind::Link, "offerBox"},
                                            {"calculateAction", Kind::MenuItem, "fileMenu"},
                                            {"mnuSep3", Kind::Separator, "fileMenu"},
                                            {"mnuSep1", Kind::Separator, "helpMenu"}};
        QTest::newRow("result window") << QStringLiteral("ResultWindow")
                                       << sharedMenus + QList<Control>{
                                              {"imgTibetanAnimalSign", Kind::ImageList, nullptr},
                                              {"imgTibetanSunSign", Kind::ImageList, nullptr},
                                              {"commandBox", Kind::Frame, nullptr},
                                              {"saveButton", Kind::Button, "commandBox"},
                                              {"backButton", Kind::Button, "commandBox"},
                                              {"fullBrandLink", Kind::Link, "commandBox"},
                                              {"coBrandLink", Kind::Link, "commandBox"},
                                              {"astrologyPage", Kind::Panel, nullptr},
                                              {"Frame2", Kind::Frame, "astrologyPage"},
                                              {"elementText", Kind::TextBox, "Frame2"},
                                              {"elementLabel", Kind::Label, "Frame2"},
                                              {"signFrame", Kind::Panel, "astrologyPage"},
                                              {"Label1_0", Kind::Label, "astrologyPage"},
                                              {"translationCaption", Kind::Label, "astrologyPage"},
                                              {"tibetanSunSignLabel", Kind::Label, "astrologyPage"},
                                              {"translationLabel", Kind::Label, "astrologyPage"},
                                              {"resultTabs", Kind::TabStrip, nullptr},
                                              {"animalPage", Kind::Panel, nullptr},
                                              {"animalPicture", Kind::Picture, "animalPage"},
                                              {"Frame1", Kind::Frame, "animalPage"},
                                              {"animalText", Kind::TextBox, "Frame1"},
                                              {"animalLabel", Kind::Label, "Frame1"},
                                              {"sunSignPage", Kind::Panel, nullptr},
                                              {"westernBox", Kind::Frame, "sunSignPage"},
                                              {"westernText", Kind::TextBox, "westernBox"},
                                              {"westernLabel", Kind::Label, "westernBox"},
                                              {"sunSignPicture", Kind::Picture, "sunSignPage"},
                                              {"Label3", Kind::Link, nullptr},
                                              {"forumLink", Kind::Link, nullptr},
                                              {"backAction", Kind::MenuItem, "fileMenu"},
                                              {"mnuSep1", Kind::Separator, "fileMenu"},
                                              {"mnuSep3", Kind::Separator, "helpMenu"}};
        QTest::newRow("report window") << QStringLiteral("ReportWindow")
                                       << QList<Control>{{"saveButton", Kind::Button, nullptr},
                                                         {"printButton", Kind::Button, nullptr},
                                                         {"reportText", Kind::RichText, nullptr},
                                                         {"Label4", Kind::Link, nullptr},
                                                         {"Label1", Kind::Link, nullptr},
                                                         {"forumLink", Kind::Link, nullptr}};
        QTest::newRow("about box") << QStringLiteral("AboutBox")
                                   << QList<Control>{{"iconPicture", Kind::Picture, nullptr},
                                                     {"okButton", Kind::Button, nullptr},
                                                     {"separatorLine", Kind::Frame, nullptr},
                                                     {"homePageLink", Kind::Link, nullptr},
                                                     {"Label3", Kind::Label, nullptr},
                                                     {"fullBrandOfferLink", Kind::Link, nullptr},
                                                     {"Label2", Kind::Label, nullptr},
                                                     {"Label1", Kind::Label, nullptr}};
        QTest::newRow("support screen") << QStringLiteral("SupportScreen")
                                        << QList<Control>{{"iconPicture", Kind::Picture, nullptr},
                                                          {"captionLabel", Kind::Label, nullptr},
                                                          {"Label2", Kind::Label, nullptr},
                                                          {"visitCheckBox", Kind::CheckBox, nullptr},
                                                          {"exitButton", Kind::Button, nullptr},
                                                          {"Frame2", Kind::Frame, nullptr},
                                                          {"nameEdit", Kind::TextBox, "Frame2"},
                                                          {"emailEdit", Kind::TextBox, "Frame2"},
                                                          {"friendNameEdit", Kind::TextBox, "Frame2"},
                                                          {"friendEmailEdit", Kind::TextBox, "Frame2"},
                                                          {"referButton", Kind::Button, "Frame2"},
                                                          {"messageText", Kind::TextBox, "Frame2"},
                                                          {"catalogueBox", Kind::Frame, nullptr},
                                                          {"Label3", Kind::Label, "catalogueBox"},
                                                          {"homePageLink", Kind::Link, "catalogueBox"}};
    }
    void everyControlCarriesItsName()
    {
        QFETCH(QString, window);
        QFETCH(QList<Control>, controls);
        OpenWindows windows;
        QWidget* top = windows.window(window);
        QVERIFY2(top, qPrintable(window));
        QStringList wrong;
        for (const Control& control : controls) {
            const QString name = QLatin1String(control.name);
            const QList<QObject*> found = namedIn(top, name);
            if (found.size() != 1) {
                wrong << QStringLiteral("%1: %2 objects of that name").arg(name).arg(found.size());
                continue;
            }
            if (!isKind(found.first(), control.kind))
                wrong << QStringLiteral("%1: of the wrong kind (%2)").arg(name, found.first()->metaObject()->className());
            const QList<QObject*> containers = control.container ? namedIn(top, QLatin1String(control.container))
                                                                 : QList<QObject*>{top};
            if (containers.size() != 1 || !holds(top, containers.first(), found.first()))
                wrong << QStringLiteral("%1: not in %2").arg(name, QLatin1String(control.container ? control.container : "the window"));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    void resultPagesAreReachableByKeyboard()
    {
        FakePlatform platform;
        Application app(platform);
        app.birthData().month = QStringLiteral("March");
        app.birthData().day = 7;
        app.birthData().year = 1984;
        app.showResultWindow();
        auto* tabs = app.resultWindow()->findChild<QTabBar*>(QStringLiteral("resultTabs"));
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
