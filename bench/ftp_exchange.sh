#!/usr/bin/env bash
# FTP benchmarks of the client against vsftpd on 127.0.0.1, side by side with lftp and curl.
#   bench/ftp_exchange.sh [RUNS] [BIG_MB]
# 1. 200 files of 8 KB up and the same 200 down (fetched and deleted): the client's whole
#    unattended run against lftp doing the same commands on one connection.
# 2. One BIG_MB (default 512) file up and down: the client's run against curl's upload plus
#    download; and the client's peak memory with a file an eighth of that size.
# Prints medians and ratios. Needs root (vsftpd with a virtual user through PAM).
set -euo pipefail
RUNS=${1:-5}
BIG_MB=${2:-512}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/zelmor-bench.XXXXXX)
port=${BENCH_PORT:-2121}
trap 'kill $(cat "$work/vsftpd.pid" 2>/dev/null) 2>/dev/null || true; rm -f /etc/pam.d/vsftpd-zelmor-bench; rm -rf "$work"' EXIT

need=(vsftpd libpam-pwdfile lftp curl time openssl)
missing=()
for p in "${need[@]}"; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then apt-get update -q >/dev/null; DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null; fi
bash "$top/scripts/setup" >/dev/null

# A release build: the tests' build carries the sanitizers.
cmake -S "$top" -B "$top/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELMOR_SANITIZE=OFF >/dev/null
cmake --build "$top/build-release" --parallel --target zelmor-client >/dev/null
client="$top/build-release/src/zelmor-client"

# vsftpd with the virtual user ZM0012345 / *FIRST*
home="$work/vs/home/ZM0012345"
mkdir -p "$home" "$work/vs/empty"; chmod 755 "$work" "$work/vs" "$work/vs/home"; chown ftp:ftp "$home"
echo "ZM0012345:$(openssl passwd -6 '*FIRST*')" > "$work/vs/passwd"; chmod 600 "$work/vs/passwd"
printf 'auth required pam_pwdfile.so nodelay pwdfile=%s\naccount required pam_permit.so\n' "$work/vs/passwd" > /etc/pam.d/vsftpd-zelmor-bench
cat > "$work/vs/vsftpd.conf" <<CONF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$port
background=NO
anonymous_enable=NO
local_enable=YES
write_enable=YES
local_umask=022
guest_enable=YES
guest_username=ftp
virtual_use_local_privs=YES
user_sub_token=\$USER
local_root=$work/vs/home/\$USER
chroot_local_user=YES
allow_writeable_chroot=YES
pam_service_name=vsftpd-zelmor-bench
delay_failed_login=0
pasv_enable=YES
pasv_address=127.0.0.1
pasv_min_port=30000
pasv_max_port=30999
secure_chroot_dir=$work/vs/empty
seccomp_sandbox=NO
isolate=NO
isolate_network=NO
xferlog_enable=NO
max_per_ip=0
CONF
/usr/sbin/vsftpd "$work/vs/vsftpd.conf" > "$work/vs/out.log" 2>&1 & echo $! > "$work/vsftpd.pid"
for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/$port) 2>/dev/null && break; sleep 0.05; done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# "m:ss.ss" or "h:mm:ss" from GNU time in seconds
secs() { awk -F: '{ if (NF==3) print $1*3600+$2*60+$3; else print $1*60+$2 }'; }
measure() { # measure OUTFILE command... : appends "seconds maxrss_kB"
  local out=$1; shift
  /usr/bin/time -v -o "$work/t" "$@" > /dev/null 2>&1 || echo "FAILED: $*" >&2
  echo "$(grep 'Elapsed (wall' "$work/t" | awk '{print $NF}' | secs) $(grep 'Maximum resident' "$work/t" | awk '{print $NF}') $(awk -F': ' '/User time|System time/ {s+=$2} END {print s}' "$work/t")" >> "$out"
}

# the client's data folder for a run: service address, identity, files to send
docs="$work/docs"
prepare_client() {
  rm -rf "$docs"; mkdir -p "$docs/ZELMOR/msg/out" "$docs/ZELMOR/msg/in"
  printf '[SERVICE]\r\nFTPHOST=127.0.0.1\r\n[INTERNET]\r\nFTPPORT=%s\r\n' "$port" > "$docs/ZELMOR/zelmor-client.ini"
  printf 'ZM0012345\0\0\0' > "$docs/ZELMOR/KSCOMWKS.USR"
}
run_client() { ZELMOR_SHARED_DOCS="$docs" QT_QPA_PLATFORM=offscreen measure "$1" "$client"; }

