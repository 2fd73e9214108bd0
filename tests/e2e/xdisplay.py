"""The X display spoken to directly with libX11 and its XTest extension.

A read of the screen takes a few milliseconds and a click needs no helper
process; a screenshot tool or an xdotool click each cost a tenth of a second
or more, which adds up over the hundreds of presses of a long game run.
"""
import ctypes
import ctypes.util
import os
import time

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")


class _XImage(ctypes.Structure):
    # The leading members of Xlib's XImage, as far as they are read here.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XDefaultScreen.argtypes = [ctypes.c_void_p]
_x11.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XGetImage.restype = ctypes.POINTER(_XImage)
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_ulong]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
_xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

class _XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int), ("height", ctypes.c_int),
                ("border_width", ctypes.c_int), ("depth", ctypes.c_int), ("visual", ctypes.c_void_p),
                ("root", ctypes.c_ulong), ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
                ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
                ("backing_planes", ctypes.c_ulong), ("backing_pixel", ctypes.c_ulong),
                ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


_x11.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
                            ctypes.POINTER(ctypes.c_uint)]
_x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(_XWindowAttributes)]
_x11.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                       ctypes.c_int, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                       ctypes.POINTER(ctypes.c_ulong)]
_x11.XInternAtom.restype = ctypes.c_ulong
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long,
                                    ctypes.c_long, ctypes.c_int, ctypes.c_ulong,
                                    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
                                    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong),
                                    ctypes.POINTER(ctypes.c_void_p)]
_x11.XGetInputFocus.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int)]
_x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
_x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
_x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
_x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                        ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
_x11.XSetErrorHandler.restype = ctypes.c_void_p
_x11.XSetErrorHandler.argtypes = [_ERROR_HANDLER]


@_ERROR_HANDLER
def _ignore_error(display, event):
    # A window listed by XQueryTree may be destroyed before its name or
    # attributes are read; the call then fails with BadWindow. Xlib's default
    # handler would end this process (xdotool's search, which has no handler
    # of its own in Debian 12, exits reporting no window at all). Here the
    # failed call returns its failure status and the window is skipped.
    return 0


_x11.XSetErrorHandler(_ignore_error)
_IS_VIEWABLE = 2
_ANY_PROPERTY_TYPE = 0
_ALL_PLANES = 0xFFFFFFFF
_Z_PIXMAP = 2
_LSB_FIRST = 0


