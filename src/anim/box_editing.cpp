#include "box_editing.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr int kLowest = -32768;
constexpr int kHighest = 32767;

const AirFrame* findFrame(const AirDocument& air, int action, int frame)
{
    if (action < 0 || static_cast<std::size_t>(action) >= air.actions().size())
        return nullptr;
    const auto frames = air.frames(air.actions()[static_cast<std::size_t>(action)]);
    if (frame < 0 || static_cast<std::size_t>(frame) >= frames.size())
        return nullptr;
    return &frames[static_cast<std::size_t>(frame)];
}

int kindIndex(BoxKind kind)
{
    return static_cast<int>(kind);
}

std::string lineLabel(int line)
{
    return "Line " + std::to_string(line + 1) + ": ";
}

// The block an edit of a kind's shown boxes goes to, as replaceBoxes() names it.
struct EditTarget {
    AirBlockTarget target;
    int block = -1; // -1: the frame shows no boxes of this kind
};

EditTarget shownTarget(int action, int frameIndex, const AirFrame& frame, BoxKind kind)
{
    const int k = kindIndex(kind);
    if (frame.ownBlock[k] >= 0)
        return {{action, frameIndex, kind}, frame.ownBlock[k]};
    if (frame.defaultBlock[k] >= 0)
        return {{action, -1, kind}, frame.defaultBlock[k]};
    return {{action, frameIndex, kind}, -1};
}

// replaceBoxes() rewrites an action's first default block of a kind; a later
// one (rare, and odd) is left to the text editor.
bool isFirstDefault(const AirDocument& air, int action, int block)
{
    const AirBoxBlock& b = air.blocks()[static_cast<std::size_t>(block)];
    for (const AirBoxBlock& other : air.blocks(air.actions()[static_cast<std::size_t>(action)])) {
        if (other.isDefault && other.kind == b.kind)
            return &other == &b;
    }
    return false;
}

std::vector<AirBox> boxesOfBlock(const AirDocument& air, int block)
{
    std::vector<AirBox> boxes;
    if (block < 0)
        return boxes;
    for (const AirBoxLine& line : air.boxLines(air.blocks()[static_cast<std::size_t>(block)]))
        boxes.push_back(line.box);
    return boxes;
}

Result<std::string> failure(std::string why, int line = 0)
{
    return Result<std::string>::failure(std::move(why), line);
}

// Writes `boxes` into the block of `target`; `block` is the block it replaces (-1 none).
Result<std::string> rewrite(const AirDocument& air, const AirBlockTarget& target, int block,
                            const std::vector<AirBox>& boxes)
{
    if (block >= 0) {
        const AirBoxBlock& b = air.blocks()[static_cast<std::size_t>(block)];
        if (!b.readable)
            return failure("these boxes are not written in a way the editor can rewrite; "
                           "change them in the AIR text.",
                           b.countLine + 1);
        if (b.isDefault && !isFirstDefault(air, target.action, block))
            return failure("the action has more than one default block of this kind; "
                           "change it in the AIR text.",
                           b.countLine + 1);
    }
    auto text = replaceBoxes(air, target, boxes);
    if (!text)
        return failure("The boxes could not be written.");
    return std::move(*text);
}

// Changes box `index` of the boxes of a kind a frame is shown with, and writes
// them back where they came from. `change` gets the boxes once the index is
// known to be among them.
template <typename Change>
Result<std::string> editShownBox(const AirDocument& air, int action, int frameIndex, BoxKind kind, int index,
                                 Change change)
{
    const AirFrame* frame = findFrame(air, action, frameIndex);
    if (!frame)
        return failure("There is no such frame.");
    const EditTarget t = shownTarget(action, frameIndex, *frame, kind);
    std::vector<AirBox> boxes = boxesOfBlock(air, t.block);
    if (index < 0 || static_cast<std::size_t>(index) >= boxes.size())
        return failure("There is no such box.");
    change(boxes);
    return rewrite(air, t.target, t.block, boxes);
}

// Files write boxes from the feet up ("-10, 0, 19, -80") as often as not:
// only a box written right to left is worth a warning.
bool onlyUpsideDown(const AirDocument& air, const AirProblem& problem)
{
    for (const AirBoxLine& line : air.boxLines(air.blocks()[static_cast<std::size_t>(problem.block)])) {
        if (line.line == problem.line)
            return !line.leftAfterRight;
    }
    return false;
}

} // namespace

