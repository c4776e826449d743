#pragma once

#include <QDate>
#include <QString>

class QDialog;
class SaveTarget;
class QTextDocument;
class QWidget;

// Everything the program asks of the desktop that a test must observe or answer.
// The program uses QtPlatform; tests use a recording double with scripted answers.
class Platform
{
public:
    enum class Icon { Critical, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    struct FileDialog
    {
        enum class Mode { Open, Save };
        Mode mode = Mode::Open;
        QString title;
        QString filter;          // Qt form: "Description (*.ext)"
        QString defaultSuffix;   // when saving, appended to any name that does not end in it
        bool confirmOverwrite = false;
        bool refuseReadOnly = false;  // a read-only file or folder is refused
    };

    virtual ~Platform() = default;

    // A modal message box with the application title as caption.
    virtual Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) = 0;
    // A modal file dialog with an empty initial name; an empty result is a cancel. A
    // save dialog hands back only a name in a folder that exists.
    virtual QString chooseFile(QWidget* parent, const FileDialog& dialog) = 0;
    // A save dialog whose answer is the folder the user saw, opened before any question
    // about replacing a file there; a null target is a cancel. By default the folder of
    // chooseFile's name.
    virtual SaveTarget chooseSaveTarget(QWidget* parent, const FileDialog& dialog);
    // Hands a web address to the default browser and returns at once; false when the
    // system could start none for it.
    virtual bool openUrl(const QString& address) = 0;
    // openUrl, with a message when no browser could be started.
    void openUrlOrSay(QWidget* parent, const QString& address);
    // Empties the system clipboard (and on X11 the selection).
    virtual void clearClipboard() = 0;
    // Prints on the default printer as one job without any dialog; false when there is none.
    virtual bool printDocument(QTextDocument& document) = 0;
    virtual QDate today() = 0;
    // Uniform in [0, 1), single precision.
    virtual float nextRandom() = 0;
    virtual void seedRandom() = 0;
    // The per-user settings store: plain key and value in, scrambled on disk.
    virtual QString readSetting(const QString& key) = 0;
    virtual void writeSetting(const QString& key, const QString& value) = 0;
    // Ends the process once the current event has been handled.
    virtual void exitProcess() = 0;

    // Runs a window's own modal dialog (the report, the about box) to its end.
    virtual int runDialog(QDialog& dialog);
    // True while a dialog or message is up. A click that Qt delivers late (an access
    // key's click comes from a timer) must then do nothing: closing a window inside its
    // own dialog would delete the dialog under the running exec().
    virtual bool dialogOpen() const { return false; }
};
