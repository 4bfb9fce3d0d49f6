#include <gtest/gtest.h>

#include <random>
#include <set>

#include "skin/lzh_tree.h"

using namespace skin::lzh;

namespace {

// What keeps the code decodable and adaptive: counts in non-decreasing order
// of position, each internal node counting its two children, parent links
// that agree with the child links, and every symbol at exactly one leaf.
void ExpectSound(const LzhTree& tree) {
    std::set<int> symbols;
    for (int node = 0; node < T; ++node) {
        if (node > 0) {
            ASSERT_LE(tree.Freq(node - 1), tree.Freq(node)) << "order at " << node;
        }
        const int son = tree.Son(node);
        if (son >= T) {
            ASSERT_TRUE(symbols.insert(son - T).second) << "symbol " << son - T << " twice";
            ASSERT_EQ(tree.LeafOf(son - T), node);
        } else {
            ASSERT_LT(son + 1, node) << "children come before their parent";
            ASSERT_EQ(tree.Freq(node), tree.Freq(son) + tree.Freq(son + 1)) << "count of " << node;
            ASSERT_EQ(tree.Parent(son), node);
            ASSERT_EQ(tree.Parent(son + 1), node);
        }
    }
    ASSERT_EQ(symbols.size(), static_cast<size_t>(N_CHAR));
    ASSERT_EQ(tree.Parent(R), 0);
}

}  // namespace

TEST(LzhTree, StartsBalancedWithEveryCountOne) {
    const LzhTree tree;
    ExpectSound(tree);
    EXPECT_EQ(tree.Freq(R), static_cast<unsigned>(N_CHAR));
}

// Skewed symbols, as in real data, reorder the tree all the time and halve
// the counts (Reconst) several times over.
TEST(LzhTree, StaysSoundThroughUpdatesAndHalvings) {
    LzhTree tree;
    std::mt19937 random(1);
    std::geometric_distribution<int> skewed(0.05);
    int halvings = 0;
    for (int i = 0; i < 200000; ++i) {
        const unsigned before = tree.Freq(R);
        tree.UpdateFreq(skewed(random) % N_CHAR);
        if (tree.Freq(R) < before)
            ++halvings;
        if (i % 997 == 0 || tree.Freq(R) < before) {
            ASSERT_NO_FATAL_FAILURE(ExpectSound(tree)) << "after update " << i;
        }
    }
    EXPECT_GE(halvings, 5);
}

// One symbol counted until the root reaches MAX_FREQ: the next update first
// halves, rounding up, 313 counts of 1 (to 1) and 32 455 (to 16 228), then
// counts the new symbol.
TEST(LzhTree, HalvesTheCountsWhenTheRootReachesTheLimit) {
    LzhTree tree;
    while (tree.Freq(R) < MAX_FREQ)
        tree.UpdateFreq('x');
    ASSERT_EQ(tree.Freq(R), MAX_FREQ);
    tree.UpdateFreq('y');
    EXPECT_EQ(tree.Freq(R), 313u + 16228u + 1u);
    EXPECT_EQ(tree.Freq(tree.LeafOf('x')), 16228u);
    EXPECT_EQ(tree.Freq(tree.LeafOf('y')), 2u);
    ExpectSound(tree);
}