FrameBoxes frameBoxes(const AirDocument& air, int action, int frameIndex)
{
    FrameBoxes shown;
    const AirFrame* frame = findFrame(air, action, frameIndex);
    if (!frame)
        return shown;
    std::vector<std::pair<int, std::string>> warnings;
    for (BoxKind kind : {BoxKind::Clsn1, BoxKind::Clsn2}) {
        const int k = kindIndex(kind);
        const int block = frame->ownBlock[k] >= 0 ? frame->ownBlock[k] : frame->defaultBlock[k];
        shown.block[static_cast<std::size_t>(k)] = block;
        if (block < 0)
            continue;
        const AirBoxBlock& b = air.blocks()[static_cast<std::size_t>(block)];
        for (const AirBoxLine& line : air.boxLines(b))
            shown.boxes[static_cast<std::size_t>(k)].push_back(
                {line.box, b.isDefault, line.readable, line.leftAfterRight, line.topAfterBottom, line.line});
    }
    for (const AirProblem& problem : air.problems()) {
        const bool ofFrame = problem.line == frame->line
            || (problem.block >= 0 && (problem.block == shown.block[0] || problem.block == shown.block[1]));
        if (ofFrame && !(problem.kind == AirProblemKind::BoxReversed && onlyUpsideDown(air, problem)))
            warnings.emplace_back(problem.line, lineLabel(problem.line) + describe(problem.kind));
    }
    std::ranges::stable_sort(warnings, {}, &std::pair<int, std::string>::first);
    for (auto& w : warnings)
        shown.warnings.push_back(std::move(w.second));
    return shown;
}

std::string boxListText(const AirDocument& air, BoxKind kind, int index, const ShownBox& box)
{
    if (!box.readable) {
        const std::string_view line = air.lineText(static_cast<std::size_t>(box.line));
        const auto first = line.find_first_not_of(" \t");
        return std::string(first == std::string_view::npos ? std::string_view{} : line.substr(first))
            + " (not understood)";
    }
    const AirBox& b = box.box;
    const auto [x1, x2] = box.leftAfterRight ? std::pair(b.right, b.left) : std::pair(b.left, b.right);
    const auto [y1, y2] = box.topAfterBottom ? std::pair(b.bottom, b.top) : std::pair(b.top, b.bottom);
    std::string text = std::string(kind == BoxKind::Clsn1 ? "Clsn1[" : "Clsn2[") + std::to_string(index) + "] = "
        + std::to_string(x1) + ", " + std::to_string(y1) + ", " + std::to_string(x2) + ", " + std::to_string(y2);
    if (box.fromDefault)
        text += " (default)";
    return text;
}

Result<std::string> setBox(const AirDocument& air, int action, int frameIndex, BoxKind kind, int index,
                           const AirBox& box)
{
    return editShownBox(air, action, frameIndex, kind, index, [&](std::vector<AirBox>& boxes) {
        boxes[static_cast<std::size_t>(index)] = boxBetween(box.left, box.top, box.right, box.bottom);
    });
}

Result<std::string> addBox(const AirDocument& air, int action, int frameIndex, BoxKind kind, const AirBox& box,
                           bool toDefault)
{
    const AirFrame* frame = findFrame(air, action, frameIndex);
    if (!frame)
        return failure("There is no such frame.");
    const int k = kindIndex(kind);
    int block = toDefault ? -1 : frame->ownBlock[k];
    if (toDefault) {
        for (const AirBoxBlock& b : air.blocks(air.actions()[static_cast<std::size_t>(action)])) {
            if (b.isDefault && b.kind == kind) {
                block = static_cast<int>(&b - air.blocks().data());
                break;
            }
        }
    }
    std::vector<AirBox> boxes = boxesOfBlock(air, block);
    boxes.push_back(boxBetween(box.left, box.top, box.right, box.bottom));
    return rewrite(air, {action, toDefault ? -1 : frameIndex, kind}, block, boxes);
}

Result<std::string> deleteBox(const AirDocument& air, int action, int frameIndex, BoxKind kind, int index)
{
    return editShownBox(air, action, frameIndex, kind, index,
                        [&](std::vector<AirBox>& boxes) { boxes.erase(boxes.begin() + index); });
}

Result<std::string> deleteAllBoxes(const AirDocument& air, int action, int frameIndex, BoxKind kind)
{
    const AirFrame* frame = findFrame(air, action, frameIndex);
    if (!frame)
        return failure("There is no such frame.");
    const EditTarget t = shownTarget(action, frameIndex, *frame, kind);
    if (t.block < 0)
        return failure("The frame has no boxes of this kind.");
    return rewrite(air, t.target, t.block, {});
}

