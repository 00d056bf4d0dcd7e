#include "window/x_selection.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace chartview::testing {

namespace {

using Clock = std::chrono::steady_clock;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// How much of a property one request reads, in 32-bit units.
constexpr uint32_t kChunkUnits = 1 << 18;

// Where the owner is asked to put the converted selection on our window.
constexpr const char* kTransferProperty = "CHARTVIEW_TEST_TRANSFER";

}  // namespace

SelectionReader::SelectionReader(const QString& display) {
    connection_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection_)) {
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    // Property changes tell us when each piece of an incremental transfer is there.
    const uint32_t eventMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    const xcb_window_t window = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &eventMask);
    xcb_flush(connection_);
    window_ = window;
}

SelectionReader::~SelectionReader() {
    xcb_disconnect(connection_);
}

xcb_atom_t SelectionReader::atom(const char* name) {
    const auto cookie =
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection_, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool SelectionReader::hasOwner(const char* selection) {
    const auto cookie = xcb_get_selection_owner(connection_, atom(selection));
    const Reply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection_, cookie, nullptr));
    return reply && reply->owner != XCB_WINDOW_NONE;
}

std::optional<QByteArray> SelectionReader::read(const char* selection, const char* target,
                                                std::chrono::milliseconds limit) {
    failure_.clear();
    const Clock::time_point deadline = Clock::now() + limit;
    const xcb_atom_t property = atom(kTransferProperty);
    xcb_delete_property(connection_, window_, property);
    xcb_convert_selection(connection_, window_, atom(selection), atom(target), property,
                          XCB_CURRENT_TIME);
    xcb_flush(connection_);
    const auto answer = waitForEvent(XCB_SELECTION_NOTIFY, XCB_ATOM_NONE, 0, deadline);
    if (!answer) {
        failure_ = "no answer to the conversion request in time";
        return std::nullopt;
    }
    xcb_selection_notify_event_t notify;
    std::memcpy(&notify, &*answer, sizeof notify);
    if (notify.property == XCB_ATOM_NONE) {
        failure_ = std::string("no owner of ") + selection + ", or it cannot give " + target;
        return std::nullopt;
    }
    xcb_atom_t type = XCB_ATOM_NONE;
    const std::optional<QByteArray> bytes = takeProperty(property, &type);
    if (!bytes) {
        failure_ = "the answer names a property that is not set";
        return std::nullopt;
    }
    // Taking the INCR property (its value is a size hint) asks the owner for the first piece.
    return type == atom("INCR") ? readIncrementally(property, deadline) : bytes;
}

std::optional<QByteArray> SelectionReader::readIncrementally(xcb_atom_t property,
                                                             Clock::time_point deadline) {
    QByteArray whole;
    for (;;) {
        if (!waitForEvent(XCB_PROPERTY_NOTIFY, property, XCB_PROPERTY_NEW_VALUE, deadline)) {
            failure_ =
                "an incremental transfer stalled after " + std::to_string(whole.size()) + " bytes";
            return std::nullopt;
        }
        xcb_atom_t type = XCB_ATOM_NONE;
        const std::optional<QByteArray> piece = takeProperty(property, &type);
        // A piece of length zero ends the transfer.
        if (piece && piece->isEmpty()) {
            return whole;
        }
        if (piece) {
            whole += *piece;
        }
    }
}

std::optional<QByteArray> SelectionReader::takeProperty(xcb_atom_t property, xcb_atom_t* type) {
    QByteArray value;
    uint32_t offsetUnits = 0;
    for (;;) {
        // With delete set, the server removes the property once the last part is read.
        const auto cookie = xcb_get_property(connection_, 1, window_, property,
                                             XCB_GET_PROPERTY_TYPE_ANY, offsetUnits, kChunkUnits);
        const Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection_, cookie, nullptr));
        if (!reply || reply->type == XCB_ATOM_NONE) {
            return std::nullopt;
        }
        *type = reply->type;
        const int length = xcb_get_property_value_length(reply.get());
        value.append(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
        if (reply->bytes_after == 0) {
            return value;
        }
        offsetUnits += static_cast<uint32_t>(length) / 4;
    }
}

std::optional<xcb_generic_event_t> SelectionReader::waitForEvent(uint8_t type, xcb_atom_t property,
                                                                 uint8_t state,
                                                                 Clock::time_point deadline) {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const std::unique_ptr<xcb_generic_event_t, FreeReply> owned(event);
            if ((event->response_type & 0x7f) != type) {
                continue;
            }
            if (type == XCB_SELECTION_NOTIFY) {
                return *event;
            }
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (change->window == window_ && change->atom == property && change->state == state) {
                return *event;
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (xcb_connection_has_error(connection_) || left.count() <= 0) {
            return std::nullopt;
        }
        pollfd socket = {xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&socket, 1, static_cast<int>(left.count()) + 1);
    }
}

}  // namespace chartview::testing
