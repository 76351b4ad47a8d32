# Sourced by the scripts that time a tool beside its peer in the same run.
# The script defines tool_round and peer_round, each timing one command with
# `timed` into "tw tu ts" (the tool) or "cw cu cs" (the peer), and optionally
# check_round; alternate_rounds N runs both N times, alternating which goes
# first so that neither always meets the other's aftermath, and keeps each
# side's wall times and each round's ratios of wall-clock and of processor
# time (user and system).

# Wall-clock, user and system seconds of one command.
TIMEFORMAT='%3R %3U %3S'
timed() { { time "$@" > "${timed_output:-/dev/null}"; } 2>&1; }
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms() { awk -v s="$1" 'BEGIN { printf "%.0f", s * 1000 }'; }

alternate_rounds() {
    walls=()
    cpus=()
    tool_times=()
    peer_times=()
    for ((i = 0; i < $1; ++i)); do
        if ((i % 2 == 0)); then
            peer_round
            tool_round
        else
            tool_round
            peer_round
        fi
        if declare -F check_round > /dev/null; then check_round; fi
        tool_times+=("$tw")
        peer_times+=("$cw")
        walls+=("$(awk -v t="$tw" -v c="$cw" 'BEGIN { printf "%.3f", t / c }')")
        cpus+=("$(awk -v t="$tu" -v u="$ts" -v c="$cu" -v d="$cs" 'BEGIN { printf "%.3f", (t + u) / (c + d) }')")
    done
}
