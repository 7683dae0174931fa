// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controls/text_room.h"

#include <algorithm>
#include <numeric>

namespace qz5 {

namespace {

// From `at` on, everything moves by at least `shift`.
struct Step {
    int at;
    int shift;
};

int shiftAt(const std::vector<Step>& steps, int position) {
    int shift = 0;
    for (const Step& step : steps) {
        if (step.at <= position) {
            shift = std::max(shift, step.shift);
        }
    }
    return shift;
}

// One axis: each rect's near edge, length and the length its text needs.
struct Span {
    int start;
    int length;
    int needed;
    int end() const { return start + length; }
};

std::vector<Step> steps(const std::vector<Span>& spans) {
    std::vector<std::size_t> order(spans.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // A rect's own start moves first, by the overflows that end before it.
    std::sort(order.begin(), order.end(),
              [&spans](std::size_t a, std::size_t b) { return spans[a].end() < spans[b].end(); });
    std::vector<Step> found;
    for (const std::size_t i : order) {
        if (const int overflow = spans[i].needed - spans[i].length; overflow > 0) {
            found.push_back({spans[i].end(), shiftAt(found, spans[i].start) + overflow});
        }
    }
    return found;
}

int largest(const std::vector<Step>& found) {
    int shift = 0;
    for (const Step& step : found) {
        shift = std::max(shift, step.shift);
    }
    return shift;
}

}  // namespace

TextRoom roomForTexts(const std::vector<QRect>& rects, const std::vector<QSize>& needed) {
    std::vector<Span> across;
    std::vector<Span> down;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const QSize need = i < needed.size() ? needed[i] : QSize();
        across.push_back({rects[i].x(), rects[i].width(), need.width()});
        down.push_back({rects[i].y(), rects[i].height(), need.height()});
    }
    const std::vector<Step> columns = steps(across);
    const std::vector<Step> rows = steps(down);
    TextRoom room{.rects = {}, .growth = QSize(largest(columns), largest(rows))};
    for (const QRect& rect : rects) {
        const int left = rect.x() + shiftAt(columns, rect.x());
        const int top = rect.y() + shiftAt(rows, rect.y());
        const int right = rect.x() + rect.width() + shiftAt(columns, rect.x() + rect.width());
        const int bottom = rect.y() + rect.height() + shiftAt(rows, rect.y() + rect.height());
        room.rects.emplace_back(left, top, right - left, bottom - top);
    }
    return room;
}

}  // namespace qz5
