#include "ui/SharedMenus.h"

#include "platform/Platform.h"
#include "site/WebPage.h"
#include "ui/AboutBox.h"
#include "ui/WindowParts.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SharedMenus", text);
}

// An item named like the controls of the forms, so that tests and tools find it.
QAction* addItem(QWidget* menu, const char* name, const QString& text)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

} // namespace

void SharedMenus::addTo(QMainWindow* window, Platform& platform)
{
    auto openPage = [&platform, window](QAction* action, WebPage page) {
        QObject::connect(action, &QAction::triggered, window,
                         [&platform, page] { WindowParts::openPage(platform, page); });
    };
    QMenuBar* bar = window->menuBar();
    auto* help = new QMenu(tr("&Help"), bar);
    help->setObjectName(QStringLiteral("helpMenu"));
    bar->addMenu(help);
    openPage(addItem(help, "onlineHelpAction", tr("&Online Help")), WebPage::Help);
    openPage(addItem(help, "visitAction", tr("&Visit Us Online")), WebPage::Home);
    help->addSeparator();
    openPage(addItem(help, "updateAction", tr("Check for Software &Update")), WebPage::Download);
    help->addSeparator();
    QObject::connect(addItem(help, "aboutAction", tr("&About Software")), &QAction::triggered, window,
                     [&platform, window] {
                         AboutBox about(platform, window);
                         platform.runDialog(about);
                     });
    openPage(addItem(bar, "donateAction", tr("&Donate")), WebPage::Donate);

    // Switched off for good and never shown: on the menu bar even a greyed item would
    // claim Alt+O from "Open Previously Saved Reading".
    auto* makeMoney = new QAction(tr("Make Money &Online"), window);
    makeMoney->setObjectName(QStringLiteral("makeMoneyAction"));
    makeMoney->setEnabled(false);
    makeMoney->setVisible(false);
    openPage(makeMoney, WebPage::FullyBranded);
}
