#!/bin/sh
# Stands in for pppd in the tests: "call ENTRY nodetach [user U password P]".
# Prints what pppd prints on the way up; the entry's peer file decides the outcome:
# a line "# standin: fail" ends at once with an error, otherwise it stays up until SIGTERM.
peers="${ZELMOR_PPP_PEERS:-/etc/ppp/peers}"
entry="$2"
echo "args: $*" >> "$peers/../standin.log"
if grep -q '^# standin: fail' "$peers/$entry" 2>/dev/null; then
  echo "Modem hangup"
  exit 1
fi
trap 'echo "Terminating on signal 15"; exit 5' TERM
echo "Using interface ppp0"
echo "Connect: ppp0 <--> /dev/ttyS0"
echo "CHAP authentication succeeded"
echo "local  IP address 10.64.64.64"
while :; do sleep 0.05; done
