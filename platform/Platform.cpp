#include "platform/Platform.h"

#include "platform/SaveTarget.h"

#include <QCoreApplication>
#include <QDialog>

int Platform::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

void Platform::openUrlOrSay(QWidget* parent, const QString& address)
{
    if (openUrl(address))
        return;
    // A long address (a referral) is shown by its start.
    const QString shown = address.size() > 80 ? address.left(80) + QChar(0x2026) : address;
    showMessage(parent,
                QCoreApplication::translate("QtPlatform", "%1\nNo web browser could be started for this address.")
                    .arg(shown),
                Icon::Critical, Buttons::Ok);
}

SaveTarget Platform::chooseSaveTarget(QWidget* parent, const FileDialog& dialog)
{
    const QString path = chooseFile(parent, dialog);
    return path.isEmpty() ? SaveTarget() : SaveTarget::open(path);
}