Result<std::string> copyPreviousBoxes(const AirDocument& air, int action, int frameIndex)
{
    const AirFrame* frame = findFrame(air, action, frameIndex);
    const AirFrame* previous = findFrame(air, action, frameIndex - 1);
    if (!frame || !previous)
        return failure("There is no previous frame.");
    std::string text = air.text();
    bool changed = false;
    for (BoxKind kind : {BoxKind::Clsn1, BoxKind::Clsn2}) {
        const AirDocument now = AirDocument::parse(text);
        const FrameBoxes from = frameBoxes(now, action, frameIndex - 1);
        const FrameBoxes to = frameBoxes(now, action, frameIndex);
        const auto k = static_cast<std::size_t>(kindIndex(kind));
        std::vector<AirBox> wanted, have;
        for (const ShownBox& b : from.boxes[k]) {
            if (b.readable)
                wanted.push_back(b.box);
        }
        for (const ShownBox& b : to.boxes[k])
            have.push_back(b.box);
        if (wanted == have)
            continue;
        const AirFrame& f =
            now.frames(now.actions()[static_cast<std::size_t>(action)])[static_cast<std::size_t>(frameIndex)];
        Result<std::string> r = rewrite(now, {action, frameIndex, kind}, f.ownBlock[k], wanted);
        if (!r)
            return r;
        changed = changed || *r != text;
        text = std::move(*r);
    }
    if (!changed)
        return failure("The frame already shows the boxes of the previous frame.");
    return text;
}

BoxGrip gripAt(const AirBox& box, double x, double y, double slack)
{
    const bool nearLeft = std::abs(x - box.left) <= slack;
    const bool nearRight = std::abs(x - box.right) <= slack;
    const bool nearTop = std::abs(y - box.top) <= slack;
    const bool nearBottom = std::abs(y - box.bottom) <= slack;
    const bool withinX = x >= box.left - slack && x <= box.right + slack;
    const bool withinY = y >= box.top - slack && y <= box.bottom + slack;
    if (!withinX || !withinY)
        return BoxGrip::None;
    // On a box thinner than two grips, the nearer side wins.
    const bool left = nearLeft && (!nearRight || std::abs(x - box.left) < std::abs(x - box.right));
    const bool right = nearRight && !left;
    const bool top = nearTop && (!nearBottom || std::abs(y - box.top) < std::abs(y - box.bottom));
    const bool bottom = nearBottom && !top;
    if (top && left)
        return BoxGrip::TopLeft;
    if (top && right)
        return BoxGrip::TopRight;
    if (bottom && left)
        return BoxGrip::BottomLeft;
    if (bottom && right)
        return BoxGrip::BottomRight;
    if (left)
        return BoxGrip::Left;
    if (right)
        return BoxGrip::Right;
    if (top)
        return BoxGrip::Top;
    if (bottom)
        return BoxGrip::Bottom;
    return BoxGrip::Inside;
}

AirBox boxBetween(int x0, int y0, int x1, int y1)
{
    const auto c = [](int v) { return std::clamp(v, kLowest, kHighest); };
    return {c(std::min(x0, x1)), c(std::min(y0, y1)), c(std::max(x0, x1)), c(std::max(y0, y1))};
}

AirBox dragBox(const AirBox& box, BoxGrip grip, int dx, int dy)
{
    if (grip == BoxGrip::Inside) {
        // A move keeps the size: at the limits the box stops.
        dx = std::clamp(dx, kLowest - box.left, kHighest - box.right);
        dy = std::clamp(dy, kLowest - box.top, kHighest - box.bottom);
        return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
    }
    int left = box.left, top = box.top, right = box.right, bottom = box.bottom;
    const bool movesLeft = grip == BoxGrip::Left || grip == BoxGrip::TopLeft || grip == BoxGrip::BottomLeft;
    const bool movesRight = grip == BoxGrip::Right || grip == BoxGrip::TopRight || grip == BoxGrip::BottomRight;
    const bool movesTop = grip == BoxGrip::Top || grip == BoxGrip::TopLeft || grip == BoxGrip::TopRight;
    const bool movesBottom = grip == BoxGrip::Bottom || grip == BoxGrip::BottomLeft || grip == BoxGrip::BottomRight;
    if (movesLeft)
        left += dx;
    if (movesRight)
        right += dx;
    if (movesTop)
        top += dy;
    if (movesBottom)
        bottom += dy;
    return boxBetween(left, top, right, bottom);
}

} // namespace vantrel
