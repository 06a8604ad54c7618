// Small X client for the desktop tests, run with DISPLAY set:
//   x_helper grab <window> <file.png>   saves what the window shows
//   x_helper close <window>             asks the window to close, as a close button does
//   x_helper watch <window> <ms>        prints "watching", then "unmapped" and "mapped" as the
//                                       window goes and comes back; ends once it is back
//                                       (exit 0) or after <ms> (exit 1)
#include <QImage>

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
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr,
            "usage: x_helper grab <window> <file> | close <window> | watch <window> <ms>\n");
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
    }
    xcb_disconnect(connection);
    return done ? 0 : 1;
}
