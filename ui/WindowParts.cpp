#include "WindowParts.h"

#include "LinkLabel.h"
#include "Look.h"
#include "Navigator.h"
#include "WebAddress.h"

#include <QAction>
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

LinkLabel* centredLink(QWidget* parent, Navigator& nav, const QString& name, const QString& text,
                       int topTw, const QString& pageKey)
{
    auto* link = new LinkLabel(name, parent);
    link->setText(text);
    link->adjustSize();
    link->move((parent->width() - link->width()) / 2, tw(topTw));
    QObject::connect(link, &LinkLabel::clicked, parent, [&nav, pageKey] { nav.openWebPage(pageKey); });
    return link;
}

LinkLabel* centredLink(QWidget* parent, Navigator& nav, const QString& name, const PromoTexts::Link& promo, int topTw)
{
    return centredLink(parent, nav, name, PromoTexts::text(promo.text), topTw, QLatin1String(promo.pageKey));
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
    return QStringLiteral("Click Here To Visit ") + WebAddress::siteDisplay() + QStringLiteral(" Now");
}

void addSharedMenus(QMenuBar* bar, Navigator& nav, QWidget* window, const char* separatorAfterVisit)
{
    auto action = [&](QMenu* menu, const char* name, const QString& caption) {
        menu->addAction(caption)->setObjectName(QLatin1String(name));
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
    } pages[] = {{"mnuOnline", "help-web-page"},
                 {"mnuVisit", "home-page"},
                 {"mnuUpdate", "download-web-page"},
                 {"mnuDonate", "donate"},
                 {"mnuMakeMoney", "fully-branded"}};
    for (const auto& page : pages) {
        if (QAction* action = window->findChild<QAction*>(QLatin1String(page.action))) {
            const QString key = QLatin1String(page.pageKey);
            QObject::connect(action, &QAction::triggered, window, [&nav, key] { nav.openWebPage(key); });
        }
    }
    if (QAction* about = window->findChild<QAction*>(QStringLiteral("mnuAbout")))
        QObject::connect(about, &QAction::triggered, window, [&nav, window] { nav.showAbout(window); });
}

} // namespace WindowParts
