#include "widgets/SectionBox.h"

SectionBox::SectionBox(QWidget* parent)
    : QGroupBox(parent)
{
    QFont bold;
    bold.setBold(true);
    setFont(bold);
}
