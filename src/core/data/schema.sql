-- Tavoro database. Dates are ISO text (yyyy-MM-dd, yyyy-MM-dd HH:mm:ss,
-- HH:mm:ss), yes/no columns are 1/0, money is REAL yuan rounded to two
-- decimals before writing. docs/glossary.md explains every name in full.
-- Comments stay above each statement: SQLite keeps a table's CREATE text,
-- and a comment inside it broke a later ALTER TABLE ... DROP COLUMN.

-- Operators and security ------------------------------------------------

-- czyzd: the operators. czy_name name (key), czy_pass Argon2id hash of the
-- trimmed upper-cased password, sys_tag 1 = system operator, zhda fjda zwcl
-- bbsc xtgl the letters of the rights granted per group, zk the lowest
-- discount allowed in tenths (8.5 = 15 % off, 0 = none).
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

-- czyrzh: the operator log. tag row number (max + 1), czyname operator,
-- czyxm the screen's title, init_time opened, last_time closed (null while
-- open), zdname the counter it was written at (null on older rows).
CREATE TABLE czyrzh (
    tag REAL NOT NULL,
    czyname TEXT,
    czyxm TEXT,
    init_time TEXT,
    last_time TEXT,
    zdname TEXT
);
CREATE INDEX czyrzh_open ON czyrzh (czyname, czyxm) WHERE last_time IS NULL;

-- mm: four old passwords sdmm closemm exitstmm lsmm, one empty row. Not used.
CREATE TABLE mm (
    sdmm TEXT,
    closemm TEXT,
    exitstmm TEXT,
    lsmm TEXT
);

-- bclx: the shifts. lxname name ("早班" ...), kssj start, jssj end (HH:mm:ss).
CREATE TABLE bclx (
    lxname TEXT,
    kssj TEXT,
    jssj TEXT
);

-- stcs: the parameters. id key, sm Chinese name, valuenr value as text, lx
-- group ("st" general, "dk" light port, "dkq" card-reader port, "dkset"
-- hidden), tooltiptext the editor's help text.
CREATE TABLE stcs (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    sm TEXT,
    valuenr TEXT,
    lx TEXT,
    tooltiptext TEXT
);

-- Tables and billing ----------------------------------------------------

-- zhdy: the billiard tables. zhao number (1..48 for the lights), mc name,
-- sybj 1 in use / 0 free, fwfl the guest's deposit in yuan, zxjffz billing
-- unit and zdxffz minimum charge in minutes, ktkh positioning card, tx
-- reminder minutes of the running visit (0 = none).
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

-- waimxd: the visits, the billing record (two rows when split at a rate
-- band). id key, zhao table, khao card (null = no card), ksrc start, jsrc
-- end (null while open), sc billed hours (4 decimals), sc1 the same as
-- "H:M" text, dj rate applied and dj1 non-member rate (yuan/hour), je time
-- charge, je1 charge at dj1 (yuan), djid id of the bill's first row, rc
-- business date, czyname operator who opened then settled, fkfs "现金" or
-- "刷卡" (from the balance), dzbj settle mark (see srmx), zdname the counter
-- that opened the visit (null for visits opened before counters had names),
-- zk the discount typed at checkout when it was priced (tenths, 8.5 bills
-- 85 %; 0 when none was, or when the card's own discount was priced instead)
-- and zkje the money it took off the row's je (both null on visits settled
-- before they were recorded).
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
    dzbj TEXT,
    zdname TEXT,
    zk REAL,
    zkje REAL
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

-- jfbz: the rate bands per table. id key, zhao table, hybz member and fhybz
-- non-member rate (yuan/hour), kssj jssj band start and end (HH:mm:ss), jfdw
-- billing units and dwname its name ("小时"), shown but not read by the charge.
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

-- jfbzfa: the rate schemes, copied onto tables. id key, hybz fhybz kssj jssj
-- as in jfbz, zhao the table first copied from (not read), name the
-- scheme's name, lx its kind ("标准").
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

-- ztinfo: the table kinds the table editor lists. ct_dm code, ct_name name.
CREATE TABLE ztinfo (
    ct_dm TEXT,
    ct_name TEXT
);

-- Members ---------------------------------------------------------------

-- user_lb: the members. khao card (key), yhm name, mm card password, klx card
-- type (a klx name), zt state ("正常" "禁用" "挂失" "透支"), xb "男"/"女", sfzh
-- the form's "手机号", csrc birth date, yxrc valid until, yk balance (yuan), js
-- time credit, zk discount in tenths, jslj hours and jelj yuan in total, hybj
-- "1"/"0" the form's "会员类型", khrc opening date, jbr who registered, zz
-- address, bz remark. djsj and ct_dm are not used.
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

-- klx: the card types: "优惠卡", "现金卡", "现金优惠卡", "机时卡".
CREATE TABLE klx (
    klx TEXT
);

