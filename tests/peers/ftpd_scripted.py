#!/usr/bin/python3
"""Scripted FTP peer for the fault paths a real server does not take:
ftpd_scripted.py ROOT CMDLOG MODE. One user ZM0012345 / *FIRST*, files in ROOT.
MODE: ok | quit500 (500 to QUIT, connection left open) | user530 | stall (never greets) |
stall-list (no reply to NLST) | drop-retr (control and data connection closed mid-file) |
drop-stor (connection closed mid-upload) | truncate (half the file, 150 with its size, 226) |
garbled (a non-FTP reply to TYPE) | pieces (every reply sent a few bytes at a time, multi-line
greeting) | badpasv (unroutable address, real port) | nonat (a 227 with 10.255.255.1) |
nlst550 (550 to NLST) | nlstpaths (name list with blank lines, paths and "..")
Prints "READY <port>"."""
import os
import socket
import sys
import threading
import time

root, cmdlog, mode = sys.argv[1], sys.argv[2], sys.argv[3]


def serve(c):
    f = c.makefile("rb")

    def send(s):
        data = (s + "\r\n").encode()
        if mode == "pieces":
            for i in range(0, len(data), 3):
                c.sendall(data[i:i + 3])
                time.sleep(0.001)
        else:
            c.sendall(data)

    if mode == "stall":
        time.sleep(30)
        return
    if mode == "pieces":
        send("220-Welcome\r\n220-to the\r\n220 scripted peer")
    else:
        send("220 scripted peer")
    user = None
    pasv = None
    for raw in f:
        line = raw.decode(errors="replace").rstrip("\r\n")
        with open(cmdlog, "a") as log:
            log.write(line + "\n")
        cmd, _, arg = line.partition(" ")
        cmd = cmd.upper()
        if cmd == "USER":
            user = arg
            send("530 Not logged in." if mode == "user530" else "331 password")
        elif cmd == "PASS":
            send("230 ok" if (user, arg) == ("ZM0012345", "*FIRST*") else "530 Login incorrect.")
        elif cmd == "TYPE":
            if mode == "garbled":
                c.sendall(b"HTTP/1.1 400 Bad Request\r\n\r\n")
            else:
                send("200 type " + arg)
        elif cmd == "PASV":
            pasv = socket.socket()
            pasv.bind(("127.0.0.1", 0))
            pasv.listen(1)
            p = pasv.getsockname()[1]
            if mode == "badpasv":
                send("227 Entering Passive Mode (bogus)")
            elif mode == "nonat":
                send("227 Entering Passive Mode (10,255,255,1,%d,%d)" % (p >> 8, p & 255))
            else:
                send("227 Entering Passive Mode (127,0,0,1,%d,%d)" % (p >> 8, p & 255))
        elif cmd in ("RETR", "STOR", "NLST"):
            d, _ = pasv.accept()
            pasv.close()
            if cmd == "NLST" and mode == "nlst550":
                d.close()
                send("550 No files found.")
                continue
            if cmd == "NLST" and mode == "stall-list":
                time.sleep(30)
                return
            path = os.path.join(root, os.path.basename(arg or "."))
            if cmd == "STOR":
                send("150 ok")
                data = b""
                while chunk := d.recv(65536):
                    data += chunk
                    if mode == "drop-stor" and len(data) > 1000:
                        d.close()
                        c.close()
                        return
                d.close()
                with open(path, "wb") as out:
                    out.write(data)
                send("226 stored")
                continue
            if cmd == "NLST":
                names = sorted(os.listdir(root))
                if mode == "nlstpaths":
                    data = ("\r\n  \n" + "".join("/srv/x/" + n + "\n" for n in names) + "..\r\n../\r\n").encode()
                else:
                    data = "".join(n + "\r\n" for n in names).encode()
            else:
                with open(path, "rb") as src:
                    data = src.read()
            send("150 opening data connection (%d bytes)" % len(data))
            if cmd == "RETR" and mode == "truncate":
                data = data[: len(data) // 2]
            if cmd == "RETR" and mode == "drop-retr":
                d.sendall(data[: len(data) // 2])
                d.close()
                c.close()
                return
            d.sendall(data)
            d.close()
            send("226 Transfer complete.")
        elif cmd == "DELE":
            os.remove(os.path.join(root, os.path.basename(arg)))
            send("250 deleted")
        elif cmd == "QUIT":
            if mode == "quit500":
                send("500 QUIT not understood")
                continue
            send("221 bye")
            break
        else:
            send("502 not implemented")
    c.close()


s = socket.socket()
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", 0))
s.listen(8)
print("READY %d" % s.getsockname()[1], flush=True)
while True:
    conn, _ = s.accept()
    threading.Thread(target=serve, args=(conn,), daemon=True).start()
