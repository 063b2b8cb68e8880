#pragma once

#include <cstdint>
#include <future>

struct xcb_connection_t;

// A second client of the X server, as a window manager would be: it pings a window and maps it
// anew, from a thread of its own, while the program's own thread is busy with a run.
class XClient {
public:
    struct Result {
        bool pingAnswered = false;
        long pingMilliseconds = -1;
        std::uint32_t sourcePixel =
            0; // at (48, 148), inside the source's disc, half a second after the window was mapped
        std::uint32_t bandPixel = 0; // at (700, 500), likewise
    };
    using Probe = std::future<Result>;

    XClient();
    ~XClient();
    XClient(const XClient &) = delete;
    XClient &operator=(const XClient &) = delete;

    bool isConnected() const;

    // Starts, in a thread of its own: a _NET_WM_PING to the window, awaited for at most two
    // seconds; then an unmap and a map of the window, and half a second later its pixels.
    Probe probeDuringRun(std::uint32_t window);

    // Asks the window to close, as a window manager does when its close button is clicked, and
    // returns once the X server has handled the request.
    void requestClose(std::uint32_t window);
    // Presses and lets go of the key with this key code in the window, as the X server would
    // send them (a window manager's own keyboard may be no more than this), likewise awaited.
    void pressKey(std::uint32_t window, std::uint8_t keycode);

private:
    Result probe(std::uint32_t window);

    xcb_connection_t *connection_ = nullptr;
};
