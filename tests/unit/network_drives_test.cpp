#include "settings/network_drives.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace {

using Names = std::vector<std::string>;

TEST(NetworkDrivesParse, ReadsNamesUpToTheFirstEmptyOne) {
    EXPECT_EQ(parseNetworkDrives("PC1|PC2|"), (Names{"PC1", "PC2"}));
    EXPECT_EQ(parseNetworkDrives("PC1|PC2"), (Names{"PC1", "PC2"}));
    EXPECT_EQ(parseNetworkDrives("|PC1|"), Names{});
    EXPECT_EQ(parseNetworkDrives("PC1||PC2|"), Names{"PC1"});
    EXPECT_EQ(parseNetworkDrives(""), Names{});
    EXPECT_EQ(parseNetworkDrives("|"), Names{});
    EXPECT_EQ(parseNetworkDrives("\\\\SERVER 2|x|"), (Names{"\\\\SERVER 2", "x"}));
}

TEST(NetworkDrivesJoin, EachNameIsFollowedByTheSeparator) {
    EXPECT_EQ(joinNetworkDrives({"A", "B"}), "A|B|");
    EXPECT_EQ(joinNetworkDrives({}), "");
    EXPECT_EQ(parseNetworkDrives(joinNetworkDrives({"pc1", "pc2", "pc3"})),
              (Names{"pc1", "pc2", "pc3"}));
}

TEST(NetworkDrivesJoin, LeavesOutNamesThatWouldBreakTheList) {
    // An empty name would end the list on the next load, hiding PC2.
    EXPECT_EQ(joinNetworkDrives({"PC1", "", "PC2"}), "PC1|PC2|");
    EXPECT_EQ(joinNetworkDrives({"PC1", "A|B", "PC2"}), "PC1|PC2|");
}

TEST(NetworkDrivesJoin, StaysWithinWhatALoadAccepts) {
    const std::string name(99, 'n');  // 100 characters with its separator
    const std::string joined = joinNetworkDrives({name, name, name, "short"});
    EXPECT_EQ(joined, name + "|" + name + "|");
    EXPECT_LE(joined.size(), kMaxSettingLength);

    const std::string exact(kMaxSettingLength - 1, 'x');
    EXPECT_EQ(joinNetworkDrives({exact}), exact + "|");
    EXPECT_EQ(joinNetworkDrives({exact + "x"}), "");
}

TEST(NetworkDrivesTake, ANameIsTakenOnlyWhereItWouldBeStored) {
    const std::string name(99, 'n');
    EXPECT_TRUE(networkDrivesTake({name}, name));
    EXPECT_TRUE(networkDrivesTake({name, name}, std::string(48, 'x')));  // 249 in all
    EXPECT_FALSE(networkDrivesTake({name, name}, std::string(49, 'x')));
    EXPECT_FALSE(networkDrivesTake({}, "A|B"));
}

}  // namespace
