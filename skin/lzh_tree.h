// The adaptive Huffman tree of LZHUF, which codes literals and match lengths.
// Nodes are kept in order of their counts, so that the code stays optimal as
// counts grow; the decoder and the build-time encoder must move it in
// lockstep, symbol by symbol, which is why both use this one class.
#pragma once

#include <array>
#include <cstdint>

#include "skin/lzh_format.h"

namespace skin::lzh {

class LzhTree {
  public:
    // Every symbol starts with a count of 1, in a balanced tree.
    LzhTree();

    // The first of the two children of an internal node (the other follows
    // it); for a leaf, T plus its symbol.
    int Son(int node) const { return son_[node]; }
    // The node's parent; the root's is 0.
    int Parent(int node) const { return prnt_[node]; }
    // The node that holds a symbol's leaf.
    int LeafOf(int symbol) const { return prnt_[T + symbol]; }
    unsigned Freq(int node) const { return freq_[node]; }

    // Counts one more occurrence of the symbol and reorders the tree.
    void UpdateFreq(int symbol);

  private:
    // Halves every count and rebuilds the tree, before the root's count
    // would pass MAX_FREQ.
    void Reconst();
    void SetParentOfSon(int node);

    // freq[T] is a sentinel above every count.
    std::array<uint16_t, T + 1> freq_{};
    // Parents of the nodes, then of the leaves, indexed T + symbol.
    std::array<uint16_t, T + N_CHAR> prnt_{};
    std::array<uint16_t, T> son_{};
};

}  // namespace skin::lzh