-- srmx: the money record. rc business date, czyname operator, je money
-- (yuan: paid, or the card's balance for "开户"), js time credit, xm item
-- ("开户" card saved, "加款" top-up, "商品现金" counter sale), khao card
-- ("0000" for a counter sale), kzje money credited by a top-up, dzbj the
-- settle mark (added to older files at start).
-- The settle mark dzbj of waimxd, ckv_zc and srmx: "1" while the money is
-- in the drawer of the shift that took it, "2" once that shift is settled,
-- "3" once the day is. In srmx it is empty for rows the hand-over does not
-- count: a member's edit carries no new money, and a counter sale is counted
-- by its goods row.
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

-- spzd: the goods catalogue, categories and goods in one code tree.
-- headcode code (its length is its level), name, spjm short code, spdw unit,
-- spdj unit price (yuan), spgg size, spcd origin, sp_max member and sp_mix
-- non-member reduction (yuan off a table's goods line), bm_sort bm_name
-- department, point_h level, zzbj 1 goods / 0 category, used_tag 1 = may not
-- be deleted. name_eng and bj are not used.
CREATE TABLE spzd (
    headcode TEXT,
    name TEXT,
    name_eng TEXT,
    spjm TEXT,
    spdw TEXT,
    spdj REAL,
    spgg TEXT,
    spcd TEXT,
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

-- ckv_zc: the goods sold. id key, dj_id document number, rc business date,
-- wlcode goods (by spzd.name), count, price and amount (yuan), czyname
-- operator (the settler once paid at a table), jsr handler, fkfs "现金" or
-- "刷卡", abs remark, zhao table as text (empty at the counter), hyid id of
-- the table's open visit, jzbj 0 waiting on a table / 1 paid, dzbj the
-- settle mark, spdj the catalogue's unit price when the sale was written
-- (null for goods the catalogue does not name, and on older sales).
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
    dzbj TEXT,
    spdj REAL
);
CREATE INDEX ckv_zc_table ON ckv_zc (zhao, jzbj);
CREATE INDEX ckv_zc_rc ON ckv_zc (rc, czyname);
CREATE INDEX ckv_zc_dzbj ON ckv_zc (czyname, dzbj);

-- ckv_sr: the goods purchased, its columns as in ckv_zc. jzbj is not used.
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

-- bmzd: the departments. bmcode code, name. zzbj and used_tag are not used.
CREATE TABLE bmzd (
    bmcode TEXT,
    name TEXT,
    zzbj INTEGER NOT NULL DEFAULT 0,
    used_tag INTEGER NOT NULL DEFAULT 0
);

-- spye, ckv, ckv_ck: an older stock balance and department documents. Not
-- used.
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

-- printbiao: the last shift or day report's lines. rcl date, zhao table (or
-- goods name), sc1 "H:M" (or quantity), dj rate (or unit price), je amount,
-- id the visit (empty for goods).
CREATE TABLE printbiao (
    rcl TEXT,
    zhao TEXT,
    sc1 TEXT,
    dj REAL,
    je REAL,
    id INTEGER
);

-- pr_codedict: the columns of the member consumption listings. xh order,
-- table_code listing ("hyxf" "hyxftj" "hyxflj"), table_name, colm_code
-- column, colm_name caption, colm_type ("CHAR" "DATE" "DATETIME" "NUME" "INT"
-- "MON" "BFL"), colm_cd width, colm_dq "L"/"C"/"R", can_show 1/0, sum_tag
-- "1"/"0".
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

-- sfjctemp: the stock balance report's work rows. headcode goods name,
-- jysl jyje brought forward, rksl rkje purchased, cksl ckje sold.
CREATE TABLE sfjctemp (
    headcode TEXT,
    jysl REAL,
    jyje REAL,
    rksl REAL,
    rkje REAL,
    cksl REAL,
    ckje REAL
);

-- sfjctemp1: the stock balance report per goods: brought forward,
-- purchased, sold and balance, each quantity and amount.
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

-- bmzd99: departments to import. sort code, name.
CREATE TABLE bmzd99 (
    sort TEXT,
    name TEXT
);

-- f2, f3: not used.
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

-- spfl99: categories to import. sort code, name, bm_sort bm_name department.
CREATE TABLE spfl99 (
    sort TEXT,
    name TEXT,
    bm_sort TEXT,
    bm_name TEXT
);

-- spml99: goods to import. headcode category, speccode goods code (from its
-- second character), name, unit, handcode short code.
CREATE TABLE spml99 (
    headcode TEXT,
    speccode TEXT,
    name TEXT,
    unit TEXT,
    handcode TEXT
);

-- Views the reports read in place of the visit and sales tables -----------

-- waimxdall: the settled visits.
CREATE VIEW waimxdall AS
    SELECT id, zhao, khao, ksrc, jsrc, sc, sc1, dj, dj1, je, je1, djid, rc, czyname, fkfs, dzbj
    FROM waimxd
    WHERE jsrc IS NOT NULL;

-- ckv_zcall: the paid goods sales.
CREATE VIEW ckv_zcall AS
    SELECT id, dj_id, rc, wlcode, count, price, amount, czyname, jsr, fkfs, abs, zhao, hyid, jzbj, dzbj
    FROM ckv_zc
    WHERE jzbj = 1;
