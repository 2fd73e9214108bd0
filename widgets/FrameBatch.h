#pragma once
// Frames whose tile changed and that still show the old one. Under Wine a
// child window's paint message costs several requests to the window server
// and a pass of the message loop whatever it draws, so a cascade that
// changes a hundred frames, painted a message each, takes tens of
// milliseconds. Here only the first frame of a batch is invalidated; its
// paint (or any frame's) paints every waiting frame with it, each through
// its own device context, in the same pass.
#include <windows.h>

namespace Tarvex {

class GUIElement;
class ImageFrame;

// Adds a created frame to the batch; the first one is invalidated. A frame
// not visible now is left out: it is painted when it shows.
void ScheduleFramePaint(ImageFrame* frame);
// Paints every waiting frame but `alreadyPainted` (a frame whose own paint
// message is running) and empties the batch.
void PaintScheduledFrames(ImageFrame* alreadyPainted = nullptr);
// Takes a frame out of the batch (its window or element is going); when it
// was the one invalidated, the next waiting frame is invalidated instead.
void ForgetScheduledFrame(ImageFrame* frame);

// For a parent that paints its background over its children (it has no
// WS_CLIPCHILDREN): paints at once every visible frame among its children
// that touches `area` (its update region, in its client coordinates) and
// validates them together in one request, rather than one paint message
// each. Call it after the background is painted.
void PaintFramesIn(GUIElement* parent, HRGN area);
// A child's window rectangle in its parent's client coordinates; false when
// either has no window.
bool RectangleInParent(const GUIElement* child, RECT* box);

}  // namespace Tarvex
