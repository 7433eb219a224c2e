# shellcheck shell=bash
# Sourced by scripts/test: a throwaway PostgreSQL cluster for the tests, in a
# temporary folder, listening only on a Unix socket there, gone when the
# script that started it exits (also when a test fails or hangs and is
# stopped). PostgreSQL refuses to run as root, so as root the cluster belongs
# to the postgres user that Debian's package makes.

tavoro_pg_bin() {
    local bin
    for bin in /usr/lib/postgresql/*/bin; do
        [[ -x "$bin/initdb" ]] && echo "$bin"
    done | sort -V | tail -n 1
}

# Starts the cluster and exports TAVORO_TEST_PGHOST, its socket folder, for
# the tests; the superuser is "tavoro", trusted on that socket only. The role
# "cashier" logs in with the password "right" alone, for the tests of a
# password refused or missing.
tavoro_pg_start() {
    local bin
    bin="$(tavoro_pg_bin)"
    if [[ -z "$bin" ]]; then
        echo "PostgreSQL's programs are missing: the server tests are skipped." >&2
        return 0
    fi
    TAVORO_PG_DIR="$(mktemp -d "${TMPDIR:-/tmp}/tavoro-pg.XXXXXX")"
    chmod 755 "$TAVORO_PG_DIR"
    TAVORO_PG_AS=()
    if ((EUID == 0)); then
        chown postgres: "$TAVORO_PG_DIR"
        TAVORO_PG_AS=(runuser -u postgres --)
    fi
    trap tavoro_pg_stop EXIT
    "${TAVORO_PG_AS[@]}" "$bin/initdb" -D "$TAVORO_PG_DIR/data" -A trust -U tavoro -E UTF8 --locale=C.UTF-8 \
        >"$TAVORO_PG_DIR/initdb.log"
    # The first line that matches decides: the cashier's comes before trust.
    "${TAVORO_PG_AS[@]}" sed -i '1i local all cashier scram-sha-256' "$TAVORO_PG_DIR/data/pg_hba.conf"
    # Durability is the file system's business in a cluster that lives for
    # one run; the tests that cut the power do so to the client.
    "${TAVORO_PG_AS[@]}" "$bin/pg_ctl" -D "$TAVORO_PG_DIR/data" -l "$TAVORO_PG_DIR/server.log" -w \
        -o "-c listen_addresses='' -k $TAVORO_PG_DIR -c fsync=off -c full_page_writes=off" start >/dev/null
    "$bin/psql" -q -h "$TAVORO_PG_DIR" -U tavoro -d postgres \
        -c "create role cashier login password 'right'" >/dev/null
    export TAVORO_TEST_PGHOST="$TAVORO_PG_DIR"
    echo "PostgreSQL $("$bin/postgres" --version | awk '{print $3}') for the tests on $TAVORO_PG_DIR"
}

tavoro_pg_stop() {
    [[ -n "${TAVORO_PG_DIR:-}" ]] || return 0
    "${TAVORO_PG_AS[@]}" "$(tavoro_pg_bin)/pg_ctl" -D "$TAVORO_PG_DIR/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$TAVORO_PG_DIR"
    TAVORO_PG_DIR=""
}
