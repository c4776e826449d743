# The single instance on Windows (app/SingleInstance.h): the session's mutex
# (platform/InstanceLock.h), and the two sides of the hand-over through a message
# window, all named after the lock file.
set(ZARVO_SINGLE_INSTANCE_SOURCES
  SingleInstance.cpp InstanceLock.cpp SessionName.h SessionName.cpp HandOffMessage.h
  HandOffServer.h HandOffServer.cpp HandOffClient.h HandOffClient.cpp)
list(TRANSFORM ZARVO_SINGLE_INSTANCE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
