#!/usr/bin/python3
"""FTP peer for the tests: ftpd_pyftpdlib.py ROOT CMDLOG USER:PASS [USER:PASS ...]
Listens on 127.0.0.1 on a free port, each user at home in ROOT/USER, every command received
appended to CMDLOG (one per line). A file received is taken away into ROOT/received, as the
service takes in what it is sent. Prints "READY <port>" when listening."""
import logging
import os
import shutil
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, cmdlog = sys.argv[1], sys.argv[2]
auth = DummyAuthorizer()
for account in sys.argv[3:]:
    user, pw = account.split(":", 1)
    home = os.path.join(root, user)
    os.makedirs(home, exist_ok=True)
    auth.add_user(user, pw, home, perm="elradfmwMT")


class LoggingHandler(FTPHandler):
    authorizer = auth
    auth_failed_timeout = 0.01  # the default waits 3 s after a wrong password
    permit_foreign_addresses = False

    def on_file_received(self, file):
        os.makedirs(os.path.join(root, "received"), exist_ok=True)
        shutil.move(file, os.path.join(root, "received", os.path.basename(file)))

    def pre_process_command(self, line, cmd, arg):
        with open(cmdlog, "a") as f:
            f.write(line + "\n")
        return super().pre_process_command(line, cmd, arg)


logging.basicConfig(level=logging.WARNING)
srv = FTPServer(("127.0.0.1", 0), LoggingHandler)
srv.max_cons = 64
print("READY %d" % srv.address[1], flush=True)
srv.serve_forever()