echo "== 200 files of 8 KB up, listed, fetched and deleted ($RUNS runs each, vsftpd)"
mkdir -p "$work/small/up" "$work/small/down"
for i in $(seq -w 1 200); do head -c 8192 /dev/urandom > "$work/small/up/f$i.dat"; done
cat > "$work/small.lftp" <<LFTP
open -u ZM0012345,*FIRST* -p $port 127.0.0.1
set net:connection-limit 1
set ftp:passive-mode on
set ftp:ssl-allow no
set xfer:clobber on
set net:max-retries 2
lcd $work/small/up
mput *.dat
nlist > /dev/null
lcd $work/small/down
mget *.dat
mrm *.dat
bye
LFTP
for r in $(seq "$RUNS"); do
  rm -f "$work/small/down/"*
  measure "$work/lftp.small" lftp -f "$work/small.lftp"
  prepare_client; cp "$work/small/up/"*.dat "$docs/ZELMOR/msg/out/"
  run_client "$work/client.small"
  n=$(ls "$docs/ZELMOR/msg/in" | wc -l); left=$(ls "$home" | wc -l)
  [ "$n" = 200 ] && [ "$left" = 0 ] && cmp -s <(cat "$work/small/up/"*) <(cat "$docs/ZELMOR/msg/in/"*) || echo "client run $r: $n files fetched, $left left on the server, or content differs"
done
l=$(awk '{print $1}' "$work/lftp.small" | median); c=$(awk '{print $1}' "$work/client.small" | median)
lm=$(awk '{print $2}' "$work/lftp.small" | median); cm=$(awk '{print $2}' "$work/client.small" | median)
echo "lftp   median ${l}s  peak ${lm} kB  cpu $(awk '{print $3}' "$work/lftp.small" | median)s"
echo "client median ${c}s  peak ${cm} kB  cpu $(awk '{print $3}' "$work/client.small" | median)s  (whole unattended run: start, exchange, processing, exit)"
echo "client/lftp wall time: $(awk -v a="$c" -v b="$l" 'BEGIN {printf "%.2f", a/b}')x (target at most 1.10x)"

[ "$BIG_MB" = 0 ] && exit 0
echo
echo "== one ${BIG_MB} MB file up and down (client against curl)"
head -c $((BIG_MB * 1048576)) /dev/urandom > "$work/big.bin"
small_mb=$((BIG_MB / 8))
head -c $((small_mb * 1048576)) "$work/big.bin" > "$work/eighth.bin"
U="ftp://127.0.0.1:$port"
for r in $(seq "$RUNS"); do
  : > "$work/curl.one"
  measure "$work/curl.one" curl -sS --disable-epsv -u 'ZM0012345:*FIRST*' -T "$work/big.bin" "$U/big.bin"
  measure "$work/curl.one" curl -sS --disable-epsv -u 'ZM0012345:*FIRST*' -o "$work/big.down" "$U/big.bin"
  cmp -s "$work/big.bin" "$work/big.down" || echo "curl run $r: content differs"
  curl -sS --disable-epsv -u 'ZM0012345:*FIRST*' -Q 'DELE big.bin' -I "$U/" > /dev/null; rm -f "$work/big.down"
  awk '{s+=$1; if ($2>m) m=$2} END {print s, m}' "$work/curl.one" >> "$work/curl.big"
  prepare_client; cp "$work/big.bin" "$docs/ZELMOR/msg/out/big.bin"
  run_client "$work/client.big"
  cmp -s "$work/big.bin" "$docs/ZELMOR/msg/in/big.bin" || echo "client run $r: content differs"
  prepare_client; cp "$work/eighth.bin" "$docs/ZELMOR/msg/out/big.bin"
  run_client "$work/client.eighth"
done
cu=$(awk '{print $1}' "$work/curl.big" | median); cl=$(awk '{print $1}' "$work/client.big" | median)
echo "curl   median ${cu}s for up+down, $(awk -v s="$cu" -v m="$BIG_MB" 'BEGIN {printf "%.0f", 2*m/s}') MB/s, peak $(awk '{print $2}' "$work/curl.big" | median) kB"
echo "client median ${cl}s for up+down, $(awk -v s="$cl" -v m="$BIG_MB" 'BEGIN {printf "%.0f", 2*m/s}') MB/s (whole run)"
echo "client/curl throughput: $(awk -v a="$cu" -v b="$cl" 'BEGIN {printf "%.2f", a/b}')x (target at least 0.90x)"
echo "client peak memory: $(awk '{print $2}' "$work/client.big" | median) kB with ${BIG_MB} MB, $(awk '{print $2}' "$work/client.eighth" | median) kB with ${small_mb} MB"
