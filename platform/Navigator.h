#pragma once

#include "platform/WebPage.h"

class Platform;
class QDialog;
class QWidget;
struct BirthData;
struct Reading;

// How a window reaches the rest of the application: the shared birth data and
// reading, the other windows, the web links and the way out.
class Navigator
{
public:
    virtual ~Navigator() = default;

    virtual Platform& platform() = 0;
    virtual BirthData& birthData() = 0;
    virtual Reading& reading() = 0;

    virtual void showMainWindow() = 0;
    virtual void showResultWindow() = 0;
    virtual void showSupportScreen() = 0;
    virtual void hideSupportScreen() = 0;
    virtual void showAbout(QWidget* parent) = 0;
    // Runs a modal dialog of a window.
    virtual int runDialog(QDialog& dialog) = 0;
    // True while a dialog or message is up. A click that Qt delivers late (an access
    // key's click comes from a timer) must then do nothing: closing a window inside
    // its own dialog would delete the dialog under the running exec().
    virtual bool dialogOpen() const = 0;
    virtual void openWebPage(WebPage page) = 0;
    virtual void quitApplication() = 0;
};
