#include "XClient.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t *connection, const std::string &name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, std::uint16_t(name.size()), name.c_str());
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

xcb_window_t rootOf(xcb_connection_t *connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

std::uint32_t pixelAt(xcb_connection_t *connection, xcb_window_t window, int x, int y) {
    const xcb_get_image_cookie_t cookie = xcb_get_image(
        connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, std::int16_t(x), std::int16_t(y), 1, 1, ~0u);
    xcb_get_image_reply_t *reply = xcb_get_image_reply(connection, cookie, nullptr);
    std::uint32_t pixel = 0;
    if (reply && xcb_get_image_data_length(reply) >= 4)
        std::memcpy(&pixel, xcb_get_image_data(reply), 4);
    std::free(reply);
    return pixel & 0xFFFFFF;
}

} // namespace

XClient::XClient() {
    connection_ = xcb_connect(nullptr, nullptr);
}

XClient::~XClient() {
    xcb_disconnect(connection_);
}

bool XClient::isConnected() const {
    return connection_ && xcb_connection_has_error(connection_) == 0;
}

XClient::Probe XClient::probeDuringRun(std::uint32_t window) {
    return std::async(std::launch::async, [this, window] { return probe(window); });
}

void XClient::requestClose(std::uint32_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection_, "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection_, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // Waited for: an X server that sees a client hang up together with its last requests drops
    // them, so a request sent just before disconnecting may never reach the window.
    const xcb_void_cookie_t sent = xcb_send_event_checked(
        connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    std::free(xcb_request_check(connection_, sent));
}

void XClient::pressKey(std::uint32_t window, std::uint8_t keycode) {
    for (const std::uint8_t type : {XCB_KEY_PRESS, XCB_KEY_RELEASE}) {
        xcb_key_press_event_t key{};
        key.response_type = type;
        key.detail = keycode;
        key.root = rootOf(connection_);
        key.event = window;
        key.same_screen = 1;
        const xcb_void_cookie_t sent = xcb_send_event_checked(
            connection_, 0, window, XCB_EVENT_MASK_KEY_PRESS, reinterpret_cast<const char *>(&key));
        std::free(xcb_request_check(connection_, sent));
    }
}

XClient::Result XClient::probe(std::uint32_t window) {
    Result result;
    const xcb_window_t root = rootOf(connection_);
    const xcb_atom_t protocols = atom(connection_, "WM_PROTOCOLS");
    const xcb_atom_t ping = atom(connection_, "_NET_WM_PING");
    // The answer to a ping goes to the root window, as to a window manager.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols;
    message.data.data32[0] = ping;
    message.data.data32[1] = XCB_CURRENT_TIME;
    message.data.data32[2] = window;
    const Clock::time_point sent = Clock::now();
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection_);
    while (!result.pingAnswered && Clock::now() - sent < 2s) {
        xcb_generic_event_t *event = xcb_poll_for_event(connection_);
        if (!event) {
            std::this_thread::sleep_for(1ms);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
            const auto *answer = reinterpret_cast<xcb_client_message_event_t *>(event);
            if (answer->type == protocols && answer->data.data32[0] == ping) {
                result.pingAnswered = true;
                result.pingMilliseconds =
                    long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - sent)
                             .count());
            }
        }
        std::free(event);
    }

    xcb_unmap_window(connection_, window);
    xcb_flush(connection_);
    std::this_thread::sleep_for(100ms);
    xcb_map_window(connection_, window);
    xcb_flush(connection_);
    std::this_thread::sleep_for(500ms);
    result.sourcePixel = pixelAt(connection_, window, 48, 148);
    result.bandPixel = pixelAt(connection_, window, 700, 500);
    return result;
}
