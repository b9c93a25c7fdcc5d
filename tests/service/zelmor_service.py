#!/usr/bin/python3
"""A small simulation of the Zelmor service's FTP side, for the demo and the tests.

zelmor_service.py ROOT [PORT]   (PORT 0 or missing: a free one; prints "READY <port>")

Rules of the service:
- the user name is the service ID ("ZM0012345"), the password the current session ID,
  "*FIRST*" for a user the service has not seen yet;
- every file a user sends is taken in at once (moved to ROOT/received/<user>);
- for each session the user's folder holds a ".zif" user-info file with the contract data and
  the session ID of the next session, and a ".zzf" archive with an instruction entry; when a
  session fetched them, the next session must log in with that session ID, and new ones wait.
"""
import io
import json
import logging
import os
import re
import secrets
import shutil
import sys
import zipfile

from pyftpdlib.authorizers import AuthenticationFailed, DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root = os.path.abspath(sys.argv[1])
port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
USER = re.compile(r"^[A-Z]{2}[0-9A-Z]{5,15}$")


def state_path(user):
    return os.path.join(root, "state", user + ".json")


def load_state(user):
    try:
        with open(state_path(user)) as f:
            return json.load(f)
    except FileNotFoundError:
        return {"password": "*FIRST*", "next": None, "sessions": 100, "served": 0}


def save_state(user, state):
    os.makedirs(os.path.dirname(state_path(user)), exist_ok=True)
    with open(state_path(user), "w") as f:
        json.dump(state, f)


def home(user):
    path = os.path.join(root, "users", user)
    os.makedirs(path, exist_ok=True)
    return path


def seed(user, state):
    """Leaves the files of the next session in the user's folder."""
    state["next"] = "S" + secrets.token_hex(6).upper()
    state["served"] += 1
    n = state["served"]
    with open(os.path.join(home(user), "%s_%04d.zif" % (user, n)), "w", newline="") as f:
        f.write("[USER]\r\nENDDATE=31-12-2027\r\nSESSIONS=%d\r\nSESSIONP=%s\r\n" % (state["sessions"], state["next"]))
    buf = io.BytesIO()
    with zipfile.ZipFile(buf, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("BERICHT%04d.TXT" % n, "Bericht %d van de Zelmor-service voor %s.\r\n" % (n, user))
        z.writestr("REKENING.CSV", "datum;bedrag\r\n2026-12-11;12,50\r\n")
        z.writestr("INSTRUCT.ZUI", "FILE=BERICHT%04d.TXT,DESTDIR=C:\\DATAXCH\\IN,CREATE=RENAME,\r\n"
                                   "FILE=REKENING.CSV,DESTDIR=ADMIN,CREATE=RENAME,\r\n" % n)
    with open(os.path.join(home(user), "%s_%04d.zzf" % (user, n)), "wb") as f:
        f.write(buf.getvalue())
    save_state(user, state)


class ServiceAuthorizer(DummyAuthorizer):
    def has_user(self, username):
        return bool(USER.match(username))

    def validate_authentication(self, username, password, handler):
        if not USER.match(username) or password != load_state(username)["password"]:
            raise AuthenticationFailed("Login incorrect.")

    def get_home_dir(self, username):
        return home(username)

    def has_perm(self, username, perm, path=None):
        return path is None or os.path.abspath(path).startswith(home(username))

    def get_perms(self, username):
        return "elradfmw"

    def get_msg_login(self, username):
        return "Welkom bij de Zelmor-service."

    def get_msg_quit(self, username):
        return "Tot ziens."

    def impersonate_user(self, username, password):
        pass

    def terminate_impersonation(self, username):
        pass


class ServiceHandler(FTPHandler):
    authorizer = ServiceAuthorizer()
    auth_failed_timeout = 0.01
    permit_foreign_addresses = False

    def on_login(self, username):
        state = load_state(username)
        if state["next"] is None:
            seed(username, state)

    def on_file_received(self, file):
        target = os.path.join(root, "received", self.username)
        os.makedirs(target, exist_ok=True)
        shutil.move(file, os.path.join(target, os.path.basename(file)))

    def on_logout(self, username):
        state = load_state(username)
        # The session fetched its user-info file: from now on its session ID counts.
        if not any(n.endswith(".zif") for n in os.listdir(home(username))):
            state["password"] = state["next"]
            state["sessions"] -= 1
            seed(username, state)


logging.basicConfig(level=logging.WARNING)
server = FTPServer(("127.0.0.1", port), ServiceHandler)
print("READY %d" % server.address[1], flush=True)
server.serve_forever()
