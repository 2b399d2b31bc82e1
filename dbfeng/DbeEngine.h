#pragma once

#include "dbfeng/DbeFile.h"
#include "dbfeng/DbeWorkArea.h"

#include <map>
#include <memory>
#include <string>

// The engine's whole state: settings, work areas, open files. One per process, used from one
// thread; the C functions of dbfeng.h are thin wrappers over it.
class DbeEngine {
public:
    static constexpr int maxWorkAreas = 250;

    static DbeEngine& instance();

    // Settings
    bool exact = false;
    bool century = false;
    int dateFormat = 0;
    bool hideDeleted = false;
    int epoch = 1900;
    int memoBlockSize = 512;
    bool softSeek = false;
    int turboRead = 0;
    bool translate = false;
    int stringType = 0;
    int errorLevel = 1;
    bool seekWholeKey = false;
    bool durableWrites = true;

    std::map<int, std::unique_ptr<DbeWorkArea>> workAreas;
    int selected = 0;

    // The selected work area when it holds an open table; else nullptr (and an error is noted).
    DbeWorkArea* current();
    DbeWorkArea* area(int number);
    int findAlias(const std::string& alias) const;
    int freeNumber() const;

    int use(const std::string& file, const std::string& alias, int openMode);
    void close(int number);
    bool createTable(DbeWorkArea& area);
    bool copyTable(DbeWorkArea& area, const std::string& target);
    bool writeRecord(DbeWorkArea& area, int recNo, const char* image);
    int appendBlank(DbeWorkArea& area);
    void changed(DbeFile& file, int recNo);
    // Whether path (followed through links) is a file some work area has open, whatever its name.
    bool isOpenFile(const std::string& path) const;

    std::unique_ptr<DbeExpression> parse(const std::string& text, const DbeWorkArea& area);

    void setError(const std::string& text) { errorText = text; }
    std::string errorText;
    std::string returned; // the string a function returns, valid until the next one

    const char* give(const std::string& text) {
        returned = text;
        return returned.c_str();
    }

private:
    DbeEngine() = default;
    std::shared_ptr<DbeFile> shareFile(const std::string& path, bool readOnly, std::string* error);
    // Writes the layout and records (may be none) as a new dBASE file that then takes target's place.
    bool writeTableFile(const std::string& target, const std::vector<DbeWorkArea::FieldSpec>& fields,
                        const DbeFile* records, unsigned char languageDriver);
};
