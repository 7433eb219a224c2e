#pragma once

struct AppState;

// The database backup as the operator runs it: hourglass while it copies, then
// a message naming the file written, or naming the file and the cause when
// the copy failed.
void databaseBackup(const AppState& state);

// The backup on leaving the program: runs databaseBackup() when the
// parameter "是否自动备份数据库" is on, and does nothing otherwise.
void backupOnExit(const AppState& state);
