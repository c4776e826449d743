#include "platform/DialogCountingPlatform.h"

#include "platform/SaveTarget.h"

#include <QDialog>

// Counts one open dialog for as long as it lives.
class DialogCountingPlatform::Counted
{
public:
    explicit Counted(DialogCountingPlatform& platform) : m_platform(platform) { ++m_platform.m_openDialogs; }
    ~Counted()
    {
        if (--m_platform.m_openDialogs == 0 && m_platform.m_allClosed)
            m_platform.m_allClosed();
    }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

private:
    DialogCountingPlatform& m_platform;
};

DialogCountingPlatform::DialogCountingPlatform(Platform& inner, std::function<void()> allClosed)
    : m_inner(inner)
    , m_allClosed(std::move(allClosed))
{
}

Platform::Answer DialogCountingPlatform::showMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons)
{
    const Counted counted(*this);
    return m_inner.showMessage(parent, text, icon, buttons);
}

QString DialogCountingPlatform::chooseFile(QWidget* parent, const FileDialog& dialog)
{
    const Counted counted(*this);
    return m_inner.chooseFile(parent, dialog);
}

SaveTarget DialogCountingPlatform::chooseSaveTarget(QWidget* parent, const FileDialog& dialog)
{
    const Counted counted(*this);
    return m_inner.chooseSaveTarget(parent, dialog);
}

int DialogCountingPlatform::runDialog(QDialog& dialog)
{
    const Counted counted(*this);
    return dialog.exec();
}
