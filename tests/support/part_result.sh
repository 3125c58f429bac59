# Shows a part's outcome as its transcript's run wrote it: PASSED, SKIPPED or
# FAILED, its name, and what it reported. No file: the run left the part out.
cat -- "$1" 2>/dev/null ||
    echo "$1: not played: a part renamed or moved since the last build (build again), or its run ended early"
