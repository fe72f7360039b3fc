"""Liveness through the window manager's own test: a _NET_WM_PING sent to a window must come back to the root
window. The toolkit answers it from the program's event loop, so an answer proves that the game has read every
input event sent before the ping and is back waiting for the next one; a busy or stuck game cannot answer."""
import ctypes
import time

_CLIENT_MESSAGE = 33
# The toolkit sends its answer to whoever selects structure events on the root window.
_STRUCTURE_NOTIFY_MASK = 1 << 17
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xclient", _ClientMessage), ("pad", ctypes.c_long * 24)]


# A window that vanished before the ping raises BadWindow; Xlib's default handler would end the soak.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda display, error: 0)


class Pinger:
    def __init__(self):
        x = ctypes.CDLL("libX11.so.6")
        x.XSetErrorHandler.argtypes = [ctypes.c_void_p]
        x.XSetErrorHandler(ctypes.cast(_ERROR_HANDLER, ctypes.c_void_p))
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self._x = x
        self._display = x.XOpenDisplay(None)
        if not self._display:
            raise RuntimeError("cannot open the X display")
        self._root = x.XDefaultRootWindow(self._display)
        self._protocols = x.XInternAtom(self._display, b"WM_PROTOCOLS", 0)
        self._ping = x.XInternAtom(self._display, b"_NET_WM_PING", 0)
        x.XSelectInput(self._display, self._root, _STRUCTURE_NOTIFY_MASK | _SUBSTRUCTURE_NOTIFY_MASK)
        self._token = 1000

    def ping(self, window, seconds):
        """True when `window` answers within `seconds`; a vanished window gives False after the wait."""
        self._drain(None)
        self._token += 1
        event = _Event()
        m = event.xclient
        m.type, m.window, m.message_type, m.format = _CLIENT_MESSAGE, window, self._protocols, 32
        m.data[0], m.data[1], m.data[2] = self._ping, self._token, window
        self._x.XSendEvent(self._display, window, 0, 0, ctypes.byref(event))
        self._x.XFlush(self._display)
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self._drain(self._token):
                return True
            time.sleep(0.005)
        return False

    def _drain(self, token):
        """Reads every queued event; True when one is the answer carrying `token`."""
        answered = False
        event = _Event()
        while self._x.XPending(self._display):
            self._x.XNextEvent(self._display, ctypes.byref(event))
            m = event.xclient
            if (event.type == _CLIENT_MESSAGE and m.message_type == self._protocols and m.data[0] == self._ping
                    and token is not None and m.data[1] == token):
                answered = True
        return answered
