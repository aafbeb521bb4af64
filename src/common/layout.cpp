#include "common/layout.h"

#include <algorithm>

namespace {

// What each kind needs around its text at 96 DPI, as the controls of
// Windows 95 to 11 draw it: width, height.
struct Room {
    int width, height;
};
Room roomAround(Fit fit) {
    switch (fit) {
    case Fit::Check: return {20, 0};   // the 13-pixel mark, the gap, the focus frame
    case Fit::Push: return {12, 6};    // the raised frame and the focus frame
    case Fit::Group: return {16, 0};   // the caption's indent on either side
    case Fit::Edit: return {8, 2};     // the border and the margins
    case Fit::Combo: return {26, 0};   // the arrow button; the system sets the height
    case Fit::Picker: return {28, 4};  // the drop-down or spin button
    default: return {0, 0};
    }
}

bool holdsText(Fit fit) { return fit != Fit::None && fit != Fit::Frame; }
bool holdsOthers(Fit fit) { return fit == Fit::Group || fit == Fit::Frame; }

bool shownTogether(const LayoutItem& a, const LayoutItem& b) {
    return a.page < 0 || b.page < 0 || a.page == b.page;
}

bool overlap(int a0, int a1, int b0, int b1) { return a0 < b1 && b0 < a1; }

bool inside(const Box& inner, const Box& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// The places in the window's client area: each relative place scaled, plus
// its parent's. The edges are scaled, not the sizes, so that controls that
// touch at 96 DPI still touch, and do not overlap, once rounded.
std::vector<Box> placesInWindow(const std::vector<LayoutItem>& items, int dpi) {
    std::vector<Box> places(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Box& b = items[i].box;
        const int x = scaledToDpi(b.x, dpi), y = scaledToDpi(b.y, dpi);
        places[i] = {x, y, scaledToDpi(b.right(), dpi) - x, scaledToDpi(b.bottom(), dpi) - y};
        const int p = items[i].parent;
        if (p >= 0 && static_cast<std::size_t>(p) < i) {
            places[i].x += places[p].x;
            places[i].y += places[p].y;
        }
    }
    return places;
}

// The group box or tab strip each item lies in (the smallest one), -1 for
// none: items move only within their own holder, and a holder takes its
// contents along.
std::vector<int> holders(const std::vector<LayoutItem>& items, const std::vector<Box>& start) {
    std::vector<int> holder(items.size(), -1);
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t h = 0; h < items.size(); ++h) {
            if (h == i || !holdsOthers(items[h].fit) || !shownTogether(items[h], items[i]) ||
                !inside(start[i], start[h]))
                continue;
            const int current = holder[i];
            if (current < 0 || start[h].width * start[h].height <
                                   start[current].width * start[current].height)
                holder[i] = static_cast<int>(h);
        }
    return holder;
}

// The room kept between an item and the far edge of what holds it: as it
// was, but no more than the margin once the item has grown into it.
int keptGap(int gapAtStart, int margin) { return std::clamp(gapAtStart, 0, margin); }

}  // namespace

int scaledToDpi(int value, int dpi) {
    const long long product = static_cast<long long>(value) * dpi;
    return static_cast<int>((product + (product >= 0 ? 48 : -48)) / 96);
}

Layout layOut(const std::vector<LayoutItem>& items, int dpi, int clientWidth, int clientHeight) {
    const std::size_t n = items.size();
    const std::vector<Box> start = placesInWindow(items, dpi);
    const std::vector<int> holder = holders(items, start);
    const int margin = scaledToDpi(8, dpi);
    std::vector<Box> box = start;

    for (std::size_t i = 0; i < n; ++i) {
        if (!holdsText(items[i].fit)) continue;
        const Room room = roomAround(items[i].fit);
        box[i].width = std::max(box[i].width, items[i].textWidth + scaledToDpi(room.width, dpi));
        if (items[i].fit != Fit::Combo && items[i].fit != Fit::Group)
            box[i].height =
                std::max(box[i].height, items[i].textHeight + scaledToDpi(room.height, dpi));
    }

    // moving a holder moves what lies in it
    auto move = [&](std::size_t i, int dx, int dy, auto& self) -> void {
        box[i].x += dx;
        box[i].y += dy;
        for (std::size_t k = 0; k < n; ++k)
            if (holder[k] == static_cast<int>(i)) self(k, dx, dy, self);
    };

    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t a = 0; a < n; ++a)
            for (std::size_t b = 0; b < n; ++b) {
                if (a == b || holder[a] != holder[b] || !shownTogether(items[a], items[b])) continue;
                // b to the right of a on a row keeps the gap it had
                if (start[b].x >= start[a].right() &&
                    overlap(start[a].y, start[a].bottom(), start[b].y, start[b].bottom())) {
                    const int needed = box[a].right() + start[b].x - start[a].right();
                    if (box[b].x < needed) {
                        move(b, needed - box[b].x, 0, move);
                        moved = true;
                    }
                }
                // b below a in a column too
                if (start[b].y >= start[a].bottom() &&
                    overlap(start[a].x, start[a].right(), start[b].x, start[b].right())) {
                    const int needed = box[a].bottom() + start[b].y - start[a].bottom();
                    if (box[b].y < needed) {
                        move(b, 0, needed - box[b].y, move);
                        moved = true;
                    }
                }
            }
        for (std::size_t i = 0; i < n; ++i) {
            const int h = holder[i];
            if (h < 0) continue;
            const int right = box[i].right() + keptGap(start[h].right() - start[i].right(), margin);
            const int bottom =
                box[i].bottom() + keptGap(start[h].bottom() - start[i].bottom(), margin);
            if (right > box[h].right() || bottom > box[h].bottom()) {
                box[h].width = std::max(box[h].width, right - box[h].x);
                box[h].height = std::max(box[h].height, bottom - box[h].y);
                moved = true;
            }
        }
    }

    Layout layout;
    layout.clientWidth = scaledToDpi(clientWidth, dpi);
    layout.clientHeight = scaledToDpi(clientHeight, dpi);
    const int scaledWidth = layout.clientWidth, scaledHeight = layout.clientHeight;
    for (std::size_t i = 0; i < n; ++i) {
        if (holder[i] >= 0) continue;
        layout.clientWidth = std::max(
            layout.clientWidth, box[i].right() + keptGap(scaledWidth - start[i].right(), margin));
        layout.clientHeight =
            std::max(layout.clientHeight,
                     box[i].bottom() + keptGap(scaledHeight - start[i].bottom(), margin));
    }
    // back into each parent's own client area
    layout.boxes = box;
    for (std::size_t i = 0; i < n; ++i) {
        const int p = items[i].parent;
        if (p < 0 || static_cast<std::size_t>(p) >= i) continue;
        layout.boxes[i].x -= box[p].x;
        layout.boxes[i].y -= box[p].y;
    }
    return layout;
}

Box keptInside(Box window, const Box& area) {
    window.x = std::max(area.x, std::min(window.x, area.right() - window.width));
    window.y = std::max(area.y, std::min(window.y, area.bottom() - window.height));
    return window;
}
