#pragma once

#include "engine/BirthData.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>
#include <random>

// The recording test double with random answers instead of a script: every file
// dialog is answered at random with a cancel or one of many kinds of path (fresh,
// saved earlier, upper-case "TIB", directory, missing file or folder, random bytes,
// a FIFO, a device, a read-only file, ...), every Yes/No question at random, and the
// default printer comes and goes. Ending the process is only recorded.
//
// It also keeps its answers until the caller takes them, to check afterwards that the
// program did the right thing with each one.
class MonkeyPlatform : public FakePlatform
{
public:
    enum class FileKind {
        Cancel,
        Fresh,           // a new name in the work folder (save)
        Saved,           // a reading file saved earlier by the program
        Overwrite,       // a reading file saved earlier, saved over
        UpperCase,       // ends in "TIB" or "Tib"
        NoExtension,     // ends in neither "tib" nor "TIB"
        NoDot,           // ends in "tib" without a dot before it
        Directory,       // an existing folder, named "....tib" or not
        Missing,         // no such file
        MissingFolder,   // in a folder that does not exist
        Garbage,         // random bytes, random lines, or readings with odd values
        Huge,            // several megabytes without a line end
        Fifo,            // a named pipe that nobody writes to
        Device,          // a link to /dev/zero
        Empty,           // a file of zero bytes
        Truncated,       // the first lines of a saved reading file
        ReadOnly,        // a reading file without write permission
    };

    struct FileAnswer
    {
        FileDialog::Mode mode = FileDialog::Mode::Open;
        FileKind kind = FileKind::Cancel;
        QString path;
        quint64 serial = 0;          // the action during which the dialog was asked for
        bool hasExpected = false;    // Saved: the birth data the file was saved with
        BirthData expected;
        QByteArray bytesBefore;      // ReadOnly: the content before the save
    };

    MonkeyPlatform(std::mt19937_64& rng, const QString& folder);

    Answer showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
    QString chooseFile(QWidget* parent, const FileDialog& dialog) override;
    bool printDocument(QTextDocument& document) override;
    float nextRandom() override;
    bool openUrl(const QString& address) override;
    void exitProcess() override;

    // The answers given during action `serial` (all answers not yet taken when `all`),
    // in order; forgets them.
    QList<FileAnswer> takeAnswers(quint64 serial, bool all);
    // After a save dialog was answered: checks the file system against what the program
    // had to do with that answer and the current birth data. Empty when all is well.
    QString verifySave(const FileAnswer& answer, const BirthData& current);

    static QString kindName(FileKind kind);

    quint64 currentSerial = 0;       // set by the caller around each action
    std::function<void(const QString&)> log;  // told every answer
    // Called before each answer: a real dialog runs its own event loop until the user
    // answers, and timers keep firing meanwhile. The window is the dialog's parent.
    std::function<void(QWidget* parent, const QString& dialog)> dialogLoop;
    // Called when the program ends the process.
    std::function<void()> exited;
    int printJobs = 0;
    int emptyPrintJobs = 0;
    int badUrls = 0;
    // Reading files known to hold what the program wrote; ordered, so that a seed replays.
    QMap<QString, BirthData> savedFiles;

private:
    QString openAnswer(FileAnswer& answer);
    QString saveAnswer(FileAnswer& answer);
    QString path(const QString& name) const;
    QString savedPath();
    QString garbageFile();
    QString specialFile(FileKind kind);
    BirthData randomBirthData(bool valid);
    void writeFile(const QString& name, const QByteArray& content);
    int below(int n);
    bool chance(double p);

    std::mt19937_64& m_rng;
    QString m_folder;
    int m_fresh = 0;
    int m_garbage = 0;
    QList<FileAnswer> m_answers;
};

bool operator==(const BirthData& a, const BirthData& b);
QString describe(const BirthData& data);
