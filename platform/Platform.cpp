#include "platform/Platform.h"

#include <QDialog>

int Platform::runDialog(QDialog& dialog)
{
    return dialog.exec();
}
