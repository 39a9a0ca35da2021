#!/bin/bash
# 100 TERM/INT/KILL at random moments of the bot's games in one folder, then a next start.
sim="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/tumblehand-sim"
F=$(mktemp -d /tmp/tumblehand-kills-XXXX)
sigs=(TERM INT KILL)
left=0
for i in $(seq 1 100); do
    $sim --bot 200 --seed $i --folder "$F" >/dev/null 2>&1 &
    pid=$!
    sleep "0.$(printf '%03d' $((RANDOM % 400)))"
    kill -${sigs[$((RANDOM % 3))]} $pid 2>/dev/null
    wait $pid 2>/dev/null
    left=$((left + $(ls -A "$F" | grep -c '\.tmp\.')))
done
echo "tmp files found right after the kills (summed over the 100, before the next start): $left"
echo "after 100 kills: $(ls -A "$F" | grep -c '^data.dat.tmp\.') data.dat.tmp.*, $(ls -A "$F" | grep -c '^\.tumblehand-probe.tmp\.') .tumblehand-probe.tmp.*"
$sim --bot 1 --seed 7 --folder "$F" >/dev/null 2>&1
echo "after a next start:  $(ls -A "$F" | grep -c '^data.dat.tmp\.') data.dat.tmp.*, $(ls -A "$F" | grep -c '^\.tumblehand-probe.tmp\.') .tumblehand-probe.tmp.*"
echo "records file reads: $(head -c 40 "$F/data.dat" | tr '\r\n' '  ')"
ls -A "$F"