def bgrx_to_rgb(bgrx):
    """Screen bytes (blue, green, red, unused per pixel) as red, green, blue."""
    out = bytearray(len(bgrx) // 4 * 3)
    out[0::3], out[1::3], out[2::3] = bgrx[2::4], bgrx[1::4], bgrx[0::4]
    return bytes(out)


class XDisplay:
    """One connection to the display named by $DISPLAY."""

    def __init__(self, name=None):
        self.name = name if name is not None else os.environ.get("DISPLAY", "")
        self.handle = _x11.XOpenDisplay(self.name.encode())
        if not self.handle:
            raise RuntimeError(f"cannot open the X display {self.name!r}")
        self.root = _x11.XDefaultRootWindow(self.handle)
        screen = _x11.XDefaultScreen(self.handle)
        self.width = _x11.XDisplayWidth(self.handle, screen)
        self.height = _x11.XDisplayHeight(self.handle, screen)

    def image(self, left, top, width, height):
        """A rectangle of the screen as rows of 4 * width bytes: blue, green,
        red and an unused byte per pixel."""
        # A rectangle off the screen is an X protocol error, which would end
        # this process from inside Xlib.
        if left < 0 or top < 0 or width <= 0 or height <= 0 or left + width > self.width \
                or top + height > self.height:
            raise ValueError(f"{left},{top} {width}x{height} is not on the {self.width}x{self.height} screen")
        image = _x11.XGetImage(self.handle, self.root, left, top, width, height, _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError(f"cannot read the screen at {left},{top} {width}x{height}")
        try:
            info = image.contents
            if info.bits_per_pixel != 32 or info.byte_order != _LSB_FIRST:
                raise RuntimeError("expected a 24-bit display with 32 bits per pixel, low byte first")
            data = ctypes.string_at(info.data, info.bytes_per_line * height)
            if info.bytes_per_line == 4 * width:
                return data
            return b"".join(data[y * info.bytes_per_line:y * info.bytes_per_line + 4 * width]
                            for y in range(height))
        finally:
            # What XDestroyImage does for an image of XGetImage.
            _x11.XFree(info.data)
            _x11.XFree(image)

    def click(self, x, y, button=1):
        """Moves the pointer to a screen point and presses and releases a
        button there, as the hardware would."""
        _xtst.XTestFakeMotionEvent(self.handle, -1, x, y, 0)
        _x11.XSync(self.handle, 0)
        # Give the program the motion before the press, as a hand would.
        time.sleep(0.02)
        _xtst.XTestFakeButtonEvent(self.handle, button, 1, 0)
        _xtst.XTestFakeButtonEvent(self.handle, button, 0, 0)
        _x11.XSync(self.handle, 0)

    def top_windows(self):
        """Every top-level window shown on the screen now, bottom to top, as
        (window id, title, (left, top, width, height)). Without a window
        manager every top-level window is a child of the root window."""
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not _x11.XQueryTree(self.handle, self.root, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            raise RuntimeError("cannot list the windows of the display")
        try:
            ids = [children[i] for i in range(count.value)]
        finally:
            if children:
                _x11.XFree(children)
        shown = []
        for xid in ids:
            geometry = self.geometry(xid)
            if geometry is not None:
                shown.append((xid, self.title(xid), geometry))
        return shown

    def geometry(self, xid):
        """(left, top, width, height) of a window on the screen, or None when
        it is not shown (unmapped, or destroyed meanwhile)."""
        attributes = _XWindowAttributes()
        if not _x11.XGetWindowAttributes(self.handle, xid, ctypes.byref(attributes)):
            return None
        if attributes.map_state != _IS_VIEWABLE:
            return None
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        if not _x11.XTranslateCoordinates(self.handle, xid, self.root, 0, 0, ctypes.byref(x), ctypes.byref(y),
                                          ctypes.byref(child)):
            return None
        return x.value, y.value, attributes.width, attributes.height

    def title(self, xid):
        """The window's title: _NET_WM_NAME (UTF-8), else WM_NAME (Latin-1);
        empty when it has none or is gone."""
        for name, encoding in (("_NET_WM_NAME", "utf-8"), ("WM_NAME", "latin-1")):
            value = self._property(xid, name)
            if value:
                return value.decode(encoding, "replace")
        return ""

    def _property(self, xid, name):
        atom = _x11.XInternAtom(self.handle, name.encode(), 0)
        kind, size, items, left = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.c_void_p()
        status = _x11.XGetWindowProperty(self.handle, xid, atom, 0, 4096, 0, _ANY_PROPERTY_TYPE,
                                         ctypes.byref(kind), ctypes.byref(size), ctypes.byref(items),
                                         ctypes.byref(left), ctypes.byref(data))
        if status != 0 or not data:
            return b""
        try:
            return ctypes.string_at(data, items.value) if size.value == 8 else b""
        finally:
            _x11.XFree(data)

    def focus(self):
        """The window that has the keyboard focus (0 when none)."""
        window, revert = ctypes.c_ulong(), ctypes.c_int()
        _x11.XGetInputFocus(self.handle, ctypes.byref(window), ctypes.byref(revert))
        return window.value

    def top_level_of(self, xid):
        """The root's child that holds a window (the window itself for a
        top-level one); 0 when the window is the root, none, or gone."""
        while xid not in (0, 1, self.root):  # 1 is PointerRoot
            root, parent = ctypes.c_ulong(), ctypes.c_ulong()
            children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
            if not _x11.XQueryTree(self.handle, xid, ctypes.byref(root), ctypes.byref(parent),
                                   ctypes.byref(children), ctypes.byref(count)):
                return 0
            if children:
                _x11.XFree(children)
            if parent.value == self.root:
                return xid
            xid = parent.value
        return 0

    def keyboard_map(self):
        """{keycode: [keysyms]} of the display's keyboard now."""
        low, high = ctypes.c_int(), ctypes.c_int()
        _x11.XDisplayKeycodes(self.handle, ctypes.byref(low), ctypes.byref(high))
        per_code = ctypes.c_int()
        count = high.value - low.value + 1
        syms = _x11.XGetKeyboardMapping(self.handle, low.value, count, ctypes.byref(per_code))
        try:
            return {low.value + i: [syms[i * per_code.value + j] for j in range(per_code.value)]
                    for i in range(count)}
        finally:
            _x11.XFree(syms)

    @staticmethod
    def keysym_of(character):
        """Latin-1 characters have keysyms of their own value; any other
        character has the Unicode keysym."""
        point = ord(character)
        return point if 0x20 <= point <= 0xFF else 0x01000000 | point

    def add_keys(self, text):
        """Gives every character of `text` that no key of the keyboard types a
        spare key of its own, for type_keys. (xdotool instead borrows a key
        for such a character and gives it back right after the press, and a
        program that reads the press after the keyboard has changed back sees
        another letter or none.) A program started after this knows the keys
        from its start."""
        mapping = self.keyboard_map()
        present = {sym for syms in mapping.values() for sym in syms[:2]}
        # The lowest spare keys: Wine 8 turns presses of spare keys 8 to 103
        # into characters, and drops those of keys above 200.
        spare = [code for code, syms in sorted(mapping.items()) if not any(syms)]
        for character in dict.fromkeys(text):
            keysym = self.keysym_of(character)
            if keysym in present:
                continue
            if not spare:
                raise RuntimeError("no spare key left on the keyboard")
            both_levels = (ctypes.c_ulong * 2)(keysym, keysym)
            _x11.XChangeKeyboardMapping(self.handle, spare.pop(0), 2, both_levels, 1)
            present.add(keysym)
        _x11.XSync(self.handle, 0)

    def type_keys(self, text, delay=0.04):
        """Presses and releases, for each character, the key that types it
        (with Shift where the character is on the key's second level); every
        character must be on a key already (add_keys)."""
        mapping = self.keyboard_map()
        shift = next(code for code, syms in mapping.items() if syms and syms[0] == 0xFFE1)  # Shift_L
        for character in text:
            keysym = self.keysym_of(character)
            found = next(((code, level) for code, syms in sorted(mapping.items()) for level in (0, 1)
                          if len(syms) > level and syms[level] == keysym), None)
            if found is None:
                raise RuntimeError(f"no key types {character!r}")
            code, level = found
            if level:
                _xtst.XTestFakeKeyEvent(self.handle, shift, 1, 0)
            _xtst.XTestFakeKeyEvent(self.handle, code, 1, 0)
            _xtst.XTestFakeKeyEvent(self.handle, code, 0, 0)
            if level:
                _xtst.XTestFakeKeyEvent(self.handle, shift, 0, 0)
            _x11.XSync(self.handle, 0)
            time.sleep(delay)

    def close(self):
        if self.handle:
            _x11.XCloseDisplay(self.handle)
            self.handle = None


_shared = None


def shared_display():
    """The process's connection to $DISPLAY, opened on first use (and again
    if $DISPLAY has changed since)."""
    global _shared
    if _shared is None or _shared.name != os.environ.get("DISPLAY", ""):
        if _shared is not None:
            _shared.close()
        _shared = XDisplay()
    return _shared


class ScreenArea:
    """One rectangle of the screen read again and again on a connection of
    its own, so that a program's first paint can be timed by polling."""

    def __init__(self, left, top, width, height):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.display = XDisplay()
        self.stride = 4 * width

    def read(self):
        """The rectangle's pixels now: rows of blue, green, red, unused bytes."""
        return self.display.image(self.left, self.top, self.width, self.height)

    def pixel(self, data, x, y):
        """The (red, green, blue) of a point of the rectangle in `data`."""
        at = y * self.stride + 4 * x
        return data[at + 2], data[at + 1], data[at]

    def row(self, data, x, y, width):
        """`width` pixels of row y from x, as bytes of `data`."""
        at = y * self.stride + 4 * x
        return data[at:at + 4 * width]

    def close(self):
        self.display.close()
