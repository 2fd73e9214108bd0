"""A rectangle of the X screen read straight from the server with libX11,
a few milliseconds a read, so that a program's first paint can be timed by
polling (a screenshot tool takes ten times as long)."""
import ctypes
import ctypes.util

_x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = ctypes.c_ulong
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XGetImage.restype = ctypes.POINTER(_XImage)
_x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                           ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_ALL_PLANES = 0xFFFFFFFF
_Z_PIXMAP = 2


class ScreenArea:
    """One rectangle of the root window (on the display of $DISPLAY)."""

    def __init__(self, left, top, width, height):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.display = _x11.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("cannot open the X display")
        self.root = _x11.XDefaultRootWindow(self.display)
        self.stride = None
        self.read()

    def read(self):
        """The rectangle's pixels now: rows of blue, green, red, unused bytes."""
        image = _x11.XGetImage(self.display, self.root, self.left, self.top, self.width, self.height,
                               _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError("XGetImage failed")
        try:
            if image.contents.bits_per_pixel != 32:
                raise RuntimeError("expected a 24-bit display with 32 bits per pixel")
            self.stride = image.contents.bytes_per_line
            return ctypes.string_at(image.contents.data, self.stride * self.height)
        finally:
            # What XDestroyImage does for an image of XGetImage.
            _x11.XFree(image.contents.data)
            _x11.XFree(image)

    def pixel(self, data, x, y):
        """The (red, green, blue) of a point of the rectangle in `data`."""
        at = y * self.stride + 4 * x
        return data[at + 2], data[at + 1], data[at]

    def row(self, data, x, y, width):
        """`width` pixels of row y from x, as bytes of `data`."""
        at = y * self.stride + 4 * x
        return data[at:at + 4 * width]

    def close(self):
        if self.display:
            _x11.XCloseDisplay(self.display)
            self.display = None
