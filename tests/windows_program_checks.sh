#!/bin/sh
# Checks of a Windows build of the program that need POSIX descriptors, run
# from the Linux side through an emulator such as Wine:
#   windows_program_checks.sh EMULATOR... PROGRAM
# A write to a full device or to a closed standard output must fail loudly,
# and standard input must be left unread.  Standard error is a text stream
# there: its lines end in "\r\n".
set -u

scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
failures=0

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

# check_write_error NAME MESSAGE STATUS: the run just made must have failed
# with status 1 and MESSAGE on standard error.
check_write_error() {
    name=$1 message=$2 status=$3
    [ "$status" -eq 1 ] || fail "$name: exit status $status, expected 1"
    printf 'bitstuffing: write error: %s\r\n' "$message" >"$scratch/expected"
    cmp -s "$scratch/err" "$scratch/expected" ||
        fail "$name: standard error was '$(cat "$scratch/err")'"
}

"$@" >/dev/full 2>"$scratch/err"
check_write_error "standard output on a full device" "No space left on device" $?

"$@" >&- 2>"$scratch/err"
check_write_error "standard output closed" "Bad file descriptor" $?

# A line waits in a pipe whose writer has finished: after the run it must
# still be there for the next reader.
printf 'unread line\n' | {
    "$@" >"$scratch/out" 2>"$scratch/err"
    echo $? >"$scratch/status"
    cat >"$scratch/rest"
}
[ "$(cat "$scratch/status")" -eq 0 ] || fail "standard input: exit status $(cat "$scratch/status")"
[ -s "$scratch/err" ] && fail "standard input: standard error was '$(cat "$scratch/err")'"
[ "$(cat "$scratch/rest")" = "unread line" ] || fail "standard input: the program read it"

[ "$failures" -eq 0 ] && echo "write errors reported, standard input left unread"
exit $((failures != 0))
