#include "xwatch.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {
struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;
} // namespace

XWatch::XWatch() : connection_(xcb_connect(nullptr, nullptr))
{
    connected_ = xcb_connection_has_error(connection_.get()) == 0;
    if (!connected_)
        return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_.get(), root_, XCB_CW_EVENT_MASK, &mask);
    pidAtom_ = atom("_NET_WM_PID");
    nameAtom_ = atom("_NET_WM_NAME");
    utf8Atom_ = atom("UTF8_STRING");
    protocolsAtom_ = atom("WM_PROTOCOLS");
    deleteAtom_ = atom("WM_DELETE_WINDOW");
    xcb_flush(connection_.get());
}

xcb_atom_t XWatch::atom(const char* name)
{
    const auto cookie =
        xcb_intern_atom(connection_.get(), 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection_.get(), cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

void XWatch::drain()
{
    while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())})
        ;
}

bool XWatch::waitForInput(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return false;
    pollfd fd{xcb_get_file_descriptor(connection_.get()), POLLIN, 0};
    return ::poll(&fd, 1, static_cast<int>(left)) > 0;
}

std::optional<XWatch::Mapped> XWatch::waitForWindowOf(pid_t pid, const std::string& title,
                                                      Clock::time_point deadline)
{
    for (;;) {
        Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())};
        if (!event) {
            if (xcb_connection_has_error(connection_.get()) || !waitForInput(deadline))
                return std::nullopt;
            continue;
        }
        const auto at = Clock::now();
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
        // Menus and tooltips bypass the window manager; a program's own window does not.
        if (map->override_redirect)
            continue;
        if (processOf(map->window) == static_cast<std::uint32_t>(pid) &&
            titleOf(map->window).rfind(title, 0) == 0)
            return Mapped{map->window, at};
    }
}

std::optional<std::uint32_t> XWatch::processOf(xcb_window_t window)
{
    const auto cookie =
        xcb_get_property(connection_.get(), 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1);
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection_.get(), cookie, nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

std::string XWatch::titleOf(xcb_window_t window)
{
    // The UTF-8 title the toolkits set, else the old Latin-1 one.
    for (const auto& [name, type] :
         {std::pair{nameAtom_, utf8Atom_},
          std::pair{xcb_atom_t{XCB_ATOM_WM_NAME}, xcb_atom_t{XCB_ATOM_STRING}}}) {
        const auto cookie = xcb_get_property(connection_.get(), 0, window, name, type, 0, 256);
        const Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection_.get(), cookie, nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }
    return {};
}

void XWatch::requestClose(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocolsAtom_;
    message.data.data32[0] = deleteAtom_;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_.get(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_.get());
}
