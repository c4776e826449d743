#include "testlib/FakePlatform.h"

#include <QTextDocument>

#include <utility>

Platform::Answer FakePlatform::showMessage(QWidget*, const QString& text, Icon icon, Buttons buttons)
{
    messages.append({text, icon, buttons});
    if (duringDialog)
        std::exchange(duringDialog, nullptr)();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

QString FakePlatform::chooseFile(QWidget*, const FileDialog& dialog)
{
    fileDialogs.append(dialog);
    if (duringDialog)
        std::exchange(duringDialog, nullptr)();
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

bool FakePlatform::printDocument(QTextDocument& document)
{
    if (!hasPrinter)
        return false;
    printedTexts << document.toPlainText();
    return true;
}

QStringList FakePlatform::messageTexts() const
{
    QStringList texts;
    for (const Message& message : messages)
        texts << message.text;
    return texts;
}
