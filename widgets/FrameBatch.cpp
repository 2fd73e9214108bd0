#include "widgets/FrameBatch.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "widgets/GdiCount.h"
#include "widgets/ImageFrame.h"

namespace Tarvex {

namespace {

// In the order the frames changed; the front one carries the invalidation
// that brings the batch its paint.
std::vector<ImageFrame*> waiting;

void Invalidate(ImageFrame* frame) { InvalidateRect(frame->window, nullptr, FALSE); }

}  // namespace

void ScheduleFramePaint(ImageFrame* frame) {
  if (frame == nullptr || frame->window == nullptr || frame->paintScheduled) return;
  if (!IsWindowVisible(frame->window)) {
    Invalidate(frame);
    return;
  }
  frame->paintScheduled = true;
  waiting.push_back(frame);
  if (waiting.size() == 1) Invalidate(frame);
}

void PaintScheduledFrames(ImageFrame* alreadyPainted) {
  if (waiting.empty()) return;
  // Taken first: a paint callback may change tiles again, which starts a
  // batch of its own.
  std::vector<ImageFrame*> batch;
  batch.swap(waiting);
  for (ImageFrame* frame : batch) frame->paintScheduled = false;
  for (ImageFrame* frame : batch)
    if (frame != alreadyPainted) frame->PaintNow();
  // The invalidation that was to bring this paint is answered now.
  ImageFrame* invalidated = batch.front();
  if (invalidated != alreadyPainted && IsWindow(invalidated->window)) ValidateRect(invalidated->window, nullptr);
}

void ForgetScheduledFrame(ImageFrame* frame) {
  auto at = std::find(waiting.begin(), waiting.end(), frame);
  if (at == waiting.end()) return;
  const bool wasInvalidated = at == waiting.begin();
  waiting.erase(at);
  frame->paintScheduled = false;
  if (wasInvalidated && !waiting.empty()) Invalidate(waiting.front());
}

bool RectangleInParent(const GUIElement* child, RECT* box) {
  if (child == nullptr || child->window == nullptr || child->parent == nullptr || child->parent->window == nullptr)
    return false;
  if (!GetWindowRect(child->window, box)) return false;
  MapWindowPoints(nullptr, child->parent->window, reinterpret_cast<POINT*>(box), 2);
  return true;
}

void PaintFramesIn(GUIElement* parent, HRGN area) {
  if (parent == nullptr || parent->window == nullptr || area == nullptr) return;
  PaintScheduledFrames();
  HRGN painted = TrackGdi(CreateRectRgn(0, 0, 0, 0));
  if (painted == nullptr) return;
  std::vector<RECT> others;
  for (GUIElement* child : ChildrenOf(parent->window)) {
    RECT box = {};
    if (!RectangleInParent(child, &box) || !IsWindowVisible(child->window) || !RectInRegion(area, &box)) continue;
    auto* frame = dynamic_cast<ImageFrame*>(child);
    if (frame == nullptr) {
      others.push_back(box);
      continue;
    }
    frame->PaintNow();
    HRGN one = TrackGdi(CreateRectRgnIndirect(&box));
    CombineRgn(painted, painted, one, RGN_OR);
    ReleaseGdiObject(one);
  }
  // Any other child over a frame keeps its own update region.
  for (const RECT& box : others) {
    HRGN one = TrackGdi(CreateRectRgnIndirect(&box));
    CombineRgn(painted, painted, one, RGN_DIFF);
    ReleaseGdiObject(one);
  }
  // The parent itself is already painted there; the frames now too.
  RedrawWindow(parent->window, nullptr, painted, RDW_VALIDATE | RDW_ALLCHILDREN);
  ReleaseGdiObject(painted);
}

}  // namespace Tarvex
