#pragma once

#include "dbf/TDbfField.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

enum TDbfTableType { ttDBNTX, ttDBFOX, ttDBNDX, ttDBNDX_DBT };
enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
enum TLocateOption { loCaseInsensitive = 0x1, loPartialKey = 0x2 };
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

// A dataset over one dBASE table file, reached only through the table engine: a cursor with a
// current record, typed fields, the states browse, edit and insert, and events. Failures raise
// EDbfError; the last message is also kept (LastError).
//
// Notifications, so that models, field bindings and reports can follow every change:
//   AfterScroll        the current record is another one (or was read again after a move)
//   StateChanged       State() changed
//   FieldChanged       a field of the current record buffer was set or cleared
//   RecordChanged(n)   physical record n changed in the file (posted here or through another
//                      table open on the same file); rows showing it must be read again
//   DataSetChanged     the set or order of records shown changed (open, close, filter, order,
//                      refresh, insert): everything must be read again
// While controls are disabled (DisableControls) AfterScroll, FieldChanged, RecordChanged and
// DataSetChanged are held back; EnableControls then sends one DataSetChanged and AfterScroll.
class TDbfTable : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString TableName READ TableName WRITE SetTableName)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(bool Filtered READ Filtered WRITE SetFiltered)
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(int RecNo READ RecNo WRITE SetRecNo)
    Q_PROPERTY(int RecCount READ RecCount)

public:
    explicit TDbfTable(QObject* parent = nullptr);
    ~TDbfTable() override; // closes the table without events

    // --- properties
    QString TableName() const { return tableName; }
    void SetTableName(const QString& name); // raises on an open table
    TDbfTableType TableType() const { return tableType; }
    void SetTableType(TDbfTableType type);
    bool OEMTranslate() const { return oemTranslate; }
    void SetOEMTranslate(bool value) { oemTranslate = value; }
    bool Exclusive() const { return exclusive; }
    void SetExclusive(bool value);
    bool ReadOnly() const { return readOnly; }
    void SetReadOnly(bool value);
    QString Filter() const { return filter; }
    void SetFilter(const QString& expression);
    bool Filtered() const { return filtered; }
    void SetFiltered(bool value);

    bool Active() const { return workArea > 0; }
    void SetActive(bool value); // Open or Close
    TDataSetState State() const { return state; }
    bool Modified() const { return modified; }
    bool Eof() const { return eof; }
    bool Bof() const { return bof; }
    bool IsEmpty() const;

    int RecNo() const; // physical number of the current record; 0 while closed
    void SetRecNo(int recNo);
    int RecCount() const; // every record of the file, whatever filter and order; 0 while closed
    int ViewRecCount() const { return viewCount; } // records the view shows, as cached at open and filter

    QString IndexName() const { return indexName; }
    QString LastError() const { return lastError; }
    int WorkArea() const { return workArea; }
    QString Alias() const { return alias; }

    // --- operations
    void Open();
    void Close();
    void First();
    void Last();
    void Next();
    void Prior();
    void Edit();
    void Append(); // insert state on a new, empty record; Post adds it at the end of the file
    void Post();
    void Cancel();
    // Adds a record at the end of the file with the values in field order (a null QVariant or a
    // missing value leaves the field cleared) and makes it current.
    void InsertRecord(const QVariantList& values);
    // Inserts a record for each list of values and commits once at the end: a table written in
    // one go is synced to disk once, not once per record.
    void InsertRecords(const QList<QVariantList>& records);
    void Refresh();
    // keyFields separated by ";"; keyValues one value or a QVariantList in the same order.
    bool Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options);
    // Every record the view shows that Locate's condition matches, by physical number, ascending;
    // the current record stays (a pending edit is stored first). For duplicate checks.
    QVector<int> LocateAll(const QString& keyFields, const QVariant& keyValues, TLocateOptions options);

    int Index(const QString& indexFile, const QString& keyExpression, int option, bool descending,
              const QString& condition = QString());
    int SetOrder(int order); // returns the previous order
    void CloseIndexes();

    bool CreateNew(const QString& path, int driver, int fieldCount);
    void CreateField(const QString& name, const QString& type, int width, int decimals);
    bool CreateExec();
    // Writes the table to path (replacing it whole); on failure LastError holds the engine's reason.
    int CopyFile(const QString& path);

    // --- fields of the current record
    int FieldCount() const { return int(fields.size()); }
    TDbfField* Fields(int index) const;
    TDbfField* FindField(const QString& name) const;   // nullptr when there is none
    TDbfField* FieldByName(const QString& name) const; // raises when there is none

    // --- the records the view shows, in its order, for models and reports; read without moving
    // the current record or sending events. The current record in edit state is seen with its
    // pending values; a record being inserted is not a row until it is posted.
    double Position() const { return position; } // the current record's place in the order, for scroll bars
    int RowCount();
    int RowRecNo(int row);
    QVariant RowValue(int row, int field);
    QString RowText(int row, int field);
    int CurrentRow(); // row of the current record, -1 when it is not shown

    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount > 0; }

    // Used by the fields.
    QVariant FieldValue(int field) const;
    void SetFieldValue(int field, const QVariant& value);

