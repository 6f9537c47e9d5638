#!/bin/sh
# kestrel: from Forth source to a HEX file for the PIC17C756A in one command
# (kcomp, kstrip, gpasm), or that and a run on the simulator (pic17sim).
#
# The work happens in a fresh folder under $TMPDIR (or /tmp); the source
# folder receives only prog.hex, and prog.lst with --listing. kcomp runs in
# that folder, so the files that -r writes land there too; KR_LIB is given
# the source's own folder first, so that fload finds the files beside the
# source just as when kcomp runs in the source folder.
#
# Exit status: 0 done; 1 usage or a file problem of kestrel itself; 2 kcomp
# failed; 3 kstrip failed; 4 gpasm failed or is missing; 5 the simulated
# program did not return from main (pic17sim's status is printed).

# The usage text: on standard output when asked for, else on standard error
# with status 1.
usage() {
  [ "${1-}" = help ] || exec >&2
  cat <<'EOF'
usage: kestrel build [options] prog.f     Forth source -> prog.hex beside it
       kestrel run [options] prog.f       the same, then run it on pic17sim
options passed to kcomp:    -os   -l   -r n   -s n   -i dir
                            (a program past the first 8K-word page is
                            built again with -l by itself)
options passed to gpasm:    -D sym[=value]   (-D ROMSTRINGS comes with -r)
options passed to pic17sim (run): --input text  --max-cycles n
                            --int-at n  --int-every n  --timer-at n  --timer-every n
other options:              --listing  also leave prog.lst beside prog.hex
                            --keep     keep the build folder and name it
EOF
  [ "${1-}" = help ] && exit 0
  exit 1
}

fail() {
  echo "kestrel: $1" >&2
  exit "$2"
}

# The argument quoted for eval.
quote() {
  printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"
}

