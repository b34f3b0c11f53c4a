# Sourced by the install tests: failing with a message, and running an installed program
# the way a menu starts it and the end of a session stops it.

fail() {
  echo "${test_name:?}: $*" >&2
  exit 1
}

# Alive and not yet reaped (a zombie still answers kill -0).
running() {
  local key value
  [[ -r /proc/$pid/status ]] || return 1
  while read -r key value; do
    if [[ $key == State: ]]; then
      [[ $value != Z* ]]
      return
    fi
  done <"/proc/$pid/status"
  return 1
}

# The handler is in place once bit 15 (SIGTERM) of SigCgt is set; the shell forked for
# "&" catches signals of its own until it has exec'd the program, so look at that first.
catches_sigterm() {
  local key value
  [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == "$1" ]] || return 1
  while read -r key value; do
    if [[ $key == SigCgt: ]]; then
      (((16#${value: -8} >> 14) & 1))
      return
    fi
  done <"/proc/$pid/status" 2>/dev/null
  return 1
}

# run_and_terminate <program> <scratch folder>
# Runs the program offscreen with its home and XDG folders in the scratch folder (its data
# folder is <scratch>/data), ends it by SIGTERM once it can take one, and expects it to end
# with status 0 within 30 s. $pid is the program's while it runs, for the caller's clean-up.
run_and_terminate() {
  local exe=$1 scratch=$2 exe_path i status=0
  exe_path=$(readlink -f "$exe")
  mkdir -p "$scratch/home" "$scratch/data" "$scratch/config" "$scratch/cache"
  mkdir -m 0700 "$scratch/runtime"
  env HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
    XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
    "$exe" >"$scratch/run.log" 2>&1 &
  pid=$!

  for ((i = 0; i < 300; i++)); do
    running || fail "$exe ended before it ran:"$'\n'"$(cat "$scratch/run.log")"
    catches_sigterm "$exe_path" && break
    sleep 0.1
  done
  catches_sigterm "$exe_path" || fail "$exe never set up its SIGTERM handler (30 s)"

  kill -TERM "$pid"
  for ((i = 0; i < 300; i++)); do
    running || break
    sleep 0.1
  done
  running && fail "$exe did not end within 30 s of SIGTERM"
  wait "$pid" || status=$?
  pid=
  ((status == 0)) || fail "$exe ended with status $status:"$'\n'"$(cat "$scratch/run.log")"
}
