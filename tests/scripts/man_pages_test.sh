#!/usr/bin/env bash
# Every option (and command) a program's --help lists is in its manual page,
# and --version names the program and the project's version.
#   man_pages_test.sh PACKAGING_DIR BIN_DIR VERSION
set -uo pipefail
pages="$1"
bin="$2"
version="$3"
failed=0
for program in tessaro tessaro-cli tessaro-boardsim; do
    page="$pages/$program.1"
    # The page as man shows it: "\-" is a plain dash.
    text="$(sed 's/\\-/-/g' "$page")"
    help="$(QT_QPA_PLATFORM=offscreen "$bin/$program" --help)"
    options="$(grep -oE -- '(^|[ ,])--[a-z][a-z-]*' <<<"$help" | grep -oE -- '--[a-z-]+' | sort -u)"
    commands="$(sed -n '/^Commands:/,/^$/p' <<<"$help" | grep -oE '^  [a-z]+' | sort -u)"
    if [ -z "$options" ]; then
        echo "$program --help lists no options"
        failed=1
    fi
    for option in $options; do
        if ! grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$text"; then
            echo "$program.1 lacks $option"
            failed=1
        fi
    done
    # A command stands in bold at the head of its paragraph.
    for command in $commands; do
        if ! grep -qE "^\.B[IR]? (.*[ \"]|.*\\\\fP)?$command([ \",]|\$)" <<<"$text"; then
            echo "$program.1 lacks the command $command"
            failed=1
        fi
    done
    said="$(QT_QPA_PLATFORM=offscreen "$bin/$program" --version)"
    if [ "$said" != "$program $version" ]; then
        echo "$program --version says '$said', not '$program $version'"
        failed=1
    fi
done
exit $failed
