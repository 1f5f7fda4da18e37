#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, installs it on this machine, runs
# the installed programs from their installed places, removes the package and checks that no
# program file is left. Needs root (or sudo). Usage: scripts/package-test.sh [build/ci]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/wortsmith-calculator_*.deb | head -n 1)
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,/Description:/p'

# Debian's own checks: any error fails the test.
if ! command -v lintian >/dev/null; then
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends lintian >/dev/null
fi
lintian --fail-on error "$deb" 2>&1 | grep -v "running with root"
[ "${PIPESTATUS[0]}" -eq 0 ] || { echo "lintian found errors in $deb"; exit 1; }

DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "$(realpath "$deb")" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y wortsmith-calculator >/dev/null 2>&1 || true' EXIT

# The library is in the linker cache, the pages and the completion where their tools look, and
# a recipe database is known by its type.
# (grep reads to the end: with pipefail, a grep -q that stops at the first match can leave the
# command before it killed by SIGPIPE and the pipe failed.)
/sbin/ldconfig -p | grep "libsetupaid.so.1 " >/dev/null || { echo "libsetupaid.so.1 is not in the linker cache"; exit 1; }
for f in /usr/share/man/man1/wscalc.1.gz /usr/share/man/man1/wscalc-cli.1.gz \
         /usr/share/bash-completion/completions/wscalc-cli \
         /usr/share/doc/wortsmith-calculator/copyright /usr/share/doc/wortsmith-calculator/README.md; do
    [ -s "$f" ] || { echo "missing after install: $f"; exit 1; }
done
man -l /usr/share/man/man1/wscalc-cli.1.gz 2>/dev/null | grep "EXIT STATUS" >/dev/null ||
    { echo "the wscalc-cli man page does not read"; exit 1; }
if [ -d /usr/share/mime/application ]; then
    [ -e /usr/share/mime/application/x-wortsmith-recipes.xml ] ||
        { echo "the recipe database type is not in the MIME database"; exit 1; }
fi
bash -c 'source /usr/share/bash-completion/completions/wscalc-cli; COMP_WORDS=(wscalc-cli rep); COMP_CWORD=1; _wscalc_cli; [ "${COMPREPLY[*]}" = "repair report" ]' ||
    { echo "the installed completion does not complete the commands"; exit 1; }
/usr/bin/wscalc-cli --version

# The command-line tool on the installed databases.
/usr/bin/wscalc-cli show /usr/share/wortsmith/WortsmithSamples.mdb /usr/share/wortsmith/WortsmithData.mdb | head -n 5

# The program, offscreen, on a copy of the samples, as a new user: it finds its layouts, help,
# tips, reports and Data database in the installed places.
home=$(mktemp -d)
cp /usr/share/wortsmith/WortsmithSamples.mdb "$home/samples.mdb"
mkdir -p "$home/config/Quillbarrow Software"
printf '[Tip]\nStartUp=1\n[Units]\nOffered=1\n' >"$home/config/Quillbarrow Software/Wortsmith Calculator.conf"
out=$(cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
      XDG_CACHE_HOME="$home/cache" QT_QPA_PLATFORM=offscreen WSC_QUIT_WHEN_SHOWN=1 \
      /usr/bin/wscalc /s "$home/samples.mdb" 2>&1)
echo "$out" | grep -q "shown after" || { echo "the installed program did not show the form: $out"; exit 1; }
grep -q "DefaultDataFile=.*$home/data/.*WortsmithData.mdb" \
    "$home/config/Quillbarrow Software/Wortsmith Calculator.conf" ||
    { echo "the new user got no Data database of their own"; exit 1; }
echo "installed program: ${out}"
rm -rf "$home"

# Removal leaves no program file behind.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get purge -y wortsmith-calculator >/dev/null
trap - EXIT
left=""
for f in /usr/bin/wscalc /usr/bin/wscalc-cli /usr/lib/libsetupaid.so.1 /usr/share/wortsmith \
         /usr/share/applications/wortsmith-calculator.desktop /usr/share/doc/wortsmith-calculator \
         /usr/share/mime/application/x-wortsmith-recipes.xml; do
    [ -e "$f" ] && left="$left $f"
done
[ -z "$left" ] || { echo "left behind after removal:$left"; exit 1; }
echo "package installed, ran and was removed cleanly"
