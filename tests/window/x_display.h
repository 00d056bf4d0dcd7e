#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <xcb/xcb.h>

#include <optional>
#include <vector>

namespace chartview::testing {

// What happened among the root's children since the last look (see XDisplay::watchRoot).
struct RootActivity {
    std::vector<QSize> createdSizes;  // size of each window created
    int mapCount = 0;                 // windows mapped
};

// The test's own xcb connection to an X server: reads what a window manager would read
// (properties, geometry, pixels) and sends what it would send (configure, close request).
// Every call works on the server's present state; no call waits for a change.
class XDisplay {
public:
    // Connects to `display` (":N"); isOpen() is false when the server refuses.
    explicit XDisplay(const QString& display);
    ~XDisplay();

    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    bool isOpen() const { return connection_ != nullptr; }

    // The root's children that are viewable and carry _NET_WM_PID == `pid`.
    std::vector<xcb_window_t> viewableTopLevelsOf(qint64 pid);
    // The bytes of property `name` when it is set with type `type` (e.g. "UTF8_STRING");
    // nothing when it is missing or has another type.
    std::optional<QByteArray> textProperty(xcb_window_t window, const char* name, const char* type);
    // Whether the window's WM_PROTOCOLS lists `protocol`.
    bool listsProtocol(xcb_window_t window, const char* protocol);
    // The window's size; an empty size when the window is gone.
    QSize size(xcb_window_t window);

    // Moves and resizes the window as a window manager would; returns at once.
    void moveResize(xcb_window_t window, const QRect& geometry);
    // Gives the window the keyboard focus, as a window manager does on a click; true once the
    // server reports the focus there. Keys typed from then on go to that window.
    bool focus(xcb_window_t window);
    // Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW).
    void requestClose(xcb_window_t window);
    // The window's pixels as RGB32; a null image when the window is unmapped or not 24-bit
    // TrueColor at 32 bits per pixel.
    QImage grab(xcb_window_t window);

    // From now on, records windows created or mapped as children of the root.
    void watchRoot();
    // What was recorded since the last call; a round trip first, so that everything the
    // server did before this call is included.
    RootActivity takeRootActivity();

private:
    xcb_atom_t atom(const char* name);
    void flush();

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
};

}  // namespace chartview::testing
