#pragma once

#include <xcb/xcb.h>

#include <string>

// Reading the windows of the private display.

struct Atoms
{
    xcb_atom_t netWmName = XCB_ATOM_NONE;
    xcb_atom_t utf8String = XCB_ATOM_NONE;
    xcb_atom_t netWmPid = XCB_ATOM_NONE;
};

xcb_atom_t internAtom(xcb_connection_t* c, const char* name);
// _NET_WM_NAME, or WM_NAME where the window has none.
std::string windowTitle(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window);
// _NET_WM_PID, or -1.
long windowPid(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window);
// True when process is pid itself or one of its descendants (a wrapper such as strace
// may stand between the harness and the program).
bool isSelfOrDescendant(long process, long pid);
// Waits until the server has handled every request sent so far.
void syncWithServer(xcb_connection_t* c);
// True once any of a few sample points of the window is no longer the black of the
// root it was mapped over, that is once the program has drawn into it.
bool windowPainted(xcb_connection_t* c, xcb_window_t window);
// Drops every event that has come so far.
void drainEvents(xcb_connection_t* c);
