#!/usr/bin/env bash
# Checks that the game's includes go one way, from the front-ends down to the core:
#   - core/ includes only core/ and the C++ standard library (its tests also doctest), so that
#     every front-end, the browser's too, runs the same rules;
#   - desktop/ includes core/, desktop/ and the metafile helper's protocol headers, never web/;
#   - the metafile helper includes only itself, the core's picture limits and libwmf;
#   - the browser's bindings (web/) include the core and emscripten's own headers;
#   - no folder includes a folder that, directly or through others, includes it back.
# A folder is the directory a source file sits in; includes inside one folder do not count.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0
fail() {
    echo "layer: $*" >&2
    status=1
}

# The standard library's headers: anything else in angle brackets is a library or the platform.
standard_headers=(algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv
    chrono cinttypes climits clocale cmath compare concepts cstddef cstdint cstdio cstdlib cstring
    ctime cwchar deque exception filesystem format functional initializer_list iomanip ios iosfwd
    iostream istream iterator limits list locale map memory memory_resource new numbers numeric
    optional ostream queue random ratio set source_location span sstream stack stdexcept
    streambuf string string_view system_error tuple type_traits unordered_map unordered_set
    utility variant vector version)
standard=" ${standard_headers[*]} "

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
mapfile -t files < <(git ls-files 'core/*.h' 'core/*.cpp' 'core/*.inc' 'desktop/*.h' 'desktop/*.cpp' \
    'metafile/*.h' 'metafile/*.cpp' 'web/*.h' 'web/*.cpp')
for file in "${files[@]}"; do
    folder=$(dirname "$file")
    while read -r included; do
        target=$(dirname "$included")
        case "$file:$included" in
            core/*:core/*) ;;
            desktop/*:core/* | desktop/*:desktop/* | desktop/*:metafile/*) ;;
            metafile/*:metafile/* | metafile/*:core/pictures/*) ;;
            web/*:core/* | web/*:web/*) ;;
            desktop/tests/*:support/* | core/tests/*:support/* | desktop/tests/*:*.moc) continue ;;
            *) fail "$file includes \"$included\"" ;;
        esac
        [ "$target" != "$folder" ] && echo "$folder $target" >>"$edges"
    done < <(sed -n 's/^#include "\(.*\)"/\1/p' "$file")
    case "$file" in
        core/*)
            while read -r header; do
                [[ "$standard" == *" $header "* ]] && continue
                [[ "$file" == core/tests/* && "$header" == doctest/doctest.h ]] && continue
                fail "$file includes <$header>, which is not the standard library"
            done < <(sed -n 's/^#include <\(.*\)>/\1/p' "$file")
            ;;
    esac
done

# tsort reports a loop in the folder graph (one folder to the next) on stderr.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loop"; then
    echo "folders include each other in a circle:" >&2
    grep -v 'input contains a loop' "$edges.loop" | sed 's/^tsort: /  /' >&2
    status=1
fi
rm -f "$edges.loop"
[ "$status" -eq 0 ] &&
    echo "layers: ${#files[@]} files; core includes only itself and the standard library, no folder cycle"
exit "$status"
