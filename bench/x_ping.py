#!/usr/bin/python3
"""Sends the desktop's "are you alive" ping (_NET_WM_PING) to a window every
20 ms for a while and prints how long the answers took: a desktop marks a
window that does not answer for a few seconds as not responding.

    x_ping.py WINDOW_ID SECONDS [TIMEOUT_SECONDS]

Needs Debian's python3-xlib (run it with /usr/bin/python3) and no window
manager on the display: the answers go to the root window.
"""
import sys
import time
from Xlib import X, display, protocol

d = display.Display()
root = d.screen().root
wid = int(sys.argv[1], 0); duration = float(sys.argv[2])
win = d.create_resource_object('window', wid)
WM_PROTOCOLS = d.intern_atom('WM_PROTOCOLS'); PING = d.intern_atom('_NET_WM_PING')
root.change_attributes(event_mask=X.SubstructureNotifyMask | X.SubstructureRedirectMask)
waits = []; end = time.time() + duration; stamp = 1
while time.time() < end:
    ev = protocol.event.ClientMessage(window=win, client_type=WM_PROTOCOLS, data=(32, [PING, stamp, wid, 0, 0]))
    sent = time.time(); win.send_event(ev, event_mask=0); d.flush()
    got = False
    while time.time() - sent < float(sys.argv[3] if len(sys.argv) > 3 else 10):
        while d.pending_events():
            e = d.next_event()
            if e.type == X.ClientMessage and e.client_type == WM_PROTOCOLS and e.data[1][0] == PING and e.data[1][1] == stamp:
                got = True
        if got: break
        time.sleep(0.001)
    waits.append(time.time() - sent); stamp += 1
    time.sleep(0.02)
waits.sort()
print(f"pings {len(waits)}, median {waits[len(waits)//2]*1000:.1f} ms, longest {waits[-1]*1000:.1f} ms")
