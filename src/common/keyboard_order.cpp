#include "common/keyboard_order.h"

#include <algorithm>
#include <numeric>

namespace {

// A group box's caption line: what stands beside its top edge.
Box orderBox(const OrderedControl& c) {
    Box box = c.box;
    if (c.frame) box.height = std::min(box.height, 16);
    return box;
}

unsigned char upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    // the Latin-1 lower-case letters of the ANSI code page (ä, ö, ü ...),
    // but not the division sign or ÿ
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    return c;
}

}  // namespace

std::vector<int> readingOrder(const std::vector<OrderedControl>& controls) {
    std::vector<int> byTop(controls.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) {
        const Box ba = orderBox(controls[a]), bb = orderBox(controls[b]);
        return ba.y != bb.y ? ba.y < bb.y : ba.x < bb.x;
    });

    std::vector<int> rows;  // reading order, radio sets not yet together
    for (std::size_t start = 0; start < byTop.size();) {
        const Box first = orderBox(controls[byTop[start]]);
        const int middle = first.y + first.height / 2;
        std::size_t end = start + 1;
        while (end < byTop.size() && orderBox(controls[byTop[end]]).y < middle) ++end;
        std::stable_sort(byTop.begin() + static_cast<long>(start),
                         byTop.begin() + static_cast<long>(end),
                         [&](int a, int b) { return controls[a].box.x < controls[b].box.x; });
        rows.insert(rows.end(), byTop.begin() + static_cast<long>(start),
                    byTop.begin() + static_cast<long>(end));
        start = end;
    }

    std::vector<int> order;
    std::vector<bool> placed(controls.size(), false);
    for (int index : rows) {
        if (placed[index]) continue;
        const int set = controls[index].radioSet;
        for (int other : rows)
            if (other == index || (set >= 0 && controls[other].radioSet == set)) {
                if (placed[other]) continue;
                placed[other] = true;
                order.push_back(other);
            }
    }
    return order;
}

std::optional<unsigned char> mnemonicOf(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return upper(static_cast<unsigned char>(text[i + 1]));
    }
    return std::nullopt;
}

MnemonicChoice chooseMnemonic(const std::vector<bool>& hasLetter, int focus) {
    const int count = static_cast<int>(hasLetter.size());
    std::vector<int> carriers;
    for (int i = 0; i < count; ++i)
        if (hasLetter[static_cast<std::size_t>(i)]) carriers.push_back(i);
    if (carriers.empty()) return {};
    if (carriers.size() == 1) return {carriers[0], true};
    for (int step = 1; step <= count; ++step) {
        const int i = ((focus < 0 ? -1 : focus) + step) % count;
        if (hasLetter[static_cast<std::size_t>(i)]) return {i, false};
    }
    return {carriers[0], false};
}
