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

// The frame's client rectangle in its parent's client coordinates.
bool ClientInParent(const ImageFrame* frame, RECT* box) {
  if (frame->window == nullptr || frame->parent == nullptr || frame->parent->window == nullptr) return false;
  if (!GetClientRect(frame->window, box)) return false;
  MapWindowPoints(frame->window, frame->parent->window, reinterpret_cast<POINT*>(box), 2);
  return true;
}

// Paints the frames through one device context per parent window rather
// than one per frame: each context of a window the library asks for costs a
// request for its visible region. The parent's context spans its children;
// each frame is drawn with its client rectangle as origin and clip, so the
// pixels are those its own context would give.
void PaintThroughParents(const std::vector<ImageFrame*>& frames) {
  HWND parentWindow = nullptr;
  HDC parentDC = nullptr;
  for (ImageFrame* frame : frames) {
    RECT box = {};
    if (!IsWindowVisible(frame->window) || !ClientInParent(frame, &box)) {
      frame->PaintNow();
      continue;
    }
    if (frame->parent->window != parentWindow) {
      if (parentDC != nullptr) ReleaseDC(parentWindow, parentDC);
      parentWindow = frame->parent->window;
      // Clipped as the parent clips itself, but not by its children.
      const bool clipSiblings = (GetWindowLongW(parentWindow, GWL_STYLE) & WS_CLIPSIBLINGS) != 0;
      parentDC = GetDCEx(parentWindow, nullptr, DCX_CACHE | (clipSiblings ? DCX_CLIPSIBLINGS : 0));
    }
    if (parentDC == nullptr) {
      frame->PaintNow();
      continue;
    }
    const int saved = SaveDC(parentDC);
    IntersectClipRect(parentDC, box.left, box.top, box.right, box.bottom);
    SetViewportOrgEx(parentDC, box.left, box.top, nullptr);
    frame->PaintWith(parentDC);
    RestoreDC(parentDC, saved);
  }
  if (parentDC != nullptr) ReleaseDC(parentWindow, parentDC);
}

}  // namespace

void ScheduleFramePaint(ImageFrame* frame) {
  if (frame == nullptr || frame->window == nullptr || frame->paintScheduled) return;
  // A frame that cannot show now (hidden, or on a window not shown yet) is
  // painted whole when it shows; asking for a paint now would be a request
  // to the window server for nothing.
  if (!IsWindowVisible(frame->window)) return;
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
  std::vector<ImageFrame*> unpainted;
  for (ImageFrame* frame : batch)
    if (frame != alreadyPainted) unpainted.push_back(frame);
  PaintThroughParents(unpainted);
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
  std::vector<ImageFrame*> frames;
  for (GUIElement* child : ChildrenOf(parent->window)) {
    RECT box = {};
    if (!RectangleInParent(child, &box) || !IsWindowVisible(child->window) || !RectInRegion(area, &box)) continue;
    auto* frame = dynamic_cast<ImageFrame*>(child);
    if (frame == nullptr) {
      others.push_back(box);
      continue;
    }
    frames.push_back(frame);
    HRGN one = TrackGdi(CreateRectRgnIndirect(&box));
    CombineRgn(painted, painted, one, RGN_OR);
    ReleaseGdiObject(one);
  }
  PaintThroughParents(frames);
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
