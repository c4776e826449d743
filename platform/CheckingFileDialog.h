#pragma once

#include "platform/Platform.h"
#include "platform/SaveTarget.h"

#include <QFileDialog>

class QFileInfo;

// A file dialog that hands back only a name the program can use as it is. When
// saving, the name always gets the default suffix (Qt adds it only to names without
// a dot), a name in a folder that does not exist is refused, and so on request is a
// read-only file or folder; the question before replacing a file is about the name
// that is handed back, and is asked with the name's folder already opened: that folder
// is where the save goes.
class CheckingFileDialog : public QFileDialog
{
public:
    CheckingFileDialog(QWidget* parent, const Platform::FileDialog& settings);

    // Runs the dialog, showing folder first; the name chosen, or an empty one for a cancel.
    static QString choose(QWidget* parent, const Platform::FileDialog& settings, const QString& folder);
    // Runs a save dialog, showing folder first; a null target for a cancel.
    static SaveTarget chooseTarget(QWidget* parent, const Platform::FileDialog& settings, const QString& folder);

    QString chosenFile() const;

protected:
    void accept() override;

private:
    // Shows why the file cannot be used, if it cannot.
    bool refuse(const QFileInfo& file);
    bool replaceAllowed(const QFileInfo& file);

    bool m_refuseReadOnly = false;
    bool m_confirmOverwrite = false;
    QString m_chosen;
    SaveTarget m_target;
};
