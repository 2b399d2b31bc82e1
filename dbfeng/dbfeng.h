#ifndef DBFENG_H
#define DBFENG_H

/*
 * The table engine's C interface: dBASE III tables in numbered work areas, each with a cursor, an
 * optional query (the records a view shows), index orders and record locks.
 *
 * Conventions
 * - One thread only: the engine keeps no locks of its own.
 * - Record, layout, index and query calls act on the selected work area (dbe_Select).
 * - Flags are passed and returned as 0 (false) and non-zero (true).
 * - Returned strings belong to the engine and stay valid until the next call that returns one;
 *   they are never NULL.
 * - Record numbers are physical, counted from 1. A record image is dbe_RecSize() bytes in dBASE
 *   layout: the deletion flag byte (' ' live, '*' deleted), then the fields in file order.
 * - Text is passed through as bytes; no code-page translation.
 * - Failures never show anything: they give the documented failure result, and the reason is
 *   kept for dbe_ErrorText().
 */

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define DBE_API __declspec(dllexport)
#else
#define DBE_API __attribute__((visibility("default")))
#endif

/* System properties (dbe_SysProp). */
#define DBE_PROP_SEEK_WHOLE_KEY_GET 1002 /* read: 1 when a seek needs the whole key */
#define DBE_PROP_SEEK_WHOLE_KEY_SET 1003 /* set: 1 a seek needs the whole key, 0 a prefix will do */
#define DBE_PROP_VERSION 1110            /* engine version, e.g. 100 for 1.00 */
#define DBE_PROP_BUILD 1111
#define DBE_PROP_MAX_WORK_AREAS 1122
#define DBE_PROP_DURABLE_WRITES 2001 /* 1 (default): every write is synced to disk before it returns */
#define DBE_PROP_ORDER_COUNT 3000    /* open index orders of the selected work area */

/* Open modes of dbe_Use. */
#define DBE_OPEN_SHARED 0
#define DBE_OPEN_READONLY 1
#define DBE_OPEN_EXCLUSIVE 2

/* Value types of dbe_EvalTest. */
#define DBE_TYPE_INVALID 0
#define DBE_TYPE_CHARACTER 1
#define DBE_TYPE_NUMERIC 2
#define DBE_TYPE_LOGICAL 3

/* Loading */
DBE_API int dbe_SetStringType(int type);
/* Reads a property; with a non-empty buffer (a decimal number) also sets it. Returns the value
 * before the call, -1 for an unknown property. */
DBE_API int dbe_SysProp(int item, const char* buffer);
DBE_API const char* dbe_ErrorText(void);

/* Work areas */
DBE_API int dbe_WorkArea(const char* alias); /* work area using the alias, 0 when none */
DBE_API int dbe_Use(const char* file, const char* alias, int openMode, int driver); /* < 1: failed */
DBE_API int dbe_Select(int workArea);        /* selects; returns the previous selection */
DBE_API const char* dbe_Alias(int workArea); /* "" when not open */
DBE_API int dbe_Close(void);                 /* closes the selected work area */
DBE_API int dbe_ErrorLevel(int level);       /* returns the previous level */

/* Settings (engine-wide); each returns the previous value */
DBE_API int dbe_SetExact(int on);
DBE_API int dbe_SetCentury(int on);
DBE_API int dbe_SetDateFormat(int format);
DBE_API int dbe_SetDeleted(int on);
DBE_API int dbe_SetEpoch(int year);
DBE_API int dbe_SetMemoBlockSize(int size);
DBE_API int dbe_SetSoftSeek(int on);
DBE_API int dbe_SetTurboRead(int level);
DBE_API int dbe_SetTranslate(int on);

/* Layout of the selected work area; fields are numbered from 1 and named in any case */
DBE_API int dbe_FieldCount(void);
DBE_API int dbe_RecSize(void);
DBE_API int dbe_IsEncrypted(int dummy);
DBE_API const char* dbe_FieldName(int number);
DBE_API const char* dbe_FieldType(const char* name); /* "C", "N", "L", "D", ... ; "" unknown */
DBE_API int dbe_FieldOffset(const char* name);       /* offset in the record image, -1 unknown */
DBE_API int dbe_FieldWidth(const char* name);
DBE_API int dbe_FieldDecimals(const char* name);
DBE_API const char* dbe_IndexCondition(void);

/* Cursor: moves follow the controlling order and pass over records outside the query */
DBE_API int dbe_GoTop(void);
DBE_API int dbe_GoBottom(void);
DBE_API int dbe_Skip(int count);
DBE_API int dbe_Go(int recNo); /* any physical record, query or not; 0 or out of range: end of file */
DBE_API int dbe_Eof(void);
DBE_API int dbe_Bof(void);
DBE_API int dbe_RecNo(void); /* at end of file: record count + 1 */
DBE_API int dbe_RecCount(void);
DBE_API double dbe_OrderPosGet(void);    /* 0..1 in the controlling order */
DBE_API int dbe_GetRecord(char* buffer); /* copies dbe_RecSize() bytes and a 0; returns the count, 0 at eof */
DBE_API int dbe_Deleted(void);

