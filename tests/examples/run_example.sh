#!/bin/sh
# Runs one walk of docs/examples headless at 240x320 on a new phone against
# its own tarvo-servers on free ports; passes when every step held.
# usage: run_example.sh SCRIPT TARVO TARVO-PROBE TARVO-SERVERS
set -u
script=$1 tarvo=$2 probe=$3 servers=$4
name=$(basename "$script" .tarvo)
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-example-$name.XXXXXX")
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$work"' EXIT INT TERM

"$servers" --http-port 0 --account-port 0 --account-db "$work/accounts.db" >"$work/ports" 2>"$work/servers.log" &
pid=$!
i=0
until grep -q '^account=' "$work/ports" 2>/dev/null; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 "$pid" 2>/dev/null; then
    echo "tarvo-servers did not start:"; cat "$work/servers.log"; exit 1
  fi
  sleep 0.1
done
http=$(sed -n 's/^http=//p' "$work/ports")
account=$(sed -n 's/^account=//p' "$work/ports")

phone="$work/phone"
"$probe" device init "$phone" >/dev/null || exit 1
# The walks that need an unreachable content server say so in their header.
if grep -q 'point-http phone 1$' "$script"; then http=1; fi
"$probe" device point-http "$phone" "$http" >/dev/null || exit 1
"$probe" device point-account "$phone" "$account" >/dev/null || exit 1
if grep -q 'add-tool phone 全网搜索' "$script"; then
  "$probe" launcher add-tool "$phone" 全网搜索 >/dev/null || exit 1
fi
cd "$work" && "$tarvo" --headless --device "$phone" --screen 240x320 --script "$script"
