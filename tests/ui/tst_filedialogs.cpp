// The real Open and Save dialogs, with the settings the program's commands give them:
// which typed names they hand back, and which they refuse or ask about first.
#include "app/Application.h"
#include "ui/MainWindow.h"
#include "platform/QtPlatform.h"
#include "platform/SaveTarget.h"
#include "testlib/FakePlatform.h"
#include "testlib/GuiTestHelpers.h"
#include "engine/ComputeReading.h"
#include "ui/ReportWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace GuiTest;

namespace {

// The settings that "Save" on the report window gives its dialog.
Platform::FileDialog saveSettings()
{
    FakePlatform fake;
    Application app{fake};
    ReportWindow report(app.platform(), GuiTest::person(QStringLiteral("Anna"), QStringLiteral("Female"), 25, QStringLiteral("March"), 1984), {}, nullptr);
    QTest::mouseClick(control<QPushButton>(&report, "saveButton"), Qt::LeftButton);
    return fake.fileDialogs.value(0);
}

// The settings that "Open Previously Saved Reading" gives its dialog.
Platform::FileDialog openSettings()
{
    FakePlatform fake;
    Application app{fake};
    app.showMainWindow();
    QTest::mouseClick(control<QPushButton>(app.mainWindow(), "openButton"), Qt::LeftButton);
    return fake.fileDialogs.value(0);
}

// Works a real dialog as a user would: types each name in turn and presses Enter,
// answers each question with the next answer, and cancels once no name is left.
struct DialogRun
{
    QStringList names;
    QList<QMessageBox::StandardButton> answers;
    QStringList messages;  // the texts of the message boxes that came up
    QStringList folders;  // the folder each dialog showed first
    QList<int> overhangs;  // how far each box was wider than half its screen, in pixels
    std::function<void(int question)> whileAsking;  // runs before each question is answered

    QString run(const Platform::FileDialog& settings)
    {
        QtPlatform platform;
        return run(settings, platform);
    }
    QString run(const Platform::FileDialog& settings, QtPlatform& platform)
    {
        QObject running;  // takes the steps not yet taken along when it goes
        m_running = &running;
        nextStep();
        return platform.chooseFile(nullptr, settings);
    }

    SaveTarget runSave(const Platform::FileDialog& settings)
    {
        QObject running;
        m_running = &running;
        nextStep();
        QtPlatform platform;
        return platform.chooseSaveTarget(nullptr, settings);
    }

    // Saves from the report window as the user would.
    void saveReport()
    {
        QObject running;
        m_running = &running;
        nextStep();
        QtPlatform platform;
        Application app{platform};
        ReportWindow report(app.platform(), GuiTest::person(QStringLiteral("Anna"), QStringLiteral("Female"), 25, QStringLiteral("March"), 1984), {}, nullptr);
        QTest::mouseClick(control<QPushButton>(&report, "saveButton"), Qt::LeftButton);
    }

private:
    // Each step on a timer of its own: a step may open a message box, whose event
    // loop must run the next step.
    void nextStep() { QTimer::singleShot(5, m_running, [this] { step(); }); }

    void step()
    {
        nextStep();
        QWidget* top = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            messages << box->text();
            overhangs << box->frameGeometry().width() - box->screen()->availableGeometry().width() / 2;
            const bool question = box->standardButtons() & QMessageBox::Yes;
            if (question && whileAsking)
                whileAsking(++m_questions);
            const QMessageBox::StandardButton answer =
                question ? (answers.isEmpty() ? QMessageBox::No : answers.takeFirst()) : QMessageBox::Ok;
            box->button(answer)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(top)) {
            if (dialog != m_dialog)
                folders << dialog->directory().absolutePath();
            m_dialog = dialog;
            if (names.isEmpty()) {
                dialog->reject();
                return;
            }
            auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!nameEdit) {
                dialog->reject();
                return;
            }
            nameEdit->setText(names.takeFirst());
            QTest::keyClick(nameEdit, Qt::Key_Return);
        }
    }

    QObject* m_running = nullptr;
    int m_questions = 0;
    QFileDialog* m_dialog = nullptr;
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, QFileDevice::Permissions permissions = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("earlier\r\n");
    file.close();
    if (permissions)
        QVERIFY(file.setPermissions(permissions));
}

} // namespace

