#include "window/x_display.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace chartview::testing {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Longer than any property these tests read, in 32-bit units.
constexpr uint32_t kPropertyUnits = 1 << 16;

}  // namespace

XDisplay::XDisplay(const QString& display) {
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

XDisplay::~XDisplay() {
    if (connection_) {
        xcb_disconnect(connection_);
    }
}

xcb_atom_t XDisplay::atom(const char* name) {
    const auto cookie =
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection_, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

void XDisplay::flush() {
    xcb_flush(connection_);
}

std::vector<xcb_window_t> XDisplay::viewableTopLevelsOf(qint64 pid) {
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
    if (!tree) {
        return {};
    }
    const xcb_atom_t pidAtom = atom("_NET_WM_PID");
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    std::vector<xcb_window_t> found;
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, children[i]), nullptr));
        const Reply<xcb_get_property_reply_t> pidProperty(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, children[i], pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr));
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        const bool ownedByPid =
            pidProperty && pidProperty->format == 32 &&
            xcb_get_property_value_length(pidProperty.get()) == 4 &&
            *static_cast<const uint32_t*>(xcb_get_property_value(pidProperty.get())) ==
                static_cast<uint32_t>(pid);
        if (viewable && ownedByPid) {
            found.push_back(children[i]);
        }
    }
    return found;
}

std::optional<QByteArray> XDisplay::textProperty(xcb_window_t window, const char* name,
                                                 const char* type) {
    const auto cookie =
        xcb_get_property(connection_, 0, window, atom(name), atom(type), 0, kPropertyUnits);
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection_, cookie, nullptr));
    // A property of another type answers with its type and no bytes.
    if (!reply || reply->type != atom(type) || reply->format != 8) {
        return std::nullopt;
    }
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

bool XDisplay::listsProtocol(xcb_window_t window, const char* protocol) {
    const auto cookie = xcb_get_property(connection_, 0, window, atom("WM_PROTOCOLS"),
                                         XCB_ATOM_ATOM, 0, kPropertyUnits);
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection_, cookie, nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    const xcb_atom_t wanted = atom(protocol);
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

QSize XDisplay::size(xcb_window_t window) {
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    return geometry ? QSize(geometry->width, geometry->height) : QSize();
}

void XDisplay::moveResize(xcb_window_t window, const QRect& geometry) {
    const uint16_t mask = XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                          XCB_CONFIG_WINDOW_HEIGHT;
    const uint32_t values[] = {
        static_cast<uint32_t>(geometry.x()), static_cast<uint32_t>(geometry.y()),
        static_cast<uint32_t>(geometry.width()), static_cast<uint32_t>(geometry.height())};
    xcb_configure_window(connection_, window, mask, values);
    flush();
}

void XDisplay::requestClose(xcb_window_t window) {
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    // An empty event mask sends the event to the client that created the window.
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    flush();
}

bool XDisplay::focus(xcb_window_t window) {
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    const Reply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return reply && reply->focus == window;
}

QImage XDisplay::grab(xcb_window_t window) {
    const QSize windowSize = size(window);
    if (windowSize.isEmpty() ||
        xcb_get_setup(connection_)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return {};
    }
    const auto cookie = xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                      windowSize.width(), windowSize.height(), ~0u);
    const Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(connection_, cookie, nullptr));
    const qsizetype bytes = qsizetype(windowSize.width()) * windowSize.height() * 4;
    // 24-bit depth comes as 32 bits per pixel, 0x00RRGGBB little-endian: RGB32 bar the pad.
    if (!reply || reply->depth != 24 || xcb_get_image_data_length(reply.get()) != bytes) {
        return {};
    }
    QImage image(windowSize, QImage::Format_RGB32);
    std::memcpy(image.bits(), xcb_get_image_data(reply.get()), bytes);
    return image;
}

void XDisplay::watchRoot() {
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    takeRootActivity();
}

RootActivity XDisplay::takeRootActivity() {
    // The reply comes after every event the server sent before it.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    RootActivity activity;
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection_)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            activity.createdSizes.emplace_back(created->width, created->height);
        } else if (type == XCB_MAP_NOTIFY) {
            ++activity.mapCount;
        }
        std::free(event);
    }
    return activity;
}

}  // namespace chartview::testing
