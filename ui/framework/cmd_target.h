#pragma once
// The base of every object that has a message map: windows and the
// application object.

#include "message_map.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler this object maps to the command, if any.
    bool OnCmdMsg(UINT id, UINT code, LPARAM lParam, LRESULT& result);

    bool HasCommandHandler(UINT id) const;
    // Runs the update handler of `id` with `ui`; false when there is none.
    bool RunUpdateHandler(UINT id, CCmdUI& ui);

protected:
    virtual const MessageMap* GetMessageMap() const;

    // The first entry along the chain of maps that matches, or nullptr.
    const MessageMapEntry* FindEntry(MessageKind kind, UINT message, UINT id, UINT code) const;
};
