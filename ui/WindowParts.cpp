#include "WindowParts.h"

#include "LinkLabel.h"
#include "Look.h"
#include "Navigator.h"
#include "PromoTexts.h"
#include "WebAddress.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using Look::tw;

namespace WindowParts {

QLabel* label(QWidget* parent, const QString& name, const QString& text, int leftTw, int topTw,
              const QColor& colour, double pointSize, bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(Look::verdana(pointSize, bold));
    Look::setTextColour(l, colour);
    l->move(tw(leftTw), tw(topTw));
    l->adjustSize();
    return l;
}

void setUpLink(LinkLabel* link, const QString& text, Navigator& nav, const QString& pageKey)
{
    link->setText(text);
    QObject::connect(link, &LinkLabel::clicked, link, [&nav, pageKey] { nav.openWebPage(pageKey); });
}

void setUpSiteLinks(LinkLabel* visit, LinkLabel* forum, Navigator& nav)
{
    setUpLink(visit, visitCaption(), nav, QStringLiteral("home-page"));
    setUpLink(forum, PromoTexts::text("forum-invitation"), nav, QStringLiteral("home-page"));
    // Their texts come from the build and the promotional texts, so they are centred here.
    for (LinkLabel* link : {visit, forum}) {
        link->adjustSize();
        link->move((link->parentWidget()->width() - link->width()) / 2, link->y());
    }
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption, const QColor& colour)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(Look::verdana(8.25, true));
    Look::setTextColour(box, colour);
    return box;
}

QString visitCaption()
{
    return QCoreApplication::translate("WindowParts", "Click Here To Visit %1 Now").arg(WebAddress::siteDisplay());
}

void addSharedMenus(QMenuBar* bar, Navigator& nav, QWidget* window, const char* separatorAfterVisit)
{
    auto action = [&](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    action(help, "mnuOnline", QStringLiteral("&Online Help"));
    action(help, "mnuVisit", QStringLiteral("&Visit Us Online"));
    help->addSeparator()->setObjectName(QLatin1String(separatorAfterVisit));
    action(help, "mnuUpdate", QStringLiteral("Check for Software &Update"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    action(help, "mnuAbout", QStringLiteral("&About Software"));

    QAction* donate = bar->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    // Created switched off and nothing switches it on, so it is not shown at all: on the
    // menu bar even a greyed item would claim Alt+O from "&Open Previously Saved Reading".
    auto* makeMoney = new QAction(QStringLiteral("Make Money &Online"), window);
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);
    makeMoney->setEnabled(false);
    connectSharedMenus(window, nav);
}

void connectSharedMenus(QWidget* window, Navigator& nav)
{
    const struct
    {
        const char* action;
        const char* pageKey;
    } pages[] = {{"mnuOnline", "help-web-page"}, {"mnuVisit", "home-page"},         {"mnuUpdate", "download-web-page"},
                 {"mnuDonate", "donate"},         {"mnuMakeMoney", "fully-branded"}};
    for (const auto& page : pages) {
        const QString key = QLatin1String(page.pageKey);
        QObject::connect(window->findChild<QAction*>(QLatin1String(page.action)), &QAction::triggered, window,
                         [&nav, key] { nav.openWebPage(key); });
    }
    QObject::connect(window->findChild<QAction*>(QStringLiteral("mnuAbout")), &QAction::triggered, window,
                     [&nav, window] { nav.showAbout(window); });
}

} // namespace WindowParts
