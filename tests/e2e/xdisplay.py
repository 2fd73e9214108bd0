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
_xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
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
