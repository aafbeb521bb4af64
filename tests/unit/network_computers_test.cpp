#include "settings/network_computers.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace {

using Names = std::vector<std::string>;

TEST(NetworkDrivesParse, ReadsNamesUpToTheFirstEmptyOne) {
    EXPECT_EQ(parseNetworkComputers("PC1|PC2|"), (Names{"PC1", "PC2"}));
    EXPECT_EQ(parseNetworkComputers("PC1|PC2"), (Names{"PC1", "PC2"}));
    EXPECT_EQ(parseNetworkComputers("|PC1|"), Names{});
    EXPECT_EQ(parseNetworkComputers("PC1||PC2|"), Names{"PC1"});
    EXPECT_EQ(parseNetworkComputers(""), Names{});
    EXPECT_EQ(parseNetworkComputers("|"), Names{});
    EXPECT_EQ(parseNetworkComputers("\\\\SERVER 2|x|"), (Names{"\\\\SERVER 2", "x"}));
}

TEST(NetworkDrivesJoin, EachNameIsFollowedByTheSeparator) {
    EXPECT_EQ(joinNetworkComputers({"A", "B"}), "A|B|");
    EXPECT_EQ(joinNetworkComputers({}), "");
    EXPECT_EQ(parseNetworkComputers(joinNetworkComputers({"pc1", "pc2", "pc3"})),
              (Names{"pc1", "pc2", "pc3"}));
}

TEST(NetworkDrivesJoin, LeavesOutNamesThatWouldBreakTheList) {
    // An empty name would end the list on the next load, hiding PC2.
    EXPECT_EQ(joinNetworkComputers({"PC1", "", "PC2"}), "PC1|PC2|");
    EXPECT_EQ(joinNetworkComputers({"PC1", "A|B", "PC2"}), "PC1|PC2|");
}

TEST(NetworkDrivesJoin, StaysWithinWhatALoadAccepts) {
    const std::string name(99, 'n');  // 100 characters with its separator
    const std::string joined = joinNetworkComputers({name, name, name, "short"});
    EXPECT_EQ(joined, name + "|" + name + "|");
    EXPECT_LE(joined.size(), kMaxSettingLength);

    const std::string exact(kMaxSettingLength - 1, 'x');
    EXPECT_EQ(joinNetworkComputers({exact}), exact + "|");
    EXPECT_EQ(joinNetworkComputers({exact + "x"}), "");
}

TEST(NetworkComputersTake, ANameIsTakenOnlyWhereItWouldBeStored) {
    const std::string name(99, 'n');
    EXPECT_TRUE(networkComputersTake({name}, name));
    EXPECT_TRUE(networkComputersTake({name, name}, std::string(48, 'x')));  // 249 in all
    EXPECT_FALSE(networkComputersTake({name, name}, std::string(49, 'x')));
    EXPECT_FALSE(networkComputersTake({}, "A|B"));
}

}  // namespace
