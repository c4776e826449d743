# The single instance on POSIX systems (app/SingleInstance.h): the locked file
# (platform/InstanceLock.h), the private folder beside it, and the two sides of the
# hand-over through the socket in that folder.
set(ZARVO_SINGLE_INSTANCE_SOURCES
  SingleInstance.cpp InstanceLock.cpp PrivateFolder.h PrivateFolder.cpp HandOffMessage.h
  HandOffServer.h HandOffServer.cpp HandOffConnection.h HandOffConnection.cpp HandOffClient.h HandOffClient.cpp)
list(TRANSFORM ZARVO_SINGLE_INSTANCE_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
