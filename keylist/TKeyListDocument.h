#pragma once

#include <QObject>
#include <QString>

// The state of the open key list: changed or not, the user's file that Save writes, the title
// the caption and the report show, and whether the next Save asks for a name. The key-list
// commands change it; the window and everything else read it and may follow Changed.
class TKeyListDocument : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Changed since it was created, opened or saved.
    bool Modified() const { return modified; }
    void SetModified(bool value);
    // The user's file that Save writes; empty for a list made by New.
    const QString& Path() const { return path; }
    void SetPath(const QString& value);
    // Shown in the caption after "Key file: "; also the report's file name.
    const QString& Title() const { return title; }
    void SetTitle(const QString& value);
    // The next Save asks for a file name.
    bool SaveAsPending() const { return saveAsPending; }
    void SetSaveAsPending(bool value);

signals:
    void Changed();

private:
    template <typename T> void Set(T& field, const T& value);

    bool modified = false;
    QString path;
    QString title;
    bool saveAsPending = false;
};
