// Small X client for the desktop tests, run with DISPLAY set:
//   x_helper grab <window> <file.png>   saves what the window shows
//   x_helper close <window>             asks the window to close, as a close button does
//   x_helper watch <window> <ms>        prints "watching", then "unmapped" and "mapped" as the
//                                       window goes and comes back; ends once it is back
//                                       (exit 0) or after <ms> (exit 1)
//   x_helper find <caption> <ms>        prints the first viewable window whose caption matches
//                                       the regular expression, once there is one (exit 0), or
//                                       nothing after <ms> (exit 1)
//   x_helper managed <ms>               ends once a window manager has announced itself on the
//                                       root window (exit 0), or after <ms> (exit 1)
// find and managed look again at each change to the screen's windows, as the X server reports it.
#include <QImage>
#include <QRegularExpression>

#include <functional>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <time.h>

namespace {
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

bool grab(xcb_connection_t* connection, xcb_window_t window, const char* file) {
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr),
        &std::free);
    if (!geometry) {
        return false;
    }
    ReplyPtr<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr),
        &std::free);
    if (!image || image->depth != 24) {
        return false;
    }
    // depth 24 comes as 32 bits per pixel, blue first: Qt's RGB32 on this machine
    const QImage picture(xcb_get_image_data(image.get()), geometry->width, geometry->height,
                         geometry->width * 4, QImage::Format_RGB32);
    return picture.copy().save(QString::fromLocal8Bit(file));
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool askToClose(xcb_connection_t* connection, xcb_window_t window) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection, "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // to the client that made the window: the game
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    // a round trip, so the server has handled the message before this client goes away
    ReplyPtr<xcb_get_input_focus_reply_t> done(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr),
        &std::free);
    return done != nullptr;
}
long long nowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000LL + now.tv_nsec / 1000000;
}

bool watch(xcb_connection_t* connection, xcb_window_t window, long long bound) {
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    // a round trip, so that nothing after "watching" goes unseen
    ReplyPtr<xcb_get_input_focus_reply_t> done(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr),
        &std::free);
    std::printf("watching\n");
    std::fflush(stdout);
    bool gone = false;
    for (const long long end = nowMs() + bound; nowMs() < end;) {
        while (ReplyPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection), &std::free}) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_UNMAP_NOTIFY) {
                gone = true;
                std::printf("unmapped\n");
            } else if (type == XCB_MAP_NOTIFY && gone) {
                std::printf("mapped\n");
                return true;
            }
            std::fflush(stdout);
        }
        pollfd ready{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&ready, 1, 50);
    }
    return false;
}
// True once `holds` does, looked at again after each change below the root window or to its
// properties; false if it has not by `bound` ms.
bool waitForScreen(xcb_connection_t* connection, long long bound,
                   const std::function<bool(xcb_window_t root)>& holds) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // selected before the first look, so that no change after it goes unreported
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    for (const long long end = nowMs() + bound; !holds(root);) {
        bool changed = false;
        while (ReplyPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection), &std::free}) {
            changed = true;
        }
        const long long left = end - nowMs();
        if (xcb_connection_has_error(connection) || (!changed && left <= 0)) {
            return false;
        }
        if (!changed) {
            pollfd ready{xcb_get_file_descriptor(connection), POLLIN, 0};
            poll(&ready, 1, static_cast<int>(left));
        }
    }
    return true;
}

std::string property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name) {
    ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr),
        &std::free);
    return reply ? std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               static_cast<std::size_t>(xcb_get_property_value_length(reply.get())))
                 : std::string();
}

// The first viewable window below `parent` whose caption matches, or none.
xcb_window_t search(xcb_connection_t* connection, xcb_window_t parent,
                    const QRegularExpression& caption, xcb_atom_t netName) {
    ReplyPtr<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, parent), nullptr), &std::free);
    if (!tree) {
        return XCB_WINDOW_NONE;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int index = 0; index < xcb_query_tree_children_length(tree.get()); ++index) {
        const xcb_window_t child = children[index];
        ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection,
                                            xcb_get_window_attributes(connection, child), nullptr),
            &std::free);
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
            continue;
        }
        for (const xcb_atom_t name : {netName, xcb_atom_t{XCB_ATOM_WM_NAME}}) {
            const std::string text = property(connection, child, name);
            if (!text.empty() && caption.match(QString::fromUtf8(text)).hasMatch()) {
                return child;
            }
        }
        if (const xcb_window_t found = search(connection, child, caption, netName)) {
            return found;
        }
    }
    return XCB_WINDOW_NONE;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr, "usage: x_helper grab <window> <file> | close <window> | watch <window> <ms> | "
                    "find <caption> <ms> | managed <ms>\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    bool done = false;
    if (std::strcmp(argv[1], "grab") == 0 && argc == 4) {
        done = grab(connection, window, argv[3]);
    } else if (std::strcmp(argv[1], "close") == 0) {
        done = askToClose(connection, window);
    } else if (std::strcmp(argv[1], "watch") == 0 && argc == 4) {
        done = watch(connection, window, std::strtoll(argv[3], nullptr, 10));
    } else if (std::strcmp(argv[1], "find") == 0 && argc == 4) {
        const QRegularExpression caption(QString::fromUtf8(argv[2]));
        const xcb_atom_t netName = atom(connection, "_NET_WM_NAME");
        xcb_window_t found = XCB_WINDOW_NONE;
        done =
            waitForScreen(connection, std::strtoll(argv[3], nullptr, 10), [&](xcb_window_t root) {
                return (found = search(connection, root, caption, netName)) != XCB_WINDOW_NONE;
            });
        if (done) {
            std::printf("%u\n", found);
        }
    } else if (std::strcmp(argv[1], "managed") == 0) {
        const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
        done =
            waitForScreen(connection, std::strtoll(argv[2], nullptr, 10), [&](xcb_window_t root) {
                return !property(connection, root, check).empty();
            });
    }
    xcb_disconnect(connection);
    return done ? 0 : 1;
}
