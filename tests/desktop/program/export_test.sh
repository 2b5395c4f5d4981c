#!/bin/sh
# Worksheets from the command line: --export writes an SVG, a PNG or a PDF of
# the figure with no display at all, posed as asked (the lesson's step too);
# a value it cannot use gives one line on standard error, exit status 2, and
# no file.
set -u
binary=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
chmod 700 "$work"
trap 'umount "$work/disk" 2>/dev/null; chattr -i "$work/out/earlier.png" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/runtime" "$work/out"
chmod 700 "$work/runtime"

run() { # expected-status arguments...
    expected=$1
    shift
    # Files may grow to ${size_limit:-unlimited} blocks of 512 bytes; going past
    # fails the write, as a full disk does, rather than ending the program
    # (which nothing here helps by ignoring SIGXFSZ). $as runs it another way:
    # as another user, or under strace.
    (ulimit -f "${size_limit:-unlimited}" &&
        exec ${as:-} env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="${runtime:-$work/runtime}" \
            "$binary" "$@") >"$work/stdout" 2>"$work/stderr"
    status=$?
    [ "$status" -eq "$expected" ] || fail "'$*' exited with $status, expected $expected: $(cat "$work/stderr")"
}

# The initial figure in each format, quietly.
for kind in svg png pdf; do
    run 0 --export "$work/out/figure.$kind"
    [ -s "$work/out/figure.$kind" ] || fail "--export wrote no $kind"
    [ -s "$work/stderr" ] && fail "--export $kind wrote to standard error: $(cat "$work/stderr")"
    [ -s "$work/stdout" ] && fail "--export $kind wrote to standard output"
done
# Under cron or ssh there is often no XDG_RUNTIME_DIR: still not a word. (The
# toolkit then makes its own runtime folder under TMPDIR.)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR TMPDIR="$work" \
    "$binary" --export "$work/out/unset.pdf" >"$work/stdout" 2>"$work/stderr" ||
    fail "--export without XDG_RUNTIME_DIR failed: $(cat "$work/stderr")"
[ -s "$work/stderr" ] && fail "--export without XDG_RUNTIME_DIR wrote to standard error: $(cat "$work/stderr")"
xmllint --noout "$work/out/figure.svg" || fail "the SVG is not well-formed XML"
grep -q '<line x1="179.5" y1="432.8" x2="720.5" y2="432.8" ' "$work/out/figure.svg" || fail "the SVG has no BC"
grep -q 'x2="524.73016" y2="172.82759"' "$work/out/figure.svg" || fail "the SVG has no A at the worked example's place"
grep -q 'cm</text>' "$work/out/figure.svg" && fail "the SVG shows read-outs that were not asked for"
[ "$(identify -format '%w x %h' "$work/out/figure.png")" = "1800 x 1082" ] ||
    fail "the PNG is $(identify -format '%w x %h' "$work/out/figure.png"), not twice 900 x 541"
pdfinfo "$work/out/figure.pdf" | grep -q '^Pages: *1$' || fail "the PDF is not one page"

# Posed: A at 90 degrees with every read-out, the grid hidden, another size;
# upper-case extensions name the same kinds.
run 0 --export "$work/out/posed.SVG" --angle 90 --lengths --no-grid --size 1200x700
svg=$work/out/posed.SVG
for caption in "５cm" " 3.5cm" " 2.5cm"; do
    grep -q "xml:space=\"preserve\">$caption</text>" "$svg" || fail "no read-out '$caption' at 90 degrees"
done
[ "$(grep -c 'xml:space="preserve"> 3.5cm</text>' "$svg")" -eq 2 ] || fail "AB and AC do not both read 3.5cm"
[ "$(grep -c 'xml:space="preserve"> 2.5cm</text>' "$svg")" -eq 2 ] || fail "AD and BD do not both read 2.5cm"
grep -q 'stroke="#c0c0c0"' "$svg" && fail "--no-grid left the grid"
grep -q 'viewBox="0 0 1200 700"' "$svg" || fail "--size 1200x700 did not size the figure"

# The lesson: step 3 at 30 degrees in the drawing's text; with --blanks, a
# PDF with boxes where the degrees and the products were.
run 0 --export "$work/out/lesson.svg" --angle 30 --lesson 3
for text in "∠B ＝ ∠DAC ＝ 15°" "＝ 4.8 × 4.8 ＝ 23.04" "BD × BC ＝ 4.7 × 5 ＝ 23.5" \
    "※長さは小数第2位を四捨五入した値なので、積は少しずれます。" "四捨五入する前の長さで計算すると、どちらも 23.33 になります。"; do
    grep -q ">$text</text>" "$work/out/lesson.svg" || fail "no '$text' in the lesson at 30 degrees"