signals:
    void AfterOpen();
    void BeforeClose();
    void AfterClose();
    void AfterEdit();
    void AfterInsert();
    void AfterPost();
    void AfterCancel();
    void AfterScroll();
    void StateChanged();
    void FieldChanged(TDbfField* field);
    void RecordChanged(int recNo);
    void DataSetChanged();

private:
    struct Row {
        int recNo;
        QByteArray image;
    };

    [[noreturn]] void raise(const QString& message);
    void checkActive();
    void checkBrowseMode(); // ends a pending edit: post when modified, else cancel
    void checkWritable();
    void applyFilter(const QString& expression);
    void select() const;
    bool readCurrent(); // the engine's current record into the buffer; false when there is none
    void takeRecord();
    // One record on; at either end the current record stays and the end is marked.
    void step(bool forwards);
    void setEmpty();
    void resync(); // the engine's cursor back onto the current record
    void setState(TDataSetState value);
    void loadValues();
    QByteArray buildImage() const;
    void readLayout();
    QString uniqueAlias(const QString& path) const;
    void closeNow(bool withEvents);
    void loadRows();
    QVariant rowValue(const Row& row, int field);
    bool locateKeys(const QString& keyFields, const QVariant& keyValues, QVector<TDbfField*>* keyFieldList,
                    QVariantList* vals) const;
    QString locateCondition(const QVector<TDbfField*>& keyFieldList, const QVariantList& vals,
                            TLocateOptions options, bool* expressible) const;

    // Notifications, held back while controls are disabled.
    void scrolled();
    void setsChanged();
    void recordChanged(int recNo);
    void fileChanged(int recNo, bool added); // to every table open on the same file

    QString tableName;
    TDbfTableType tableType = ttDBFOX;
    bool oemTranslate = false;
    bool exclusive = false;
    bool readOnly = false;
    QString filter;
    bool filtered = false;

    int workArea = 0;
    QString alias;
    QString fullName;
    QString canonicalName;
    TDataSetState state = dsInactive;
    std::vector<std::unique_ptr<TDbfField>> fields;
    int recordSize = 0;
    QByteArray image;            // the current record as read
    QVector<QVariant> values;    // values of the current record, pending ones included
    QVector<bool> fieldModified; // fields set since the record was read
    bool modified = false;
    int currentRecNo = 0;
    int editRecNo = 0; // the record of an edit, or the one to go back to from an insert
    double position = 0;
    bool eof = true;
    bool bof = true;
    int viewCount = 0;
    QString indexName;
    QString indexCondition;
    QString lastError;
    int disableCount = 0;
    bool pendingNotify = false;
    bool rowsValid = false;
    std::vector<Row> rows;
};
