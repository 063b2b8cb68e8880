#include "qt/WindowSystem.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>
#endif

namespace {

#if QT_CONFIG(xcb)

// An X server's reply, freed when it is no longer needed.
template <typename Reply> using ReplyOf = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atomNamed(xcb_connection_t *connection, std::string_view name) {
    const ReplyOf<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 1, uint16_t(name.size()), name.data()),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The values of a property of 32-bit values: windows or atoms.
std::vector<uint32_t> valuesOf(xcb_connection_t *connection, xcb_window_t window,
                               xcb_atom_t property, xcb_atom_t type) {
    const ReplyOf<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// A window manager of the desktop's conventions names a window of its own on the root window
// and on that window itself (one that has ended leaves the root's name behind), and lists full
// screen among the states it supports.
bool windowManagerFillsScreens(xcb_connection_t *connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t check = atomNamed(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> manager = valuesOf(connection, root, check, XCB_ATOM_WINDOW);
    if (manager.empty() || valuesOf(connection, manager[0], check, XCB_ATOM_WINDOW) != manager)
        return false;
    const std::vector<uint32_t> supported =
        valuesOf(connection, root, atomNamed(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::ranges::count(supported, atomNamed(connection, "_NET_WM_STATE_FULLSCREEN")) > 0;
}

#endif

} // namespace

bool windowSystemPlacesFullScreen() {
#if QT_CONFIG(xcb)
    // Qt's offscreen platform answers as X11, without a connection.
    if (const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        if (xcb_connection_t *connection = x11->connection())
            return windowManagerFillsScreens(connection);
#endif
    return true;
}
