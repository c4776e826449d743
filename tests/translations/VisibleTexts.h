#pragma once

// The texts a person sees in a window, or a screen reader reads of it, for the tests
// of the translations.

#include "ui/AboutBox.h"
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "platform/SingleInstance.h"
#include "app/Startup.h"
#include "app/UpdateReminder.h"
#include "ui/SupportScreen.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "ui/ReportWindow.h"
#include "ui/ResultWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
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
        }
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        add(menu, menu->title());
        for (QAction* action : menu->actions())
            add(action, action->text());
    }
    return found;
}

// What a person meets in one run through the program, screen by screen, each text's
// owner named "screen/objectName": every window, tab and menu; the messages of wrong
// entries, of files that are no reading files, of a failed save, of a refused referral
// and of the start; the file dialogs' titles and filters; the report's lines
// ("report/line") and their bold captions ("report/caption"); and Qt's own texts of the
// message boxes and the file dialog ("Qt/..."). What the user typed and the Tibetan
// sign name are left out, and so are the reading's paragraphs where paragraphsAreData.
inline QList<Text> everyScreen(bool paragraphsAreData)
{
    using GuiTest::control;
    QList<Text> texts;
    auto addWindow = [&texts](const QString& screen, QWidget* window, const QStringList& data) {
        for (Text shown : of(window, data)) {
            shown.owner.prepend(screen + u'/');
            texts << shown;
        }
    };
    auto addMessages = [&texts](const QString& screen, const FakePlatform& platform) {
        for (const FakePlatform::Message& message : platform.messages)
            texts.append({screen + QStringLiteral("/message"), message.text});
        for (const Platform::FileDialog& dialog : platform.fileDialogs) {
            texts.append({screen + QStringLiteral("/file dialog title"), dialog.title});
            texts.append({screen + QStringLiteral("/file dialog filter"), dialog.filter});
        }
    };
    QTemporaryDir folder;
    {
        FakePlatform platform;
        Application app(platform);
        app.showMainWindow();
        MainWindow* main = app.mainWindow();
        addWindow(QStringLiteral("main"), main, {QStringLiteral("nameEdit")});
        control<QPushButton>(main, "calculateButton")->click();  // no name
        control<QLineEdit>(main, "nameEdit")->setText(QStringLiteral("Anna"));
        control<QPushButton>(main, "calculateButton")->click();  // no sex
        control<QRadioButton>(main, "femaleButton")->setChecked(true);
        control<QComboBox>(main, "monthCombo")->setCurrentIndex(1);
        control<QComboBox>(main, "dayCombo")->setCurrentIndex(30);
        control<QPushButton>(main, "calculateButton")->click();  // 31 February
        // A file not named as a reading file, then one that holds none: 31 February stays.
        QFile junk(folder.filePath(QStringLiteral("junk.tib")));
        if (!junk.open(QIODevice::WriteOnly) || junk.write("junk\r\n") != 6)
            qFatal("cannot write %s", qPrintable(junk.fileName()));
        junk.close();
        platform.fileAnswers << folder.filePath(QStringLiteral("junk.txt")) << junk.fileName();
        control<QPushButton>(main, "openButton")->click();
        control<QPushButton>(main, "openButton")->click();
        // A file named at start that is not there.
        app.openReadingFile(folder.filePath(QStringLiteral("missing.tib")));
        addMessages(QStringLiteral("main"), platform);
        app.quitApplication();
    }
    {
        FakePlatform platform;
        Application app(platform);
        AboutBox about(app.platform(), nullptr);
        addWindow(QStringLiteral("about"), &about, {});
    }
    {
        FakePlatform platform;
        Application app(platform);
        // Born before Losar, so that the note shows too.
        app.showResultWindow(GuiTest::person(QStringLiteral("Anna"), QStringLiteral("Female"), 5, QStringLiteral("January"), 1984));
        ResultWindow* result = app.resultWindow();
        if (control<QLabel>(result, "losarNoteLabel")->isHidden())
            qFatal("the Losar note is missing");
        QStringList data = {QStringLiteral("tibetanSunSignLabel")};
        if (paragraphsAreData)
            data << QStringLiteral("westernText") << QStringLiteral("animalText") << QStringLiteral("elementText");
        addWindow(QStringLiteral("result"), result, data);
        ReportWindow report(app.platform(), result->birthData(), result->reading(), result);
        addWindow(QStringLiteral("report"), &report, {QStringLiteral("reportText")});
        const QTextDocument* document = control<QTextEdit>(&report, "reportText")->document();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            if (hasWords(block.text()))
                texts.append({QStringLiteral("report/line"), block.text()});
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().fontWeight() == QFont::Bold)
                    texts.append({QStringLiteral("report/caption"), it.fragment().text()});
            }
        }
        platform.hasPrinter = false;
        control<QPushButton>(&report, "printButton")->click();
        platform.fileAnswers << QStringLiteral("/nonexistent-folder/anna.tib");
        control<QPushButton>(&report, "saveButton")->click();  // fails
        addMessages(QStringLiteral("report"), platform);
        app.quitApplication();
    }
    {
        FakePlatform platform;
        Application app(platform);
        app.showSupportScreen();
        SupportScreen* support = app.supportScreen();
        addWindow(QStringLiteral("support"), support,
                  {"nameEdit", "emailEdit", "friendNameEdit", "friendEmailEdit", "messageText"});
        support->submit();
        control<QLineEdit>(support, "nameEdit")->setText(QStringLiteral("Anna"));
        support->submit();
        auto* email = control<QLineEdit>(support, "emailEdit");
        email->setText(QStringLiteral("ab@example.org"));
        QTest::keyClick(email, Qt::Key_Space);
        support->submit();
        addMessages(QStringLiteral("support"), platform);
        app.quitApplication();
    }
    {
        SingleInstance first(folder.filePath(QStringLiteral("zarvo.lock")));
        first.acquire();
        FakePlatform platform;
        Application app(platform);
        SingleInstance second(folder.filePath(QStringLiteral("zarvo.lock")));
        Startup::run(app, second);
        Startup::run(app, second, QString(), QStringLiteral("http://example.com/anna.tib"));
        platform.settings.insert(QStringLiteral("Duration"), QStringLiteral("2000-01-01"));
        platform.answers << Platform::Answer::No;
        UpdateReminder::checkForUpdate(app.platform(), QLocale(QLocale::English, QLocale::UnitedStates));
        addMessages(QStringLiteral("start"), platform);
    }
    {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        addWindow(QStringLiteral("Qt/message box"), &box, {});
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            texts.append({QStringLiteral("Qt/file dialog/") + QLatin1String(name), control<QLabel>(&dialog, name)->text()});
    }
    return texts;
}

} // namespace VisibleTexts