done
grep -q "≒" "$work/out/lesson.svg" && fail "the lesson at 30 degrees joins its two sides"
run 0 --export "$work/out/blanks.pdf" --lesson 3 --blanks
pdftotext "$work/out/blanks.pdf" "$work/blanks.txt" || fail "the PDF with blanks does not read"
grep -q "3.2 × 5" "$work/blanks.txt" || fail "the PDF with blanks has no factors: $(cat "$work/blanks.txt")"
grep -qE "16|37|53" "$work/blanks.txt" && fail "the PDF with blanks shows an answer: $(cat "$work/blanks.txt")"

# A save leaves the file it replaces the same file, whoever saves: owner,
# group, mode, ACL, attributes and every name of it; links lead to the file.
same=$work/same
mkdir -p "$same" "$work/locked" "$work/home/runtime"
printf x >"$same/theirs.svg" && printf x >"$same/root.svg" && printf x >"$same/acl.svg" && printf x >"$same/h1.svg"
printf x >"$same/c.svg" && printf x >"$work/locked/mine.svg" && ln "$same/h1.svg" "$same/h2.svg"
ln -s b.svg "$same/a.svg" && ln -s c.svg "$same/b.svg" && ln -s e.svg "$same/d.svg"
identity() { stat -c '%u:%g %a %h' "$1" && getfacl -cp "$1" && getfattr --absolute-names -d "$1"; }
kept() { # what file: saved over, the file has new contents and nothing else changed
    was=$(identity "$2")
    run 0 --export "$2"
    [ -s "$work/stderr" ] && fail "$1: $(cat "$work/stderr")"
    [ "$(identity "$2")" = "$was" ] || fail "$1: $(identity "$2"), was $was"
    grep -q '<svg ' "$2" || fail "$1: the file was not written"
    ls -A "$same" "$work/locked" "$work/home" | grep '^\.altitude-' && fail "$1: a temporary file was left"
}
if [ "$(id -u)" -eq 0 ] && setfacl -m u:1236:rw "$same/acl.svg" && setfattr -n user.note -v 3 "$same/acl.svg"; then
    chown 1234:1234 "$same/root.svg" && chmod 640 "$same/root.svg"
    kept "root saving over another's 0640 file" "$same/root.svg"
    kept "an ACL and a user attribute" "$same/acl.svg"
    # A colleague of group 2000, in a folder of that group: in place.
    chown 1234:2000 "$same" "$same/theirs.svg" && chmod 775 "$same" && chmod 664 "$same/theirs.svg"
    chown -R 1235 "$work/home" "$work/locked/mine.svg" && chmod 711 "$work" && chmod 700 "$work/home/runtime"
    as="setpriv --reuid=1235 --regid=1235 --groups=2000 env HOME=$work/home TMPDIR=$work/home" runtime=$work/home/runtime
    kept "a colleague's save" "$same/theirs.svg"
    kept "a file in a folder that takes no new file" "$work/locked/mine.svg"
    as= runtime=
else
    echo "SKIP: not root, or no ACL or user attribute here: owner, group, ACL and attributes not tried" >&2
fi
kept "a second hard link" "$same/h2.svg"
cmp -s "$same/h1.svg" "$same/h2.svg" || fail "the first hard link kept the old contents"
run 0 --export "$same/a.svg"
run 0 --export "$same/d.svg"
[ "$(readlink "$same/a.svg") $(readlink "$same/b.svg") $(readlink "$same/d.svg")" = "b.svg c.svg e.svg" ] ||
    fail "a link was replaced: $(ls -l "$same")"
grep -q '<svg ' "$same/c.svg" && grep -q '<svg ' "$same/e.svg" || fail "a chain or a dangling link did not lead to its file"
# After the rename, the folder is synced, or a power cut may lose the new name.
as="strace -f -qq -y -o $work/trace -e trace=rename,fsync env ASAN_OPTIONS=detect_leaks=0"
run 0 --export "$same/c.svg"
as=
grep -A 1 ' rename(' "$work/trace" | grep -q "fsync([0-9]*<$same>) *= 0" || fail "no sync of the folder: $(cat "$work/trace")"

# A handout at 74 degrees: an upright A4 page with a name line and the four
# relations' headings, and no number but the figure's read-outs (the
# exponents and "2組" aside); its answer sheet has every answer; true to
# scale, BC is 50 mm long on paper, in the PDF as in the SVG.
run 0 --export "$work/out/handout.pdf" --handout
pdfinfo "$work/out/handout.pdf" | grep -q "^Page size: *595 x 842 pts (A4)" || fail "the handout is not upright A4"
pdftotext "$work/out/handout.pdf" "$work/handout.txt" || fail "the handout does not read"
for text in 名前 "AB2 ＝ BD × BC" "AC2 ＝ CD × CB" "AD2 ＝ BD × DC" "AB × AC ＝ BC × AD" "CD ＝ BC − BD ＝"; do
    grep -qF "$text" "$work/handout.txt" || fail "no '$text' on the handout: $(cat "$work/handout.txt")"
