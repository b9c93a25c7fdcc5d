#!/usr/bin/env bash
# Incoming-file processing against unzip, side by side on the same archives:
#   bench/process_files.sh [RUNS]
# 200 archives of 10 entries (mixed sizes, 40 MB in all, half of it incompressible), made by
# Python's zipfile; the client's processing of all of them against "unzip -o" on each.
# Then one archive with a single 64 MB entry and one with a 512 MB entry: peak memory of both.
set -euo pipefail
RUNS=${1:-3}
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/zelmor-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
for p in unzip time; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || { apt-get update -q >/dev/null; apt-get install -y -q "$p" >/dev/null; }; done
bash "$top/scripts/setup" >/dev/null
cmake -S "$top" -B "$top/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZELMOR_SANITIZE=OFF >/dev/null
cmake --build "$top/build-release" --parallel --target zelmor-process-bench >/dev/null
tool="$top/build-release/bench/zelmor-process-bench"

/usr/bin/python3 - "$work/archives" <<'PY'
import os, random, sys, zipfile
out = sys.argv[1]; os.makedirs(out)
rnd = random.Random(7)
sizes = [1024, 4096, 8192, 16384, 65536]
total = 0
for a in range(200):
    with zipfile.ZipFile(os.path.join(out, "a%03d.zzf" % a), "w", zipfile.ZIP_DEFLATED) as z:
        for e in range(10):
            n = sizes[(a + e) % len(sizes)] - rnd.randrange(512)
            data = os.urandom(n) if e % 2 else (b"line %d of a message file\r\n" % e) * (n // 26)
            z.writestr("entry%02d.dat" % e, data)
            total += len(data)
print("archives: 200 x 10 entries, %.1f MB uncompressed" % (total / 1e6))
PY

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
secs() { awk -F: '{ if (NF==3) print $1*3600+$2*60+$3; else print $1*60+$2 }'; }
measure() { # OUT command...
  local out=$1; shift
  /usr/bin/time -v -o "$work/t" "$@" > /dev/null 2>&1 || echo "FAILED: $*" >&2
  echo "$(grep 'Elapsed (wall' "$work/t" | awk '{print $NF}' | secs) $(grep 'Maximum resident' "$work/t" | awk '{print $NF}')" >> "$out"
}
prepare() { rm -rf "$work/docs"; mkdir -p "$work/docs/ZELMOR/msg/in" "$work/docs/ZELMOR/log"; cp "$work/archives/"$1 "$work/docs/ZELMOR/msg/in/"; }
unzip_all() { for f in "$work/unz/in/"*.zzf; do unzip -o -q "$f" -d "$work/unz/out" || return 1; done; }

for r in $(seq "$RUNS"); do
  prepare '*.zzf'
  ZELMOR_SHARED_DOCS="$work/docs" measure "$work/client" "$tool"
  [ "$(ls "$work/docs/ZELMOR/msg/in" | wc -l)" = 10 ] && [ -z "$(ls "$work/docs/ZELMOR/msg/in" | grep zzf)" ] || echo "client run $r: unexpected result"
  rm -rf "$work/unz"; mkdir -p "$work/unz/in" "$work/unz/out"; cp "$work/archives/"*.zzf "$work/unz/in/"
  export -f unzip_all; export work
  measure "$work/unzip" bash -c unzip_all
  cmp -s "$work/unz/out/entry03.dat" "$work/docs/ZELMOR/msg/in/entry03.dat" || echo "run $r: results differ"
done
c=$(awk '{print $1}' "$work/client" | median); u=$(awk '{print $1}' "$work/unzip" | median)
echo "client processing median ${c}s, peak $(awk '{print $2}' "$work/client" | median) kB"
echo "unzip -o (200 runs) median ${u}s, peak $(awk '{print $2}' "$work/unzip" | median) kB"
echo "client/unzip wall time: $(awk -v a="$c" -v b="$u" 'BEGIN {printf "%.2f", a/b}')x (target at most 1.00x)"

for mb in 64 512; do
  /usr/bin/python3 -c "
import os, zipfile
with zipfile.ZipFile('$work/archives/big$mb.zzf', 'w', zipfile.ZIP_DEFLATED) as z:
    with z.open('big.dat', 'w', force_zip64=True) as f:
        for _ in range($mb): f.write(os.urandom(1 << 20))"
  prepare "big$mb.zzf"
  ZELMOR_SHARED_DOCS="$work/docs" measure "$work/big$mb" "$tool"
  echo "one ${mb} MB entry: client peak $(awk '{print $2}' "$work/big$mb") kB in $(awk '{print $1}' "$work/big$mb")s"
  rm -f "$work/archives/big$mb.zzf"
done
