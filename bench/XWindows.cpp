#include "bench/XWindows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string stringProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    xcb_get_property_reply_t* reply
        = xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr);
    std::string text;
    if (reply && reply->format == 8)
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}

} // namespace

xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

std::string windowTitle(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window)
{
    std::string title = stringProperty(c, window, atoms.netWmName, atoms.utf8String);
    if (title.empty())
        title = stringProperty(c, window, XCB_ATOM_WM_NAME, xcb_atom_t(XCB_GET_PROPERTY_TYPE_ANY));
    return title;
}

long windowPid(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atoms.netWmPid, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    long pid = -1;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        pid = long(*static_cast<const uint32_t*>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

bool isSelfOrDescendant(long process, long pid)
{
    for (int depth = 0; depth < 8 && process > 1; ++depth) {
        if (process == pid)
            return true;
        std::ifstream stat("/proc/" + std::to_string(process) + "/stat");
        std::string line;
        std::getline(stat, line);
        const size_t end = line.rfind(')');
        if (end == std::string::npos)
            return false;
        std::istringstream fields(line.substr(end + 2));
        char state;
        long parent = -1;
        fields >> state >> parent;
        process = parent;
    }
    return false;
}

void syncWithServer(xcb_connection_t* c)
{
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

bool windowPainted(xcb_connection_t* c, xcb_window_t window)
{
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry)
        return false;
    const int w = geometry->width;
    const int h = geometry->height;
    std::free(geometry);
    const int points[][2] = {{w / 2, h / 2}, {w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4},
                             {3 * w / 4, 3 * h / 4}, {4, 4}};
    for (const auto& point : points) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(
            c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(point[0]), int16_t(point[1]), 1, 1, ~0u),
            nullptr);
        if (!image)
            continue;
        const uint8_t* data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        bool nonBlack = false;
        for (int i = 0; i < std::min(length, 3); ++i)
            nonBlack = nonBlack || data[i] != 0;
        std::free(image);
        if (nonBlack)
            return true;
    }
    return false;
}

void drainEvents(xcb_connection_t* c)
{
    syncWithServer(c);
    while (xcb_generic_event_t* event = xcb_poll_for_event(c))
        std::free(event);
}
