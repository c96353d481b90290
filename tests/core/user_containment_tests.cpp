#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/gauge_usage_table.h"
#include "core/searched_name.h"

namespace dalvorn {
namespace {

// Names over a tiny alphabet holding the separator's own bytes, so that
// prefixes, suffixes, repeats, names inside names and matches across ", "
// are all common; lengths on both sides of the filter's window.
class NameSource {
public:
    explicit NameSource(unsigned seed) : random_(seed) {}

    std::string Fresh(std::size_t longest)
    {
        static const std::string kAlphabet = "ab, ";
        std::string name;
        for (std::size_t length = Below(longest + 1); length > 0; --length)
            name += kAlphabet[Below(kAlphabet.size())];
        return name;
    }

    // Mostly a name met before, as aircraft turn up again and again.
    std::string Next(std::size_t longest)
    {
        if (!recent_.empty() && Below(3) != 0)
            return recent_[Below(recent_.size())];
        recent_.push_back(Fresh(longest));
        if (recent_.size() > 12)
            recent_.erase(recent_.begin());
        return recent_.back();
    }

    std::size_t Below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_); }

private:
    std::mt19937 random_;
    std::vector<std::string> recent_;
};

// The rule AddUser keeps, written the plain way.
void AddUserPlainly(std::map<std::string, std::string>& table, const std::string& key, const std::string& aircraft)
{
    auto found = table.find(key);
    if (found == table.end() || found->second.find(aircraft) != std::string::npos)
        return;
    found->second += (found->second.empty() ? "" : ", ") + aircraft;
}

std::map<std::string, std::string> Contents(const GaugeUsageTable& table)
{
    std::map<std::string, std::string> contents;
    table.ForEach([&](const std::string& key, const std::string& users) { contents[key] = users; });
    return contents;
}

struct Sequence {
    int operations;
    std::size_t longestName;
    std::size_t resetsPerThousand;  // as many removals again
    std::size_t keys;
};

void ExpectSameAsPlainSearch(unsigned seed, const Sequence& sequence)
{
    NameSource names(seed);
    std::vector<std::string> keys;
    for (std::size_t key = 0; key < sequence.keys; ++key)
        keys.push_back(std::to_string(key) + ".gau");
    GaugeUsageTable table;
    std::map<std::string, std::string> plain;
    for (int operation = 0; operation < sequence.operations; ++operation) {
        const std::string& key = keys[names.Below(keys.size())];
        const std::size_t roll = names.Below(1000);
        if (roll < sequence.resetsPerThousand) {
            table.ResetGauge(key);
            plain[key].clear();
        } else if (roll < 2 * sequence.resetsPerThousand) {
            table.RemoveGauge(key);
            plain.erase(key);
        } else {
            const std::string aircraft = names.Next(sequence.longestName);
            for (std::size_t times = 1 + names.Below(3); times > 0; --times) {
                table.AddUser(key, aircraft);
                AddUserPlainly(plain, key, aircraft);
            }
        }
    }
    ASSERT_EQ(Contents(table), plain) << "seed " << seed;
}

TEST(UserContainment, ShortSequencesMatchThePlainSearch)
{
    for (unsigned seed = 1; seed <= 3000; ++seed)
        ExpectSameAsPlainSearch(seed, {60, 7, 30, 3});
}

TEST(UserContainment, LongListsThatOutgrowTheFilterMatchThePlainSearch)
{
    for (unsigned seed = 1; seed <= 40; ++seed)
        ExpectSameAsPlainSearch(seed, {3000, 16, 1, 3});
}

TEST(UserContainment, ManyGaugesComingAndGoingMatchThePlainSearch)
{
    for (unsigned seed = 1; seed <= 100; ++seed)
        ExpectSameAsPlainSearch(seed, {2000, 7, 150, 200});
}

TEST(UserContainment, SearchedNameFindsWhatStringFindFinds)
{
    NameSource source(99);
    for (int trial = 0; trial < 20000; ++trial) {
        const std::string text = source.Fresh(40);
        const std::string name = source.Below(2) == 0 ? source.Fresh(6) : text.substr(source.Below(text.size() + 1), 1 + source.Below(6));
        EXPECT_EQ(SearchedName(name).FoundIn(text), text.find(name) != std::string::npos)
            << "'" << name << "' in '" << text << "'";
    }
}

}  // namespace
}  // namespace dalvorn
