#include "FakePlatform.h"

#include <QTextDocument>

Platform::Answer FakePlatform::showMessage(QWidget*, const QString& text, Icon icon, Buttons buttons)
{
    messages.append({text, icon, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answers.isEmpty() ? Answer::No : answers.dequeue();
}

QString FakePlatform::chooseFile(QWidget*, const FileDialog& dialog)
{
    fileDialogs.append(dialog);
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
