#pragma once

#include <QGroupBox>

// A group box with a bold title over contents in the window's regular text (see
// Look::applyClasses). Bold from its construction, so that the controls made inside it
// inherit that instead of being told of a font change: a drop-down list told so builds
// its list window at once.
class SectionBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit SectionBox(QWidget* parent = nullptr);
};
