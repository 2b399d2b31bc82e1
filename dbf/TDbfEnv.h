#pragma once

#include <QObject>

enum TDbfApplyToItem { atLocal = 0x1, atRemote = 0x2 };
Q_DECLARE_FLAGS(TDbfApplyTo, TDbfApplyToItem)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDbfApplyTo)

// The engine settings component (the main window's DbfEnv1). Setting a property while the
// settings apply to local tables loads the engine and passes the value at once; every table open
// passes them all again. The first TDbfEnv created is the one tables take their settings from.
class TDbfEnv : public QObject {
    Q_OBJECT
public:
    explicit TDbfEnv(QObject* parent = nullptr);
    ~TDbfEnv() override;

    // The first living settings component of the application, nullptr when there is none.
    static TDbfEnv* First();

    TDbfApplyTo ApplyTo() const { return applyTo; }
    void SetApplyTo(TDbfApplyTo value);
    bool Exact() const { return exact; }
    void SetExact(bool value);
    bool Century() const { return century; }
    void SetCentury(bool value);
    int DateFormat() const { return dateFormat; }
    void SetDateFormat(int value);
    bool Deleted() const { return deleted; }
    void SetDeleted(bool value);
    int Epoch() const { return epoch; }
    void SetEpoch(int value);
    int MemoBlockSize() const { return memoBlockSize; }
    void SetMemoBlockSize(int value);
    bool SoftSeek() const { return softSeek; }
    void SetSoftSeek(bool value);
    int LockTimeOut() const { return lockTimeOut; } // kept, never passed to the engine
    void SetLockTimeOut(int value) { lockTimeOut = value; }
    int ErrorLevel() const { return errorLevel; }
    void SetErrorLevel(int value) { errorLevel = value; }

    bool AppliesLocally() const { return applyTo.testFlag(atLocal); }
    // The end of loading from the form: loads the engine when the settings apply locally.
    void Loaded();
    // Passes every setting to the engine (in the order a table open needs). The engine must be loaded.
    void PassSettings() const;

private:
    // Loads the engine and runs pass when the settings apply locally and the engine is there.
    template <typename Pass> void applyNow(Pass pass);

    TDbfApplyTo applyTo = atLocal;
    bool exact = false;
    bool century = true;
    int dateFormat = 7;
    bool deleted = false;
    int epoch = 1980;
    int memoBlockSize = 64;
    bool softSeek = false;
    int lockTimeOut = 1;
    int errorLevel = 0;
};
