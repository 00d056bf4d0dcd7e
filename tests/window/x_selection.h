#pragma once

#include <QByteArray>
#include <QString>

#include <xcb/xcb.h>

#include <chrono>
#include <optional>
#include <string>

namespace chartview::testing {

// Reads X selections (CLIPBOARD, PRIMARY) as a pasting client does, on its own connection
// and through its own unmapped window, so no other client's events are taken.
class SelectionReader {
public:
    // Connects to `display` (":N"); isOpen() is false when the server refuses.
    explicit SelectionReader(const QString& display);
    ~SelectionReader();

    SelectionReader(const SelectionReader&) = delete;
    SelectionReader& operator=(const SelectionReader&) = delete;

    bool isOpen() const { return window_ != XCB_WINDOW_NONE; }

    // Whether some client owns `selection` now.
    bool hasOwner(const char* selection);
    // The content of `selection` converted to `target` (e.g. "image/png"), incremental
    // transfers joined, waiting at most `limit` in all. Nothing when there is no owner, the
    // owner refuses the target or time runs out; failure() then says which.
    std::optional<QByteArray> read(const char* selection, const char* target,
                                   std::chrono::milliseconds limit);
    const std::string& failure() const { return failure_; }

private:
    xcb_atom_t atom(const char* name);
    // The next event on our window of `type` (and, for property changes, on `property` with
    // `state`), discarding others; nothing when `deadline` passes first.
    std::optional<xcb_generic_event_t> waitForEvent(uint8_t type, xcb_atom_t property,
                                                    uint8_t state,
                                                    std::chrono::steady_clock::time_point deadline);
    // The whole value of `property` on our window, deleting it once read; nothing when unset.
    std::optional<QByteArray> takeProperty(xcb_atom_t property, xcb_atom_t* type);
    std::optional<QByteArray> readIncrementally(xcb_atom_t property,
                                                std::chrono::steady_clock::time_point deadline);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t window_ = XCB_WINDOW_NONE;
    std::string failure_;
};

}  // namespace chartview::testing
