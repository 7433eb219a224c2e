-- Tavoro database. Dates are ISO text (yyyy-MM-dd, yyyy-MM-dd HH:mm:ss,
-- HH:mm:ss), yes/no columns are 1/0, money is REAL rounded before writing.

-- Operators and security ------------------------------------------------

CREATE TABLE czyzd (
    czy_name TEXT NOT NULL PRIMARY KEY,
    czy_pass TEXT,
    sys_tag INTEGER NOT NULL DEFAULT 0,
    zhda TEXT,
    fjda TEXT,
    zwcl TEXT,
    bbsc TEXT,
    xtgl TEXT,
    zk REAL
);

CREATE TABLE czyrzh (
    tag REAL NOT NULL,
    czyname TEXT,
    czyxm TEXT,
    init_time TEXT,
    last_time TEXT
);
CREATE INDEX czyrzh_open ON czyrzh (czyname, czyxm) WHERE last_time IS NULL;

CREATE TABLE mm (
    sdmm TEXT,
    closemm TEXT,
    exitstmm TEXT,
    lsmm TEXT
);

CREATE TABLE bclx (
    lxname TEXT,
    kssj TEXT,
    jssj TEXT
);

CREATE TABLE stcs (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    sm TEXT,
    valuenr TEXT,
    lx TEXT,
    tooltiptext TEXT
);

-- Tables and billing ----------------------------------------------------

CREATE TABLE zhdy (
    zhao INTEGER NOT NULL UNIQUE,
    mc TEXT,
    sybj INTEGER NOT NULL DEFAULT 0,
    fwfl REAL DEFAULT 0,
    zxjffz INTEGER DEFAULT 0,
    zdxffz INTEGER DEFAULT 0,
    ktkh TEXT,
    tx REAL DEFAULT 0
);

CREATE TABLE waimxd (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    zhao INTEGER,
    khao TEXT,
    ksrc TEXT DEFAULT (datetime('now', 'localtime')),
    jsrc TEXT,
    sc REAL,
    sc1 TEXT,
    dj REAL,
    dj1 REAL,
    je REAL,
    je1 REAL,
    djid TEXT,
    rc TEXT,
    czyname TEXT,
    fkfs TEXT,
    dzbj TEXT
);
-- The board asks for the open visit of a table on every refresh: this index
-- holds only open visits, so the lookup never touches settled history.
CREATE INDEX waimxd_open ON waimxd (zhao) WHERE jsrc IS NULL;
CREATE INDEX waimxd_rc ON waimxd (rc, czyname);
CREATE INDEX waimxd_khao ON waimxd (khao);
CREATE INDEX waimxd_jsrc ON waimxd (jsrc);
-- The shift settle looks for the operator's rows still to be reconciled.
-- The mark leads no index: the statistics, which ask for two marks over a
-- period of days, would be planned on it and read most of the history.
CREATE INDEX waimxd_dzbj ON waimxd (czyname, dzbj);

CREATE TABLE jfbz (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    zhao INTEGER,
    hybz REAL,
    fhybz REAL,
    kssj TEXT,
    jssj TEXT,
    jfdw REAL,
    dwname TEXT
);
CREATE INDEX jfbz_zhao ON jfbz (zhao, id);

CREATE TABLE jfbzfa (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    hybz REAL,
    fhybz REAL,
    kssj TEXT,
    jssj TEXT,
    zhao INTEGER,
    name TEXT,
    lx TEXT
);

CREATE TABLE ztinfo (
    ct_dm TEXT,
    ct_name TEXT
);

-- Members ---------------------------------------------------------------

CREATE TABLE user_lb (
    khao TEXT NOT NULL PRIMARY KEY,
    yhm TEXT,
    mm TEXT,
    klx TEXT,
    zt TEXT,
    xb TEXT,
    sfzh TEXT,
    csrc TEXT,
    yxrc TEXT,
    yk REAL DEFAULT 0,
    js REAL DEFAULT 0,
    zk REAL DEFAULT 0,
    jslj REAL DEFAULT 0,
    jelj REAL DEFAULT 0,
    hybj TEXT,
    djsj TEXT,
    khrc TEXT,
    jbr TEXT,
    zz TEXT,
    bz TEXT,
    ct_dm TEXT
);
-- Cards are looked up without regard to letter case, as typed or read.
CREATE INDEX user_lb_khao_upper ON user_lb (upper(khao));

CREATE TABLE klx (
    klx TEXT
);

-- dzbj: "1" while the money is in the drawer of the shift that took it,
-- "2" once that shift is settled, "3" once the day is; empty for rows the
-- hand-over does not count: a member's edit carries no new money, and a
-- counter sale is counted by its goods row.
CREATE TABLE srmx (
    rc TEXT,
    czyname TEXT,
    je REAL,
    js REAL,
    xm TEXT,
    khao TEXT,
    kzje REAL,
    dzbj TEXT
);
CREATE INDEX srmx_khao ON srmx (khao);

