#pragma once

#include "platform/SingleInstance.h"

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>

// One connection of a later start to the copy that listens. It reads a path up to the
// terminator, answers and closes; the handler gets the path from the event loop. A
// connection that does not finish its message soon is dropped.
class HandOffConnection : public QObject
{
public:
    // Takes the connected socket; the parent outlives it and runs the handler.
    HandOffConnection(int socket, QObject* parent, SingleInstance::ReadingHandler onPath);
    ~HandOffConnection() override;

    // The object name that marks open connections among their parent's children.
    static QString markerName();

private:
    void readMore();
    void finish();

    int m_socket;
    SingleInstance::ReadingHandler m_onPath;
    QSocketNotifier m_notifier;
    QByteArray m_message;
};