class TestFileDialogs : public QObject
{
    Q_OBJECT
private slots:
    void save_nameAlwaysEndsInTib_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("no extension") << "anna"
                                      << "anna.tib";
        QTest::newRow("a dot in the name") << "J. Smith"
                                           << "J. Smith.tib";
        QTest::newRow("already .tib") << "anna.tib"
                                      << "anna.tib";
        QTest::newRow("upper-case TIB") << "anna.TIB"
                                        << "anna.TIB.tib";
        QTest::newRow("tib without its dot") << "x.atib"
                                             << "x.atib.tib";
        QTest::newRow("a quote, which Qt takes for a mark around names") << "x\"y"
                                                                         << "x\"y.tib";
    }
    void save_nameAlwaysEndsInTib()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        DialogRun dialog;
        dialog.names = {dir.filePath(typed)};
        QCOMPARE(dialog.run(saveSettings()), dir.filePath(saved));
        QCOMPARE(dialog.messages, QStringList());
    }

    void startFolder_homeThenTheLastChosen()
    {
        // Never the working folder, which from a menu is the program's own: the home
        // folder, then where the user last chose a file, also in another dialog.
        QTemporaryDir dir;
        QtPlatform platform;
        DialogRun first;
        first.names = {dir.filePath("anna")};
        QCOMPARE(first.run(saveSettings(), platform), dir.filePath("anna.tib"));
        DialogRun second;
        QCOMPARE(second.run(openSettings(), platform), QString());
        QCOMPARE(first.folders, QStringList{QDir::homePath()});
        QCOMPARE(second.folders, QStringList{dir.path()});
    }

    void save_missingFolderIsRefused()
    {
        QTemporaryDir dir;
        DialogRun dialog;
        dialog.names = {dir.filePath("nodir/x"), dir.filePath("x")};
        QCOMPARE(dialog.run(saveSettings()), dir.filePath("x.tib"));
        QCOMPARE(dialog.messages.size(), 1);
        QVERIFY2(dialog.messages.first().contains(dir.filePath("nodir")), qPrintable(dialog.messages.first()));
    }

    void save_failedForALongName_messageFitsTheScreen()
    {
        // A name too long for the file system cannot be saved; the message names the
        // file and says why, and its box keeps to about half the screen, where the
        // path, having no space to wrap at, would stretch it past the screen's edge.
        QTemporaryDir dir;
        DialogRun dialog;
        dialog.names = {dir.filePath(QString(300, u'a'))};
        dialog.saveReport();
        QCOMPARE(dialog.messages.size(), 1);
        const QStringList lines = dialog.messages.first().split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.first().startsWith(QDir::tempPath()) && lines.first().endsWith(QLatin1String("aaa.tib")),
                 qPrintable(lines.first()));
        QVERIFY2(lines.last().startsWith(QLatin1String("The reading could not be saved (")) && lines.last().endsWith(QLatin1String(").")),
                 qPrintable(lines.last()));
        QVERIFY2(dialog.overhangs.first() < 150, qPrintable(QString::number(dialog.overhangs.first())));
    }

    void readOnly_refusedBySaveOnly_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::newRow("save") << true;
        QTest::newRow("open") << false;
    }
    void readOnly_refusedBySaveOnly()
    {
        // Opening only reads the file; saving must not choose a file or folder it
        // cannot write.
        QFETCH(bool, saving);
        QTemporaryDir dir;
        const QString readOnly = dir.filePath("readonly.tib");
        writeFile(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        DialogRun dialog;
        dialog.names = {readOnly};
        const QString chosen = dialog.run(saving ? saveSettings() : openSettings());
        if (!saving) {
            QCOMPARE(chosen, readOnly);
            QCOMPARE(dialog.messages, QStringList());
            return;
        }
        QCOMPARE(chosen, QString());
        QCOMPARE(dialog.messages.size(), 1);
        QVERIFY2(dialog.messages.first().contains(QLatin1String("read-only")), qPrintable(dialog.messages.first()));

        // A new name in a read-only folder.
        const QString folder = dir.filePath("folder");
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        DialogRun intoFolder;
        intoFolder.names = {folder + "/new"};
        QCOMPARE(intoFolder.run(saveSettings()), QString());
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        QCOMPARE(intoFolder.messages.size(), 1);
    }

    void save_replacingAsksAboutTheSavedName()
    {
        // "J. Smith" is saved as "J. Smith.tib", so that is the file the question is
        // about. While the last question is up, whoever may write the shared folder puts
        // a link to the user's own folder in the place of the folder the user chose: the
        // save still goes into the folder the user saw.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("shared/chosen") && QDir(dir.path()).mkpath("own"));
        const QString existing = dir.filePath("shared/chosen/J. Smith.tib");
        writeFile(existing);
        writeFile(dir.filePath("own/J. Smith.tib"));
        DialogRun dialog;
        dialog.names = {dir.filePath("shared/chosen/J. Smith"), dir.filePath("shared/chosen/J. Smith")};
        dialog.answers = {QMessageBox::No, QMessageBox::Yes};
        dialog.whileAsking = [&](int question) {
            if (question == 2)
                QVERIFY(QDir(dir.path()).rename("shared/chosen", "shared/moved")
                        && QFile::link(dir.filePath("own"), dir.filePath("shared/chosen")));
        };
        const SaveTarget target = dialog.runSave(saveSettings());
        QCOMPARE(target.path(), existing);
        QCOMPARE(dialog.messages.size(), 2);
        QVERIFY2(dialog.messages.first().contains(QLatin1String("J. Smith.tib")), qPrintable(dialog.messages.first()));
        QCOMPARE(dialog.messages.last(), dialog.messages.first());
        QVERIFY(target.write("new\r\n", 100));
        QCOMPARE(fileBytes(dir.filePath("own/J. Smith.tib")), QByteArray("earlier\r\n"));
        QCOMPARE(fileBytes(dir.filePath("shared/moved/J. Smith.tib")), QByteArray("new\r\n"));
    }
};

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
