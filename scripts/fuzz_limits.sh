# The limits every fuzz run shares, sourced by test.sh and fuzz_long.sh: an
# input longer than 4096 bytes is never tried, one input may take 10 s, and
# the process 2 GB; a single allocation above 512 MB is a failure, since no
# input of these sizes needs one.
fuzz_limits=(-max_len=4096 -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512)

# The runs of the short fixed-seed run of a target: a few seconds to about
# twenty each on two cores under the sanitizers.
fuzz_runs() {
    case "$1" in
        calc_formula_fuzzer) echo 30000 ;;
        cli_script_fuzzer) echo 2000 ;;
        scalar_formula_fuzzer) echo 60000 ;;
        bigint_text_fuzzer) echo 200000 ;;
        paste_fuzzer) echo 300000 ;;
        *) echo 50000 ;;
    esac
}
