#pragma once

// The texts a person sees in a window, or a screen reader reads of it, for the tests
// of the translations.

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

namespace VisibleTexts {

struct Text
{
    QString owner;  // objectName of the widget, menu or action that shows it
    QString text;
};

// Texts without a letter (numbers, punctuation, blanks) read the same in every language.
inline bool hasWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Every text with words of one window, in a fixed order. Controls named in data show
// what the user typed (or the reading), and only their texts of their own are left
// out; what screen readers say of them still counts.
inline QList<Text> of(QWidget* window, const QStringList& data = {})
{
    QList<Text> found;
    auto add = [&](const QObject* owner, const QString& text) {
        if (hasWords(text))
            found.append({owner->objectName(), text});
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;  // Qt's own parts (scroll bars, viewports, a tab bar's arrows), in Qt's catalogue
        if (w->isWindow())
            add(w, w->windowTitle());
        add(w, w->toolTip());
        add(w, w->accessibleName());
        add(w, w->accessibleDescription());
        if (data.contains(w->objectName()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            add(w, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(w, button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            add(w, box->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            add(w, edit->placeholderText());
        else if (auto* edit = qobject_cast<QTextEdit*>(w)) {
            add(w, edit->placeholderText());
            add(w, edit->toPlainText());
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(w, tabs->tabText(i));
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                add(w, list->itemText(i));
        } else if (w->inherits("LinkLabel")) {
            add(w, w->property("text").toString());
        }
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        add(menu, menu->title());
        for (QAction* action : menu->actions())
            add(action, action->text());
    }
    return found;
}

} // namespace VisibleTexts