/* Writing; each write is in the file (and synced, see DBE_PROP_DURABLE_WRITES) when it returns */
DBE_API int dbe_Rlock(int recNo);             /* true when locked by the selected work area */
DBE_API int dbe_Unlock(int recNo);            /* 0: every lock of the selected work area */
DBE_API int dbe_AppendBlank(void);            /* adds a blank record and makes it current */
DBE_API int dbe_PutRecord(const char* image); /* writes dbe_RecSize() bytes over the current record */
DBE_API int dbe_Commit(void);

/* Expressions and queries */
DBE_API int dbe_EvalTest(const char* expression);  /* DBE_TYPE_... of the value, 0 when invalid */
DBE_API int dbe_Query(const char* expression);     /* true when records match; "" removes the query */
DBE_API int dbe_QueryTest(const char* expression); /* > 0: the count of the query is exact */
DBE_API int dbe_QueryRecCount(void);
DBE_API const char* dbe_DBFilter(void); /* the query in force, "" when none */

/* Indexes. Orders are numbered from 1 in the order they were opened; order 0 is physical order. */
DBE_API int dbe_Index(const char* file, const char* expression, int option, int descending,
                      const char* condition); /* order number of the new controlling index, 0 failed */
DBE_API int dbe_SetOrder(int order);          /* returns the previous order */
DBE_API const char* dbe_TagName(int order);
DBE_API const char* dbe_IndexName(int order);
DBE_API int dbe_IndexOrd(void);
DBE_API const char* dbe_IndexKey(void);      /* key expression of the controlling order */
DBE_API const char* dbe_IndexKeyField(void); /* the field, upper case, when the key is one field */
DBE_API int dbe_Seek(const char* key);       /* true when found; else positioned as soft-seek says */
DBE_API int dbe_Found(void);
DBE_API int dbe_CloseIndexes(void);

/* Files */
DBE_API int dbe_CreateNew(const char* file, const char* alias, int driver, int fieldCount);
DBE_API int dbe_CreateField(const char* name, const char* type, int width, int decimals);
DBE_API int dbe_CreateExec(void);
DBE_API int dbe_CopyFile(const char* file); /* true when the copy replaced the file */

/* Every exported function, for loaders that resolve them by name. */
/* clang-format off */
#define DBE_FOR_EACH_FUNCTION(X) \
    X(dbe_SetStringType) \
    X(dbe_SysProp) \
    X(dbe_ErrorText) \
    X(dbe_WorkArea) \
    X(dbe_Use) \
    X(dbe_Select) \
    X(dbe_Alias) \
    X(dbe_Close) \
    X(dbe_ErrorLevel) \
    X(dbe_SetExact) \
    X(dbe_SetCentury) \
    X(dbe_SetDateFormat) \
    X(dbe_SetDeleted) \
    X(dbe_SetEpoch) \
    X(dbe_SetMemoBlockSize) \
    X(dbe_SetSoftSeek) \
    X(dbe_SetTurboRead) \
    X(dbe_SetTranslate) \
    X(dbe_FieldCount) \
    X(dbe_RecSize) \
    X(dbe_IsEncrypted) \
    X(dbe_FieldName) \
    X(dbe_FieldType) \
    X(dbe_FieldOffset) \
    X(dbe_FieldWidth) \
    X(dbe_FieldDecimals) \
    X(dbe_IndexCondition) \
    X(dbe_GoTop) \
    X(dbe_GoBottom) \
    X(dbe_Skip) \
    X(dbe_Go) \
    X(dbe_Eof) \
    X(dbe_Bof) \
    X(dbe_RecNo) \
    X(dbe_RecCount) \
    X(dbe_OrderPosGet) \
    X(dbe_GetRecord) \
    X(dbe_Deleted) \
    X(dbe_Rlock) \
    X(dbe_Unlock) \
    X(dbe_AppendBlank) \
    X(dbe_PutRecord) \
    X(dbe_Commit) \
    X(dbe_EvalTest) \
    X(dbe_Query) \
    X(dbe_QueryTest) \
    X(dbe_QueryRecCount) \
    X(dbe_DBFilter) \
    X(dbe_Index) \
    X(dbe_SetOrder) \
    X(dbe_TagName) \
    X(dbe_IndexName) \
    X(dbe_IndexOrd) \
    X(dbe_IndexKey) \
    X(dbe_IndexKeyField) \
    X(dbe_Seek) \
    X(dbe_Found) \
    X(dbe_CloseIndexes) \
    X(dbe_CreateNew) \
    X(dbe_CreateField) \
    X(dbe_CreateExec) \
    X(dbe_CopyFile)
/* clang-format on */

#ifdef __cplusplus
}
#endif

#endif
