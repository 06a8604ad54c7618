// Small X client for the desktop tests, run with DISPLAY set:
//   x_helper grab <window> <file.png>   saves what the window shows
//   x_helper close <window>             asks the window to close, as a close button does
#include <QImage>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

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
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: x_helper grab <window> <file> | close <window>\n");
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
    }
    xcb_disconnect(connection);
    return done ? 0 : 1;
}
