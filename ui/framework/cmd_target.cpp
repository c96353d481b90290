#include "cmd_target.h"

namespace {

bool Matches(const MessageMapEntry& entry, MessageKind kind, UINT message, UINT id, UINT code)
{
    if (entry.kind != kind)
        return false;
    switch (kind) {
    case MessageKind::Message:
        return entry.message == message;
    case MessageKind::Command:
        return entry.id == id && entry.code == code;
    case MessageKind::UpdateCommand:
        return entry.id == id;
    }
    return false;
}

}  // namespace

const MessageMap* CCmdTarget::GetMessageMap() const
{
    static const MessageMap map(nullptr);
    return &map;
}

const MessageMapEntry* CCmdTarget::FindEntry(MessageKind kind, UINT message, UINT id, UINT code) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            if (Matches(map->entries[i], kind, message, id, code))
                return &map->entries[i];
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code, LPARAM lParam, LRESULT& result)
{
    const MessageMapEntry* entry = FindEntry(MessageKind::Command, WM_COMMAND, id, code);
    if (!entry)
        return false;
    result = entry->invoke(*this, MAKEWPARAM(id, code), lParam);
    return true;
}

bool CCmdTarget::HasCommandHandler(UINT id) const
{
    return FindEntry(MessageKind::Command, WM_COMMAND, id, 0) != nullptr;
}

bool CCmdTarget::RunUpdateHandler(UINT id, CCmdUI& ui)
{
    const MessageMapEntry* entry = FindEntry(MessageKind::UpdateCommand, 0, id, 0);
    if (!entry)
        return false;
    entry->invoke(*this, 0, reinterpret_cast<LPARAM>(&ui));
    return true;
}
