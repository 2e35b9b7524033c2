#!/bin/sh
# Two copies of a two-page PostScript file printed with lp through the
# private queue: one PDF of four pages, collated, each with its line of text.
set -eu
if [ -e "$QUILLARY_PRINT_UNAVAILABLE" ]; then
    echo "skipped: $(cat "$QUILLARY_PRINT_UNAVAILABLE")"
    exit 77
fi
queue=quillary-pdf
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/two-pages.ps" <<'PS'
%!PS-Adobe-3.0
%%Pages: 2
%%EndComments
%%Page: 1 1
/Helvetica findfont 24 scalefont setfont
72 700 moveto (The first page from lp) show
showpage
%%Page: 2 2
/Helvetica findfont 24 scalefont setfont
72 700 moveto (The second page from lp) show
showpage
%%EOF
PS

# "request id is quillary-pdf-7 (1 file(s))"
request=$(lp -d "$queue" -t lp-smoke -n 2 -o collate=true "$scratch/two-pages.ps")
job=$(echo "$request" | sed -n "s/^request id is $queue-\([0-9]*\) .*/\1/p")
[ -n "$job" ] || { echo "lp said: $request"; exit 1; }
for _ in $(seq 600); do
    lpstat -W completed -o "$queue" | grep -q "^$queue-$job " && break
    sleep 0.1
done
pdf=$QUILLARY_PRINT_OUTPUT/lp-smoke-job_$job.pdf
[ -f "$pdf" ] || { echo "no $pdf after 60 s; the queue holds:"; lpstat -W all -o "$queue"; exit 1; }

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 4 ] || { echo "$pdf has $pages pages, not 4"; exit 1; }
texts=$(pdftotext "$pdf" - | tr '\f' '\n' | grep -v '^$' | tr '\n' '|')
expected="The first page from lp|The second page from lp|The first page from lp|The second page from lp|"
[ "$texts" = "$expected" ] || { echo "the pages read \"$texts\", not \"$expected\""; exit 1; }
echo "$pdf: 4 pages, each with its text"
