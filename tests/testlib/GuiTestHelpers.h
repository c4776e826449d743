#pragma once

// Small helpers shared by the widget tests.

#include "engine/BirthData.h"
#include "site/WebAddress.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QList>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QGlyphRun>
#include <QTest>
#include <QTextLayout>
#include <QTranslator>
#include <QWidget>

namespace GuiTest {

// The child of parent called name, of type T; stops the test program if there is none.
template<class T>
T* control(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("control %s not found", name);
    return found;
}

// Carries out the deleteLater() calls that are waiting, as the event loop would.
inline void processDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The top-level windows that are on screen.
inline QList<QWidget*> visibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            windows << window;
    }
    return windows;
}

// The widget that a user sees (and hits) at the centre of target.
inline QWidget* widgetOnTopAt(QWidget* target)
{
    QWidget* window = target->window();
    return window->childAt(target->mapTo(window, target->rect().center()));
}

// A click at the centre of target, delivered to the window so that it reaches whatever
// lies on top there.
inline void clickOnTop(QWidget* target)
{
    QWidget* window = target->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, target->mapTo(window, target->rect().center()));
}

// The address of the web page that the program opens for key.
inline QString pageAddress(const QString& key)
{
    return WebAddress::siteUrl() + QStringLiteral("/zarvo-free-tibetan-astrology/ssd.php?page=") + key;
}

// Data rows (source, pageKey) for the menu items that the main window and the result
// window share, each with the page it opens.
inline void addSharedMenuLinkRows()
{
    QTest::newRow("onlineHelpAction") << "onlineHelpAction"
                               << "help-web-page";
    QTest::newRow("visitAction") << "visitAction"
                              << "home-page";
    QTest::newRow("updateAction") << "updateAction"
                               << "download-web-page";
    QTest::newRow("donateAction") << "donateAction"
                               << "donate";
}

// The months as the month list shows them in English and the birth data stores them.
inline const QStringList MonthNames = {QStringLiteral("January"),   QStringLiteral("February"), QStringLiteral("March"),
                                       QStringLiteral("April"),     QStringLiteral("May"),      QStringLiteral("June"),
                                       QStringLiteral("July"),      QStringLiteral("August"),   QStringLiteral("September"),
                                       QStringLiteral("October"),   QStringLiteral("November"), QStringLiteral("December")};

// Birth data with every field filled in.
inline BirthData person(const QString& name, const QString& sex, int day, const QString& month, int year)
{
    BirthData data;
    data.name = name;
    data.sex = sex;
    data.day = qint16(day);
    data.month = month;
    data.year = qint16(year);
    return data;
}

// The item called name on the menu bar of window or in one of its menus, where a user
// finds it; stops the test program if the menus do not offer it.
inline QAction* menuItem(QMainWindow* window, const char* name)
{
    for (QAction* top : window->menuBar()->actions()) {
        for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>{top}) {
            if (item->objectName() == QLatin1String(name) && item->isVisible())
                return item;
        }
    }
    qFatal("menu item %s not found", name);
}

// A mouse move with no button held, straight to the widget (QTest moves the platform
// cursor for these, which need not reach the widget).
inline void hover(QWidget* area, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
}

// Shows every text in brackets, as a language other than English would change it.
class BracketingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

// True when every character of text is drawn with a real glyph of the font or of one Qt
// falls back to: a font without the script would draw the empty box, glyph 0.
inline bool drawsEveryGlyph(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                return false;
        }
    }
    return !text.isEmpty() && !runs.isEmpty();
}

} // namespace GuiTest