# An absolute form of a folder name given relative to where kestrel started.
absolute_dir() {
  case $1 in
    /*) printf '%s' "$1" ;;
    *) printf '%s/%s' "$PWD" "$1" ;;
  esac
}

[ $# -ge 1 ] || usage
command=$1
shift
case $command in
  build | run) ;;
  -h | --help) usage help ;;
  *) usage ;;
esac

kcomp_options=
gpasm_options=
sim_options=
listing=no
keep=no
long=no
source=
while [ $# -gt 0 ]; do
  case $1 in
    -os)
      kcomp_options="$kcomp_options -os" ;;
    -l | -L)
      long=yes ;;
    -r | -s | -i | -D | --input | --max-cycles | --int-at | --int-every | --timer-at | --timer-every)
      [ $# -ge 2 ] || fail "$1 needs a value" 1
      case $1 in
        -r) kcomp_options="$kcomp_options -r $(quote "$2")"
            gpasm_options="$gpasm_options -D ROMSTRINGS" ;;
        -s) kcomp_options="$kcomp_options -s $(quote "$2")" ;;
        -i) kcomp_options="$kcomp_options -i $(quote "$(absolute_dir "$2")")" ;;
        -D) gpasm_options="$gpasm_options -D $(quote "$2")" ;;
        *) [ "$command" = run ] || fail "$1 is an option of kestrel run" 1
           sim_options="$sim_options $1 $(quote "$2")" ;;
      esac
      shift ;;
    --listing) listing=yes ;;
    --keep) keep=yes ;;
    -h | --help) usage help ;;
    -*) fail "unknown option $1" 1 ;;
    *) [ -z "$source" ] || fail "one source file only" 1
       source=$1 ;;
  esac
  shift
done
[ -n "$source" ] || usage

command -v gpasm >/dev/null 2>&1 ||
  fail "gpasm not found: it comes with gputils (Debian, Ubuntu: apt-get install gputils)" 4
[ -f "$source" ] || fail "cannot open $source" 1

# kcomp, kstrip and pic17sim sit beside kestrel, or else along PATH.
bin=$(cd "$(dirname "$0")" && pwd) || exit 1
tool() {
  if [ -x "$bin/$1" ]; then
    printf '%s' "$bin/$1"
  else
    command -v "$1" || fail "$1 not found beside kestrel ($bin) or along PATH" 1
  fi
}
kcomp=$(tool kcomp) || exit 1
kstrip=$(tool kstrip) || exit 1
pic17sim=$(tool pic17sim) || exit 1

source_dir=$(cd "$(dirname "$source")" && pwd) || fail "cannot open $source" 1
name=$(basename "$source")
stem=${name%.*}

work=$(mktemp -d "${TMPDIR:-/tmp}/kestrel.XXXXXX") || fail "cannot make a build folder" 1
# shellcheck disable=SC2317  # called by the trap
finish() {
  if [ "$keep" = yes ]; then
    echo "kestrel: build files kept in $work" >&2
  else
    rm -rf "$work"
  fi
}
trap finish EXIT
trap 'exit 130' INT TERM
cd "$work" || exit 1

# step STATUS TOOL COMMAND: runs the command line (quoted for eval); a
# failure ends kestrel with STATUS.
step() {
  eval "$3"
  result=$?
  [ $result -eq 0 ] || fail "$2 failed with status $result" "$1"
}

KR_LIB="$source_dir;${KR_LIB-}"
export KR_LIB
# kcomp, kstrip and gpasm once; with "quiet", what the program prints while
# it compiles is not shown again.
build_once() {
  long_option=
  [ "$long" = yes ] && long_option=-l
  # kcomp's console output is its banner, what the program prints while it
  # compiles (.( and . between definitions) and its report: only the middle
  # part is shown.
  eval "$(quote "$kcomp") $long_option $kcomp_options -o $(quote "$stem.asm") $(quote "$name") >kcomp.log"
  result=$?
  [ "${1-}" = quiet ] || awk 'NR <= 3 { next }
       /^PIC Memory Usage \(bytes\):$/ { exit }
       { line[++n] = $0 }
       END { while (n > 0 && line[n] == "") n--
             for (i = 1; i <= n; i++) print line[i] }' kcomp.log
  [ $result -eq 0 ] || fail "kcomp failed with status $result" 2
  step 3 kstrip "$(quote "$kstrip") $(quote "$stem.asm") >kstrip.log"
  eval "gpasm $gpasm_options $(quote "$stem.asm") >gpasm.log 2>&1"
}

build_once
gpasm_status=$?
if [ $gpasm_status -ne 0 ] && [ "$long" = no ] && grep -q 'compile it with kcomp -l' gpasm.log; then
  # Calls that reach all of program memory are longer and slower, so they
  # are used only when the program needs them.
  echo "kestrel: the code passes the first 8K-word page: compiling it again with -l (long calls)" >&2
  long=yes
  build_once quiet
  gpasm_status=$?
fi
cat gpasm.log  # gpasm prints its messages on standard output
if [ $gpasm_status -ne 0 ]; then
  keep=yes  # gpasm's messages name lines of the assembly file: keep it to look at
  fail "gpasm failed with status $gpasm_status" 4
fi

cp "$stem.hex" "$source_dir/$stem.hex" || fail "cannot write $source_dir/$stem.hex" 1
if [ "$listing" = yes ]; then
  cp "$stem.lst" "$source_dir/$stem.lst" || fail "cannot write $source_dir/$stem.lst" 1
fi

# One line: program words from gpasm's listing against the 16K words of
# the PIC17C756A, RAM bytes for data from kcomp's report (the four banks'
# allocated and available bytes).
words=$(sed -n 's/^Program Memory Words Used: *\([0-9]*\).*/\1/p' "$stem.lst")
ram=$(awk '/^ +Bank +Allocated +Available/ { table = 1; next }
           table && NF == 3 { used += $2; total += $2 + $3; next }
           table && NF != 3 { exit }
           END { print used + 0, total + 0 }' kcomp.log)
echo "$stem.hex: program memory ${words:-?} of 16384 words, RAM ${ram% *} of ${ram#* } bytes"

if [ "$command" = run ]; then
  eval "$(quote "$pic17sim") --stop-at __k_idle $sim_options $(quote "$stem.hex")"
  result=$?
  [ $result -eq 0 ] || fail "pic17sim stopped with status $result: the program did not return from main" 5
fi
exit 0
