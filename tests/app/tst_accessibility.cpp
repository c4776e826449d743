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
        for (const char* name : {"frmMain", "frmTibetanResult", "frmSave", "frmAbout", "frmNagScreen2"}) {
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
            {"mnuHelp", Kind::Menu, nullptr},         {"mnuOnline", Kind::MenuItem, "mnuHelp"},
            {"mnuVisit", Kind::MenuItem, "mnuHelp"},  {"mnuUpdate", Kind::MenuItem, "mnuHelp"},
            {"mnuSep2", Kind::Separator, "mnuHelp"},  {"mnuAbout", Kind::MenuItem, "mnuHelp"},
            {"mnuDonate", Kind::MenuItem, nullptr},   {"mnuMakeMoney", Kind::MenuItem, nullptr},
            {"mnuFile", Kind::Menu, nullptr},         {"mnuExit", Kind::MenuItem, "mnuFile"}};
        QTest::newRow("main window") << QStringLiteral("frmMain")
                                     << sharedMenus + QList<Control>{
                                            {"Frame1", Kind::Frame, nullptr},
                                            {"Label1_0", Kind::Label, "Frame1"},
                                            {"txtName", Kind::TextBox, "Frame1"},
                                            {"Label1_1", Kind::Label, "Frame1"},
                                            {"cboMonth", Kind::List, "Frame1"},
                                            {"cboDate", Kind::List, "Frame1"},
                                            {"cboYear", Kind::List, "Frame1"},
                                            {"Label2", Kind::Label, "Frame1"},
                                            {"optMale", Kind::Option, "Frame1"},
                                            {"optFemale", Kind::Option, "Frame1"},
                                            {"cmdCalculate", Kind::Button, "Frame1"},
                                            {"cmdOpen", Kind::Button, nullptr},
                                            {"Label14", Kind::Link, nullptr},
                                            {"fraFullBrand", Kind::Frame, nullptr},
                                            {"lblCobrand", Kind::Link, "fraFullBrand"},
                                            {"lblFullBrand", Kind::Link, "fraFullBrand"},
                                            {"mnuCalculate", Kind::MenuItem, "mnuFile"},
                                            {"mnuSep3", Kind::Separator, "mnuFile"},
                                            {"mnuSep1", Kind::Separator, "mnuHelp"}};
        QTest::newRow("result window") << QStringLiteral("frmTibetanResult")
                                       << sharedMenus + QList<Control>{
                                              {"imgTibetanAnimalSign", Kind::ImageList, nullptr},
                                              {"imgTibetanSunSign", Kind::ImageList, nullptr},
                                              {"Frame5", Kind::Frame, nullptr},
                                              {"cmdSave", Kind::Button, "Frame5"},
                                              {"cmdBack", Kind::Button, "Frame5"},
                                              {"lblFullBrand", Kind::Link, "Frame5"},
                                              {"lblCobrand", Kind::Link, "Frame5"},
                                              {"Picture1", Kind::Panel, nullptr},
                                              {"Frame2", Kind::Frame, "Picture1"},
                                              {"txtElement", Kind::TextBox, "Frame2"},
                                              {"lblElement", Kind::Label, "Frame2"},
                                              {"Shape1", Kind::Panel, "Picture1"},
                                              {"Label1_0", Kind::Label, "Picture1"},
                                              {"Label1_2", Kind::Label, "Picture1"},
                                              {"lblTibetanSunSign", Kind::Label, "Picture1"},
                                              {"lblTransTibetanName", Kind::Label, "Picture1"},
                                              {"TS", Kind::TabStrip, nullptr},
                                              {"Picture3", Kind::Panel, nullptr},
                                              {"picTibetanAnimalSign", Kind::Picture, "Picture3"},
                                              {"Frame1", Kind::Frame, "Picture3"},
                                              {"txtAnimalSunSign", Kind::TextBox, "Frame1"},
                                              {"lblAnimalSunSign", Kind::Label, "Frame1"},
                                              {"Picture2", Kind::Panel, nullptr},
                                              {"Frame3", Kind::Frame, "Picture2"},
                                              {"txtWesternSunSign", Kind::TextBox, "Frame3"},
                                              {"lblWesternSunSign", Kind::Label, "Frame3"},
                                              {"picTibetanSunSign", Kind::Picture, "Picture2"},
                                              {"Label3", Kind::Link, nullptr},
                                              {"Label14", Kind::Link, nullptr},
                                              {"mnuBack", Kind::MenuItem, "mnuFile"},
                                              {"mnuSep1", Kind::Separator, "mnuFile"},
                                              {"mnuSep3", Kind::Separator, "mnuHelp"}};
        QTest::newRow("report window") << QStringLiteral("frmSave")
                                       << QList<Control>{{"cmdSave", Kind::Button, nullptr},
                                                         {"cmdPrint", Kind::Button, nullptr},
                                                         {"reportText", Kind::RichText, nullptr},
                                                         {"Label4", Kind::Link, nullptr},
                                                         {"Label1", Kind::Link, nullptr},
                                                         {"Label14", Kind::Link, nullptr}};
        QTest::newRow("about box") << QStringLiteral("frmAbout")
                                   << QList<Control>{{"picIcon", Kind::Picture, nullptr},
                                                     {"cmdOK", Kind::Button, nullptr},
                                                     {"Line1", Kind::Frame, nullptr},
                                                     {"lblHomePage", Kind::Link, nullptr},
                                                     {"Label3", Kind::Label, nullptr},
                                                     {"lblCoBrand", Kind::Link, nullptr},
                                                     {"Label2", Kind::Label, nullptr},
                                                     {"Label1", Kind::Label, nullptr}};
        QTest::newRow("support screen") << QStringLiteral("frmNagScreen2")
                                        << QList<Control>{{"picNagscreen2Icon", Kind::Picture, nullptr},
                                                          {"lblNagScreen2Caption", Kind::Label, nullptr},
                                                          {"Label2", Kind::Label, nullptr},
                                                          {"Check1", Kind::CheckBox, nullptr},
                                                          {"cmdClose", Kind::Button, nullptr},
                                                          {"Frame2", Kind::Frame, nullptr},
                                                          {"txtName", Kind::TextBox, "Frame2"},
                                                          {"txtEmail", Kind::TextBox, "Frame2"},
                                                          {"txtFriendName", Kind::TextBox, "Frame2"},
                                                          {"txtFriendEmail", Kind::TextBox, "Frame2"},
                                                          {"cmdSubmit", Kind::Button, "Frame2"},
                                                          {"txtMessage", Kind::TextBox, "Frame2"},
                                                          {"Frame6", Kind::Frame, nullptr},
                                                          {"Label3", Kind::Label, "Frame6"},
                                                          {"lblGoToHome", Kind::Link, "Frame6"}};
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
