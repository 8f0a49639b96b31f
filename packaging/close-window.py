#!/usr/bin/python3
"""Asks an X11 window to close, as a window manager does when the user clicks its close button:
sends it WM_DELETE_WINDOW. Usage: close-window.py WINDOW-ID"""
import sys

from Xlib import X, display
from Xlib.protocol import event

screen = display.Display()
window = screen.create_resource_object("window", int(sys.argv[1]))
protocols = screen.intern_atom("WM_PROTOCOLS")
delete = screen.intern_atom("WM_DELETE_WINDOW")
message = event.ClientMessage(window=window, client_type=protocols,
                              data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
screen.flush()
