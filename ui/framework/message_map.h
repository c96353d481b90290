#pragma once
// A per-class table that maps window messages, command IDs and control
// notifications to member handlers. A class lists its entries in one static
// array and chains to its base class's table:
//
//   const MessageMap* CMyDialog::GetMessageMap() const
//   {
//       static const MessageMapEntry entries[] = {
//           OnMessage<WM_PAINT, &CMyDialog::OnPaint>(),
//           OnCommand<IDC_SCAN, &CMyDialog::OnScan>(),
//           OnUpdateCommand<IDC_SCAN, &CMyDialog::OnUpdateScan>(),
//       };
//       static const MessageMap map(CDialog::GetMessageMap(), entries);
//       return &map;
//   }
//
// Handlers take one of three shapes: void Handler(), LRESULT Handler(WPARAM,
// LPARAM) for messages whose parameters or result matter, and
// void Handler(CCmdUI*) for update handlers.

#include <windows.h>

#include <cstddef>

class CCmdTarget;
class CCmdUI;

enum class MessageKind {
    Message,        // a window message
    Command,        // WM_COMMAND from a control or menu: control ID and notification code
    UpdateCommand,  // the idle update of the control with that ID
};

struct MessageMapEntry {
    MessageKind kind;
    UINT message;  // MessageKind::Message
    UINT id;       // MessageKind::Command and MessageKind::UpdateCommand
    UINT code;     // MessageKind::Command
    LRESULT (*invoke)(CCmdTarget& target, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    constexpr explicit MessageMap(const MessageMap* base) : base(base), entries(nullptr), count(0) {}

    template <std::size_t N>
    constexpr MessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N])
        : base(base), entries(entries), count(N)
    {
    }

    const MessageMap* base;
    const MessageMapEntry* entries;
    std::size_t count;
};

namespace message_map_detail {

template <auto Handler>
struct Invoker;

template <class T, void (T::*Handler)()>
struct Invoker<Handler> {
    static LRESULT Invoke(CCmdTarget& target, WPARAM, LPARAM)
    {
        (static_cast<T&>(target).*Handler)();
        return 0;
    }
};

template <class T, LRESULT (T::*Handler)(WPARAM, LPARAM)>
struct Invoker<Handler> {
    static LRESULT Invoke(CCmdTarget& target, WPARAM wParam, LPARAM lParam)
    {
        return (static_cast<T&>(target).*Handler)(wParam, lParam);
    }
};

template <class T, void (T::*Handler)(CCmdUI*)>
struct Invoker<Handler> {
    static LRESULT Invoke(CCmdTarget& target, WPARAM, LPARAM lParam)
    {
        (static_cast<T&>(target).*Handler)(reinterpret_cast<CCmdUI*>(lParam));
        return 0;
    }
};

}  // namespace message_map_detail

template <UINT Message, auto Handler>
constexpr MessageMapEntry OnMessage()
{
    return {MessageKind::Message, Message, 0, 0, &message_map_detail::Invoker<Handler>::Invoke};
}

// A notification from control `Id` with notification code `Code`.
template <UINT Id, UINT Code, auto Handler>
constexpr MessageMapEntry OnNotification()
{
    return {MessageKind::Command, WM_COMMAND, Id, Code, &message_map_detail::Invoker<Handler>::Invoke};
}

// A command: a button click, a click on a notifying static or a menu item
// (notification code 0).
template <UINT Id, auto Handler>
constexpr MessageMapEntry OnCommand()
{
    return OnNotification<Id, 0, Handler>();
}

template <UINT Id, auto Handler>
constexpr MessageMapEntry OnUpdateCommand()
{
    return {MessageKind::UpdateCommand, 0, Id, 0, &message_map_detail::Invoker<Handler>::Invoke};
}
