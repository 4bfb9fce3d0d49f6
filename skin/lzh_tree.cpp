#include "skin/lzh_tree.h"

#include <algorithm>

namespace skin::lzh {

LzhTree::LzhTree() {
    for (int i = 0; i < N_CHAR; ++i) {
        freq_[i] = 1;
        son_[i] = static_cast<uint16_t>(i + T);
        prnt_[i + T] = static_cast<uint16_t>(i);
    }
    for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
        freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        son_[j] = static_cast<uint16_t>(i);
        prnt_[i] = prnt_[i + 1] = static_cast<uint16_t>(j);
    }
    freq_[T] = 0xFFFF;
    prnt_[R] = 0;
}

// A leaf's son names its symbol and has one parent entry; an internal
// node's son is the first of a pair, and both members of the pair point up.
void LzhTree::SetParentOfSon(int node) {
    const int child = son_[node];
    prnt_[child] = static_cast<uint16_t>(node);
    // For a leaf this sets its one entry again: cheaper than a branch that
    // goes either way.
    prnt_[child + (child < T ? 1 : 0)] = static_cast<uint16_t>(node);
}

void LzhTree::Reconst() {
    // Gather the leaves at the front, in their order, with halved counts.
    int j = 0;
    for (int i = 0; i < T; ++i) {
        if (son_[i] >= T) {
            freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
            son_[j] = son_[i];
            ++j;
        }
    }
    // Join pairs of nodes from the front into new nodes, each placed where
    // its count keeps the order.
    for (int i = 0, node = N_CHAR; node < T; i += 2, ++node) {
        const uint16_t f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        int k = node - 1;
        while (f < freq_[k])
            --k;
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + node, freq_.begin() + node + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + node, son_.begin() + node + 1);
        freq_[k] = f;
        son_[k] = static_cast<uint16_t>(i);
    }
    for (int i = 0; i < T; ++i)
        SetParentOfSon(i);
}

void LzhTree::UpdateFreq(int symbol) {
    if (freq_[R] == MAX_FREQ)
        Reconst();
    int c = prnt_[symbol + T];
    do {
        const unsigned k = ++freq_[c];
        // When the count has passed the next node's, the node changes place
        // with the last node of the next smaller count.
        if (k > freq_[c + 1]) {
            int l = c + 1;
            while (k > freq_[l + 1])
                ++l;
            freq_[c] = freq_[l];
            freq_[l] = static_cast<uint16_t>(k);
            std::swap(son_[c], son_[l]);
            SetParentOfSon(c);
            SetParentOfSon(l);
            c = l;
        }
        c = prnt_[c];
    } while (c != 0);
}

}  // namespace skin::lzh
