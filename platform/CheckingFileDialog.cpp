#include "platform/CheckingFileDialog.h"

#include "platform/FileReason.h"
#include "platform/ReadingFileAccess.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

CheckingFileDialog::CheckingFileDialog(QWidget* parent, const Platform::FileDialog& settings)
    : QFileDialog(parent, settings.title)
    , m_refuseReadOnly(settings.refuseReadOnly)
{
    setObjectName(QStringLiteral("fileDialog"));
    setWindowRole(QStringLiteral("fileDialog"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, false);
    setNameFilter(settings.filter);
    setDefaultSuffix(settings.defaultSuffix);
    if (settings.mode == Platform::FileDialog::Mode::Save) {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        m_confirmOverwrite = settings.confirmOverwrite;
    } else {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
    }
    selectFile(QString());  // never proposes the file used last
}

QString CheckingFileDialog::choose(QWidget* parent, const Platform::FileDialog& settings, const QString& folder)
{
    CheckingFileDialog dialog(parent, settings);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
}

SaveTarget CheckingFileDialog::chooseTarget(QWidget* parent, const Platform::FileDialog& settings,
                                            const QString& folder)
{
    CheckingFileDialog dialog(parent, settings);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.m_target.isNull() ? SaveTarget::open(dialog.chosenFile()) : dialog.m_target;
}

QString CheckingFileDialog::chosenFile() const
{
    return m_chosen.isEmpty() ? selectedFiles().value(0) : m_chosen;
}

void CheckingFileDialog::accept()
{
    const QStringList selected = selectedFiles();
    if (selected.isEmpty() || QFileInfo(selected.first()).isDir()) {
        QFileDialog::accept();  // a folder is opened
        return;
    }
    QFileInfo file(selected.first());
    // Qt reads quotes in the name field as marks around several names, so that x"y would
    // name y. The name stands as typed: Windows refuses it below, elsewhere it is a name.
    const auto* nameEdit = findChild<const QLineEdit*>(QStringLiteral("fileNameEdit"));
    const bool quoted = nameEdit && nameEdit->text().contains(u'"');
    if (quoted)
        file.setFile(directory().absoluteFilePath(nameEdit->text()));
    if (acceptMode() == AcceptOpen) {
        if (refuse(file))
            return;
        if (!quoted) {
            QFileDialog::accept();
            return;
        }
        m_chosen = file.absoluteFilePath();
        QDialog::accept();
        return;
    }
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity suffixCase = Qt::CaseInsensitive;  // "ANNA.TIB" already ends in .tib
#else
    const Qt::CaseSensitivity suffixCase = Qt::CaseSensitive;
#endif
    if (!defaultSuffix().isEmpty() && !file.fileName().endsWith(u'.' + defaultSuffix(), suffixCase))
        file.setFile(file.filePath() + u'.' + defaultSuffix());
    if (refuse(file))
        return;
    // Opened before the question, and held while it is up.
    const SaveTarget target = SaveTarget::open(file.absoluteFilePath());
    if (target.exists() && m_confirmOverwrite && !replaceAllowed(file))
        return;
    m_chosen = file.absoluteFilePath();
    m_target = target;
    QDialog::accept();  // past Qt's own checks, which look at the name as typed
}

// The texts keep the context the catalogues know them by, that of the platform seam.
bool CheckingFileDialog::refuse(const QFileInfo& file)
{
    QString why;
    const bool saving = acceptMode() == AcceptSave;
#ifdef Q_OS_WIN
    if (FileReason::windowsRefusesName(file.fileName()))
        why = QCoreApplication::translate("QtPlatform", "%1\nA file name cannot contain any of these characters: "
                                                        "\\ / : * ? \" < > |\nPlease choose another name.")
                  .arg(file.fileName());
    else
#endif
    if (saving && !QFileInfo(file.absolutePath()).isDir())
        why = QCoreApplication::translate("QtPlatform", "%1\nThis folder does not exist. Please choose another name.")
                  .arg(QDir::toNativeSeparators(file.absolutePath()));
    else if (m_refuseReadOnly
             && ((file.exists() && file.isFile() && ReadingFileAccess::isReadOnly(file.filePath()))
                 || (saving && !file.exists() && ReadingFileAccess::isReadOnly(file.absolutePath()))))
        why = QCoreApplication::translate("QtPlatform", "%1\nThis file is read-only. Please choose another name.")
                  .arg(file.fileName());
    if (why.isEmpty())
        return false;
    execMessageBox(QMessageBox::Warning, windowTitle(), why, QMessageBox::Ok, this);
    return true;
}

bool CheckingFileDialog::replaceAllowed(const QFileInfo& file)
{
    const QString question
        = QCoreApplication::translate("QtPlatform", "%1 already exists.\nDo you want to replace it?").arg(file.fileName());
    return execMessageBox(QMessageBox::Warning, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, this,
                          QMessageBox::No)
           == QMessageBox::Yes;
}
