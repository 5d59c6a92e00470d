#!/usr/bin/python3
"""Calls com.quillmere.Vigila1.Hold with a label that is not UTF-8, speaking the wire protocol by
hand (every D-Bus library refuses to send such a string). Prints "disconnected" when the bus drops
the connection for it, or what came back instead."""
import os
import socket
import struct


def padded(data, alignment):
    return data + b"\0" * (-len(data) % alignment)


def message(serial, path, interface, member, destination, signature, body):
    def field(code, kind, value):
        length = struct.pack("B", len(value)) if kind == b"g" else struct.pack("<I", len(value))
        return bytes([code, 1]) + kind + b"\0" + length + value + b"\0"

    fields = [field(1, b"o", path), field(2, b"s", interface), field(3, b"s", member),
              field(6, b"s", destination)]
    if signature:
        fields.append(field(8, b"g", signature))
    array = b""
    for f in fields:
        array = padded(array, 8) + f
    header = b"l\1\0\1" + struct.pack("<III", len(body), serial, len(array)) + array
    return padded(header, 8) + body


address = os.environ["DBUS_SESSION_BUS_ADDRESS"]
path = address.split("path=")[1].split(",")[0]
bus = socket.socket(socket.AF_UNIX)
bus.connect(path)
bus.sendall(b"\0AUTH EXTERNAL " + str(os.getuid()).encode().hex().encode() + b"\r\n")
assert bus.recv(1024).startswith(b"OK")
bus.sendall(b"BEGIN\r\n")
bus.sendall(message(1, b"/org/freedesktop/DBus", b"org.freedesktop.DBus", b"Hello",
                    b"org.freedesktop.DBus", b"", b""))

label = b"make \xff\xfe"
body = padded(struct.pack("<I", len(label)) + label + b"\0", 4) + struct.pack("<I", 0) + b"\0"
bus.sendall(message(2, b"/com/quillmere/Vigila", b"com.quillmere.Vigila1", b"Hold",
                    b"com.quillmere.Vigila", b"ss", body))

def replies_to(data, serial):
    offset = 0
    while offset + 16 <= len(data):
        kind = data[offset + 1]
        body_length, _, fields_length = struct.unpack_from("<III", data, offset + 4)
        fields = data[offset + 16:offset + 16 + fields_length]
        at = 0
        while at < len(fields):
            at += -at % 8
            code, signature_length = fields[at], fields[at + 1]
            kind_code = fields[at + 2:at + 2 + signature_length]
            at += 3 + signature_length
            if kind_code in (b"s", b"o"):
                length = struct.unpack_from("<I", fields, at)[0]
                at += 4 + length + 1
            elif kind_code == b"g":
                at += 1 + fields[at] + 1
            elif kind_code == b"u":
                at += -at % 4
                if code == 5 and kind in (2, 3) and struct.unpack_from("<I", fields, at)[0] == serial:
                    return True
                at += 4
            else:
                break
        header = 16 + fields_length
        offset += header + (-header % 8) + body_length
    return False


# Everything the bus sends until it hangs up: Hello's reply and NameAcquired come first, in one
# read or several. Only an answer to the Hold call (reply serial 2) means the label got through.
bus.settimeout(5)
stream = b""
try:
    while chunk := bus.recv(4096):
        stream += chunk
        if replies_to(stream, 2):
            raise SystemExit(repr(stream))
except socket.timeout:
    raise SystemExit("still connected")
print("disconnected")
