"""A desktop panel for the fitting tests: an empty dock window along the
bottom of the screen that reserves its strip (_NET_WM_STRUT_PARTIAL), as a
task bar does, so the window manager's work area leaves it out.
    panel.py HEIGHT      runs until it is stopped"""

import sys

from Xlib import X, Xutil, display

height = int(sys.argv[1])
d = display.Display()
screen = d.screen()
width, full = screen.width_in_pixels, screen.height_in_pixels
window = screen.root.create_window(0, full - height, width, height, 0, screen.root_depth,
                                   X.InputOutput, X.CopyFromParent,
                                   background_pixel=screen.black_pixel)
atom = d.intern_atom
window.change_property(atom("_NET_WM_WINDOW_TYPE"), atom("ATOM"), 32,
                       [atom("_NET_WM_WINDOW_TYPE_DOCK")])
cardinal = atom("CARDINAL")
# left, right, top, bottom, then the start and end of each strip.
window.change_property(atom("_NET_WM_STRUT_PARTIAL"), cardinal, 32,
                       [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1])
window.change_property(atom("_NET_WM_STRUT"), cardinal, 32, [0, 0, 0, height])
# Where it asks to be, not where the window manager would place it.
window.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.USSize, x=0, y=full - height,
                           width=width, height=height)
window.map()
d.flush()
while True:
    d.next_event()