done
sed -e 's/[0-9.５]*cm//g' -e 's/A[BCD]2/A/g' -e 's/2組//' "$work/handout.txt" | grep -n '[0-9]' &&
    fail "the handout gives a number away"
run 0 --export "$work/out/answers.pdf" --answers
pdftotext "$work/out/answers.pdf" "$work/answers.txt" || fail "the answer sheet does not read"
for number in 16 9 5.76 12 37 53 1.8; do
    grep -qE "(^|[^0-9.])$number([^0-9.]|$)" "$work/answers.txt" || fail "no $number on the answer sheet"
done
run 0 --export "$work/out/scaled.pdf" --handout --true-scale
# At 254 dots per inch ten pixels make a millimetre: BC lies along the row
# through the figure (70 mm wide from the margin, 15 mm) with the most dark
# pixels (the grid is light), and runs from its first to its last, its
# round ends adding the line's width.
pdftoppm -r 254 -gray -singlefile "$work/out/scaled.pdf" "$work/scaled" || fail "the true-scale PDF does not draw"
bc_mm=$(python3 -c '
import sys
data = open(sys.argv[1], "rb").read()
magic, size, depth, pixels = data.split(b"\n", 3)
width = int(size.split()[0])
rows = [[x for x in range(100, 900) if pixels[y * width + x] < 100] for y in range(350, 900)]
dark = max(rows, key=len)
print((dark[-1] - dark[0] + 1) / 10)' "$work/scaled.pgm")
python3 -c "import sys; sys.exit(abs($bc_mm - 50.3) > 0.5)" || fail "BC is $bc_mm mm on the true-scale handout"
for what in "--handout" ""; do
    run 0 --export "$work/out/scaled.svg" --true-scale $what
    bc_mm=$(awk -F'"' '/<svg /{for(i=1;i<NF;i++){if($i~/ width=$/)w=$(i+1);if($i~/viewBox=$/){split($(i+1),v," ")}}}
        /stroke-width="3"/ && $4==$8 && !bc {bc=$6-$2} END {sub("mm","",w); print bc*w/v[3]}' "$work/out/scaled.svg")
    python3 -c "import sys; sys.exit(abs($bc_mm - 50) > 0.01)" || fail "BC is $bc_mm mm in the true-scale SVG $what"
done

# Mistakes: one line each, status 2, and nothing written, not even a
# temporary file beside the target; earlier worksheets stay byte for byte.
out=$work/out
mkdir "$out/folder.svg"
for kind in svg png pdf; do
    printf 'an earlier worksheet' >"$out/earlier.$kind"
done
ln -s l2.svg "$out/l1.svg" && ln -s l1.svg "$out/l2.svg"
before=$(ls -A "$out")
refused() { # what arguments...
    what=$1
    shift
    run 2 "$@"
    [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "$what: not one line on standard error: $(cat "$work/stderr")"
    grep -q "^altitude: " "$work/stderr" || fail "$what: no clear message: $(cat "$work/stderr")"
    [ "$(ls -A "$out")" = "$before" ] || fail "$what: left $(ls -A "$out")"
    for kind in svg png pdf; do
        [ "$(cat "$out/earlier.$kind")" = "an earlier worksheet" ] || fail "$what: earlier.$kind changed"
    done
}
size_limit=1
for kind in svg png pdf; do
    refused "a full disk" --export "$work/out/earlier.$kind"
    grep -q "disk is full.*unchanged" "$work/stderr" || fail "a full disk, $kind: $(cat "$work/stderr")"
done
size_limit=
# A disk that is full (ENOSPC, where a size limit gives EFBIG), then the same
# disk read-only, which is no read-only file.
mkdir "$work/disk"
if mount -t tmpfs -o size=64k tmpfs "$work/disk" 2>/dev/null; then
    out=$work/disk
    for kind in svg png pdf; do
        printf 'an earlier worksheet' >"$out/earlier.$kind"
    done
    dd if=/dev/zero of="$out/filler" bs=1k 2>/dev/null
    before=$(ls -A "$out")
    refused "a full disk" --export "$out/earlier.svg"
    grep -q "disk is full.*No space left on device.*unchanged" "$work/stderr" || fail "ENOSPC: $(cat "$work/stderr")"
    mount -o remount,ro "$out"
    refused "a read-only disk" --export "$out/earlier.svg"
    grep -q "disk is read-only" "$work/stderr" || fail "a read-only disk: $(cat "$work/stderr")"
    umount "$out"
    out=$work/out before=$(ls -A "$work/out")
else
    echo "SKIP: no tmpfs may be mounted here: the full and the read-only disk not tried" >&2
fi
chmod 444 "$work/out/earlier.svg"
refused "a read-only file" --export "$work/out/earlier.svg"
grep -q "read-only" "$work/stderr" || fail "a read-only file: $(cat "$work/stderr")"
chmod 644 "$out/earlier.svg"
if chattr +i "$out/earlier.png" 2>/dev/null; then
    refused "an immutable file" --export "$out/earlier.png"
    chattr -i "$out/earlier.png"
else
    echo "SKIP: chattr +i is not allowed here: an immutable file not tried" >&2
fi
# A rename and a sync that fail, made to fail by strace.
for failing in rename,renameat,renameat2 fsync; do
    as="strace -f -qq -o /dev/null -e trace=$failing -e inject=$failing:error=EIO env ASAN_OPTIONS=detect_leaks=0"
    refused "a failing $failing" --export "$out/earlier.svg"
    as=
done
refused "a name that is not UTF-8" --export "$work/out/$(printf 'sj\216O.svg')"
refused "a second --export" --export "$out/bad.svg" --export "$out/$(printf 'bad\377.png')"
refused "a second --export" --export "$out/bad.svg" --export "$out/bad.png"
refused "a name across lines" --export "$out/$(printf 'two\nlines\033[2J')/bad.svg"
refused "a loop of links" --export "$out/l1.svg"
grep -q "l1.svg': .*loop" "$work/stderr" || fail "a loop of links: $(cat "$work/stderr")"
refused "an empty size" --export "$work/out/bad.svg" --size 0x0
refused "a negative size" --export "$work/out/bad.png" --size -900x541
refused "a size that is no number" --export "$work/out/bad.svg" --size wide
refused "a size without its height" --export "$work/out/bad.svg" --size 900
refused "an angle that is no whole number" --export "$work/out/bad.svg" --angle 45.5
refused "an unknown extension" --export "$work/out/bad.jpg"
refused "a folder of that name" --export "$work/out/folder.svg"
refused "a missing folder" --export "$work/out/none/bad.svg"
refused "a folder that cannot be written" --export /proc/bad.pdf
refused "no file named" --export
refused "a missing value" --export "$work/out/bad.svg" --size
refused "a lesson step past the last" --export "$work/out/bad.svg" --lesson 10
refused "blanks without a lesson" --export "$work/out/bad.pdf" --blanks
refused "a handout with a lesson step" --export "$work/out/bad.pdf" --handout --lesson 3

# SIGTERM, SIGHUP and SIGINT in the middle of a save (strace sends each as
# the new file is synced) end the program as before, once that is removed.
for signal in TERM:143 HUP:129 INT:130; do
    as="env --default-signal=INT strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:signal=${signal%:*}:when=1
        env ASAN_OPTIONS=detect_leaks=0"
    (run "${signal#*:}" --export "$out/earlier.svg") 2>"$work/job" || fail "SIG${signal%:*}: $(cat "$work/job")"
    [ "$(ls -A "$out")" = "$before" ] && [ "$(cat "$out/earlier.svg")" = "an earlier worksheet" ] ||
        fail "SIG${signal%:*} during a save left $(ls -A "$out")"
done
as=

# A write in place that fails (at its close) says so, and names the copy it
# kept of the whole new file.
as="strace -f -qq -o /dev/null -P $same/h1.svg -e trace=close -e inject=close:error=EIO env ASAN_OPTIONS=detect_leaks=0"
run 2 --export "$same/h1.svg" --angle 60
as=
copy=$(sed -n "s/.* in place .* kept as '\(.*\)'$/\1/p" "$work/stderr")
run 0 --export "$work/sixty.svg" --angle 60
[ -n "$copy" ] && cmp -s "$copy" "$work/sixty.svg" || fail "no whole copy kept: $(cat "$work/stderr")"

# Listed in --help; an option of the export's alone is a mistake of the
# usual kind, while the pose (--angle, --lengths, --no-grid, --lesson)
# opens the window, here with no display to open it on, and is still
# refused where its value is wrong.
run 0 --help
grep -q -- "--export <file>" "$work/stdout" || fail "--help does not list --export"
grep -q "measured at the centre of BC" "$work/stdout" || fail "--help does not say what the angle is"
run 2 --size 900x541
run 2 --blanks
run 1 --angle 90 --lesson 3 --lengths --no-grid
run 2 --lesson 10
echo "PASS"
