#include "platform/Platform.h"

#include "platform/SaveTarget.h"

#include <QDialog>

int Platform::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

SaveTarget Platform::chooseSaveTarget(QWidget* parent, const FileDialog& dialog)
{
    const QString path = chooseFile(parent, dialog);
    return path.isEmpty() ? SaveTarget() : SaveTarget::open(path);
}