-- Goods and stock -------------------------------------------------------

CREATE TABLE spzd (
    headcode TEXT,
    name TEXT,
    name_eng TEXT,
    spjm TEXT,
    spdw TEXT,
    spdj REAL,
    spgg TEXT,
    spcd REAL,
    sp_mix REAL,
    sp_max REAL,
    bm_sort TEXT,
    bm_name TEXT,
    point_h INTEGER,
    zzbj INTEGER NOT NULL DEFAULT 0,
    used_tag INTEGER NOT NULL DEFAULT 0,
    bj INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX spzd_headcode ON spzd (headcode);
CREATE INDEX spzd_name ON spzd (name);

CREATE TABLE ckv_zc (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    dj_id INTEGER,
    rc TEXT,
    wlcode TEXT,
    count REAL,
    price REAL,
    amount REAL,
    czyname TEXT,
    jsr TEXT,
    fkfs TEXT,
    abs TEXT,
    zhao TEXT,
    hyid TEXT,
    jzbj INTEGER NOT NULL DEFAULT 0,
    dzbj TEXT
);
CREATE INDEX ckv_zc_table ON ckv_zc (zhao, jzbj);
CREATE INDEX ckv_zc_rc ON ckv_zc (rc, czyname);
CREATE INDEX ckv_zc_dzbj ON ckv_zc (czyname, dzbj);

CREATE TABLE ckv_sr (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    dj_id INTEGER,
    rc TEXT,
    wlcode TEXT,
    count REAL,
    price REAL,
    amount REAL,
    czyname TEXT,
    jsr TEXT,
    fkfs TEXT,
    abs TEXT,
    jzbj INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ckv_sr_rc ON ckv_sr (rc);

CREATE TABLE bmzd (
    bmcode TEXT,
    name TEXT,
    zzbj INTEGER NOT NULL DEFAULT 0,
    used_tag INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE spye (
    headcode TEXT,
    bm_sort TEXT,
    count REAL,
    amount REAL
);

CREATE TABLE ckv (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    rc TEXT,
    headcode TEXT,
    bm_sort TEXT,
    count REAL,
    price REAL,
    amount REAL,
    czyname TEXT
);

CREATE TABLE ckv_ck (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    rc TEXT,
    headcode TEXT,
    bm_sort TEXT,
    count REAL,
    price REAL,
    amount REAL,
    czyname TEXT
);

-- Reporting work tables -------------------------------------------------

CREATE TABLE printbiao (
    rcl TEXT,
    zhao TEXT,
    sc1 TEXT,
    dj REAL,
    je REAL,
    id INTEGER
);

CREATE TABLE pr_codedict (
    xh INTEGER,
    table_code TEXT,
    table_name TEXT,
    colm_code TEXT,
    colm_name TEXT,
    colm_type TEXT,
    colm_cd INTEGER,
    colm_dq TEXT,
    can_show INTEGER,
    sum_tag TEXT
);

CREATE TABLE sfjctemp (
    headcode TEXT,
    jysl REAL,
    jyje REAL,
    rksl REAL,
    rkje REAL,
    cksl REAL,
    ckje REAL
);

CREATE TABLE sfjctemp1 (
    headcode TEXT,
    "上期数量" REAL,
    "上期金额" REAL,
    "入库数量" REAL,
    "入库金额" REAL,
    "出库数量" REAL,
    "出库金额" REAL,
    "结存数量" REAL,
    "结存金额" REAL
);

-- Import sources, read once by the catalogue import -----------------------

CREATE TABLE bmzd99 (
    sort TEXT,
    name TEXT
);

CREATE TABLE f2 (
    itemchn TEXT,
    itemeng TEXT,
    unit TEXT,
    lowlimit REAL,
    highlimit REAL
);

CREATE TABLE f3 (
    itemchn TEXT,
    itemeng TEXT,
    unit TEXT,
    lowlimit REAL,
    highlimit REAL
);

CREATE TABLE spfl99 (
    sort TEXT,
    name TEXT,
    bm_sort TEXT,
    bm_name TEXT
);

CREATE TABLE spml99 (
    headcode TEXT,
    speccode TEXT,
    name TEXT,
    unit TEXT,
    handcode TEXT
);

-- Views the reports read in place of the visit and sales tables -----------

CREATE VIEW waimxdall AS
    SELECT id, zhao, khao, ksrc, jsrc, sc, sc1, dj, dj1, je, je1, djid, rc, czyname, fkfs, dzbj
    FROM waimxd
    WHERE jsrc IS NOT NULL;

CREATE VIEW ckv_zcall AS
    SELECT id, dj_id, rc, wlcode, count, price, amount, czyname, jsr, fkfs, abs, zhao, hyid, jzbj, dzbj
    FROM ckv_zc
    WHERE jzbj = 1;
