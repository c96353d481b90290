#include "gauge_usage_table.h"

#include <stdexcept>

namespace dalvorn {

namespace {

const std::size_t kFirstSlotCount = 64;

std::uint32_t KeyHash(std::string_view key)
{
    const std::uint64_t hash = std::hash<std::string_view>()(key);
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// True when `home` lies in the cyclic range (after, upTo].
bool CyclicallyWithin(std::size_t after, std::size_t home, std::size_t upTo)
{
    return after <= upTo ? after < home && home <= upTo : after < home || home <= upTo;
}

}  // namespace

void GaugeUsageTable::ResetGauge(const std::string& key)
{
    if (2 * (keys_.size() + 1) > slots_.size())
        GrowSlots();
    const std::uint32_t hash = KeyHash(key);
    Slot& slot = slots_[SlotOf(key, hash)];
    if (slot.position != kNoPosition) {
        Entry& entry = entries_[slot.position];
        entry.users.Clear();
        entry.askedInTurn = 0;
        return;
    }
    slot = Slot{hash, static_cast<std::uint32_t>(keys_.size())};
    keys_.push_back(key);
    entries_.emplace_back();
}

void GaugeUsageTable::AddUser(const std::string& key, const std::string& aircraft)
{
    const std::uint32_t position = PositionOf(key);
    if (position == kNoPosition)
        return;
    Entry& entry = entries_[position];
    const SearchedName& name = AircraftOfTurn(aircraft);
    if (entry.askedInTurn == turn_)
        return;
    entry.askedInTurn = turn_;
    if (!entry.users.Contains(name))
        entry.users.Append(name);
}

const SearchedName& GaugeUsageTable::AircraftOfTurn(const std::string& aircraft)
{
    if (turn_ == 0 || aircraft != turnAircraft_.Text()) {
        turnAircraft_ = SearchedName(aircraft);
        ++turn_;
    }
    return turnAircraft_;
}

// The last entry moves into the removed one's place.
void GaugeUsageTable::RemoveGauge(const std::string& key)
{
    if (slots_.empty())
        return;
    const std::size_t slot = SlotOf(key, KeyHash(key));
    const std::uint32_t position = slots_[slot].position;
    if (position == kNoPosition)
        return;
    Vacate(slot);
    const std::uint32_t last = static_cast<std::uint32_t>(keys_.size() - 1);
    if (position != last) {
        slots_[SlotOfPosition(last)].position = position;
        keys_[position] = std::move(keys_[last]);
        entries_[position] = std::move(entries_[last]);
    }
    keys_.pop_back();
    entries_.pop_back();
}

void GaugeUsageTable::ForEach(const Visitor& visit) const
{
    for (std::size_t position = 0; position < keys_.size(); ++position)
        visit(keys_[position], entries_[position].users.Text());
}

const std::string& GaugeUsageTable::Users(const std::string& key) const
{
    const std::uint32_t position = PositionOf(key);
    if (position == kNoPosition)
        throw std::out_of_range("no gauge " + key);
    return entries_[position].users.Text();
}

std::uint32_t GaugeUsageTable::PositionOf(std::string_view key) const
{
    return slots_.empty() ? kNoPosition : slots_[SlotOf(key, KeyHash(key))].position;
}

// Linear probing from the slot the hash points to.
std::size_t GaugeUsageTable::SlotOf(std::string_view key, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t index = hash & mask;
    while (slots_[index].position != kNoPosition &&
           !(slots_[index].hash == hash && keys_[slots_[index].position] == key))
        index = (index + 1) & mask;
    return index;
}

std::size_t GaugeUsageTable::SlotOfPosition(std::uint32_t position) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t index = KeyHash(keys_[position]) & mask;
    while (slots_[index].position != position)
        index = (index + 1) & mask;
    return index;
}

// Empties a slot and moves back every later slot of the same run that would
// otherwise no longer be found from its home slot.
void GaugeUsageTable::Vacate(std::size_t slot)
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = slot;
    for (std::size_t next = (hole + 1) & mask; slots_[next].position != kNoPosition; next = (next + 1) & mask) {
        if (!CyclicallyWithin(hole, slots_[next].hash & mask, next)) {
            slots_[hole] = slots_[next];
            hole = next;
        }
    }
    slots_[hole] = Slot{};
}

void GaugeUsageTable::GrowSlots()
{
    std::vector<Slot> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? kFirstSlotCount : 2 * old.size(), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.position == kNoPosition)
            continue;
        std::size_t index = slot.hash & mask;
        while (slots_[index].position != kNoPosition)
            index = (index + 1) & mask;
        slots_[index] = slot;
    }
}

}  // namespace dalvorn
