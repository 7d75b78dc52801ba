#include "desktop/widgets/FrameExtents.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#ifdef MORVANE_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace FrameExtents {

#ifdef MORVANE_HAVE_XCB

namespace {

// A window manager answers within a few milliseconds; one that claims the request and never
// answers costs the game this much once per showing.
constexpr std::chrono::milliseconds AnswerWait{300};
constexpr std::chrono::milliseconds PollStep{2};

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool rootSupports(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t wanted)
{
    const xcb_atom_t supported = atom(connection, "_NET_SUPPORTED");
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted)
            return true;
    }
    return false;
}

// _NET_FRAME_EXTENTS holds left, right, top, bottom.
std::optional<QMarginsF> readExtents(xcb_connection_t *connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_CARDINAL || reply->format != 32 || reply->value_len != 4)
        return std::nullopt;
    const auto *widths = static_cast<const uint32_t *>(xcb_get_property_value(reply.get()));
    return QMarginsF(widths[0], widths[2], widths[1], widths[3]);
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window)
{
    const auto reply =
        owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

// Qt's hints for a title bar without window buttons name the allowed functions only and leave the
// decorations field unset, which means all decorations. Some window managers (metacity) answer
// the request from that field as if it were set, and would say "no frame". For the question the
// hints say "all decorations" outright, which means the same; Qt's own hints are put back before
// the window is shown, so the window manager manages the window by them.
class DecorationsSpelledOut
{
public:
    DecorationsSpelledOut(xcb_connection_t *connection, xcb_window_t window)
        : m_connection(connection)
        , m_window(window)
        , m_property(atom(connection, "_MOTIF_WM_HINTS"))
    {
        const auto reply =
            owned(xcb_get_property_reply(connection,
                                         xcb_get_property(connection, 0, window, m_property,
                                                          XCB_GET_PROPERTY_TYPE_ANY, 0, HintCount),
                                         nullptr));
        if (!reply || reply->format != 32 || reply->value_len != HintCount)
            return;
        std::memcpy(m_original.data(), xcb_get_property_value(reply.get()), sizeof m_original);
        if (m_original[Flags] & DecorationsFlag)
            return;
        m_type = reply->type;
        auto spelledOut = m_original;
        spelledOut[Flags] |= DecorationsFlag;
        spelledOut[Decorations] = AllDecorations;
        write(spelledOut);
    }
    ~DecorationsSpelledOut()
    {
        if (m_type != XCB_ATOM_NONE)
            write(m_original);
    }
    DecorationsSpelledOut(const DecorationsSpelledOut &) = delete;
    DecorationsSpelledOut &operator=(const DecorationsSpelledOut &) = delete;

private:
    static constexpr uint32_t HintCount = 5;
    static constexpr size_t Flags = 0;
    static constexpr size_t Decorations = 2;
    static constexpr uint32_t DecorationsFlag = 2;
    static constexpr uint32_t AllDecorations = 1;

    void write(const std::array<uint32_t, HintCount> &hints)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, m_property, m_type, 32,
                            HintCount, hints.data());
        xcb_flush(m_connection);
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_window;
    xcb_atom_t m_property;
    xcb_atom_t m_type = XCB_ATOM_NONE;
    std::array<uint32_t, HintCount> m_original{};
};

void requestExtents(xcb_connection_t *connection, xcb_window_t root, xcb_window_t window,
                    xcb_atom_t request)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
}

std::optional<QMarginsF> askX11(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    // Set already when the window manager framed the window before.
    if (auto known = readExtents(connection, window, extents))
        return known;
    const xcb_window_t root = rootOf(connection, window);
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (root == XCB_WINDOW_NONE || !rootSupports(connection, root, request))
        return std::nullopt;
    const DecorationsSpelledOut hints(connection, window);
    requestExtents(connection, root, window, request);
    // Polled rather than awaited as an event: the platform plugin reads the event queue.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < AnswerWait.count()) {
        if (auto answer = readExtents(connection, window, extents))
            return answer;
        std::this_thread::sleep_for(PollStep);
    }
    return std::nullopt;
}

} // namespace

std::optional<QMarginsF> fromWindowManager(const QWidget &window)
{
    if (window.windowFlags() & Qt::FramelessWindowHint)
        return std::nullopt;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return std::nullopt;
    const QWindow *handle = window.windowHandle();
    if (handle == nullptr)
        return std::nullopt;
    const auto answer = askX11(x11->connection(), static_cast<xcb_window_t>(handle->winId()));
    if (!answer)
        return std::nullopt;
    // The window manager counts device pixels.
    return *answer / handle->devicePixelRatio();
}

#else

std::optional<QMarginsF> fromWindowManager(const QWidget & /*window*/)
{
    return std::nullopt;
}

#endif

} // namespace FrameExtents
