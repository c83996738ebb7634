# Stands in for the accessibility bus's launcher on a program's own session bus, as a busy
# machine's launcher does: its status says a screen reader is on, but it gives the bus's
# address (argv[1]) only once it gets SIGUSR1. Prints "ready" when it owns the name.
import signal
import sys

from gi.repository import Gio, GLib

address, waiting, answering = sys.argv[1], [], False
node = Gio.DBusNodeInfo.new_for_xml("""<node>
  <interface name="org.a11y.Bus"><method name="GetAddress"><arg type="s" direction="out"/></method></interface>
  <interface name="org.a11y.Status"><property name="IsEnabled" type="b" access="read"/>
    <property name="ScreenReaderEnabled" type="b" access="read"/></interface></node>""")


def get_address(connection, sender, path, interface, method, parameters, call):
    waiting.append(call)
    if answering:
        answer()


def answer():
    global answering
    answering = True
    while waiting:
        waiting.pop().return_value(GLib.Variant("(s)", (address,)))
    return GLib.SOURCE_CONTINUE


bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.register_object("/org/a11y/bus", node.interfaces[0], get_address, None, None)
bus.register_object("/org/a11y/bus", node.interfaces[1], None, lambda *_: GLib.Variant("b", True), None)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, answer)
Gio.bus_own_name_on_connection(bus, "org.a11y.Bus", 0, lambda *_: print("ready", flush=True), None)
GLib.MainLoop().run()
